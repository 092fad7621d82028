#include "presets/backup_folder.h"

#include <array>
#include <cstdio>

namespace aec {

namespace {

constexpr int kMaxSameNameFolders = 100;

std::string twoDigits(int n) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d", n);
    return text.data();
}

bool plainFileCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7F &&
           std::string_view("/\\:*?\"<>|").find(c) == std::string_view::npos;
}

}  // namespace

std::string backupFolderName(const BackupStamp& s) {
    return "Backup " + std::to_string(s.year) + "-" + twoDigits(s.month) + "-" + twoDigits(s.day) +
           " " + twoDigits(s.hour) + twoDigits(s.minute);
}

std::string backupDateText(const BackupStamp& s) {
    return std::to_string(s.year) + "-" + twoDigits(s.month) + "-" + twoDigits(s.day) + " " +
           twoDigits(s.hour) + ":" + twoDigits(s.minute);
}

std::string backupFileName(int mode, std::string_view name) {
    std::string file = twoDigits(mode);
    // Trailing spaces are the processor's padding; a name of dots would read as a folder.
    const size_t end = name.find_last_not_of(' ');
    const std::string_view trimmed =
        end == name.npos ? std::string_view() : name.substr(0, end + 1);
    if (!trimmed.empty()) {
        file += ' ';
        for (char c : trimmed) {
            file += plainFileCharacter(c) ? c : '_';
        }
    }
    return file + std::string(kPresetExtension);
}

std::optional<std::filesystem::path> makeBackupFolder(const std::filesystem::path& root,
                                                      const BackupStamp& stamp) {
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    const std::string base = backupFolderName(stamp);
    for (int n = 1; n <= kMaxSameNameFolders; ++n) {
        const std::filesystem::path folder =
            root / (n == 1 ? base : base + " (" + std::to_string(n) + ")");
        // create_directory says whether it made the folder, so two backups never share one.
        if (std::filesystem::create_directory(folder, ec)) {
            return folder;
        }
        if (ec) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

BackupContents readBackupFolder(const std::filesystem::path& folder) {
    BackupContents contents;
    contents.index = readBackupIndex(folder);
    if (!contents.index.ok()) {
        return contents;
    }
    for (const BackupEntry& entry : contents.index.index.entries) {
        ParsedPreset parsed = parsePresetFile(folder / entry.file);
        contents.modes.push_back({entry, parsed.result, std::move(parsed.records)});
    }
    return contents;
}

}  // namespace aec
