#pragma once
// The editor assembled in its start-up order: the model, the main window, the link controller
// and the status dialog, wired together.

#include <filesystem>
#include <memory>

#include "app/routed_sink.h"
#include "core/model.h"
#include "eq/qt_audio_capture.h"
#include "link/device_commands.h"
#include "link/link_controller.h"
#include "link/status_dialog.h"
#include "ui/commands/backup_commands.h"
#include "ui/commands/mode_commands.h"
#include "ui/commands/password_commands.h"
#include "ui/commands/settings_backups.h"
#include "ui/commands/verify_command.h"
#include "ui/commands/window_link.h"
#include "ui/frame/main_window.h"
#include "ui/widgets/message_service.h"

namespace aec {

class EditorApp {
  public:
    // `capture`, when given, stands in for the sound card (a recording played for rehearsal,
    // or a test's source); it must outlive the editor.
    explicit EditorApp(MessageService& messages, AudioCapture* capture = nullptr);
    ~EditorApp();
    EditorApp(const EditorApp&) = delete;
    EditorApp& operator=(const EditorApp&) = delete;

    Model& model() { return m_model; }
    TForm1& window() { return *m_window; }
    TForm3& link() { return *m_link; }
    TForm2& dialog() { return *m_dialog; }
    ModeCommands& modes() { return *m_modes; }
    PasswordCommands& passwords() { return *m_passwords; }
    SettingsBackups& backups() { return *m_backups; }
    VerifyCommand& verify() { return *m_verify; }
    BackupCommands& modeBackups() { return *m_modeBackups; }

    // Off-line edits outlive the editor: those in the file are taken now, and the ones still
    // unsent when the window closes are written back (the file removed when there are none).
    void keepOfflineEditsIn(const std::filesystem::path& file);

  private:
    // The window closed: the goodbye when on line, the link stopped for good, the dialog
    // hidden, and the event loop ends whatever the link was doing.
    void closeDown();

    Model m_model;
    // The sound card's input; it outlives the window.
    QtAudioCapture m_audio;
    RoutedSink m_sink{m_model};
    std::filesystem::path m_offlineEditsFile;
    std::unique_ptr<TForm1> m_window;
    std::unique_ptr<TForm3> m_link;
    std::unique_ptr<TForm2> m_dialog;
    std::unique_ptr<WindowLink> m_windowLink;
    std::unique_ptr<DeviceCommands> m_commands;
    std::unique_ptr<ModeCommands> m_modes;
    std::unique_ptr<PasswordCommands> m_passwords;
    std::unique_ptr<SettingsBackups> m_backups;
    std::unique_ptr<VerifyCommand> m_verify;
    std::unique_ptr<BackupCommands> m_modeBackups;
};

}  // namespace aec
