#pragma once
// The whole response graph as the editor shows it, painted into one image: the white outer
// panel, the plot, the axis labels, the point markers and the caption.

#include <QImage>
#include <QRgb>

namespace aec {

class ResponseGraph;

inline constexpr QRgb kMarkerColour = qRgb(243, 151, 0);
// The outer panel is this much larger than the plot (938 x 322 around 883 x 268).
inline constexpr int kOuterExtraWidth = 55;
inline constexpr int kOuterExtraHeight = 54;

// A 14 x 14 marker disc with its highlight, on a transparent ground, at `ratio` device pixels
// per logical pixel.
QImage markerImage(qreal ratio = 1.0);

// Paints the graph's current state at the plot's density; the plot sits at the graph's plot
// origin.
QImage paintGraphPicture(const ResponseGraph& graph);

}  // namespace aec
