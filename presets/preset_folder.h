#pragma once
// The preset folder under the program's folder, its file list and the names shown for it.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace aec {

inline constexpr std::string_view kPresetExtension = ".Kvpx";

// Program folder / Mode / KMode.
std::filesystem::path presetDirectory(const std::filesystem::path& programFolder);
// Creates the Mode and KMode folders when missing; failures are ignored.
void makePresetDirectory(const std::filesystem::path& programFolder);
// The file a preset name is saved to and loaded from: the name, unchanged, plus ".Kvpx".
std::filesystem::path presetFilePath(const std::filesystem::path& directory,
                                     const std::string& name);

// Names of the files in the folder that contain ".Kvpx" (the mask "*.Kvpx*"), sorted by
// name without regard to case. A missing folder gives an empty list.
std::vector<std::string> listPresetFiles(const std::filesystem::path& directory);
// A file name without its extension: when the fifth character from the end is a dot, that
// dot and the four characters after it are dropped; otherwise the name is kept whole.
std::string displayName(std::string_view fileName);
// Display names of ListPresetFiles, in the same order.
std::vector<std::string> presetDisplayNames(const std::filesystem::path& directory);
// True when a listed display name equals the name exactly (case-sensitive).
bool isListedName(const std::vector<std::string>& displayNames, std::string_view name);

}  // namespace aec
