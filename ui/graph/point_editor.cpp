#include "ui/graph/point_editor.h"

#include <QMouseEvent>
#include <QStackedWidget>

#include "core/pages.h"
#include "ui/rules/point_rules.h"
#include "ui/rules/tab_selector.h"

namespace aec {

namespace {

constexpr int kFrequencySubSlot = 1;
constexpr int kQSubSlot = 3;
// Q stepping serves the first fifteen bands only.
constexpr int kLastSteppingPoint = 14;

}  // namespace

PointEditor::PointEditor(Model& model, ControlSync& sync, const ControlTables& tables,
                         GraphView& graph, const QStackedWidget& pages, const bool& windowShown)
    : m_model(model),
      m_sync(sync),
      m_tables(tables),
      m_graph(graph),
      m_pages(pages),
      m_windowShown(windowShown) {}

int PointEditor::sheet() const { return m_pages.currentIndex(); }

QPoint PointEditor::toPlot(const QWidget& marker, QPoint at) const {
    // The markers and the plot share the inner panel.
    return m_graph.image()->mapFromParent(marker.mapToParent(at));
}

// ---- Press ----

void PointEditor::EP1MouseDown(QWidget& marker, const QMouseEvent& event) {
    marker.setCursor(Qt::CrossCursor);
    m_grab = event.position().toPoint();
    // Only a left press that passes every check below starts a drag; any press ends the last.
    m_model.setDragging(false);
    m_rightMode = false;
    const int tag = tagOf(&marker);
    m_point = tag >= 0 && tag < kPointCount ? tag : -1;
    if (m_point < 0 || !m_windowShown || outputsLocked(m_model, sheet())) {
        return;
    }
    if (event.button() == Qt::LeftButton) {
        pressLeft();
    } else if (event.button() == Qt::RightButton) {
        m_lastStep = toPlot(marker, m_grab);
        pressRight();
    }
}

void PointEditor::pressLeft() {
    const CurveSourceTable& sources = m_graph.graph().sources();
    if (isBand()) {
        const std::optional<int> frequency = bandAddress(kFrequencySubSlot);
        if (!frequency) {
            return;
        }
        selectEdit(frequency);
    } else {
        const PageCurveCounts counts = m_graph.graph().counts();
        if (counts.crossovers == 0) {
            return;
        }
        m_graph.DrawPageResponse(entryOfPoint(), m_graph.page());
    }
    // Each drag compares with the pressed point's own stored values.
    const CurveSource& source = sources[static_cast<size_t>(m_point)];
    m_lastFrequency = storedAt(source.frequencyControl);
    m_lastGain = storedAt(source.gainControl);
    m_pendingFrequency = m_lastFrequency;
    m_pendingGain = m_lastGain;
    m_currentPoint = m_point;
    m_model.setDragging(true);
}

void PointEditor::pressRight() {
    if (!isBand()) {
        return;
    }
    const std::optional<int> q = bandAddress(kQSubSlot);
    if (q && qobject_cast<EditBox*>(m_tables.controlAt(*q))) {
        selectEdit(q);
        m_rightMode = true;
    }
}

// A band's curve entry is its point; the crossovers follow the page's bands.
int PointEditor::entryOfPoint() const {
    return isBand() ? m_point : m_graph.graph().counts().bands + m_point - kHighPassPoint;
}

std::optional<int> PointEditor::bandAddress(int subSlot) const {
    const int page = m_graph.page();
    const Label* label = m_tables.pointLabel(pointLabelRow(m_model, page), m_point);
    if (!label) {
        return std::nullopt;
    }
    bool ok = false;
    const int band = label->text().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return pointBandAddress(page, m_point, band, subSlot);
}

void PointEditor::selectEdit(std::optional<int> address) {
    auto* box = address ? qobject_cast<EditBox*>(m_tables.controlAt(*address)) : nullptr;
    if (box && box->isVisible() && box->isEnabled() && box->focusPolicy() != Qt::NoFocus) {
        m_sync.MusFreEdit1Click(*box);
    }
}

// ---- Left drag ----

void PointEditor::EP1MouseMove(QWidget& marker, const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    if (m_rightMode) {
        Image1MouseMove(toPlot(marker, at), event.buttons());
        return;
    }
    if (!m_model.dragging() || m_point < 0) {
        return;
    }
    const int page = m_graph.page();
    const MarkerMotion motion = markerMotion(sheet(), m_point, eqPassOn(m_model, page));
    if (motion == MarkerMotion::kFixed) {
        return;
    }
    const double floor = sheet() == kSheetDynamicEq ? kDynamicEqFloorDb : kLevelBottom;
    const QPoint d = at - m_grab;
    const MarkerDrag step =
        dragMarker(m_graph.graph().geometry(), marker.x(), marker.y(), d.x(), d.y(), motion, floor);
    if (marker.pos() != QPoint(step.left, step.top)) {
        marker.move(step.left, step.top);
    }
    m_graph.graph().moveMarker(m_point, step.left, step.top);

    m_currentPoint = m_point;
    m_pendingFrequency = step.frequencyIndex;
    // A crossover has no gain; its pending gain never differs.
    m_pendingGain = isBand() ? step.gainCode : m_lastGain;
    if (m_pendingFrequency != m_lastFrequency || m_pendingGain != m_lastGain) {
        applyPending();
        // The curve and caption follow the drag; the markers stay where the mouse put them.
        m_graph.DrawPageResponse(entryOfPoint(), page);
    }
}

// ---- Applying ----

void PointEditor::applyPending() {
    if (m_currentPoint < 0 || m_currentPoint >= kPointCount) {
        return;
    }
    const CurveSource& source = m_graph.graph().sources()[static_cast<size_t>(m_currentPoint)];
    if (m_pendingFrequency != m_lastFrequency) {
        m_lastFrequency = m_pendingFrequency;
        applyTo(source.frequencyControl, m_pendingFrequency);
    }
    if (m_pendingGain != m_lastGain && source.gainControl.bound()) {
        m_lastGain = m_pendingGain;
        applyTo(source.gainControl, m_pendingGain);
    }
}

int PointEditor::storedAt(const ControlRef& ref) const {
    const int a = ref.address;
    return ref.bound() ? m_model.view(pageOf(a), slotOf(a)) : 0;
}

void PointEditor::applyTo(const ControlRef& ref, int value) {
    if (!ref.bound()) {
        return;
    }
    QWidget* c = ref.display ? m_tables.displayAt(ref.address) : m_tables.controlAt(ref.address);
    if (c) {
        m_sync.ApplyControlValue(c, EditStep::kApply, false, value);
    }
}

// ---- Right-button Q stepping ----

void PointEditor::Image1MouseMove(QPoint at, Qt::MouseButtons buttons) {
    if (!m_rightMode || !(buttons & Qt::RightButton) || m_point < 0 ||
        m_point > kLastSteppingPoint) {
        return;
    }
    const QStepDirection step = qStepFor(m_lastStep.x(), at.x());
    if (step == QStepDirection::kNone) {
        return;
    }
    m_sync.CommitEdit(step == QStepDirection::kUp ? EditStep::kUp : EditStep::kDown);
    m_lastStep = at;
    m_currentPoint = m_point;
}

// ---- Release ----

void PointEditor::EP1MouseUp(QWidget& marker, const QMouseEvent& event) {
    marker.setCursor(Qt::PointingHandCursor);
    release(event.button());
}

void PointEditor::Image1MouseUp(Qt::MouseButton button) { release(button); }

void PointEditor::release(Qt::MouseButton button) {
    const bool dragged = m_model.dragging();
    const bool stepped = m_rightMode;
    // Every release ends both modes, whatever button it is.
    m_model.setDragging(false);
    m_rightMode = false;
    if (button == Qt::LeftButton && dragged && isBand() && !outputsLocked(m_model, sheet())) {
        selectEdit(bandAddress(kFrequencySubSlot));
    } else if (button == Qt::RightButton && stepped) {
        selectEdit(bandAddress(kQSubSlot));
    }
}

void PointEditor::EQlabelMouseUp() {
    m_model.setDragging(false);
    m_rightMode = false;
}

}  // namespace aec
