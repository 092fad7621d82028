#pragma once
// The response graph on the window: the plot image Image1 in AdvPanel2, the point markers,
// the caption EQlabel and the axis labels, all driven by the renderer of the eq library.

#include <QLabel>
#include <QWidget>
#include <array>

#include "core/model.h"
#include "eq/response_graph.h"
#include "ui/rules/edit_decision.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/control_factory.h"
#include "ui/widgets/graph_image.h"
#include "ui/widgets/point_image.h"

namespace aec {

class GraphView {
  public:
    GraphView(Model& model, ControlFactory& factory, const GraphParts& parts);

    // Builds (0), rebuilds (1) or restores (2) the grid, creating or re-placing the axis labels.
    void BuildGraphBackground(int mode);
    // Redraws point `index` or every point (100) of `page` and moves the widgets to match.
    void DrawPageResponse(int index, int page);
    // FormResize: a new plot of the inner panel's size, grid, whole page, then the current point.
    void resize(int currentPoint);
    // The graph part of the 10 ms tick: redraws the point of a new last edit.
    void tick(const LastEdit& edit);
    // Grid, underlay (the spectrum) and the stored curve again, shown at once.
    void redrawUnderlay();

    // Page whose curves the graph draws (the base page of the view on show).
    int page() const { return pageOf(m_model.selection.currentView); }
    ResponseGraph& graph() { return m_graph; }
    GraphImage* image() const { return m_parts.image; }
    QLabel* caption() const { return m_parts.caption; }

  private:
    void placeAxisLabels(bool create);
    void showMarkers();
    void showCaption();

    Model& m_model;
    ControlFactory& m_factory;
    const GraphParts& m_parts;
    ResponseGraph m_graph;
    std::array<QLabel*, kLevelLabelCount + kFreqLabelCount> m_axis{};
    LastEdit m_lastSeen;
};

}  // namespace aec
