#pragma once
// The fixed logarithmic frequency grid that every response curve is sampled on.

#include <array>

namespace aec {

struct ResponseGrid {
    // Intervals of the grid; points are indexed 0..kIntervals.
    static constexpr int kIntervals = 462;
    static constexpr int kPoints = kIntervals + 1;
    // Decades spanned from 10 Hz (log10 2400), so point 462 is 24 kHz.
    static constexpr double kDecades = 3.380211241711606;
    // Centre of a sampled shape, round(kIntervals / 2).
    static constexpr int kShapeCentre = 231;
};

// One response curve: a dB value per grid point, single precision.
using BandCurve = std::array<float, ResponseGrid::kPoints>;

// Real grid index of a frequency in Hz; frequencies below 1 Hz count as 1 Hz.
double FreqToGridIndex(double hz);
// Frequency in Hz of a real grid index.
double GridIndexToFreq(double index);
// Whole Hz on the grid point nearest to hz; every curve is centred on such a frequency.
int snapFrequency(int hz);
// Grid index E on which a shape for the snapped frequency is centred (10 Hz and below give 0).
int centreIndex(int snappedHz);

}  // namespace aec
