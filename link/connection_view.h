#pragma once
// What the connection logic needs from the windows and from the platform: the status label, the
// link button, refreshes, message boxes, the status dialog, the timers and the port list.

#include <functional>
#include <string>
#include <vector>

namespace aec {

// Colours the status label takes; searching and transfers leave it as it is.
enum class StatusColour { kBlack, kDarkBlue, kRed };

// The three timers of the link controller.
enum class LinkTimer { kTimer1, kTimer2, kHoldTimer };

// Contents of the status dialog, as data.
struct StatusDialogState {
    std::string text = "设备未连接";
    std::string portName = "COM1";
    int percent = 0;
    bool visible = false;
};

// Modal message boxes: information boxes and Yes/No questions.
class LinkMessages {
  public:
    virtual ~LinkMessages() = default;
    virtual void tell(const std::string& text, const std::string& caption) = 0;
    // True for Yes.
    virtual bool ask(const std::string& text, const std::string& caption) = 0;
};

// The main window as the connection sees it.
class ConnectionView : public LinkMessages {
  public:
    // The status label: caption in the active language, the other language kept as its hint.
    virtual void setLinkStatus(const std::string& caption, const std::string& hint) = 0;
    virtual void setLinkStatusColour(StatusColour colour) = 0;
    // Linked look (pressed, "断开"/"Unlink" in orange) or unlinked look.
    virtual void setLinkButtonLook(bool linked) = 0;
    // The port list mirrors the connection's list and selection (index -1: none).
    virtual void showPortList(const std::vector<std::string>& ports) = 0;
    virtual void showSelectedPort(int index) = 0;
    // Puts the stores into the controls of a base page, or of every page for kAllPages.
    virtual void RefreshControls(int target) = 0;
    // Runs the tab selector for a tab and returns CurrentView.
    virtual int runTabSelector(int tab) = 0;
    virtual void showMainWindow() = 0;
    // Rebuilds the mode list from the mode name table, keeping its selection.
    virtual void rebuildModeList() = 0;
};

// A connection without a window (the link controller on its own): nothing is shown and every
// question is answered No.
class HeadlessView : public ConnectionView {
  public:
    void tell(const std::string& /*text*/, const std::string& /*caption*/) override {}
    bool ask(const std::string& /*text*/, const std::string& /*caption*/) override { return false; }
    void setLinkStatus(const std::string& /*caption*/, const std::string& /*hint*/) override {}
    void setLinkStatusColour(StatusColour /*colour*/) override {}
    void setLinkButtonLook(bool /*linked*/) override {}
    void showPortList(const std::vector<std::string>& /*ports*/) override {}
    void showSelectedPort(int /*index*/) override {}
    void RefreshControls(int /*target*/) override {}
    int runTabSelector(int /*tab*/) override { return 0; }
    void showMainWindow() override {}
    void rebuildModeList() override {}
};

// The status dialog.
class StatusDialogView {
  public:
    virtual ~StatusDialogView() = default;
    virtual void showStatus(const StatusDialogState& state) = 0;
};

// Timers and system services of the link controller.
class LinkPlatform {
  public:
    virtual ~LinkPlatform() = default;
    // Starts or stops one of the link timers.
    virtual void setTimer(LinkTimer timer, bool enabled) = 0;
    // The serial ports present, sorted as text.
    virtual std::vector<std::string> listPorts() = 0;
    // Runs `action` after `ms` milliseconds, on the same thread.
    virtual void after(int ms, std::function<void()> action) = 0;
};

}  // namespace aec
