#pragma once
// The response graph on the window: the plot image Image1 in AdvPanel2, the point markers,
// the caption EQlabel and the axis labels, all driven by the renderer of the eq library.

#include <QImage>
#include <QWidget>
#include <array>

#include "core/model.h"
#include "eq/response_graph.h"
#include "ui/sync/control_sync.h"
#include "ui/widgets/control_factory.h"
#include "ui/widgets/point_image.h"

namespace aec {

// The plot: shows the graph picture and reports mouse moves and releases over it.
class GraphImage : public QWidget {
    Q_OBJECT
  public:
    explicit GraphImage(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
  signals:
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage m_picture;
};

// Builds the graph panel AdvPanel1 at `area` of `parent`: the command strip along its top and
// AdvPanel2 with the plot, the markers and the caption. Returns AdvPanel1.
QWidget* BuildGraphPanel(ControlFactory& f, QWidget* parent, const QRect& area);

class GraphView {
  public:
    GraphView(Model& model, ControlFactory& factory);

    // Builds (0), rebuilds (1) or restores (2) the grid, creating or re-placing the axis labels.
    void BuildGraphBackground(int mode);
    // Redraws point `index` or every point (100) of `page` and moves the widgets to match.
    void DrawPageResponse(int index, int page);
    // FormResize: a new plot of the inner panel's size, grid, whole page, then the current point.
    void Resize(int currentPoint);
    // The graph part of the 10 ms tick: redraws the point of a new last edit.
    void Tick(const LastEdit& edit);

    // Page whose curves the graph draws (the base page of the view on show).
    int page() const { return PageOf(m_model.selection.currentView); }
    ResponseGraph& graph() { return m_graph; }
    GraphImage* image() const { return m_image; }
    PointImage* marker(int index) const { return m_markers[index]; }
    QLabel* caption() const { return m_caption; }

  private:
    void placeAxisLabels(bool create);
    void showMarkers();
    void showCaption();

    Model& m_model;
    ControlFactory& m_factory;
    ResponseGraph m_graph;
    QWidget* m_outer = nullptr;
    QWidget* m_inner = nullptr;
    GraphImage* m_image = nullptr;
    QLabel* m_caption = nullptr;
    std::array<PointImage*, kPointCount> m_markers{};
    std::array<QLabel*, kLevelLabelCount + kFreqLabelCount> m_axis{};
    LastEdit m_lastSeen;
};

}  // namespace aec
