#include "eq/plot_geometry.h"

#include <cmath>

#include "eq/response_grid.h"

namespace aec {

namespace {

constexpr double kN = ResponseGrid::kIntervals;
constexpr double kD = ResponseGrid::kDecades;
constexpr double kLevelSpan = kLevelTop - kLevelBottom;
// Far beyond any plot, yet comfortably inside int.
constexpr double kPixelLimit = 1 << 24;

constexpr std::array<int, kLevelLabelCount> kLabelLevels = {-24, -18, -12, -6, 0, 6, 12};

struct FreqLabel {
    double hz;
    const char* text;
};
constexpr std::array<FreqLabel, kFreqLabelCount> kFreqLabels = {{
    {20, "20Hz"},
    {50, "50Hz"},
    {100, "100Hz"},
    {200, "200Hz"},
    {500, "500Hz"},
    {1000, "1KHz"},
    {2000, "2KHz"},
    {5000, "5KHz"},
    {10000, "10KHz"},
    {20000, "20KHz"},
}};

}  // namespace

PlotGeometry::PlotGeometry(int width, int height)
    : m_width(width), m_height(height), m_step(width / kN) {}

double PlotGeometry::x(double hz) const { return (std::log10(hz) - 1.0) / kD * kN * m_step; }

double PlotGeometry::f(double column) const {
    return std::pow(10.0, column * kD / (kN * m_step) + 1.0);
}

double PlotGeometry::y(double db) const { return (kLevelTop - db) / kLevelSpan * (m_height - 1); }

double PlotGeometry::v(double row) const { return kLevelTop - row / (m_height - 1) * kLevelSpan; }

int pixelRound(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v > kPixelLimit) {
        return static_cast<int>(kPixelLimit);
    }
    if (v < -kPixelLimit) {
        return -static_cast<int>(kPixelLimit);
    }
    return static_cast<int>(std::nearbyint(v));
}

AxisLabels placeAxisLabels(const PlotGeometry& g, int plotLeft, int plotTop) {
    AxisLabels labels;
    for (int i = 0; i < kLevelLabelCount; ++i) {
        const int level = kLabelLevels[i];
        AxisLabel& l = labels[i];
        l.name = "EQLabelY" + std::to_string(i);
        l.text = std::to_string(level) + "dB";
        l.left = plotLeft - 34;
        l.top = plotTop + pixelRound(g.y(level)) - 6;
        l.width = 32;
        l.height = 13;
        l.align = AxisLabel::Align::kRight;
    }
    for (int i = 0; i < kFreqLabelCount; ++i) {
        AxisLabel& l = labels[kLevelLabelCount + i];
        l.name = "EQLabelX" + std::to_string(11 + i);
        l.text = kFreqLabels[i].text;
        l.left = plotLeft + pixelRound(g.x(kFreqLabels[i].hz)) - 18;
        l.top = plotTop + g.height();
        l.width = 36;
        l.height = 13;
        l.align = AxisLabel::Align::kCentre;
    }
    return labels;
}

}  // namespace aec
