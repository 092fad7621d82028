#include "link/port_enumeration.h"

#include <QDir>
#include <QSerialPortInfo>
#include <QStandardPaths>

#include "link/port_names.h"

namespace aec {

QString virtualPortDirectory() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QString::fromLatin1(kVirtualPortFolder));
}

QStringList enumeratePorts() { return enumeratePorts(virtualPortDirectory()); }

QStringList enumeratePorts(const QString& virtualPortDirectory) {
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names.push_back(info.portName().toStdString());
    }
    // Entries are links to pseudo-terminals; a stale link (its simulator gone) is skipped.
    const QDir dir(virtualPortDirectory);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.exists()) {
            names.push_back(entry.absoluteFilePath().toStdString());
        }
    }
    QStringList list;
    for (const std::string& name : sortPortNames(std::move(names))) {
        list.push_back(QString::fromStdString(name));
    }
    return list;
}

}  // namespace aec
