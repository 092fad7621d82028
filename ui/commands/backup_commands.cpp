#include "ui/commands/backup_commands.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QFileDialog>
#include <algorithm>

#include "link/backup_texts.h"
#include "presets/backup_folder.h"

namespace aec {

namespace {

QString qText(const std::string& text) { return QString::fromStdString(text); }
QString qText(const BilingualText& text, int language) {
    return QString::fromUtf8(text.in(language));
}

BackupStamp stampOf(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute()};
}

}  // namespace

BackupCommands::BackupCommands(TForm1& window, Connection& connection, DeviceCommands& commands)
    : m_window(window),
      m_connection(connection),
      m_commands(commands),
      m_backup(window.model(), connection),
      m_restore(window.model(), connection),
      m_progress(&window),
      m_timer(this) {
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &BackupCommands::tick);
    connect(&m_progress, &BackupProgress::cancelRequested, this, &BackupCommands::cancel);
    for (const ControlRegistry::Entry& e : window.controls().entries()) {
        if (e.handler != Handler::kBackup && e.handler != Handler::kRestore) {
            continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(e.control);
        if (e.handler == Handler::kBackup) {
            connect(button, &QAbstractButton::clicked, this, [this] { BackupBtnClick(); });
        } else {
            connect(button, &QAbstractButton::clicked, this, [this] { RestoreBtnClick(); });
        }
        button->setEnabled(true);
    }
}

void BackupCommands::setManualTicks(bool manual) {
    m_manual = manual;
    if (manual) {
        m_timer.stop();
    } else if (running()) {
        m_timer.start();
    }
}

void BackupCommands::BackupBtnClick() {
    if (running()) {
        return;
    }
    m_restoring = false;
    if (!m_connection.state().onLine()) {
        tell(backup_text::kBackupOffLine.in(language()));
        return;
    }
    if (!confirm(backup_text::kBackupWarning.in(language()))) {
        return;
    }
    const BackupStamp stamp = stampOf(QDateTime::currentDateTime());
    const std::optional<std::filesystem::path> folder = makeBackupFolder(m_root, stamp);
    if (!folder) {
        tell(std::string(backup_text::kFolderFailed.in(language())) + "\n" + m_root.string());
        return;
    }
    if (m_backup.start(*folder, backupDateText(stamp))) {
        startTicks(backup_text::kBackupCaption);
    }
}

void BackupCommands::RestoreBtnClick() {
    if (running()) {
        return;
    }
    m_restoring = true;
    if (!m_connection.state().onLine()) {
        tell(backup_text::kRestoreOffLine.in(language()));
        return;
    }
    // Writing user modes is a save: managers only, with the save's refusal.
    if (!m_commands.saveModeTarget(0)) {
        return;
    }
    const QString chosen = chooseFolder();
    if (chosen.isEmpty()) {
        return;
    }
    const BackupContents contents = readBackupFolder(chosen.toStdString());
    std::vector<RestoreItem> items;
    m_damaged.clear();
    std::string list;
    for (const BackupMode& m : contents.modes) {
        if (!m.result.ok()) {
            m_damaged.push_back(m.entry.file);
            continue;
        }
        items.push_back({m.entry.mode - 1, m.entry.name, m.records});
        list += "\n" + std::to_string(m.entry.mode) + "-" + m.entry.name;
    }
    if (items.empty()) {
        tell(std::string(backup_text::kNoBackup.in(language())) + "\n" + chosen.toStdString());
        return;
    }
    const std::string question = std::string(backup_text::kRestoreQuestion.in(language())) + list +
                                 "\n" + backup_text::kRestoreConfirm.in(language());
    if (!confirm(question) || (m_beforeRestore && !m_beforeRestore())) {
        return;
    }
    if (m_restore.start(std::move(items))) {
        startTicks(backup_text::kRestoreCaption);
    }
}

void BackupCommands::tick() {
    if (!running()) {
        return;
    }
    if (m_restoring) {
        m_restore.tick();
    } else {
        m_backup.tick();
    }
    if (running()) {
        showProgress();
    } else {
        finish();
    }
}

void BackupCommands::startTicks(const BilingualText& caption) {
    m_progress.start(qText(caption, language()), qText(backup_text::kCancel, language()));
    showProgress();
    if (!m_manual) {
        m_timer.start();
    }
}

void BackupCommands::cancel() {
    m_backup.cancel();
    m_restore.cancel();
    m_progress.setCancelEnabled(false);
}

void BackupCommands::showProgress() {
    const int done = m_restoring ? m_restore.modesDone() : m_backup.modesDone();
    const int total = m_restoring ? m_restore.modeCount() : ModeBackup::modeCount();
    const bool returning = m_restoring ? m_restore.returning() : m_backup.returning();
    const BilingualText& what = m_restoring ? backup_text::kRestoring : backup_text::kBackingUp;
    const std::string text = returning
                                 ? backup_text::kPuttingBack.in(language())
                                 : progressText(what, std::min(done + 1, total), total, language());
    m_progress.showProgress(qText(text), done, total);
}

void BackupCommands::finish() {
    m_timer.stop();
    m_progress.hide();
    tell(m_restoring
             ? restoreSummary(m_restore.outcome(), m_restore.results(), m_damaged, language())
             : backupSummary(m_backup.report(), language()));
}

QString BackupCommands::chooseFolder() {
    if (m_chooser) {
        return m_chooser();
    }
    return QFileDialog::getExistingDirectory(&m_window,
                                             qText(backup_text::kChooseFolder, language()),
                                             QString::fromStdString(m_root.string()));
}

void BackupCommands::tell(const std::string& text) {
    const BilingualText& caption =
        m_restoring ? backup_text::kRestoreCaption : backup_text::kBackupCaption;
    m_window.messages().show(qText(text), qText(caption, language()), MessageService::Buttons::Ok);
}

bool BackupCommands::confirm(const std::string& text) {
    return m_window.messages().show(qText(text), QStringLiteral("Confirm"),
                                    MessageService::Buttons::OkCancel) ==
           MessageService::Answer::Ok;
}

}  // namespace aec
