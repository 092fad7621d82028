#pragma once
// The index of a backup folder: when it was made, from which processor, and which preset file
// holds which user mode under which name. A restore reads it back, so it is checked line by line.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace aec {

inline constexpr std::string_view kBackupIndexFile = "backup.txt";

// One user mode of a backup: its number (1 to 16), its name and the preset file holding it.
struct BackupEntry {
    int mode = 0;
    std::string name;
    std::string file;
    bool operator==(const BackupEntry&) const = default;
};

struct BackupIndex {
    std::string date;
    std::string device;
    std::vector<BackupEntry> entries;
    bool operator==(const BackupIndex&) const = default;
};

enum class BackupIndexError {
    kNone,
    kNotFound,   // no index in the folder, or it cannot be read
    kFormat,     // not a backup index (first line)
    kBadLine,    // a line that is not one of the index's lines
    kBadMode,    // a mode number that is not a user mode, or one listed twice
    kBadName,    // a name longer than a mode name may be
    kBadFile,    // a file name that leads out of the folder or is not a preset file
    kNoEntries,  // an index without a single mode
};

struct ParsedBackupIndex {
    BackupIndexError error = BackupIndexError::kNone;
    int line = -1;  // 0-based line of the error
    BackupIndex index;
    bool ok() const { return error == BackupIndexError::kNone; }
};

// The index as text, one line per item, ended by LF.
std::string backupIndexText(const BackupIndex& index);
// Reads that text; any line that does not fit stops it with its line number.
ParsedBackupIndex parseBackupIndex(std::string_view text);

// The index of a folder; kNotFound when there is none.
ParsedBackupIndex readBackupIndex(const std::filesystem::path& folder);
// Writes the index into the folder, replacing the old one atomically; false when it failed.
bool writeBackupIndex(const std::filesystem::path& folder, const BackupIndex& index);

}  // namespace aec
