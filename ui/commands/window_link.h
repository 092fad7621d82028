#pragma once
// The main window and the link controller wired together: the connection shows its state on
// the status label, the link button and the port list, refreshes the controls and asks its
// questions through the window; the link buttons and the window's closing reach the connection.

#include <QObject>

#include "link/connection.h"
#include "ui/frame/main_window.h"

namespace aec {

class WindowLink : public QObject, public ConnectionView {
  public:
    // Wires the link buttons and the window's closing to the connection and enables them.
    WindowLink(TForm1& window, Connection& connection);

    // LinkMessages
    void Tell(const std::string& text, const std::string& caption) override;
    bool Ask(const std::string& text, const std::string& caption) override;
    // ConnectionView
    void SetLinkStatus(const std::string& caption, const std::string& hint) override;
    void SetLinkStatusColour(StatusColour colour) override;
    void SetLinkButtonLook(bool linked) override;
    void ShowPortList(const std::vector<std::string>& ports) override;
    void ShowSelectedPort(int index) override;
    void RefreshControls(int target) override;
    int RunTabSelector(int tab) override;
    void ShowMainWindow() override;
    void RebuildModeList() override;

  private:
    TForm1& m_window;
    Connection& m_connection;
};

}  // namespace aec
