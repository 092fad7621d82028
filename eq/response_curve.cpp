#include "eq/response_curve.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace aec {

namespace {

QPointF at(const PlotPoint& p) { return QPointF(p.x, p.y); }

}  // namespace

QPainterPath cardinalSpline(const PlotPoint* points, int count, double tension) {
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

namespace {

void strokeCurve(QImage& plot, const PlotPoint* points, int count, QRgb colour, double width,
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
    painter.drawPath(cardinalSpline(points, count, kCurveTension));
}

}  // namespace

void drawResponseCurve(QImage& plot, const PointsPolyline& points) {
    strokeCurve(plot, points.data(), kDrawnCurvePoints, kCurveColour, kCurvePenWidth);
}

void drawComparisonCurve(QImage& plot, const PointsPolyline& points) {
    strokeCurve(plot, points.data(), kDrawnCurvePoints, kComparisonColour, kComparisonPenWidth);
}

void drawProposalCurve(QImage& plot, const PointsPolyline& points, int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, kDrawnCurvePoints - 1);
    if (last > first) {
        strokeCurve(plot, points.data() + first, last - first + 1, kProposalColour,
                    kProposalPenWidth, Qt::DashLine);
    }
}

}  // namespace aec
