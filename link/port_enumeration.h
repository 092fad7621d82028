#pragma once
// The list of ports the search walks: the system's serial ports and the simulators published
// in the runtime directory.

#include <QString>
#include <QStringList>

namespace aec {

// <runtime directory>/aec-ports, where aec-sim links its pseudo-terminal.
QString virtualPortDirectory();
// System port names plus the full path of every entry of the virtual port directory,
// sorted as text.
QStringList enumeratePorts();
QStringList enumeratePorts(const QString& virtualPortDirectory);

}  // namespace aec
