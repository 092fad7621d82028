#include "eq/graph_picture.h"

#include <QPainter>
#include <QRadialGradient>

#include "eq/response_graph.h"

namespace aec {

namespace {

void paintAxisLabels(QPainter& p, const AxisLabels& labels) {
    p.setFont(axisLabelFont());
    p.setPen(QColor::fromRgb(kAxisLabelColour));
    for (const AxisLabel& l : labels) {
        const Qt::Alignment align =
            Qt::AlignVCenter |
            (l.align == AxisLabel::Align::kRight ? Qt::AlignRight : Qt::AlignHCenter);
        p.drawText(QRect(l.left, l.top, l.width, l.height), static_cast<int>(align.toInt()),
                   QString::fromStdString(l.text));
    }
}

void paintCaption(QPainter& p, const ResponseGraph& graph) {
    const CaptionPlacement& c = graph.caption();
    if (!c.visible) {
        return;
    }
    const QPoint origin = graph.plotOrigin();
    const QString text = QString::fromStdString(captionDisplayText(c.text));
    p.setFont(captionFont());
    p.setPen(QColor::fromRgb(kCaptionColour));
    const QRect box =
        p.fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignHCenter, text);
    p.drawText(QRect(origin.x() + c.left, origin.y() + c.top, box.width(), box.height()),
               Qt::AlignHCenter, text);
}

}  // namespace

QImage markerImage(qreal ratio) {
    const int side = deviceRect(QRect(0, 0, kMarkerSize, kMarkerSize), ratio).width();
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Lit from the upper left: a pale spot fading into the marker orange.
    QRadialGradient shade(QPointF(4.5, 4.5), 9.0);
    shade.setColorAt(0.0, QColor(255, 226, 170));
    shade.setColorAt(0.45, QColor::fromRgb(kMarkerColour));
    shade.setColorAt(1.0, QColor(214, 126, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QRectF(0.5, 0.5, kMarkerSize - 1.0, kMarkerSize - 1.0));
    return image;
}

QImage paintGraphPicture(const ResponseGraph& graph) {
    const QImage& plot = graph.plot();
    const QPoint origin = graph.plotOrigin();
    // At the plot's density: the painter works in logical pixels, the images hold device ones.
    const qreal ratio = plot.devicePixelRatio();
    const QSize logical(graph.geometry().width(), graph.geometry().height());
    const QSize outer(logical.width() + kOuterExtraWidth, logical.height() + kOuterExtraHeight);
    QImage picture(deviceRect(QRect(QPoint(0, 0), outer), ratio).size(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(origin, plot);
    paintAxisLabels(p, graph.axisLabels());

    // Markers sit on the plot's panel and are clipped by it.
    p.save();
    p.setClipRect(QRect(origin, logical));
    const QImage marker = markerImage(ratio);
    for (const MarkerPlacement& m : graph.markers()) {
        if (m.visible) {
            p.drawImage(origin + QPoint(m.left, m.top), marker);
        }
    }
    paintCaption(p, graph);
    p.restore();
    return picture;
}

}  // namespace aec
