#include "eq/feedback_cuts.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/pages.h"
#include "core/scale_tables.h"

namespace aec {

namespace {

enum SubSlot : int { kModeSlot = 0, kFreqSlot = 1, kGainSlot = 2, kQSlot = 3 };
constexpr int kPeakingMode = 1;
constexpr float kNarrowQ = 10.0F;

int micIndex(int page) { return page == kPageMicB ? 1 : 0; }

double octavesBetween(double a, double b) { return std::abs(std::log2(a / b)); }

double hzOf(int freq) { return kFreqTable[static_cast<size_t>(freq)].value; }

bool isFree(const Model& model, int page, int band) {
    return model.param(page, bandSlot(page, band, kModeSlot)) == kDefaultMode &&
           model.param(page, bandSlot(page, band, kGainSlot)) == kDefaultGain;
}

}  // namespace

int bandSlot(int page, int band, int subSlot) { return BandSlot(firstEqSlot(page), band, subSlot); }

FinderCut bandValues(const Model& model, int page, int band) {
    return {band, model.param(page, bandSlot(page, band, kFreqSlot)),
            model.param(page, bandSlot(page, band, kQSlot)),
            model.param(page, bandSlot(page, band, kGainSlot))};
}

int FeedbackCuts::nearestFrequency(double hz) {
    int best = 0;
    for (int i = 1; i < kFreqCount; ++i) {
        if (octavesBetween(hzOf(i), hz) < octavesBetween(hzOf(best), hz)) {
            best = i;
        }
    }
    return best;
}

int FeedbackCuts::narrowQ() {
    const auto at = std::min_element(kQTable.begin(), kQTable.end(), [](auto a, auto b) {
        return std::abs(a.value - kNarrowQ) < std::abs(b.value - kNarrowQ);
    });
    return static_cast<int>(at - kQTable.begin());
}

std::vector<FinderCut> FeedbackCuts::own(const Model& model, int page) const {
    std::vector<FinderCut> kept;
    for (const FinderCut& cut : m_written[micIndex(page)]) {
        if (model.param(page, bandSlot(page, cut.band, kModeSlot)) == kPeakingMode &&
            bandValues(model, page, cut.band) == cut) {
            kept.push_back(cut);
        }
    }
    return kept;
}

CutPlan FeedbackCuts::plan(const Model& model, int page,
                           std::span<const FeedbackPeak> peaks) const {
    CutPlan plan;
    std::vector<FinderCut> cuts = own(model, page);  // with this plan's changes applied
    const size_t ownBefore = cuts.size();
    std::vector<bool> changed(cuts.size(), false);
    std::vector<int> order(peaks.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return peaks[a].riseDb > peaks[b].riseDb; });

    for (const int p : order) {
        const double hz = peaks[p].hz;
        const auto near = std::find_if(cuts.begin(), cuts.end(), [&](const FinderCut& c) {
            return octavesBetween(hzOf(c.freq), hz) <= kNearOctaves;
        });
        if (near != cuts.end()) {
            const auto i = static_cast<size_t>(near - cuts.begin());
            // A repeat deepens an existing cut once per plan; a new cut stays at its first depth.
            if (i < ownBefore && !changed[i] && near->gain > kDeepest) {
                near->gain = std::max(kDeepest, near->gain - kDeepenStep);
                changed[i] = true;
            }
            continue;
        }
        if (cuts.size() >= static_cast<size_t>(kMaxCuts)) {
            continue;
        }
        const int freq = nearestFrequency(hz);
        int best = -1;
        for (int b = 0; b < pageBands(page); ++b) {
            const bool taken = std::any_of(cuts.begin(), cuts.end(),
                                           [b](const FinderCut& c) { return c.band == b; });
            if (taken || !isFree(model, page, b)) {
                continue;
            }
            const auto distance = [&](int band) {
                return std::abs(model.param(page, bandSlot(page, band, kFreqSlot)) - freq);
            };
            if (best < 0 || distance(b) < distance(best)) {
                best = b;
            }
        }
        if (best < 0) {
            plan.noFreeBand = true;
            continue;
        }
        cuts.push_back({best, freq, narrowQ(), kDefaultGain - kFirstDepth});
        changed.push_back(true);
    }
    for (size_t i = 0; i < cuts.size(); ++i) {
        if (changed[i]) {
            plan.cuts.push_back(cuts[i]);
        }
    }
    return plan;
}

void FeedbackCuts::applied(int page, const CutPlan& plan) {
    auto& written = m_written[micIndex(page)];
    for (const FinderCut& cut : plan.cuts) {
        std::erase_if(written, [&](const FinderCut& c) { return c.band == cut.band; });
        written.push_back(cut);
    }
}

}  // namespace aec
