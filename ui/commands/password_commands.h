#pragma once
// The system column's password commands and the panel lock: the system password opens the
// user/manager switch once, both passwords can be changed while on line, and the panel-lock box
// holds the editor after a link while the processor's key panel is locked. The link serves
// them, so their buttons are enabled once these commands are wired.

#include <QObject>

#include "link/device_commands.h"
#include "link/link_state.h"
#include "ui/frame/main_window.h"

namespace aec {

class PasswordCommands : public QObject {
  public:
    PasswordCommands(TForm1& window, LinkState& link, DeviceCommands& commands);

    // RzBmpButton118Click: the system password typed opens the user/manager switch.
    void RzBmpButton118Click();
    // SysPanelLabel1KeyPress: a key in the old, new or confirmation box of the system password
    // change, before its character enters the box; false discards the character.
    bool SysPanelLabel1KeyPress(QChar key);
    // RzBmpButton22Click: the old panel password opens the new box.
    void RzBmpButton22Click();
    // RzBmpButton23Click: the new panel password of four digits is sent.
    void RzBmpButton23Click();
    // RzBmpButton4Click: the panel password unlocks the panel-lock box.
    void RzBmpButton4Click();
    // End of every refresh: the panel lock, at most once per link.
    void checkPanelLock();

  private:
    void tell(const char* text, const char* caption);
    void resetSystemChange();

    TForm1& m_window;
    Model& m_model;
    const SystemParts& m_parts;
    LinkState& m_link;
    DeviceCommands& m_commands;
};

}  // namespace aec
