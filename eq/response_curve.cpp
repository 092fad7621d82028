#include "eq/response_curve.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace aec {

namespace {

QPointF at(const PlotPoint& p) { return QPointF(p.x, p.y); }
QPointF at(const QPointF& p) { return p; }

template <class Point>
QPainterPath spline(const Point* points, int count, double tension) {
    QPainterPath path;
    if (count <= 0) {
        return path;
    }
    path.moveTo(at(points[0]));
    const double k = tension / 3.0;
    for (int i = 0; i + 1 < count; ++i) {
        const QPointF before = at(points[i > 0 ? i - 1 : 0]);
        const QPointF from = at(points[i]);
        const QPointF to = at(points[i + 1]);
        const QPointF after = at(points[i + 2 < count ? i + 2 : count - 1]);
        path.cubicTo(from + k * (to - before), to - k * (after - from), to);
    }
    return path;
}

void stroke(QImage& plot, const QPainterPath& path, QRgb colour, double width,
            Qt::PenStyle style = Qt::SolidLine) {
    QPainter painter(&plot);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Integer points name pixel centres, so a flat curve fills its own row.
    painter.translate(0.5, 0.5);
    QPen pen(QColor::fromRgb(colour), width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setStyle(style);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

}  // namespace

QPainterPath cardinalSpline(const PlotPoint* points, int count, double tension) {
    return spline(points, count, tension);
}

void fineCurvePoints(const PlotGeometry& g, const BandCurve& sum, qreal ratio,
                     FinePolyline& points) {
    const double step = g.pixelsPerStep();
    const auto device = [ratio](double v) { return std::round(v * ratio) / ratio; };
    for (int i = 0; i < ResponseGrid::kPoints; ++i) {
        points[i] = QPointF(device(i * step), device(g.y(sum[i])));
    }
}

void drawResponseCurve(QImage& plot, const PointsPolyline& points) {
    stroke(plot, spline(points.data(), kDrawnCurvePoints, kCurveTension), kCurveColour,
           kCurvePenWidth);
}

void drawResponseCurve(QImage& plot, const FinePolyline& points) {
    stroke(plot, spline(points.data(), kDrawnCurvePoints, kCurveTension), kCurveColour,
           kCurvePenWidth);
}

void drawComparisonCurve(QImage& plot, const PointsPolyline& points) {
    stroke(plot, spline(points.data(), kDrawnCurvePoints, kCurveTension), kComparisonColour,
           kComparisonPenWidth);
}

void drawComparisonCurve(QImage& plot, const FinePolyline& points) {
    stroke(plot, spline(points.data(), kDrawnCurvePoints, kCurveTension), kComparisonColour,
           kComparisonPenWidth);
}

void drawProposalCurve(QImage& plot, const PointsPolyline& points, int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, kDrawnCurvePoints - 1);
    if (last > first) {
        stroke(plot, spline(points.data() + first, last - first + 1, kCurveTension),
               kProposalColour, kProposalPenWidth, Qt::DashLine);
    }
}

}  // namespace aec
