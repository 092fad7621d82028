#pragma once
// The binding of the window's controls to parameter slots: for every base page and slot the
// control that edits the value, the control that displays it and up to four companions; and
// the lists of buttons and labels other parts address by index.

#include <QWidget>
#include <array>

#include "core/model.h"
#include "ui/rules/control_spec.h"
#include "ui/widgets/buttons.h"
#include "ui/widgets/control_factory.h"

namespace aec {

// The kinds of controls the tables and the synchronisation tell apart.
enum class ControlKind {
    None,
    EditBox,
    ValuePane,
    SelectBox,
    Slider,
    BmpButton,
    SpinButtons,
    Label
};
ControlKind kindOf(const QWidget* control);

inline constexpr int kCompanionCount = 4;

class ControlTables {
  public:
    // BuildControlTables: fills the tables and lists from the cells and lists the controls'
    // descriptions name, assigns Tags and Hints. Suspends redraws while it runs. Calling it again
    // gives the same.
    void build(const ControlRegistry& controls, Model& model);

    QWidget* control(int page, int slot) const;
    QWidget* display(int page, int slot) const;
    QWidget* companion(int page, int slot, int j) const;
    QWidget* controlAt(int address) const { return control(address / 256, address % 256); }
    QWidget* displayAt(int address) const { return display(address / 256, address % 256); }
    QWidget* companionAt(int address, int j) const {
        return companion(address / 256, address % 256, j);
    }

    // The placeholder edit box: a slot without a control of its own, and "no current edit box".
    EditBox* example() const { return m_example; }

    const std::array<ToolButton*, 10>& tabButtons() const { return m_tabButtons; }
    const std::array<ToolButton*, 3>& effectButtons() const { return m_effectButtons; }
    const std::array<ToolButton*, 3>& hintButtons() const { return m_hintButtons; }
    const std::array<BmpButton*, 4>& modeButtons() const { return m_modeButtons; }
    const std::array<BmpButton*, 6>& factoryButtons() const { return m_factoryButtons; }
    const std::array<BmpButton*, 3>& pairButtons() const { return m_pairButtons; }
    const std::array<BmpButton*, 3>& musicModeButtons() const { return m_musicModeButtons; }
    // EQ point label `index` (0-based) of row `row` (page kind; row 5 the reverb labels).
    Label* pointLabel(int row, int index) const;

  private:
    struct CellControls {
        QWidget* control = nullptr;
        QWidget* display = nullptr;
        std::array<QWidget*, kCompanionCount> companions{};
    };
    void place(QWidget* control, Binding binding);
    void enlist(QWidget* control, ListSlot slot);
    void assignTags();
    const CellControls* cell(int page, int slot) const;

    std::array<std::array<CellControls, kSlotCount>, kPageCount> m_cells{};
    EditBox* m_example = nullptr;
    std::array<ToolButton*, 10> m_tabButtons{};
    std::array<ToolButton*, 3> m_effectButtons{};
    std::array<ToolButton*, 3> m_hintButtons{};
    std::array<BmpButton*, 4> m_modeButtons{};
    std::array<BmpButton*, 6> m_factoryButtons{};
    std::array<BmpButton*, 3> m_pairButtons{};
    std::array<BmpButton*, 3> m_musicModeButtons{};
    std::array<std::array<Label*, kPointLabelColumns>, kPointLabelRows> m_pointLabels{};
};

}  // namespace aec
