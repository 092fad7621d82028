#include "ui/widgets/point_image.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace aec {

PointImage::PointImage(Shape shape, QWidget* parent) : QWidget(parent), m_shape(shape) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void PointImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_shape == Shape::Disc) {
        // An orange disc with a lighter highlight towards the top left.
        QRadialGradient shade(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.6);
        shade.setColorAt(0, QColor(255, 214, 140));
        shade.setColorAt(0.55, QColor(243, 151, 0));
        shade.setColorAt(1, QColor(214, 118, 0));
        p.setPen(QPen(QColor(190, 100, 0), 0.8));
        p.setBrush(shade);
        p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    }
    // Volume markers: a small triangle pointing up at the bar's scale.
    QPainterPath path;
    path.moveTo(r.center().x(), r.top());
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    const QColor fill = m_shape == Shape::StartMarker ? QColor(40, 150, 60) : QColor(220, 40, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? fill : QColor(180, 180, 180));
    p.drawPath(path);
}

void PointImage::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }
void PointImage::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }
void PointImage::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event); }

}  // namespace aec
