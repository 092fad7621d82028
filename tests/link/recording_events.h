#pragma once
// Link events recorded instead of acted on.

#include <string>
#include <vector>

#include "link/link_events.h"

namespace aec::test {

struct RecordingEvents : LinkEvents {
    void LinkEvent(LinkEventKind kind) override { events.push_back(kind); }
    void ShowLinkStatus(const std::string& zh, const std::string& en) override {
        status = zh + "|" + en;
    }
    void holdTimerChanged(bool enabled) override { timerRunning = enabled; }
    std::vector<LinkEventKind> events;
    std::string status;
    bool timerRunning = false;
};

}  // namespace aec::test
