#pragma once
// The main window and the link controller wired together: the connection shows its state on
// the status label, the link button and the port list, refreshes the controls and asks its
// questions through the window; the link buttons, the port list request and the upload after a
// preset load reach the connection.

#include <QObject>

#include "link/connection.h"
#include "ui/frame/main_window.h"

namespace aec {

class WindowLink : public QObject, public ConnectionView {
  public:
    // Wires the link buttons and the port list request to the connection and enables the buttons.
    WindowLink(TForm1& window, Connection& connection);

    // LinkMessages
    void tell(const std::string& text, const std::string& caption) override;
    bool ask(const std::string& text, const std::string& caption) override;
    // ConnectionView
    void setLinkStatus(const std::string& caption, const std::string& hint) override;
    void setLinkStatusColour(StatusColour colour) override;
    void setLinkButtonLook(bool linked) override;
    void showPortList(const std::vector<std::string>& ports) override;
    void showSelectedPort(int index) override;
    void RefreshControls(int target) override;
    int runTabSelector(int tab) override;
    void showMainWindow() override;
    void rebuildModeList() override;

  private:
    TForm1& m_window;
    Connection& m_connection;
};

}  // namespace aec
