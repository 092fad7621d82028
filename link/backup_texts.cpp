#include "link/backup_texts.h"

#include <array>
#include <cstdio>

namespace aec {

namespace {

constexpr BilingualText kModes{"模式 ", "modes "};
constexpr BilingualText kNone{"无", "none"};
constexpr BilingualText kSavedIn{"已保存的", "Saved"};
constexpr BilingualText kFolder{"文件夹: ", "Folder: "};
constexpr BilingualText kBackupDone{"备份完成。", "Backup complete."};
constexpr BilingualText kBackupCancelled{"备份已取消。", "Backup cancelled."};
constexpr BilingualText kFileFailed{"备份失败: 无法写入文件。",
                                    "Backup failed: a file could not be written."};
constexpr BilingualText kLinkFailed{"备份失败: 连接中断。", "Backup failed: the link went down."};
constexpr BilingualText kPutBack{"设备已回到原来的模式和设置。",
                                 "The processor is back in its mode with its settings."};
constexpr BilingualText kNotPutBack{"设备可能没有回到原来的模式和设置，请重新连接后检查。",
                                    "The processor may not be back in its mode and settings: "
                                    "link again and check."};
constexpr BilingualText kRestoreDone{"恢复完成。", "Restore complete."};
constexpr BilingualText kRestoreCancelled{"恢复已取消。", "Restore cancelled."};
constexpr BilingualText kRestoreLinkFailed{"恢复失败: 连接中断。",
                                           "Restore failed: the link went down."};
constexpr BilingualText kRestored{"已恢复", "Restored"};
constexpr BilingualText kDiffers{"读回不一致", "Read back different"};
constexpr BilingualText kNotSaved{"未保存", "Not saved"};
constexpr BilingualText kNotVerified{"已保存但未读回", "Saved but not read back"};
constexpr BilingualText kWaiting{"未恢复", "Not restored"};
constexpr BilingualText kFactory{"出厂模式，不写入", "Factory modes, never written"};
constexpr BilingualText kDamaged{"损坏的文件", "Damaged files"};
constexpr BilingualText kAddresses{"个地址", "addresses"};
constexpr BilingualText kName{"名称", "name"};
// Differing addresses listed by name; the rest are counted.
constexpr size_t kListedAddresses = 4;

std::string hexAddress(int address) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%04X", static_cast<unsigned>(address) & 0xFFFFU);
    return text.data();
}

std::string modeList(const std::vector<int>& modes, int language) {
    if (modes.empty()) {
        return kNone.in(language);
    }
    std::string text = kModes.in(language);
    for (size_t i = 0; i < modes.size(); ++i) {
        text += (i ? ", " : "") + std::to_string(modes[i] + 1);
    }
    return text;
}

// "mode 4 (name, 12 addresses: 000C 0010 ...)"
std::string differences(const RestoreResult& r, int language) {
    std::string text = std::to_string(r.mode + 1) + " (";
    if (r.nameDiffers) {
        text += kName.in(language);
        text += r.differing.empty() ? "" : ", ";
    }
    if (!r.differing.empty()) {
        text += std::to_string(r.differing.size()) + " " + kAddresses.in(language) + ":";
        for (size_t i = 0; i < r.differing.size() && i < kListedAddresses; ++i) {
            text += " " + hexAddress(r.differing[i]);
        }
        text += r.differing.size() > kListedAddresses ? " ..." : "";
    }
    return text + ")";
}

}  // namespace

std::string progressText(const BilingualText& what, int current, int total, int language) {
    return std::string(what.in(language)) + " " + std::to_string(current) + " " +
           backup_text::kOf.in(language) + " " + std::to_string(total) + "...";
}

std::string backupSummary(const BackupReport& report, int language) {
    std::string text;
    switch (report.outcome) {
        case BackupOutcome::kRunning:
        case BackupOutcome::kDone:
            text = kBackupDone.in(language);
            break;
        case BackupOutcome::kCancelled:
            text = kBackupCancelled.in(language);
            break;
        case BackupOutcome::kFileFailed:
            text = kFileFailed.in(language);
            break;
        case BackupOutcome::kLinkFailed:
            text = kLinkFailed.in(language);
            break;
    }
    text += "\n" + std::string(kSavedIn.in(language)) + ": " + modeList(report.saved, language);
    if (!report.saved.empty()) {
        text += "\n" + std::string(kFolder.in(language)) + report.folder.string();
    }
    text += "\n";
    text += report.putBack ? kPutBack.in(language) : kNotPutBack.in(language);
    return text;
}

std::string restoreSummary(RestoreOutcome outcome, const std::vector<RestoreResult>& results,
                           const std::vector<std::string>& damagedFiles, int language) {
    std::string text = outcome == RestoreOutcome::kCancelled    ? kRestoreCancelled.in(language)
                       : outcome == RestoreOutcome::kLinkFailed ? kRestoreLinkFailed.in(language)
                                                                : kRestoreDone.in(language);
    const auto line = [&](const BilingualText& label, RestoreStatus status) {
        std::vector<int> modes;
        for (const RestoreResult& r : results) {
            if (r.status == status) {
                modes.push_back(r.mode);
            }
        }
        if (!modes.empty() || status == RestoreStatus::kRestored) {
            text += "\n" + std::string(label.in(language)) + ": " + modeList(modes, language);
        }
    };
    line(kRestored, RestoreStatus::kRestored);
    std::string differing;
    for (const RestoreResult& r : results) {
        if (r.status == RestoreStatus::kDiffers) {
            differing += (differing.empty() ? "" : "; ") + differences(r, language);
        }
    }
    if (!differing.empty()) {
        text += "\n" + std::string(kDiffers.in(language)) + ": " + differing;
    }
    line(kNotSaved, RestoreStatus::kNotSaved);
    line(kNotVerified, RestoreStatus::kNotVerified);
    line(kWaiting, RestoreStatus::kWaiting);
    line(kFactory, RestoreStatus::kNotAUserMode);
    if (!damagedFiles.empty()) {
        text += "\n" + std::string(kDamaged.in(language)) + ":";
        for (const std::string& file : damagedFiles) {
            text += " " + file;
        }
    }
    return text;
}

}  // namespace aec
