#pragma once
// "备份设备" / "Back up processor" and "恢复设备" / "Restore processor" of the system column: the
// questions before, the progress dialog while the work runs and the summary after. The work
// itself is ModeBackup and ModeRestore on the connection; a 100 ms timer steps it.

#include <QObject>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "link/connection.h"
#include "link/device_commands.h"
#include "link/mode_backup.h"
#include "link/mode_restore.h"
#include "ui/commands/backup_progress.h"
#include "ui/frame/main_window.h"

namespace aec {

class BackupCommands : public QObject {
  public:
    static constexpr int kTickMs = 100;

    BackupCommands(TForm1& window, Connection& connection, DeviceCommands& commands);

    // Backups go into dated folders under this one; the restore's folder dialog starts here.
    void setBackupRoot(const std::filesystem::path& root) { m_root = root; }
    const std::filesystem::path& backupRoot() const { return m_root; }
    // Asks which backup folder to restore; empty for none. By default a folder dialog.
    void setFolderChooser(std::function<QString()> chooser) { m_chooser = std::move(chooser); }
    // Asked after the user agreed to a restore and before it starts; false stops it.
    void setBeforeRestore(std::function<bool()> before) { m_beforeRestore = std::move(before); }
    // With manual ticks the timer never runs; a test calls tick() itself.
    void setManualTicks(bool manual);

    // BackupBtnClick: after the warning, every user mode into a new backup folder.
    void BackupBtnClick();
    // RestoreBtnClick: a backup folder chosen, the modes it overwrites confirmed, then restored.
    void RestoreBtnClick();
    // One step of the running backup or restore; the summary when it has ended.
    void tick();

    bool running() const { return m_backup.running() || m_restore.running(); }
    BackupProgress& progress() { return m_progress; }
    const ModeBackup& backup() const { return m_backup; }
    const ModeRestore& restore() const { return m_restore; }

  private:
    void tell(const std::string& text);
    bool confirm(const std::string& text);
    QString chooseFolder();
    void startTicks(const BilingualText& caption);
    void cancel();
    void showProgress();
    void finish();
    int language() const { return m_window.model().languageFlag(); }

    TForm1& m_window;
    Connection& m_connection;
    DeviceCommands& m_commands;
    ModeBackup m_backup;
    ModeRestore m_restore;
    std::vector<std::string> m_damaged;
    std::filesystem::path m_root;
    std::function<QString()> m_chooser;
    std::function<bool()> m_beforeRestore;
    BackupProgress m_progress;
    QTimer m_timer;
    bool m_manual = false;
    bool m_restoring = false;
};

}  // namespace aec
