#pragma once
// The processor's modes from the system column: loading and saving a mode with the mode list,
// the quick mode buttons and the list of the other user modes. The link serves them, so the
// buttons are enabled once these commands are wired.

#include <QObject>
#include <functional>

#include "core/model.h"
#include "link/device_commands.h"
#include "link/link_state.h"
#include "ui/commands/system_page.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/control_factory.h"

namespace aec {

class ModeCommands : public QObject {
  public:
    ModeCommands(const ControlRegistry& controls, const SystemParts& parts, SystemPage& page,
                 const LinkState& link, DeviceCommands& commands);

    // SysLoadModeBtnClick for either button: save (SysSaveModeBtn) or load the selected mode.
    void SysLoadModeBtnClick(bool save);
    // SysModeBtn1Click and SysFactoryBtnClick: load the mode of the button's Tag, on line only.
    void SysModeBtn1Click(BmpButton& button);
    // SysModeBox2Change: load user mode 5 to 16.
    void SysModeBox2Change();
    // Asked before a save is sent, with the user mode's index; false stops the save.
    void setBeforeSave(std::function<bool(int)> before) { m_beforeSave = std::move(before); }

  private:
    void loadSelectedMode();
    void saveSelectedMode();

    const SystemParts& m_parts;
    SystemPage& m_page;
    const LinkState& m_link;
    DeviceCommands& m_commands;
    std::function<bool(int)> m_beforeSave;
};

}  // namespace aec
