#include "ui/commands/settings_backups.h"

#include <chrono>

#include "core/bilingual_text.h"
#include "presets/auto_backup.h"
#include "ui/sync/control_sync.h"

namespace aec {

namespace {

constexpr BilingualText kBackupFailed{
    "自动备份失败：\n%1\n仍然继续吗？",
    "The automatic backup could not be written:\n%1\nGo on anyway?"};

}  // namespace

bool SettingsBackups::beforeReplacing(std::string_view action) {
    if (!m_link.onLine() || m_folder.empty()) {
        return true;
    }
    const AutoBackupResult backup =
        writeAutoBackup(m_folder, m_model, action, std::chrono::system_clock::now());
    if (backup.ok()) {
        return true;
    }
    const QString text = QString::fromUtf8(kBackupFailed.in(m_model.languageFlag()))
                             .arg(QString::fromStdString(backup.file.string()));
    return m_messages.show(text, kApplicationTitle, MessageService::Buttons::YesNo) ==
           MessageService::Answer::Yes;
}

}  // namespace aec
