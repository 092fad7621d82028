#pragma once
// How the command controls show the state held in the stores: the mode letters of a band, the
// dynamic type buttons, two-state toggles, and the command strip (pair state, EQ pass,
// automatic/manual, music mode). Refreshes and the commands both use these looks.

#include <QComboBox>
#include <array>

#include "core/model.h"
#include "ui/sheets/sheets.h"
#include "ui/sync/control_tables.h"

namespace aec {

class CommandLooks {
  public:
    CommandLooks(const Model& model, const ControlTables& tables, const WindowParts& parts)
        : m_model(model), m_tables(tables), m_parts(parts) {}

    // The mode letters (or dynamic type buttons) of a band show the item of its mode box.
    void showBandMode(QComboBox& box);
    // A toggle shows state 0 or 1: its Hint holds the state, "1" shows pressed.
    static void showToggle(BmpButton& button, int state);
    // The command strip's looks from the stores, at the end of every refresh.
    void refreshCommandControls();

    // The manual output set-up flag: read by every refresh, set by the automatic/manual buttons.
    bool manualFlag() const { return m_manualFlag; }
    void setManualFlag(bool manual) { m_manualFlag = manual; }

    // Three-way choice: the chosen button pressed, the others stayed down.
    static void threeWayLook(const std::array<BmpButton*, 3>& group, int chosen);
    // Two-way choice: the chosen button pressed, the other one its disabled image.
    static void twoWayLook(BmpButton& chosen, BmpButton& other);

    // The chosen tool button of a group shows selected, the others not.
    template <size_t N>
    static void toolGroupLook(const std::array<ToolButton*, N>& group, int chosen) {
        for (size_t i = 0; i < N; ++i) {
            if (group[i]) {
                group[i]->setSelected(static_cast<int>(i) == chosen);
            }
        }
    }

  private:
    void modeLabelLook(int address, int mode);
    void dynamicTypeLook(int address, int type);
    void showPairState();
    void showEqPass();

    const Model& m_model;
    const ControlTables& m_tables;
    const WindowParts& m_parts;
    bool m_manualFlag = false;
};

}  // namespace aec
