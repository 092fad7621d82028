#include "eq/curve_sources.h"

#include <algorithm>
#include <cmath>

#include "core/display.h"
#include "core/model.h"
#include "core/number_format.h"
#include "core/scale_tables.h"

namespace aec {

namespace {

constexpr int kLastFrequencyIndex = kFreqCount - 1;  // 20600 Hz
constexpr float kBypassHighPassHz = 19.0f;
constexpr double kMaxSourceHz = 1e9;

float gainOf(int raw) { return static_cast<float>(raw) / 5.0f - 24.0f; }

void fillBand(const Model& model, int page, int band, CurveSource& e) {
    const int s = BandSlot(firstEqSlot(page), band, 0);
    e.type = model.view(page, s);
    e.frequency = frequencyValue(model.view(page, s + 1));
    e.gain = gainOf(model.view(page, s + 2));
    // Shelves keep their own Q in the fifth slot.
    e.q = qTableValue(model.view(page, e.type < kBandLowShelf ? s + 3 : s + 4));
    e.frequencyControl = {makeAddress(page, s + 1), false};
    e.gainControl = {makeAddress(page, s + 2), false};
    e.qControl = {makeAddress(page, s + 3), false};
}

// A crossover records only its frequency control, the value pane of the frequency slot.
void setCrossoverControls(CurveSource& e, int page, int typeSlot) {
    e.frequencyControl = {makeAddress(page, typeSlot + 1), true};
    e.gainControl = {};
    e.qControl = {};
}

void fillCrossovers(const Model& model, int page, int n, CurveSourceTable& table) {
    const int t = highPassTypeSlot(page);
    const int u = t + 2;
    CurveSource& hp = table[n];
    hp.type = kHighPassBase + model.view(page, t);
    hp.gain = 0;
    hp.q = 0;
    if (model.view(page, t + 1) == 0) {
        hp.type = kHighPassBase + kXoBypass;
        hp.frequency = kBypassHighPassHz;
    } else {
        hp.frequency = frequencyValue(model.view(page, t + 1));
    }
    CurveSource& lp = table[n + 1];
    lp.type = kLowPassBase + model.view(page, u);
    lp.gain = 0;
    lp.q = 0;
    if (model.view(page, u + 1) == kLastFrequencyIndex) {
        lp.type = kLowPassBase + kXoBypass;
    }
    lp.frequency = frequencyValue(model.view(page, u + 1));

    setCrossoverControls(hp, page, t);
    setCrossoverControls(lp, page, u);
    // The HPF and LPF markers find their control at their own point indexes too.
    setCrossoverControls(table[kHighPassPoint], page, t);
    setCrossoverControls(table[kLowPassPoint], page, u);
}

}  // namespace

int highPassTypeSlot(int page) {
    switch (page) {
        case kPageMusic:
            return 4;
        case kPageMicA:
        case kPageMicB:
        case kPageEchoA:
        case kPageEchoB:
            return 9;
        case kPageReverb:
            return 6;
        case kPageMain:
            return 16;
        default:
            return -1;
    }
}

PageCurveCounts CurveSourcesOfPage(const Model& model, int index, int page,
                                   CurveSourceTable& table) {
    PageCurveCounts counts;
    counts.bands = pageBands(page);
    for (int i = 0; i < counts.bands; ++i) {
        if (index == kAllPoints || index == i) {
            fillBand(model, page, i, table[i]);
        }
    }
    if (highPassTypeSlot(page) >= 0) {
        counts.crossovers = 2;
        fillCrossovers(model, page, counts.bands, table);
    }
    return counts;
}

PointKind kindOfEntry(int entry, const PageCurveCounts& counts) {
    if (counts.crossovers > 0 && entry == counts.bands) {
        return PointKind::kHighPass;
    }
    if (counts.crossovers > 1 && entry == counts.bands + 1) {
        return PointKind::kLowPass;
    }
    return PointKind::kBand;
}

int markerOfEntry(int entry, const PageCurveCounts& counts) {
    switch (kindOfEntry(entry, counts)) {
        case PointKind::kHighPass:
            return kHighPassPoint;
        case PointKind::kLowPass:
            return kLowPassPoint;
        case PointKind::kBand:
            break;
    }
    return entry;
}

void computeEntryCurve(CurveSource& source) {
    // Table frequencies are finite and small; anything else is kept inside int before rounding.
    const double f = std::isfinite(source.frequency) ? source.frequency : 0.0;
    const int hz = static_cast<int>(roundHalfEven(std::clamp(f, 0.0, kMaxSourceHz)));
    ComputeBandCurve(source.curve, source.type, hz, source.q, source.gain);
}

PageCurveCounts computePageCurves(const Model& model, int page, CurveSourceTable& table) {
    const PageCurveCounts counts = CurveSourcesOfPage(model, kAllPoints, page, table);
    for (int e = 0; e <= counts.last(); ++e) {
        computeEntryCurve(table[e]);
    }
    return counts;
}

BandCurve sumCurves(const CurveSourceTable& table, const PageCurveCounts& counts) {
    BandCurve sum{};
    for (int e = 0; e <= counts.last(); ++e) {
        for (int g = 0; g < ResponseGrid::kPoints; ++g) {
            sum[g] += table[e].curve[g];
        }
    }
    return sum;
}

}  // namespace aec
