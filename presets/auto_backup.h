#pragma once
// Automatic backups: before something replaces the processor's settings wholesale (a preset
// load while on line, a mode save, a restore), its current settings are written as a preset
// file, so the step can be undone by loading that file. The newest files are kept.

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/model.h"
#include "presets/preset_texts.h"

namespace aec {

inline constexpr int kAutoBackupsKept = 20;

// "2026-12-10 053210 preset-load.Kvpx": sorting the names sorts the files by time (UTC).
std::string autoBackupName(std::chrono::system_clock::time_point when, std::string_view action);

struct AutoBackupResult {
    PresetResult result;
    std::filesystem::path file;
    bool ok() const { return result.ok(); }
};

// Writes the Model's ParamStore into the folder (created when missing) under
// AutoBackupName, then drops the oldest automatic backups beyond the number kept. Two
// backups in the same second get distinct names.
AutoBackupResult writeAutoBackup(const std::filesystem::path& folder, const Model& model,
                                 std::string_view action,
                                 std::chrono::system_clock::time_point when);

// The folder's automatic backups, oldest first (files of other names are left alone).
std::vector<std::filesystem::path> listAutoBackups(const std::filesystem::path& folder);

}  // namespace aec
