#include "ui/graph/compare_overlay.h"

#include "eq/graph_layout.h"
#include "eq/response_curve.h"
#include "eq/store_curve.h"

namespace aec {

CompareOverlay::CompareOverlay(const Model& model, GraphView& graph)
    : m_model(model), m_graph(graph) {
    m_graph.graph().setOverlay([this](QImage& plot, const PlotGeometry& geometry) {
        if (!m_model.compare.otherFilled()) {
            return;
        }
        // On a dense screen the curve follows device pixels, like the main curve.
        if (plot.devicePixelRatio() > 1.0) {
            FinePolyline fine{};
            fineCurvePoints(geometry, curve(m_graph.page()), plot.devicePixelRatio(), fine);
            drawComparisonCurve(plot, fine);
            return;
        }
        PointsPolyline points{};
        curvePoints(geometry, curve(m_graph.page()), points);
        drawComparisonCurve(plot, points);
    });
}

CompareOverlay::~CompareOverlay() { m_graph.graph().setOverlay(nullptr); }

const BandCurve& CompareOverlay::curve(int page) {
    const CompareSlots& compare = m_model.compare;
    if (page != m_page || m_model.selection != m_selection ||
        compare.generation() != m_generation) {
        m_curve = storeResponse(compare.other(), m_model.selection, page);
        m_page = page;
        m_selection = m_model.selection;
        m_generation = compare.generation();
    }
    return m_curve;
}

}  // namespace aec
