#pragma once
// The read-out beside the pointer over the response graph: frequency and level under the mouse
// and the summed curve's level there. It steps aside from markers and the caption, flips at the
// plot's edges, hides when the mouse leaves the plot, and hides while a marker is dragged,
// because the caption beside the dragged marker already shows its values.

#include <QObject>
#include <QPoint>

#include "core/model.h"
#include "ui/graph/graph_view.h"
#include "ui/sheets/sheets.h"

class QLabel;

namespace aec {

class GraphReadout : public QObject {
  public:
    // objectName of the read-out label.
    static constexpr const char* kName = "GraphReadout";

    // Creates the label on the plot's panel and follows the plot's and the markers' mouse.
    GraphReadout(const Model& model, GraphView& graph, const GraphParts& parts);

    // The mouse at a plot position: new values, and the box placed beside it.
    void hover(QPoint at);
    // The mouse left the plot, or a marker was pressed.
    void hide();

    QLabel* label() const { return m_label; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const Model& m_model;
    GraphView& m_graph;
    const GraphParts& m_parts;
    QLabel* m_label = nullptr;
};

}  // namespace aec
