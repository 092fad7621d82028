#include "eq/response_grid.h"

#include <algorithm>
#include <cmath>

namespace aec {

namespace {

constexpr double kN = ResponseGrid::kIntervals;
constexpr double kD = ResponseGrid::kDecades;
// Snapped frequencies stay well inside int even for absurd inputs.
constexpr double kMaxHz = 1e9;

}  // namespace

double FreqToGridIndex(double hz) { return (std::log10(std::max(hz, 1.0)) - 1.0) / kD * kN; }

double GridIndexToFreq(double index) { return std::pow(10.0, index * kD / kN + 1.0); }

int snapFrequency(int hz) {
    // nearbyint rounds halves to even, like every rounding of the graph maths.
    const double point = std::nearbyint(FreqToGridIndex(hz));
    return static_cast<int>(std::nearbyint(std::min(GridIndexToFreq(point), kMaxHz)));
}

int centreIndex(int snappedHz) {
    if (snappedHz <= 10) {
        return 0;
    }
    return static_cast<int>(std::nearbyint((std::log10(double(snappedHz)) - 1.0) / kD * kN));
}

}  // namespace aec
