#pragma once
// The equaliser bands of the channel on show as a filter import sees them: what they hold,
// where an import may take them and how the planned values are written.

#include <optional>
#include <string>
#include <vector>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "presets/filter_plan.h"

namespace aec {

struct FilterBands {
    int basePage = 0;                 // base page of the controls on show
    std::vector<BandValues> current;  // the bands as the controls show them
    ImportTarget target;
    std::string title;    // the channel's name in English, for a written file
    std::string channel;  // the channel's name in the window's language
};

// The bands of the view on show; nullopt when the view has none.
std::optional<FilterBands> filterBandsOnShow(const Model& model);
// Writes every planned band, sub-slot 0 to 4 in band order, each paced through the sink as the
// EQ reset sends its defaults.
void writePlannedBands(int basePage, const std::vector<PlannedBand>& bands, ParameterSink& sink);

}  // namespace aec
