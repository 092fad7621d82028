#pragma once
// What the scheduler and the device commands tell the connection logic.

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
    virtual void LinkEvent(LinkEventKind kind) = 0;
    // Shows a status text on the main window in both languages.
    virtual void ShowLinkStatus(const std::string& chinese, const std::string& english) = 0;
    // The transmit tick was started or stopped; the timer that drives it follows.
    virtual void holdTimerChanged(bool enabled) = 0;
};

}  // namespace aec
