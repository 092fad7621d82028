#pragma once
// Where the response graph puts its point markers, its caption and its curve points.

#include <array>
#include <string>

#include "eq/curve_sources.h"
#include "eq/plot_geometry.h"

namespace aec {

// Point markers are 14 x 14 discs; a marker's centre is its left/top plus 7.
inline constexpr int kMarkerSize = 14;
inline constexpr int kMarkerHalf = kMarkerSize / 2;

struct MarkerPlacement {
    bool visible = false;
    int left = 0;
    int top = 0;
    bool operator==(const MarkerPlacement&) const = default;
};
using MarkerPlacements = std::array<MarkerPlacement, kPointCount>;

// objectName of marker i: EP1..EP20, HPF, LPF.
std::string markerName(int marker);

// Top-left corner of a marker centred on (x(hz), y(db)).
MarkerPlacement markerAt(const PlotGeometry& g, double hz, double db);

// Shows markers 0..bands-1, HPF and LPF when the page has crossovers, and hides the rest.
void showPageMarkers(const PageCurveCounts& counts, MarkerPlacements& markers);

// objectName of the caption beside the selected point.
inline constexpr const char* kCaptionName = "EQlabel";

// The caption `EQlabel` beside the selected point. Lines are separated by carriage returns.
struct CaptionPlacement {
    bool visible = false;
    std::string text;
    int left = 0;
    int top = 0;
};

// Caption text of an entry: gain, Q and frequency of a band, or the crossover frequency.
std::string captionText(PointKind kind, const CurveSource& source);
// The caption's text with line feeds, as a text widget or painter lays it out.
std::string captionDisplayText(const std::string& text);

// Centres the caption horizontally on its marker; below the marker for a gain of 0 dB or more,
// above it otherwise.
void placeCaption(const MarkerPlacement& marker, int captionWidth, int captionHeight, float gain,
                  CaptionPlacement& caption);

// Screen points of the summed curve, one per grid point.
struct PlotPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PlotPoint&) const = default;
};
using PointsPolyline = std::array<PlotPoint, ResponseGrid::kPoints>;

// (round(g P), round(y(sum))) for every grid point; levels beyond the plot stay beyond it.
void curvePoints(const PlotGeometry& g, const BandCurve& sum, PointsPolyline& points);

}  // namespace aec
