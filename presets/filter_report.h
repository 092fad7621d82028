#pragma once
// The import plan for a person: one line per band to write and per issue, in Chinese or English.

#include <string>

#include "presets/filter_plan.h"

namespace aec {

// "Line 12: gain -30.0dB is out of range: -24.0dB used" in the language of the flag.
std::string describeIssue(const ImportIssue& issue, int languageFlag);
// "Band 3: PEQ 208Hz -4.0dB Q 4.00 (line 12)".
std::string describeBand(const PlannedBand& band, int languageFlag);
// The format's name: "REW filter settings" or "Equalizer APO configuration".
std::string describeFormat(FilterFormat format, int languageFlag);

}  // namespace aec
