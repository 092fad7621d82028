#include "eq/spectrum_picture.h"

#include <QImage>
#include <algorithm>

namespace aec {

void drawSpectrumBars(QImage& plot, const BarTops& tops) {
    if (plot.depth() != 32) {
        return;  // the plot is always a 32-bit image; anything else is left untouched
    }
    const int w = plot.width();
    const int h = plot.height();
    for (int c = 0; c < static_cast<int>(tops.size()); ++c) {
        if (!tops[c]) {
            continue;
        }
        const int left = std::max(c - kSpectrumBarWidth / 2, 0);
        const int right = std::min(c - kSpectrumBarWidth / 2 + kSpectrumBarWidth, w);
        for (int y = std::max(*tops[c], 0); y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(plot.scanLine(y));
            std::fill(row + left, row + std::max(left, right), kSpectrumBarColour);
        }
    }
}

}  // namespace aec
