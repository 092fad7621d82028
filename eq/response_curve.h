#pragma once
// Drawing of the summed response curve: a cardinal spline through the curve's screen points.

#include <QPainterPath>
#include <QPointF>
#include <QRgb>
#include <array>

#include "eq/graph_layout.h"

class QImage;

namespace aec {

inline constexpr QRgb kCurveColour = qRgb(255, 102, 0);
inline constexpr double kCurvePenWidth = 1.8;
inline constexpr double kCurveTension = 0.4;
// The last grid point is stored with the others but the curve ends one point before it.
inline constexpr int kDrawnCurvePoints = ResponseGrid::kPoints - 1;

// Cardinal spline through points[0..count-1] as cubic Beziers: between P(i) and P(i+1) the
// control points are P(i) + t/3 (P(i+1) - P(i-1)) and P(i+1) - t/3 (P(i+2) - P(i)), with the
// end points standing in for their missing neighbours. This is how GDI+ draws DrawCurve.
QPainterPath cardinalSpline(const PlotPoint* points, int count, double tension);

// The curve's points on a plot of more than one device pixel per logical pixel: in logical
// units, rounded to whole device pixels rather than whole logical ones, so the curve keeps no
// logical-pixel steps on a dense screen.
using FinePolyline = std::array<QPointF, ResponseGrid::kPoints>;
void fineCurvePoints(const PlotGeometry& g, const BandCurve& sum, qreal ratio,
                     FinePolyline& points);

// The A/B slot not in use: a thin line under the curve, in a colour of its own.
inline constexpr QRgb kComparisonColour = qRgb(40, 110, 190);
inline constexpr double kComparisonPenWidth = 1.0;

// A proposed cut: a dashed line over the curve, in a colour of its own.
inline constexpr QRgb kProposalColour = qRgb(200, 30, 140);
inline constexpr double kProposalPenWidth = 1.5;

// Strokes the curve of the first 462 points onto the plot, anti-aliased, 1.8 px, curve colour.
// Points outside the plot are drawn where they fall and clipped by the image.
void drawResponseCurve(QImage& plot, const PointsPolyline& points);
void drawResponseCurve(QImage& plot, const FinePolyline& points);
// Strokes the other slot's curve the same way, thin and in the comparison colour.
void drawComparisonCurve(QImage& plot, const PointsPolyline& points);
void drawComparisonCurve(QImage& plot, const FinePolyline& points);
// Strokes points[first..last] dashed in the proposal colour.
void drawProposalCurve(QImage& plot, const PointsPolyline& points, int first, int last);

}  // namespace aec
