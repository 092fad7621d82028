#pragma once
// Drawing of the spectrum analyser's bars into the plot.

#include <QRgb>

#include "eq/spectrum_bars.h"

class QImage;

namespace aec {

inline constexpr QRgb kSpectrumBarColour = qRgb(62, 62, 255);
// A bar is a 2-pixel pen line from the bottom to its top; like the grid's 2-pixel lines it
// covers the column before its own too.
inline constexpr int kSpectrumBarWidth = 2;

// Paints every column's bar onto the plot, clipped by it.
void drawSpectrumBars(QImage& plot, const BarTops& tops);

}  // namespace aec
