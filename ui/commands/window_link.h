#pragma once
// The main window as the link controller sees it, and the link controller as the main window
// sees it: status label, link button, port list, refreshes and message boxes one way; the link
// button, the port list fill and the farewell the other.

#include "link/connection.h"
#include "ui/frame/call_points.h"
#include "ui/frame/main_window.h"

namespace aec {

class SystemCommands;

class WindowLink : public ConnectionView, public LinkPoints {
  public:
    WindowLink(TForm1& window, Connection& connection);
    // The system column whose mode list a completed save rebuilds.
    void setSystem(SystemCommands* system) { m_system = system; }

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
    // LinkPoints
    void FillPortList(QComboBox& ports) override;
    void LinkBtnClick(QObject* sender) override;
    bool IsOnLine() const override;
    void CloseRequest() override;

  private:
    TForm1& m_window;
    Connection& m_connection;
    SystemCommands* m_system = nullptr;
};

}  // namespace aec
