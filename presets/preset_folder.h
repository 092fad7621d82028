#pragma once
// The preset folder under the program's folder, its file list and the names shown for it.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "presets/preset_texts.h"

namespace aec {

inline constexpr std::string_view kPresetExtension = ".Kvpx";

// Program folder / Mode / KMode.
std::filesystem::path presetDirectory(const std::filesystem::path& programFolder);
// Creates the Mode and KMode folders when missing; failures are ignored.
void makePresetDirectory(const std::filesystem::path& programFolder);
// The folder presets live in: Mode/KMode beside the program when the program may write there,
// otherwise the same folders under the user's data folder (an installed program cannot write
// beside itself). Both are created when missing; the first that takes a file is chosen.
std::filesystem::path choosePresetDirectory(const std::filesystem::path& programFolder,
                                            const std::filesystem::path& dataFolder);
// True when the program runs from its build tree: its folder or a folder above it holds the
// build's CMakeCache.txt.
bool runsFromBuildTree(const std::filesystem::path& programFolder);
// The preset folder of the editor in `programFolder`: in its build tree the choice of
// choosePresetDirectory; installed, only the user's data folder, so that nothing is ever
// written beside an installed program (not even by a user who may write there).
std::filesystem::path editorPresetDirectory(const std::filesystem::path& programFolder,
                                            const std::filesystem::path& dataFolder);
// Where a preset name leads: its file, or why the name is refused.
struct PresetPath {
    std::filesystem::path file;
    PresetError error = PresetError::kNone;
    bool ok() const { return error == PresetError::kNone; }
};
// The file a preset name is saved to and loaded from: the name, unchanged, plus ".Kvpx" in the
// folder. A name that could lead elsewhere is refused with kBadName: one holding '/', '\\' or
// ':' (a folder, a root, a drive or a stream) or a NUL, and the names "." and "..".
PresetPath presetFilePath(const std::filesystem::path& directory, const std::string& name);

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
// A save asks before it replaces: the name is listed, or a file of that name exists now (made
// since the list was read, or listed under another case).
bool saveReplacesPreset(const std::vector<std::string>& displayNames, const std::string& name,
                        const std::filesystem::path& file);

}  // namespace aec
