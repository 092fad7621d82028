#pragma once
// What the backup and the restore of the processor's modes say, in Chinese and English, and the
// summaries at their end.

#include <string>
#include <vector>

#include "core/bilingual_text.h"
#include "link/mode_backup.h"
#include "link/mode_restore.h"

namespace aec {

namespace backup_text {

inline constexpr BilingualText kBackupCaption{"备份设备", "Back up processor"};
inline constexpr BilingualText kRestoreCaption{"恢复设备", "Restore processor"};
inline constexpr BilingualText kBackupWarning{
    "备份时设备将依次调用每个用户模式，声音会随之变化。\n"
    "完成后设备回到当前的模式和设置。\n现在开始备份吗?",
    "The backup loads every user mode on the processor in turn, so the sound changes while it "
    "runs.\nAfterwards the processor returns to its current mode and settings.\nStart the backup?"};
inline constexpr BilingualText kRestoreQuestion{"恢复将覆盖设备中的以下用户模式:",
                                                "The restore overwrites these user modes on the "
                                                "processor:"};
inline constexpr BilingualText kRestoreConfirm{"声音会随之变化。确定恢复吗?",
                                               "The sound changes while it runs. Restore them?"};
inline constexpr BilingualText kBackupOffLine{"设备未连接，无法备份!",
                                              "Off line: the processor cannot be backed up!"};
inline constexpr BilingualText kRestoreOffLine{"设备未连接，无法恢复!",
                                               "Off line: the processor cannot be restored!"};
inline constexpr BilingualText kFolderFailed{"无法创建备份文件夹!",
                                             "The backup folder cannot be made!"};
inline constexpr BilingualText kNoBackup{"该文件夹不是有效的备份!",
                                         "This folder holds no usable backup!"};
inline constexpr BilingualText kChooseFolder{"选择备份文件夹", "Choose a backup folder"};
inline constexpr BilingualText kBackingUp{"正在备份模式", "Backing up mode"};
inline constexpr BilingualText kRestoring{"正在恢复模式", "Restoring mode"};
inline constexpr BilingualText kOf{"/", "of"};
inline constexpr BilingualText kPuttingBack{"正在让设备回到原来的模式...",
                                            "Returning the processor to its mode..."};
inline constexpr BilingualText kCancel{"取消", "Cancel"};

}  // namespace backup_text

// "Backing up mode 3 of 16..." and the like.
std::string progressText(const BilingualText& what, int current, int total, int language);
// What a backup saved and where, whether it ended early and why, and whether the processor is
// back as it was.
std::string backupSummary(const BackupReport& report, int language);
// What a restore restored, what read back differently, what was not written and why; files the
// backup folder holds damaged are listed too.
std::string restoreSummary(RestoreOutcome outcome, const std::vector<RestoreResult>& results,
                           const std::vector<std::string>& damagedFiles, int language);

}  // namespace aec
