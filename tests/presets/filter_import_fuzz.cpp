// Feeds arbitrary bytes to the filter list reader and the import plan: every plan stays inside
// the bands and the value ranges, and its report can be written in both languages.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/scale_tables.h"
#include "presets/filter_export.h"
#include "presets/filter_parse.h"
#include "presets/filter_plan.h"
#include "presets/filter_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const aec::ImportTarget target{std::vector<aec::BandValues>(5), 60, 180, {"L", "1"}};
    const aec::FilterPlan plan = aec::planFilterImport(aec::parseFilterText(text), target);
    if (plan.applicable() != (plan.bands.size() == target.defaults.size())) {
        std::abort();
    }
    std::vector<aec::BandValues> bands;
    for (const aec::PlannedBand& b : plan.bands) {
        const aec::BandValues& v = b.values;
        if (v.mode < 0 || v.mode > 3 || v.freq < 0 || v.freq > aec::kFreqMax || v.gain < 60 ||
            v.gain > 180 || v.q < 0 || v.q > aec::kQMax || v.shelfQ < 0 ||
            v.shelfQ > aec::kShelfQMax) {
            std::abort();
        }
        (void)aec::describeBand(b, 1);
        bands.push_back(v);
    }
    for (const aec::ImportIssue& i : plan.issues) {
        (void)aec::describeIssue(i, 0);
    }
    // What was planned reads back the same after it is written out.
    if (!bands.empty()) {
        const aec::ImportTarget again{bands, 60, 180, {}};
        const aec::FilterPlan back =
            aec::planFilterImport(aec::parseFilterText(aec::apoFilterText(bands, "")), again);
        for (std::size_t b = 0; b < bands.size(); ++b) {
            if (back.bands.size() != bands.size() || !(back.bands[b].values == bands[b])) {
                std::abort();
            }
        }
    }
    return 0;
}
