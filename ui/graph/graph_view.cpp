#include "ui/graph/graph_view.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "core/pages.h"
#include "eq/graph_layout.h"

namespace aec {

// ---- GraphView ----

GraphView::GraphView(Model& model, ControlFactory& factory, const GraphParts& parts)
    : m_model(model), m_factory(factory), m_parts(parts), m_graph(model) {
    m_graph.setCaptionSizer([](const std::string& text) {
        const QFontMetrics metrics(captionFont());
        return metrics.size(0, QString::fromStdString(captionDisplayText(text)));
    });
    m_graph.setPlotOrigin(m_parts.inner->pos());
    m_graph.setDevicePixelRatio(m_parts.image->devicePixelRatioF());
    m_graph.resizePlot(m_parts.inner->size());
}

void GraphView::BuildGraphBackground(int mode) {
    m_graph.BuildGraphBackground(mode);
    if (mode == kBackgroundCreate || mode == kBackgroundRebuild) {
        placeAxisLabels(mode == kBackgroundCreate);
    }
    m_parts.image->setPicture(m_graph.plot());
}

void GraphView::placeAxisLabels(bool create) {
    const AxisLabels& labels = m_graph.axisLabels();
    for (size_t i = 0; i < labels.size(); ++i) {
        const AxisLabel& plan = labels[i];
        if (create && !m_axis[i]) {
            m_axis[i] = m_factory.label(m_parts.outer, QString::fromStdString(plan.name), QRect(),
                                        plan.text.c_str());
            m_axis[i]->setFont(axisLabelFont());
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
    m_parts.image->setPicture(m_graph.plot());
    if (!m_graph.dragInProgress()) {
        showMarkers();
    }
    showCaption();
}

void GraphView::showMarkers() {
    const MarkerPlacements& placements = m_graph.markers();
    for (int i = 0; i < kPointCount; ++i) {
        PointImage* marker = m_parts.markers[i];
        const MarkerPlacement& at = placements[i];
        if (marker->pos() != QPoint(at.left, at.top)) {
            marker->move(at.left, at.top);
        }
        marker->setVisible(at.visible);
    }
}

void GraphView::showCaption() {
    QLabel* label = m_parts.caption;
    const CaptionPlacement& caption = m_graph.caption();
    if (!caption.visible) {
        label->hide();
        return;
    }
    const QString text = QString::fromStdString(captionDisplayText(caption.text));
    label->setText(text);
    const QSize size = QFontMetrics(label->font()).size(0, text);
    label->setGeometry(caption.left, caption.top, size.width(), size.height());
    label->show();
    label->raise();
}

void GraphView::resize(int currentPoint) {
    QWidget* inner = m_parts.inner;
    m_parts.image->setGeometry(0, 0, inner->width(), inner->height());
    m_graph.setPlotOrigin(inner->pos());
    // The screen's density may have changed too (the window moved to another screen).
    m_graph.setDevicePixelRatio(m_parts.image->devicePixelRatioF());
    m_graph.resizePlot(inner->size());
    BuildGraphBackground(kBackgroundRebuild);
    DrawPageResponse(kAllPoints, page());
    DrawPageResponse(currentPoint, page());
}

void GraphView::redrawUnderlay() {
    m_graph.redrawUnderlay();
    m_parts.image->setPicture(m_graph.plot());
}

void GraphView::tick(const LastEdit& edit) {
    if (edit == m_lastSeen) {
        return;
    }
    m_lastSeen = edit;
    const BandRef ref = BandOf(edit.address);
    if (ref.isBand() && ref.band < kPointCount) {
        DrawPageResponse(ref.band, pageOf(edit.address));
    }
}

}  // namespace aec
