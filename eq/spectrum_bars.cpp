#include "eq/spectrum_bars.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace aec {

namespace {

constexpr float kMagnitudeCeiling = 120;
constexpr float kSilentMagnitude = 0.001F;
constexpr double kLevelReference = 128;
constexpr double kNormalFloorDb = -52;
constexpr double kLowFloorDb = -64;
// Empty columns at the end of every band, so the bars stand apart.
constexpr int kGapColumns = 2;

// Evens out the display's response from the lowest band up (band 0 is the lowest).
constexpr std::array<float, kWeightedBands> kBandWeights = {
    0.40F, 0.42F, 0.25F, 0.47F, 0.30F, 0.53F, 0.76F, 0.69F, 0.73F, 0.57F, 0.31F, 0.45F,
    0.79F, 0.84F, 0.89F, 0.94F, 0.90F, 0.92F, 0.95F, 0.77F, 0.86F, 0.93F, 0.86F, 0.89F,
    0.93F, 0.87F, 0.91F, 0.85F, 0.99F, 0.94F, 0.99F, 0.94F, 0.96F, 0.92F, 0.95F, 0.97F,
    0.96F, 0.93F, 0.96F, 0.99F, 0.93F, 0.97F, 0.96F, 0.95F, 0.99F, 0.94F, 0.99F};

// A band of one or two columns keeps at least one column of bar.
int gapColumns(int width) { return std::min(kGapColumns, width - 1); }

}  // namespace

int bandWidth(int plotWidth) { return std::max(1, plotWidth / kBandsPerWidth); }

int bandBin(const PlotGeometry& g, int start) {
    const int centre = start + bandWidth(g.width()) / 2;  // whole columns
    const double hz = g.f(centre);
    const double bin = std::nearbyint(hz / kBinWidthHz);
    if (!(bin >= 0)) {  // also NaN
        return 0;
    }
    return static_cast<int>(std::min<double>(bin, kTransformLength - 1));
}

float bandWeight(int band) {
    return band >= 0 && band < kWeightedBands ? kBandWeights[band] : 1.0F;
}

double LevelRow(float magnitude, int height, LevelScale scale) {
    float m = magnitude;
    if (m > kMagnitudeCeiling) {
        m = kMagnitudeCeiling;
    } else if (m == 0) {
        m = kSilentMagnitude;
    }
    const double floor = scale == LevelScale::kLow ? kLowFloorDb : kNormalFloorDb;
    const double level = std::clamp(20 * std::log10(m / kLevelReference), floor, 0.0);
    return (height - 2) - (level - floor) / (0 - floor) * (height - 1);
}

void computeBars(const PlotGeometry& g,
                 std::span<const std::complex<float>, kTransformLength> spectrum, LevelScale scale,
                 BarTops& tops) {
    const int w = g.width();
    const int h = g.height();
    const int band = bandWidth(w);
    const int firstGap = band - gapColumns(band);
    tops.resize(w + 1);
    int top = h;
    for (int c = 0; c <= w; ++c) {
        const int within = c % band;
        if (within == 0) {
            const std::complex<float> x = spectrum[bandBin(g, c)];
            const float m = std::sqrt(x.real() * x.real() + x.imag() * x.imag());
            // The weight shortens the bar above the floor's stub (rows H - 2 and H - 1), so a
            // quiet band never rises and silence is the same stub on every band.
            const double floorRow = h - 2;
            const double above = (floorRow - LevelRow(m, h, scale)) * bandWeight(c / band);
            top = std::clamp(pixelRound(floorRow - above), 0, h);
        }
        tops[c] = within < firstGap ? std::optional<int>(top) : std::nullopt;
    }
}

}  // namespace aec
