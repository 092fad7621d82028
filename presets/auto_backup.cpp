#include "presets/auto_backup.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "presets/preset_file.h"
#include "presets/preset_folder.h"

namespace aec {

namespace {

namespace fs = std::filesystem;

// "YYYY-MM-DD HHMMSS " and at least one character of the action.
constexpr size_t kStampLength = 18;

bool isAutoBackupName(const std::string& name) {
    if (name.size() <= kStampLength + kPresetExtension.size() ||
        !name.ends_with(kPresetExtension)) {
        return false;
    }
    static constexpr std::string_view kPattern = "dddd-dd-dd dddddd ";
    for (size_t i = 0; i < kStampLength; ++i) {
        const char c = name[i];
        const bool digit = c >= '0' && c <= '9';
        if (kPattern[i] == 'd' ? !digit : c != kPattern[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string autoBackupName(std::chrono::system_clock::time_point when, std::string_view action) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm utc{};
    gmtime_r(&t, &utc);
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y-%m-%d %H%M%S ", &utc);
    return std::string(stamp.data()) + std::string(action) + std::string(kPresetExtension);
}

std::vector<fs::path> listAutoBackups(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error) && isAutoBackupName(it->path().filename().string())) {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

AutoBackupResult writeAutoBackup(const fs::path& folder, const Model& model,
                                 std::string_view action,
                                 std::chrono::system_clock::time_point when) {
    std::error_code error;
    fs::create_directories(folder, error);
    // A second backup within the same second takes the next free suffix.
    fs::path file = folder / autoBackupName(when, action);
    for (int n = 2; fs::exists(file, error) && n < 100; ++n) {
        file = folder / autoBackupName(when, std::string(action) + "-" + std::to_string(n));
    }
    AutoBackupResult out{savePresetFile(file, model), file};
    if (!out.ok()) {
        return out;
    }
    const std::vector<fs::path> kept = listAutoBackups(folder);
    const size_t surplus =
        kept.size() > static_cast<size_t>(kAutoBackupsKept) ? kept.size() - kAutoBackupsKept : 0;
    for (size_t i = 0; i < surplus; ++i) {
        fs::remove(kept[i], error);
    }
    return out;
}

}  // namespace aec
