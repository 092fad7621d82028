#pragma once
// The graph's read-out under the mouse: frequency and level at a plot position, the summed
// curve's level at that frequency, its text, and where its box goes on the plot.

#include <span>
#include <string>

#include "eq/plot_geometry.h"
#include "eq/response_grid.h"

namespace aec {

// A box on the plot, in plot pixels.
struct PlotBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool intersects(const PlotBox& o) const;
    bool operator==(const PlotBox&) const = default;
};

struct ReadoutValues {
    double hz = 0;       // frequency under the pointer
    double db = 0;       // level under the pointer
    double curveDb = 0;  // summed curve at that frequency
};

// Level of a curve at any frequency: linear between the two grid points around it, the end
// points outside the grid.
double curveLevelAt(const BandCurve& curve, double hz);

// The values at plot position (column, row), through the plot's inverse mapping.
ReadoutValues readoutAt(const PlotGeometry& g, const BandCurve& sum, int column, int row);

// "45.3Hz", "880.0Hz", "1.25kHz", "20.00kHz".
std::string readoutFrequency(double hz);
// Two lines: "1.25kHz  -3.2dB" and the curve's level, "Curve -1.4dB" / "曲线 -1.4dB".
std::string readoutText(const ReadoutValues& values, int languageFlag);

// Gap between the pointer and the read-out's nearest corner.
inline constexpr int kReadoutGap = 12;

// Where a box of `size` goes near the pointer: below right of it, else above right, below left,
// above left; the first that lies inside the plot and covers none of `keepClear`, else the first
// inside the plot, else pushed inside the plot.
PlotBox placeReadout(const PlotGeometry& g, int column, int row, int width, int height,
                     std::span<const PlotBox> keepClear);

}  // namespace aec
