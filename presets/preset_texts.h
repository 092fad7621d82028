#pragma once
// What can go wrong with a preset file, and the texts the window shows for it.

#include <string>

namespace aec {

enum class PresetError {
    kNone,
    kNotFound,        // the file cannot be opened
    kFormat,          // header lines missing or with the wrong format or version number
    kCorrupted,       // line count or checksum does not match
    kNotHex,          // a line is not hexadecimal text
    kBadNumber,       // a field is not a decimal number that fits 32 bits
    kShortLine,       // a header, count or record line has fewer than two fields
    kAddressOutside,  // a record names a page or slot outside the stores
    kWriteFailed,     // the file could not be written; any old file is kept
    kBadName,         // the preset name would lead out of the preset folder
};

// Outcome of loading or saving; `line` is the 0-based file line that failed, or -1.
struct PresetResult {
    PresetError error = PresetError::kNone;
    int line = -1;
    bool ok() const { return error == PresetError::kNone; }
};

// Message text of an error in the window's language (languageFlag 1 Chinese, 0 English).
std::string presetMessage(PresetError error, int languageFlag);

// A text with the caption of the box it is asked in.
struct Question {
    std::string text;
    std::string caption;
};

// Asked before a save replaces a listed preset.
Question overwriteQuestion(int languageFlag);
// Asked before loading the preset named in the name box.
Question loadQuestion(const std::string& name, int languageFlag);

}  // namespace aec
