#include "ui/graph/graph_readout.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <vector>

#include "eq/plot_readout.h"
#include "ui/widgets/graph_image.h"
#include "ui/widgets/point_image.h"

namespace aec {

namespace {

PlotBox boxOf(const QWidget& w) { return {w.x(), w.y(), w.width(), w.height()}; }

}  // namespace

GraphReadout::GraphReadout(const Model& model, GraphView& graph, const GraphParts& parts)
    : m_model(model), m_graph(graph), m_parts(parts) {
    m_label = new QLabel(parts.inner);
    m_label->setObjectName(kName);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->setStyleSheet(QStringLiteral(
        "color: #404040; background: rgba(255, 255, 255, 225); border: 1px solid #b4b4b4;"
        " padding: 1px 4px;"));
    QFont font = m_label->font();
    font.setPixelSize(11);
    m_label->setFont(font);
    m_label->hide();

    // Connected after the point editor's handlers, so a move sees markers where they went.
    connect(parts.image, &GraphImage::mouseMoved, this,
            [this](QMouseEvent* e) { hover(e->position().toPoint()); });
    parts.image->installEventFilter(this);
    for (PointImage* marker : parts.markers) {
        marker->setMouseTracking(true);
        marker->installEventFilter(this);
        connect(marker, &PointImage::mouseMoved, this, [this, marker](QMouseEvent* e) {
            hover(marker->mapToParent(e->position().toPoint()));
        });
    }
}

void GraphReadout::hover(QPoint at) {
    if (m_model.dragging()) {
        hide();
        return;
    }
    const ResponseGraph& graph = m_graph.graph();
    const BandCurve sum = sumCurves(graph.sources(), graph.counts());
    const ReadoutValues values = readoutAt(graph.geometry(), sum, at.x(), at.y());
    m_label->setText(QString::fromStdString(readoutText(values, m_model.languageFlag())));
    m_label->adjustSize();

    std::vector<PlotBox> keepClear;
    for (const PointImage* marker : m_parts.markers) {
        if (marker->isVisible()) {
            keepClear.push_back(boxOf(*marker));
        }
    }
    if (m_parts.caption->isVisible()) {
        keepClear.push_back(boxOf(*m_parts.caption));
    }
    const PlotBox box = placeReadout(graph.geometry(), at.x(), at.y(), m_label->width(),
                                     m_label->height(), keepClear);
    m_label->move(box.left, box.top);
    m_label->raise();
    m_label->show();
}

void GraphReadout::hide() { m_label->hide(); }

bool GraphReadout::eventFilter(QObject*, QEvent* event) {
    // Leaving the plot for a marker hides it until the marker's first move shows it again.
    if (event->type() == QEvent::Leave || event->type() == QEvent::MouseButtonPress) {
        hide();
    }
    return false;
}

}  // namespace aec
