#include "ui/widgets/graph_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "eq/response_graph.h"

namespace aec {

GraphImage::GraphImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void GraphImage::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void GraphImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(kGraphBackgroundColour));
    if (!m_picture.isNull()) {
        p.drawImage(0, 0, m_picture);
        if (m_picture.devicePixelRatio() != devicePixelRatioF()) {
            emit pixelRatioChanged();
        }
    }
}

void GraphImage::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }
void GraphImage::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event); }

}  // namespace aec
