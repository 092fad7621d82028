#include "eq/graph_layout.h"

#include "core/number_format.h"

namespace aec {

std::string markerName(int marker) {
    if (marker == kHighPassPoint) {
        return "HPF";
    }
    if (marker == kLowPassPoint) {
        return "LPF";
    }
    return "EP" + std::to_string(marker + 1);
}

MarkerPlacement markerAt(const PlotGeometry& g, double hz, double db) {
    return {true, pixelRound(g.x(hz) - kMarkerHalf), pixelRound(g.y(db) - kMarkerHalf)};
}

void showPageMarkers(const PageCurveCounts& counts, MarkerPlacements& markers) {
    for (int i = 0; i < kPointCount; ++i) {
        markers[i].visible = i < counts.bands;
    }
    markers[kHighPassPoint].visible = counts.crossovers >= 1;
    markers[kLowPassPoint].visible = counts.crossovers >= 2;
}

std::string captionText(PointKind kind, const CurveSource& source) {
    const std::string hz = formatFixed(source.frequency, 2) + "Hz";
    switch (kind) {
        case PointKind::kHighPass:
            return "HPF:" + hz;
        case PointKind::kLowPass:
            return "LPF:" + hz;
        case PointKind::kBand:
            break;
    }
    return formatFixed(source.gain, 1) + "dB\rQ:" + formatFixed(source.q, 2) + "\r" + hz;
}

std::string captionDisplayText(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '\r') {
            c = '\n';
        }
    }
    return out;
}

void placeCaption(const MarkerPlacement& marker, int captionWidth, int captionHeight, float gain,
                  CaptionPlacement& caption) {
    caption.left = marker.left + kMarkerSize / 2 - captionWidth / 2;
    caption.top = gain >= 0 ? marker.top + kMarkerSize : marker.top - captionHeight - 1;
}

void curvePoints(const PlotGeometry& g, const BandCurve& sum, PointsPolyline& points) {
    const double step = g.pixelsPerStep();
    for (int i = 0; i < ResponseGrid::kPoints; ++i) {
        points[i] = {pixelRound(i * step), pixelRound(g.y(sum[i]))};
    }
}

}  // namespace aec
