#include "ui/sync/control_tables.h"

#include "core/pages.h"

namespace aec {

namespace {

constexpr int kModeLabelLeft = 1;

}  // namespace

ControlKind kindOf(const QWidget* c) {
    if (!c) {
        return ControlKind::None;
    }
    if (qobject_cast<const EditBox*>(c)) {
        return ControlKind::EditBox;
    }
    if (qobject_cast<const ValuePane*>(c)) {
        return ControlKind::ValuePane;
    }
    if (qobject_cast<const QComboBox*>(c)) {
        return ControlKind::SelectBox;
    }
    if (qobject_cast<const QSlider*>(c)) {
        return ControlKind::Slider;
    }
    if (qobject_cast<const BmpButton*>(c)) {
        return ControlKind::BmpButton;
    }
    if (qobject_cast<const SpinButtons*>(c)) {
        return ControlKind::SpinButtons;
    }
    if (qobject_cast<const QLabel*>(c)) {
        return ControlKind::Label;
    }
    return ControlKind::None;
}

const ControlTables::CellControls* ControlTables::cell(int page, int slot) const {
    if (!isValidCell(page, slot)) {
        return nullptr;
    }
    return &m_cells[page][slot];
}

QWidget* ControlTables::control(int page, int slot) const {
    const CellControls* c = cell(page, slot);
    return c ? c->control : nullptr;
}

QWidget* ControlTables::display(int page, int slot) const {
    const CellControls* c = cell(page, slot);
    return c ? c->display : nullptr;
}

QWidget* ControlTables::companion(int page, int slot, int j) const {
    const CellControls* c = cell(page, slot);
    return (c && j >= 0 && j < kCompanionCount) ? c->companions[j] : nullptr;
}

Label* ControlTables::pointLabel(int row, int index) const {
    if (row < 0 || row >= kPointLabelRows || index < 0 || index >= kPointLabelColumns) {
        return nullptr;
    }
    return m_pointLabels[row][index];
}

void ControlTables::place(QWidget* control, Binding binding) {
    const int page = pageOf(binding.address);
    const int slot = slotOf(binding.address);
    if (!isValidCell(page, slot)) {
        return;
    }
    CellControls& c = m_cells[page][slot];
    switch (binding.cell) {
        case Cell::kControl:
            c.control = control;
            break;
        case Cell::kDisplay:
            c.display = control;
            break;
        default:
            c.companions[static_cast<int>(binding.cell) - static_cast<int>(Cell::kCompanion0)] =
                control;
            break;
    }
}

void ControlTables::enlist(QWidget* control, ListSlot slot) {
    const auto put = [&](auto& list, auto* item) {
        if (slot.index >= 0 && slot.index < static_cast<int>(list.size())) {
            list[slot.index] = item;
        }
    };
    auto* tool = qobject_cast<ToolButton*>(control);
    auto* button = qobject_cast<BmpButton*>(control);
    switch (slot.list) {
        case ControlList::kTabButtons:
            put(m_tabButtons, tool);
            break;
        case ControlList::kEffectButtons:
            put(m_effectButtons, tool);
            break;
        case ControlList::kHintButtons:
            put(m_hintButtons, tool);
            break;
        case ControlList::kModeButtons:
            put(m_modeButtons, button);
            break;
        case ControlList::kFactoryButtons:
            put(m_factoryButtons, button);
            break;
        case ControlList::kPairButtons:
            put(m_pairButtons, button);
            break;
        case ControlList::kMusicModeButtons:
            put(m_musicModeButtons, button);
            break;
        case ControlList::kPointLabels: {
            const int row = slot.index / kPointLabelColumns;
            const int column = slot.index % kPointLabelColumns;
            if (row >= 0 && row < kPointLabelRows) {
                m_pointLabels[row][column] = qobject_cast<Label*>(control);
            }
            break;
        }
    }
}

void ControlTables::assignTags() {
    for (int p = 0; p < kPageCount; ++p) {
        const int count = pageSlotCount(p);
        for (int k = 0; k < count; ++k) {
            const int a = makeAddress(p, k);
            const CellControls& c = m_cells[p][k];
            const ControlKind kind = kindOf(c.control);
            if (kind == ControlKind::SelectBox || kind == ControlKind::Slider ||
                kind == ControlKind::BmpButton || kind == ControlKind::EditBox) {
                setTag(c.control, a);
                // Parameter sliders share one look; the system volume bars keep their own.
                if (kind == ControlKind::Slider && p < kPageSystemVolumes) {
                    c.control->setProperty("parameterSlider", true);
                }
            }
            const ControlKind shown = kindOf(c.display);
            if (shown == ControlKind::SelectBox || shown == ControlKind::ValuePane ||
                shown == ControlKind::BmpButton) {
                setTag(c.display, a);
            }
            QWidget* first = c.companions[0];
            const ControlKind companionKind = kindOf(first);
            if (companionKind == ControlKind::Label) {
                for (int j = 0; j < kCompanionCount; ++j) {
                    QWidget* label = c.companions[j];
                    if (kindOf(label) != ControlKind::Label) {
                        continue;
                    }
                    setTag(label, a);
                    setHint(label, QString::number(j));
                    if (p != kPageDynamicEq) {
                        label->move(kModeLabelLeft, label->y());
                    }
                }
            } else if (companionKind == ControlKind::Slider ||
                       companionKind == ControlKind::SpinButtons) {
                // Gain sliders and spin buttons; every gain slider is built alike, so they already
                // share one look.
                setTag(first, a);
            }
        }
    }
}

void ControlTables::build(const ControlRegistry& controls, Model& model) {
    m_cells = {};
    m_tabButtons = {};
    m_effectButtons = {};
    m_hintButtons = {};
    m_modeButtons = {};
    m_factoryButtons = {};
    m_pairButtons = {};
    m_musicModeButtons = {};
    m_pointLabels = {};
    m_example = controls.placeholder();
    for (const ControlRegistry::Entry& e : controls.entries()) {
        for (const Binding& b : e.bindings) {
            place(e.control, b);
        }
        if (e.list) {
            enlist(e.control, *e.list);
        }
    }
    for (const Binding& b : controls.placeholderCells()) {
        place(m_example, b);
    }
    const ScopedState::Scope quiet = model.suspendRedraws();
    assignTags();
}

}  // namespace aec
