#pragma once
// Dragging the response graph's markers: a left drag moves a band's frequency and gain (a
// crossover's frequency only), a right press selects the band's Q box and sideways travel then
// steps its Q. Every value goes through the band's bound controls, as if typed.

#include <QPoint>

#include "core/model.h"
#include "ui/graph/graph_view.h"
#include "ui/sync/control_sync.h"
#include "ui/sync/control_tables.h"

class QMouseEvent;
class QStackedWidget;

namespace aec {

class PointEditor {
  public:
    // `pages` is FormPageItem (the sheet on show); `windowShown` the window's first-show flag.
    PointEditor(Model& model, ControlSync& sync, const ControlTables& tables, GraphView& graph,
                const QStackedWidget& pages, const bool& windowShown);

    // Marker events. The pressed marker holds the mouse, so it receives the moves and the
    // release of its own press; positions are inside the marker.
    void EP1MouseDown(QWidget& marker, const QMouseEvent& event);
    void EP1MouseMove(QWidget& marker, const QMouseEvent& event);
    void EP1MouseUp(QWidget& marker, const QMouseEvent& event);
    // The plot's events, at plot positions: Q stepping while right mode holds, and releases.
    void Image1MouseMove(QPoint at, Qt::MouseButtons buttons);
    void Image1MouseUp(Qt::MouseButton button);
    // A release over the caption or "EQ PASS" ends both modes.
    void EQlabelMouseUp();

    // Applies the pending frequency index and gain code that differ from those last applied.
    void applyPending();

    bool rightMode() const { return m_rightMode; }
    int point() const { return m_point; }

  private:
    void pressLeft();
    void pressRight();
    void release(Qt::MouseButton button);
    // Base address of a sub-slot of the pressed band, named by its point label; nothing when the
    // label is missing, not a number, or names no band of the page.
    int entryOfPoint() const;
    std::optional<int> bandAddress(int subSlot) const;
    void selectEdit(std::optional<int> address);
    void applyTo(const ControlRef& ref, int value);
    int storedAt(const ControlRef& ref) const;
    int sheet() const;
    // A position inside a marker as a position on the plot.
    QPoint toPlot(const QWidget& marker, QPoint at) const;
    bool isBand() const { return m_point >= 0 && m_point < kHighPassPoint; }

    Model& m_model;
    ControlSync& m_sync;
    const ControlTables& m_tables;
    GraphView& m_graph;
    const QStackedWidget& m_pages;
    const bool& m_windowShown;

    bool m_rightMode = false;
    int m_point = -1;
    QPoint m_grab;      // press position inside the marker
    QPoint m_lastStep;  // plot position of the last Q step (or of the right press)
    int m_currentPoint = -1;
    int m_pendingFrequency = 0;
    int m_pendingGain = 0;
    int m_lastFrequency = 0;
    int m_lastGain = 0;
};

}  // namespace aec
