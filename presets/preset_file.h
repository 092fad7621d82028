#pragma once
// Preset files: the ParamStore of pages 0..24 plus the input selection as scrambled text lines.
// Loading checks the whole file before the Model is touched; saving replaces the file atomically.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/model.h"
#include "presets/preset_texts.h"

namespace aec {

// Records of pages 0..24 (every slot up to each page's last slot) and the input-source record.
inline constexpr int kPresetPageRecords = 1878;
inline constexpr int kPresetRecords = kPresetPageRecords + 1;
// Lines of a saved file: two header lines, the records, the count and checksum lines.
inline constexpr int kPresetLines = kPresetRecords + 4;
// Files beyond this size are not read; a saved preset is well under 64 KiB.
inline constexpr std::uintmax_t kMaxPresetFileBytes = std::uintmax_t{4} * 1024 * 1024;

// One value a file stores: device address (page * 256 + slot) and value.
struct PresetRecord {
    int address = 0;
    int32_t value = 0;
    bool operator==(const PresetRecord&) const = default;
};

// Addresses of the records, in file order.
std::vector<int> presetRecordAddresses();

// The unscrambled lines of a preset holding the Model's ParamStore.
std::vector<std::string> presetPlainLines(const Model& model);
// The file contents: every plain line scrambled and ended by CR LF.
std::string presetFileText(const Model& model);

// Result of checking a whole file: the records to apply, or what is wrong.
struct ParsedPreset {
    PresetResult result;
    std::vector<PresetRecord> records;
};
// Checks header, count, every record line and the checksum; touches nothing.
ParsedPreset parsePreset(std::string_view fileText);

// Stores checked records in the ParamStore and lists them, "address value", in the emptied
// diagnostic log. ViewStore is left for the next refresh.
void applyPreset(const std::vector<PresetRecord>& records, Model& model);

// The records whose value differs from the ParamStore's: what applying them changes.
std::vector<PresetRecord> changedRecords(const std::vector<PresetRecord>& records,
                                         const Model& model);

// Reads a file and checks it like ParsePreset; kNotFound when it cannot be read.
ParsedPreset parsePresetFile(const std::filesystem::path& path);

// Parses and, when the whole text is sound, applies it; on any error the Model is unchanged.
PresetResult loadPresetText(std::string_view fileText, Model& model);
// Reads the file and loads it like LoadPresetText; kNotFound when it cannot be read.
PresetResult loadPresetFile(const std::filesystem::path& path, Model& model);

// Writes the preset through a temporary file in the same folder renamed over `path`, so a
// failure leaves any existing file as it was.
PresetResult savePresetFile(const std::filesystem::path& path, const Model& model);
// The same for any contents; used by SavePresetFile.
PresetResult writeFileAtomically(const std::filesystem::path& path, std::string_view contents);

}  // namespace aec
