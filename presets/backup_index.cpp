#include "presets/backup_index.h"

#include <fstream>
#include <iterator>
#include <set>

#include "core/modes.h"
#include "presets/preset_codec.h"
#include "presets/preset_file.h"
#include "presets/preset_folder.h"

namespace aec {

namespace {

constexpr std::string_view kHeader = "AEC mode backup 1";
constexpr std::string_view kDateKey = "Date: ";
constexpr std::string_view kDeviceKey = "Device: ";
constexpr std::string_view kModeKey = "Mode: ";
// An index is a few lines; anything much larger is not one.
constexpr std::uintmax_t kMaxIndexBytes = std::uintmax_t{64} * 1024;

ParsedBackupIndex failure(BackupIndexError error, size_t line) {
    return {error, static_cast<int>(line), {}};
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A preset file of the folder itself: no folder part, the preset extension.
bool isPlainPresetName(std::string_view file) {
    return file.size() > kPresetExtension.size() && file.find_first_of("/\\:") == file.npos &&
           file.find('\0') == file.npos &&
           file.substr(file.size() - kPresetExtension.size()) == kPresetExtension;
}

// "Mode: <number>TAB<file>TAB<name>"; the name is last so it may hold anything but a tab.
BackupIndexError parseEntry(std::string_view rest, BackupEntry& entry) {
    const size_t first = rest.find('\t');
    const size_t second = first == rest.npos ? rest.npos : rest.find('\t', first + 1);
    if (second == rest.npos) {
        return BackupIndexError::kBadLine;
    }
    const std::optional<int32_t> mode = parseDecimal(rest.substr(0, first));
    if (!mode) {
        return BackupIndexError::kBadLine;
    }
    if (*mode < 1 || *mode > kFirstFactoryMode) {
        return BackupIndexError::kBadMode;
    }
    entry.mode = *mode;
    entry.file = std::string(rest.substr(first + 1, second - first - 1));
    entry.name = std::string(rest.substr(second + 1));
    if (!isPlainPresetName(entry.file)) {
        return BackupIndexError::kBadFile;
    }
    if (entry.name.size() > static_cast<size_t>(kModeNameLength)) {
        return BackupIndexError::kBadName;
    }
    return BackupIndexError::kNone;
}

}  // namespace

std::string backupIndexText(const BackupIndex& index) {
    std::string text(kHeader);
    text += "\n";
    text += std::string(kDateKey) + index.date + "\n";
    text += std::string(kDeviceKey) + index.device + "\n";
    for (const BackupEntry& e : index.entries) {
        text +=
            std::string(kModeKey) + std::to_string(e.mode) + "\t" + e.file + "\t" + e.name + "\n";
    }
    return text;
}

ParsedBackupIndex parseBackupIndex(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty() || lines[0] != kHeader) {
        return failure(BackupIndexError::kFormat, 0);
    }
    ParsedBackupIndex parsed;
    std::set<int> modes;
    for (size_t n = 1; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        if (line.empty()) {
            continue;
        }
        if (startsWith(line, kDateKey)) {
            parsed.index.date = std::string(line.substr(kDateKey.size()));
        } else if (startsWith(line, kDeviceKey)) {
            parsed.index.device = std::string(line.substr(kDeviceKey.size()));
        } else if (startsWith(line, kModeKey)) {
            BackupEntry entry;
            BackupIndexError error = parseEntry(line.substr(kModeKey.size()), entry);
            if (error == BackupIndexError::kNone && !modes.insert(entry.mode).second) {
                error = BackupIndexError::kBadMode;
            }
            if (error != BackupIndexError::kNone) {
                return failure(error, n);
            }
            parsed.index.entries.push_back(std::move(entry));
        } else {
            return failure(BackupIndexError::kBadLine, n);
        }
    }
    if (parsed.index.entries.empty()) {
        return failure(BackupIndexError::kNoEntries, lines.size());
    }
    return parsed;
}

ParsedBackupIndex readBackupIndex(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / kBackupIndexFile;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return failure(BackupIndexError::kNotFound, 0);
    }
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxIndexBytes) {
        return failure(ec ? BackupIndexError::kNotFound : BackupIndexError::kFormat, 0);
    }
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    if (!in && !in.eof()) {
        return failure(BackupIndexError::kNotFound, 0);
    }
    return parseBackupIndex(text);
}

bool writeBackupIndex(const std::filesystem::path& folder, const BackupIndex& index) {
    return writeFileAtomically(folder / kBackupIndexFile, backupIndexText(index)).ok();
}

}  // namespace aec
