#pragma once
// How the system column shows what the stores hold: the mode list with the processor's mode
// names and the current mode, the two-button switches, and the processor's identity.

#include "core/model.h"
#include "ui/sheets/sheets.h"

namespace aec {

class SystemLooks {
  public:
    SystemLooks(const Model& model, const SystemParts& parts) : m_model(model), m_parts(parts) {}

    // The mode list from the mode name table, keeping the selected item.
    void rebuildModeList();
    // The switch button whose Hint is the value shows pressed, its partner released.
    void showSwitch(int address, int value);
    // End of every refresh: mode list, current mode, rights (shown, and closed again), panel
    // lock, volume follow, remote, device identity.
    void refreshSystemPage();

  private:
    const Model& m_model;
    const SystemParts& m_parts;
};

}  // namespace aec
