#include "app/editor_app.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "core/bilingual_text.h"
#include "presets/preset_file.h"
#include "ui/sync/control_sync.h"

namespace aec {

EditorApp::EditorApp(MessageService& messages, AudioCapture* capture) {
    // The main window, then the link controller, then the status dialog.
    m_window = std::make_unique<TForm1>(m_model, m_sink, messages,
                                        capture != nullptr ? *capture : m_audio);
    m_link = std::make_unique<TForm3>(m_model);
    m_dialog = std::make_unique<TForm2>();

    Connection& connection = m_link->connection();
    m_sink.route(&m_link->sink());
    m_windowLink = std::make_unique<WindowLink>(*m_window, connection);
    m_commands = std::make_unique<DeviceCommands>(m_model, connection.state(), connection.sender(),
                                                  m_sink, connection, *m_windowLink);
    m_modes =
        std::make_unique<ModeCommands>(m_window->controls(), m_window->parts().system,
                                       m_window->systemPage(), connection.state(), *m_commands);
    m_passwords = std::make_unique<PasswordCommands>(*m_window, connection.state(), *m_commands);
    // The processor's settings are kept before a preset or a mode save replaces them.
    m_backups = std::make_unique<SettingsBackups>(m_model, connection.state(), messages);
    m_window->presetFiles().setBeforeApply(
        [this] { return m_backups->beforeReplacing("preset-load"); });
    m_modes->setBeforeSave([this](int mode) {
        return m_backups->beforeReplacing("mode-save-" + std::to_string(mode + 1));
    });
    m_verify = std::make_unique<VerifyCommand>(*m_window, connection);
    m_modeBackups = std::make_unique<BackupCommands>(*m_window, connection, *m_commands);
    m_modeBackups->setBackupRoot(
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
            .filePath(QStringLiteral("Backup"))
            .toStdString());
    m_modeBackups->setBeforeRestore([this] { return m_backups->beforeReplacing("restore"); });
    m_verify->setBusy([this] { return m_modeBackups->running(); });
    connection.setView(m_windowLink.get());
    connection.setStatusDialog(m_dialog.get());
    QObject::connect(m_window.get(), &TForm1::closing, m_window.get(), [this] { closeDown(); });
    QObject::connect(m_window.get(), &TForm1::languageChanged, m_dialog.get(),
                     [this] { m_dialog->applyLanguage(m_model.languageFlag()); });
}

void EditorApp::keepOfflineEditsIn(const std::filesystem::path& file) {
    m_offlineEditsFile = file;
    QFile in(QString::fromStdString(file.string()));
    // A journal holds a few thousand short lines at most; anything far larger is not one.
    constexpr qint64 kMaxJournalBytes = qint64{1} << 20;
    if (in.size() <= kMaxJournalBytes && in.open(QIODevice::ReadOnly)) {
        m_model.offlineEdits.recordText(in.readAll().toStdString());
    }
}

void EditorApp::closeDown() {
    if (!m_offlineEditsFile.empty()) {
        std::error_code ignored;
        if (m_model.offlineEdits.empty()) {
            std::filesystem::remove(m_offlineEditsFile, ignored);
        } else {
            std::filesystem::create_directories(m_offlineEditsFile.parent_path(), ignored);
            if (!writeFileAtomically(m_offlineEditsFile, m_model.offlineEdits.text()).ok()) {
                static constexpr BilingualText kNotKept{
                    "未连接设备时修改的设置无法保存，将会丢失：\n%1",
                    "The settings changed while off line could not be kept and are lost:\n%1"};
                m_window->messages().show(
                    QString::fromUtf8(kNotKept.in(m_model.languageFlag()))
                        .arg(QString::fromStdString(m_offlineEditsFile.string())),
                    kApplicationTitle, MessageService::Buttons::Ok);
            }
        }
    }
    Connection& connection = m_link->connection();
    connection.closeRequest();
    m_verify->cancel();
    m_verify->setManualTicks(true);
    // No link timer runs again, and a transfer that still completed would reach no window.
    m_link->setManualTicks(true);
    m_modeBackups->setManualTicks(true);
    connection.setView(nullptr);
    connection.setStatusDialog(nullptr);
    // A visible dialog would keep the application running after its main window closed.
    m_dialog->hide();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

EditorApp::~EditorApp() {
    m_link->connection().setUploadListener({});
    m_link->connection().setView(nullptr);
    m_link->connection().setStatusDialog(nullptr);
    m_sink.route(nullptr);
}

}  // namespace aec
