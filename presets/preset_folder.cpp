#include "presets/preset_folder.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace aec {

namespace {

// Orders names ignoring ASCII case; names equal but for case keep a fixed order.
bool caseInsensitiveLess(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool less = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [&](unsigned char x, unsigned char y) { return lower(x) < lower(y); });
    const bool greater = std::lexicographical_compare(
        b.begin(), b.end(), a.begin(), a.end(),
        [&](unsigned char x, unsigned char y) { return lower(x) < lower(y); });
    return less || (!greater && a < b);
}

}  // namespace

std::filesystem::path presetDirectory(const std::filesystem::path& programFolder) {
    return programFolder / "Mode" / "KMode";
}

void makePresetDirectory(const std::filesystem::path& programFolder) {
    std::error_code ignored;
    std::filesystem::create_directory(programFolder / "Mode", ignored);
    std::filesystem::create_directory(presetDirectory(programFolder), ignored);
}

namespace {

// Whether a file can be made in the folder: a probe is created and removed again.
bool acceptsFiles(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / ".aec-write-probe";
    std::FILE* file = std::fopen(probe.string().c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return true;
}

}  // namespace

std::filesystem::path choosePresetDirectory(const std::filesystem::path& programFolder,
                                            const std::filesystem::path& dataFolder) {
    makePresetDirectory(programFolder);
    if (acceptsFiles(presetDirectory(programFolder))) {
        return presetDirectory(programFolder);
    }
    std::error_code ignored;
    std::filesystem::create_directories(dataFolder, ignored);
    makePresetDirectory(dataFolder);
    return presetDirectory(dataFolder);
}

bool runsFromBuildTree(const std::filesystem::path& programFolder) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::weakly_canonical(programFolder, ec);
    if (ec) {
        folder = programFolder;
    }
    for (;;) {
        if (std::filesystem::is_regular_file(folder / "CMakeCache.txt", ec)) {
            return true;
        }
        if (folder == folder.parent_path() || folder.empty()) {
            return false;
        }
        folder = folder.parent_path();
    }
}

std::filesystem::path editorPresetDirectory(const std::filesystem::path& programFolder,
                                            const std::filesystem::path& dataFolder) {
    if (runsFromBuildTree(programFolder)) {
        return choosePresetDirectory(programFolder, dataFolder);
    }
    std::error_code ignored;
    std::filesystem::create_directories(dataFolder, ignored);
    makePresetDirectory(dataFolder);
    return presetDirectory(dataFolder);
}

PresetPath presetFilePath(const std::filesystem::path& directory, const std::string& name) {
    // The name becomes one file name inside the folder on every system the editor runs on, so
    // the separators of all of them are refused, not only the local one.
    constexpr std::string_view kLeadsElsewhere("/\\:\0", 4);
    if (name.find_first_of(kLeadsElsewhere) != std::string::npos || name == "." || name == "..") {
        return {{}, PresetError::kBadName};
    }
    return {directory / (name + std::string(kPresetExtension)), PresetError::kNone};
}

std::vector<std::string> listPresetFiles(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(directory, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        if (name.find(kPresetExtension) != std::string::npos) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), caseInsensitiveLess);
    return names;
}

std::string displayName(std::string_view fileName) {
    constexpr size_t kCut = 5;  // the dot and four characters
    if (fileName.size() >= kCut && fileName[fileName.size() - kCut] == '.') {
        fileName.remove_suffix(kCut);
    }
    return std::string(fileName);
}

std::vector<std::string> presetDisplayNames(const std::filesystem::path& directory) {
    std::vector<std::string> names = listPresetFiles(directory);
    for (std::string& name : names) {
        name = displayName(name);
    }
    return names;
}

bool isListedName(const std::vector<std::string>& displayNames, std::string_view name) {
    return std::find(displayNames.begin(), displayNames.end(), name) != displayNames.end();
}

bool saveReplacesPreset(const std::vector<std::string>& displayNames, const std::string& name,
                        const std::filesystem::path& file) {
    std::error_code ignored;
    return isListedName(displayNames, name) || std::filesystem::exists(file, ignored);
}

}  // namespace aec
