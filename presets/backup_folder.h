#pragma once
// Backup folders: one dated folder per backup of the processor's user modes, a preset file per
// mode and the index; reading a folder back checks the index and every file it lists.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presets/backup_index.h"
#include "presets/preset_file.h"
#include "presets/preset_folder.h"

namespace aec {

// The local time a backup was made.
struct BackupStamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// "Backup 2026-12-10 0532": sorts by time and is a plain folder name everywhere.
std::string backupFolderName(const BackupStamp& stamp);
// "2026-12-10 05:32", for the index.
std::string backupDateText(const BackupStamp& stamp);
// "01 Karaoke.Kvpx": the mode number, then the name with every character a file name should
// not carry replaced by '_'; "01.Kvpx" for a mode without a name.
std::string backupFileName(int mode, std::string_view name);
// Makes the stamp's folder under `root` (and `root` itself); a folder of that name already
// there gets " (2)", " (3)" ... instead. Nothing when no folder could be made.
std::optional<std::filesystem::path> makeBackupFolder(const std::filesystem::path& root,
                                                      const BackupStamp& stamp);

// A mode of a backup read back: the index entry and its file's records, or why the file was
// refused.
struct BackupMode {
    BackupEntry entry;
    PresetResult result;
    std::vector<PresetRecord> records;
};
struct BackupContents {
    ParsedBackupIndex index;
    std::vector<BackupMode> modes;  // in the index's order
};
// The index and every file it lists, each checked as a preset load checks it.
BackupContents readBackupFolder(const std::filesystem::path& folder);

}  // namespace aec
