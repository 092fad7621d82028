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

float GainOf(int raw) { return static_cast<float>(raw) / 5.0f - 24.0f; }

void FillBand(const Model& model, int page, int band, CurveSource& e) {
    const int s = BandSlot(FirstEqSlot(page), band, 0);
    e.type = model.view(page, s);
    e.frequency = FrequencyValue(model.view(page, s + 1));
    e.gain = GainOf(model.view(page, s + 2));
    // Shelves keep their own Q in the fifth slot.
    e.q = QValue(model.view(page, e.type < kBandLowShelf ? s + 3 : s + 4));
    e.frequencyControl = {MakeAddress(page, s + 1), false};
    e.gainControl = {MakeAddress(page, s + 2), false};
    e.qControl = {MakeAddress(page, s + 3), false};
}

// A crossover records only its frequency control, the value pane of the frequency slot.
void SetCrossoverControls(CurveSource& e, int page, int typeSlot) {
    e.frequencyControl = {MakeAddress(page, typeSlot + 1), true};
    e.gainControl = {};
    e.qControl = {};
}

void FillCrossovers(const Model& model, int page, int n, CurveSourceTable& table) {
    const int t = HighPassTypeSlot(page);
    const int u = t + 2;
    CurveSource& hp = table[n];
    hp.type = kHighPassBase + model.view(page, t);
    hp.gain = 0;
    hp.q = 0;
    if (model.view(page, t + 1) == 0) {
        hp.type = kHighPassBase + kXoBypass;
        hp.frequency = kBypassHighPassHz;
    } else {
        hp.frequency = FrequencyValue(model.view(page, t + 1));
    }
    CurveSource& lp = table[n + 1];
    lp.type = kLowPassBase + model.view(page, u);
    lp.gain = 0;
    lp.q = 0;
    if (model.view(page, u + 1) == kLastFrequencyIndex) {
        lp.type = kLowPassBase + kXoBypass;
    }
    lp.frequency = FrequencyValue(model.view(page, u + 1));

    SetCrossoverControls(hp, page, t);
    SetCrossoverControls(lp, page, u);
    // The HPF and LPF markers find their control at their own point indexes too.
    SetCrossoverControls(table[kHighPassPoint], page, t);
    SetCrossoverControls(table[kLowPassPoint], page, u);
}

}  // namespace

int HighPassTypeSlot(int page) {
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
    counts.bands = PageBands(page);
    for (int i = 0; i < counts.bands; ++i) {
        if (index == kAllPoints || index == i) {
            FillBand(model, page, i, table[i]);
        }
    }
    if (HighPassTypeSlot(page) >= 0) {
        counts.crossovers = 2;
        FillCrossovers(model, page, counts.bands, table);
    }
    return counts;
}

PointKind KindOfEntry(int entry, const PageCurveCounts& counts) {
    if (counts.crossovers > 0 && entry == counts.bands) {
        return PointKind::kHighPass;
    }
    if (counts.crossovers > 1 && entry == counts.bands + 1) {
        return PointKind::kLowPass;
    }
    return PointKind::kBand;
}

int MarkerOfEntry(int entry, const PageCurveCounts& counts) {
    switch (KindOfEntry(entry, counts)) {
        case PointKind::kHighPass:
            return kHighPassPoint;
        case PointKind::kLowPass:
            return kLowPassPoint;
        case PointKind::kBand:
            break;
    }
    return entry;
}

void ComputeEntryCurve(CurveSource& source) {
    // Table frequencies are finite and small; anything else is kept inside int before rounding.
    const double f = std::isfinite(source.frequency) ? source.frequency : 0.0;
    const int hz = static_cast<int>(RoundHalfEven(std::clamp(f, 0.0, kMaxSourceHz)));
    ComputeBandCurve(source.curve, source.type, hz, source.q, source.gain);
}

PageCurveCounts ComputePageCurves(const Model& model, int page, CurveSourceTable& table) {
    const PageCurveCounts counts = CurveSourcesOfPage(model, kAllPoints, page, table);
    for (int e = 0; e <= counts.last(); ++e) {
        ComputeEntryCurve(table[e]);
    }
    return counts;
}

BandCurve SumCurves(const CurveSourceTable& table, const PageCurveCounts& counts) {
    BandCurve sum{};
    for (int e = 0; e <= counts.last(); ++e) {
        for (int g = 0; g < ResponseGrid::kPoints; ++g) {
            sum[g] += table[e].curve[g];
        }
    }
    return sum;
}

}  // namespace aec
