#pragma once
// The spectrum analyser's bar display: about 120 bands across the plot on its logarithmic
// frequency axis, each a bar whose height follows the level of one transform bin.

#include <complex>
#include <optional>
#include <span>
#include <vector>

#include "eq/plot_geometry.h"

namespace aec {

// Length of the forward transform; the 1024 samples of a block are zero-padded to it.
inline constexpr int kTransformLength = 2048;
// Samples of one capture block, the transform's input.
inline constexpr int kBlockSamples = 1024;
// Hz per transform bin, as the display has always counted it (not 48000 / 2048).
inline constexpr int kBinWidthHz = 23;
// Bands across the plot's width, and the lowest bands that carry a weight.
inline constexpr int kBandsPerWidth = 120;
inline constexpr int kWeightedBands = 47;

// The level floor: -52 dB normally, -64 dB on the low-level scale.
enum class LevelScale { kNormal, kLow };

// Top row of the bar of every pixel column 0..W, or nothing for the gap between bands.
using BarTops = std::vector<std::optional<int>>;

// Pixels per band, W div 120, at least 1 so a narrow plot still has bands.
int bandWidth(int plotWidth);
// Transform bin of the band starting at column `start`: the bin of the frequency at the band's
// centre column, kept inside the transform.
int bandBin(const PlotGeometry& g, int start);
// Weight of band `band`; bands from 47 up are not weighted (1).
float bandWeight(int band);
// Row of magnitude m: the floor maps to row H - 2 and 0 dB (m = 128) to row -1; m is limited to
// 120, and 0 counts as 0.001.
double LevelRow(float magnitude, int height, LevelScale scale);

// The bar tops of one frame from the transform output. A band's weight scales the bar's height
// above the floor's 2-pixel stub, so silence is that stub on every band and a weight below 1
// only ever lowers a bar.
void computeBars(const PlotGeometry& g,
                 std::span<const std::complex<float>, kTransformLength> spectrum, LevelScale scale,
                 BarTops& tops);

}  // namespace aec
