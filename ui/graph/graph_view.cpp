#include "ui/graph/graph_view.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "core/pages.h"
#include "eq/graph_layout.h"

namespace aec {

// ---- GraphImage ----

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
    }
}

void GraphImage::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }
void GraphImage::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event); }

// ---- GraphView ----

GraphView::GraphView(Model& model, ControlFactory& factory)
    : m_model(model),
      m_factory(factory),
      m_graph(model),
      m_outer(factory.registry().find("AdvPanel1")),
      m_inner(factory.registry().find("AdvPanel2")),
      m_image(factory.registry().get<GraphImage>("Image1")),
      m_caption(factory.registry().get<QLabel>(kCaptionName)) {
    for (int i = 0; i < kPointCount; ++i) {
        m_markers[i] = factory.registry().get<PointImage>(QString::fromStdString(MarkerName(i)));
    }
    m_graph.setCaptionSizer([](const std::string& text) {
        const QFontMetrics metrics(CaptionFont());
        return metrics.size(0, QString::fromStdString(CaptionDisplayText(text)));
    });
    if (m_inner) {
        m_graph.setPlotOrigin(m_inner->pos());
        m_graph.resizePlot(m_inner->size());
    }
}

void GraphView::BuildGraphBackground(int mode) {
    m_graph.BuildGraphBackground(mode);
    if (mode == kBackgroundCreate || mode == kBackgroundRebuild) {
        placeAxisLabels(mode == kBackgroundCreate);
    }
    if (m_image) {
        m_image->setPicture(m_graph.plot());
    }
}

void GraphView::placeAxisLabels(bool create) {
    const AxisLabels& labels = m_graph.axisLabels();
    for (size_t i = 0; i < labels.size(); ++i) {
        const AxisLabel& plan = labels[i];
        if (create && !m_axis[i] && m_outer) {
            m_axis[i] = m_factory.label(m_outer, QString::fromStdString(plan.name), QRect(),
                                        plan.text.c_str());
            m_axis[i]->setFont(AxisLabelFont());
            m_axis[i]->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                                         .arg(QColor::fromRgb(kAxisLabelColour).name()));
            m_axis[i]->setAlignment(plan.align == AxisLabel::Align::kRight
                                        ? Qt::AlignRight | Qt::AlignVCenter
                                        : Qt::AlignHCenter | Qt::AlignVCenter);
            m_axis[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_axis[i]->show();
        }
        if (m_axis[i]) {
            m_axis[i]->setGeometry(plan.left, plan.top, plan.width, plan.height);
        }
    }
}

void GraphView::DrawPageResponse(int index, int page) {
    if (index > kAllPoints || m_model.redrawsSuspended() || page >= kPage28) {
        return;
    }
    m_graph.DrawPageResponse(index, page);
    if (m_image) {
        m_image->setPicture(m_graph.plot());
    }
    if (!m_graph.dragInProgress()) {
        showMarkers();
    }
    showCaption();
}

void GraphView::showMarkers() {
    const MarkerPlacements& placements = m_graph.markers();
    for (int i = 0; i < kPointCount; ++i) {
        PointImage* marker = m_markers[i];
        if (!marker) {
            continue;
        }
        const MarkerPlacement& at = placements[i];
        if (marker->pos() != QPoint(at.left, at.top)) {
            marker->move(at.left, at.top);
        }
        marker->setVisible(at.visible);
    }
}

void GraphView::showCaption() {
    if (!m_caption) {
        return;
    }
    const CaptionPlacement& caption = m_graph.caption();
    if (!caption.visible) {
        m_caption->hide();
        return;
    }
    const QString text = QString::fromStdString(CaptionDisplayText(caption.text));
    m_caption->setText(text);
    const QSize size = QFontMetrics(m_caption->font()).size(0, text);
    m_caption->setGeometry(caption.left, caption.top, size.width(), size.height());
    m_caption->show();
    m_caption->raise();
}

void GraphView::Resize(int currentPoint) {
    if (!m_inner || !m_image) {
        return;
    }
    m_image->setGeometry(0, 0, m_inner->width(), m_inner->height());
    m_graph.setPlotOrigin(m_inner->pos());
    m_graph.resizePlot(m_inner->size());
    BuildGraphBackground(kBackgroundRebuild);
    DrawPageResponse(kAllPoints, page());
    DrawPageResponse(currentPoint, page());
}

void GraphView::Tick(const LastEdit& edit) {
    if (edit == m_lastSeen) {
        return;
    }
    m_lastSeen = edit;
    const BandRef ref = BandOf(edit.address);
    if (ref.isBand() && ref.band < kPointCount) {
        DrawPageResponse(ref.band, PageOf(edit.address));
    }
}

}  // namespace aec
