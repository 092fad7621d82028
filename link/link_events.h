#pragma once
// Call points the link raises for the connection logic and the main window; each does nothing
// until a later layer overrides it.

#include <string>

namespace aec {

enum class LinkEventKind : int {
    kOnLine = 1,
    kReload = 2,
    kSaveDone = 3,
    kLinking = 4,
    kUpload = 6,
    kLinkLost = 7,
    kLinkFailed = 9,
};

class LinkEvents {
  public:
    virtual ~LinkEvents() = default;
    // Handles a change of the link's course (going on line, a reload, a loss ...).
    virtual void LinkEvent(LinkEventKind /*kind*/) {}
    // Shows a status text on the main window in both languages.
    virtual void ShowLinkStatus(const std::string& /*chinese*/, const std::string& /*english*/) {}
    // The transmit tick was started or stopped; the timer that drives it follows.
    virtual void HoldTimerChanged(bool /*enabled*/) {}
};

}  // namespace aec
