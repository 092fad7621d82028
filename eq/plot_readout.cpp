#include "eq/plot_readout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/bilingual_text.h"
#include "core/number_format.h"

namespace aec {

namespace {
constexpr BilingualText kCurveWord{"曲线 ", "Curve "};
}  // namespace

bool PlotBox::intersects(const PlotBox& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
           o.top < top + height;
}

double curveLevelAt(const BandCurve& curve, double hz) {
    const double at = std::clamp(FreqToGridIndex(hz), 0.0, double{ResponseGrid::kIntervals});
    const int below = std::min(static_cast<int>(at), ResponseGrid::kIntervals - 1);
    const double t = at - below;
    return curve[below] * (1.0 - t) + curve[below + 1] * t;
}

ReadoutValues readoutAt(const PlotGeometry& g, const BandCurve& sum, int column, int row) {
    ReadoutValues r;
    r.hz = g.f(column);
    r.db = g.v(row);
    r.curveDb = curveLevelAt(sum, r.hz);
    return r;
}

std::string readoutFrequency(double hz) {
    // Decide the unit on the rounded text, so 999.96 Hz reads "1.00kHz" and not "1000.0Hz".
    if (std::round(hz * 10.0) / 10.0 < 1000.0) {
        return formatFixed(hz, 1) + "Hz";
    }
    return formatFixed(hz / 1000.0, 2) + "kHz";
}

std::string readoutText(const ReadoutValues& values, int languageFlag) {
    return readoutFrequency(values.hz) + "  " + formatFixed(values.db, 1) + "dB\n" +
           kCurveWord.in(languageFlag) + formatFixed(values.curveDb, 1) + "dB";
}

PlotBox placeReadout(const PlotGeometry& g, int column, int row, int width, int height,
                     std::span<const PlotBox> keepClear) {
    const int right = column + kReadoutGap;
    const int left = column - kReadoutGap - width;
    const int below = row + kReadoutGap;
    const int above = row - kReadoutGap - height;
    const std::array<PlotBox, 4> candidates = {{{right, below, width, height},
                                                {right, above, width, height},
                                                {left, below, width, height},
                                                {left, above, width, height}}};
    const auto inside = [&](const PlotBox& b) {
        return b.left >= 0 && b.top >= 0 && b.left + b.width <= g.width() &&
               b.top + b.height <= g.height();
    };
    const auto clear = [&](const PlotBox& b) {
        return std::none_of(keepClear.begin(), keepClear.end(),
                            [&](const PlotBox& k) { return b.intersects(k); });
    };
    for (const PlotBox& b : candidates) {
        if (inside(b) && clear(b)) {
            return b;
        }
    }
    for (const PlotBox& b : candidates) {
        if (inside(b)) {
            return b;
        }
    }
    // A plot smaller than the box: keep its top-left corner on the plot.
    PlotBox b = candidates[0];
    b.left = std::max(0, std::min(b.left, g.width() - width));
    b.top = std::max(0, std::min(b.top, g.height() - height));
    return b;
}

}  // namespace aec
