#include "eq/spectrum_picture.h"

#include <QImage>
#include <QRect>
#include <algorithm>

#include "eq/response_graph.h"

namespace aec {

void drawSpectrumBars(QImage& plot, const BarTops& tops) {
    if (plot.depth() != 32) {
        return;  // the plot is always a 32-bit image; anything else is left untouched
    }
    // Columns and tops are logical pixels; the bars cover their device pixels.
    const qreal ratio = plot.devicePixelRatio();
    const int w = plot.width();
    const int h = plot.height();
    for (int c = 0; c < static_cast<int>(tops.size()); ++c) {
        if (!tops[c]) {
            continue;
        }
        const int first = c - kSpectrumBarWidth / 2;
        const QRect bar = deviceRect(QRect(first, *tops[c], kSpectrumBarWidth, 1), ratio);
        const int left = std::max(bar.left(), 0);
        const int right = std::min(bar.left() + bar.width(), w);
        for (int y = std::max(bar.top(), 0); y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(plot.scanLine(y));
            std::fill(row + left, row + std::max(left, right), kSpectrumBarColour);
        }
    }
}

}  // namespace aec
