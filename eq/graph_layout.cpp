#include "eq/graph_layout.h"

#include "core/number_format.h"

namespace aec {

std::string MarkerName(int marker) {
    if (marker == kHighPassPoint) {
        return "HPF";
    }
    if (marker == kLowPassPoint) {
        return "LPF";
    }
    return "EP" + std::to_string(marker + 1);
}

MarkerPlacement MarkerAt(const PlotGeometry& g, double hz, double db) {
    return {true, PixelRound(g.x(hz) - kMarkerHalf), PixelRound(g.y(db) - kMarkerHalf)};
}

void ShowPageMarkers(const PageCurveCounts& counts, MarkerPlacements& markers) {
    for (int i = 0; i < kPointCount; ++i) {
        markers[i].visible = i < counts.bands;
    }
    markers[kHighPassPoint].visible = counts.crossovers >= 1;
    markers[kLowPassPoint].visible = counts.crossovers >= 2;
}

std::string CaptionText(PointKind kind, const CurveSource& source) {
    const std::string hz = FormatFixed(source.frequency, 2) + "Hz";
    switch (kind) {
        case PointKind::kHighPass:
            return "HPF:" + hz;
        case PointKind::kLowPass:
            return "LPF:" + hz;
        case PointKind::kBand:
            break;
    }
    return FormatFixed(source.gain, 1) + "dB\rQ:" + FormatFixed(source.q, 2) + "\r" + hz;
}

std::string CaptionDisplayText(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '\r') {
            c = '\n';
        }
    }
    return out;
}

void PlaceCaption(const MarkerPlacement& marker, int captionWidth, int captionHeight, float gain,
                  CaptionPlacement& caption) {
    caption.left = marker.left + kMarkerSize / 2 - captionWidth / 2;
    caption.top = gain >= 0 ? marker.top + kMarkerSize : marker.top - captionHeight - 1;
}

void CurvePoints(const PlotGeometry& g, const BandCurve& sum, PointsPolyline& points) {
    const double step = g.pixelsPerStep();
    for (int i = 0; i < ResponseGrid::kPoints; ++i) {
        points[i] = {PixelRound(i * step), PixelRound(g.y(sum[i]))};
    }
}

}  // namespace aec
