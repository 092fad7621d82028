#pragma once
// Response curves of equaliser bands and crossover filters on the response grid.
//
// Every filter is a display model: it is designed at a quarter of the sampling rate, its
// biquad magnitude is sampled from 0 to Nyquist, and that shape is slid along the log axis so
// its centre lands on the band's frequency. Coefficients and values stay in single precision:
// the low-pass zero guard relies on the Nyquist point coming out exactly 0.

#include "eq/response_grid.h"

namespace aec {

// Band type codes below 100; 4..99 draw flat like kBandBypass.
enum BandType : int {
    kBandBypass = 0,
    kBandPeaking = 1,
    kBandLowShelf = 2,
    kBandHighShelf = 3,
};
// Crossover codes are a base plus the crossover type c.
inline constexpr int kHighPassBase = 100;
inline constexpr int kLowPassBase = 200;

// Crossover types c, as in the filter type list.
enum CrossoverType : int {
    kXoBypass = 0,
    kXoFirstOrder6 = 1,
    kXoBessel12 = 2,
    kXoButterworth12 = 3,
    kXoLinkwitzRiley12 = 4,
    kXoBessel18 = 5,
    kXoButterworth18 = 6,
    kXoBessel24 = 7,
    kXoButterworth24 = 8,
    kXoLinkwitzRiley24 = 9,
    kXoBessel36 = 10,
    kXoButterworth36 = 11,
    kXoLinkwitzRiley36 = 12,
    kXoTypeCount = 13,
};

// One biquad section: numerator b, denominator a.
struct Biquad {
    float b0, b1, b2, a0, a1, a2;
};

// The digital frequencies a shape is sampled at.
enum class SampleGrid {
    kPlain,      // j * pi / N, for peaking bands
    kShelf,      // stretched with margin 108, lower half j >= margin
    kCrossover,  // stretched with margin 126, lower half j > margin
};

enum class FilterSide { kHighPass, kLowPass };

// Peaking band; q is the table Q after the large-Q remap.
Biquad peakingSection(float q, float gainDb);
// Low or high shelf; q is the shelf's own Q (values above 4 count as 4).
Biquad shelfSection(bool high, float q, float gainDb);
Biquad bypassSection();
Biquad firstOrderSection(FilterSide side);
Biquad secondOrderSection(FilterSide side, float q);

// Quality factors of the crossover sections.
float besselQ();
float butterworthQ();
// Section k of a Butterworth filter of order n: 1 / (2 sin(pi (k + 0.5) / n)).
float butterworthSectionQ(int order, int k);

// The large table Q values are drawn narrower: 102, 108, 114, 121, 128 -> 98, 100, 101, 102, 103.
float remapQ(float q);

// Samples the section's magnitude in dB on a grid. With zeroGuard, a point whose numerator or
// denominator is exactly 0 repeats the previous point (low-pass sections at Nyquist).
void sampleSection(const Biquad& section, SampleGrid grid, bool zeroGuard, BandCurve& shape);

// Slides a sampled shape so its centre sits on the grid point of snappedHz.
void placeShape(const BandCurve& shape, int snappedHz, BandCurve& out);

// Fills `out` for one band or crossover (type code, frequency in whole Hz, table Q, gain in dB).
// A crossover code whose type is above 12 leaves `out` untouched. Allocates nothing.
void ComputeBandCurve(BandCurve& out, int type, int frequencyHz, float q, float gainDb);

}  // namespace aec
