#pragma once
// Writes equaliser bands as a filter list that room-measurement tools and Equalizer APO read.

#include <string>
#include <string_view>
#include <vector>

#include "presets/filter_plan.h"

namespace aec {

// REW "Filter Settings file" text, one numbered filter per band; `title` goes into the notes.
std::string rewFilterText(const std::vector<BandValues>& bands, std::string_view title);
// Equalizer APO configuration, one filter line per band; `title` goes into a comment.
std::string apoFilterText(const std::vector<BandValues>& bands, std::string_view title);

}  // namespace aec
