#pragma once
// The connection logic wired to the in-process simulated processor, with a recording window,
// status dialog and timer platform; time passes only when a test calls a tick.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "core/model.h"
#include "link/connection.h"
#include "sim/sim_processor.h"
#include "sim/sim_serial_port.h"

namespace aec::test {

struct FakePlatform : LinkPlatform {
    void setTimer(LinkTimer timer, bool enabled) override { running[timer] = enabled; }
    std::vector<std::string> listPorts() override { return ports; }
    void after(int /*ms*/, std::function<void()> action) override {
        deferred.push_back(std::move(action));
    }
    void runDeferred() {
        auto actions = std::move(deferred);
        deferred.clear();
        for (auto& action : actions) {
            action();
        }
    }

    std::map<LinkTimer, bool> running;
    std::vector<std::string> ports;
    std::vector<std::function<void()>> deferred;
};

struct Message {
    std::string text;
    std::string caption;
    bool operator==(const Message&) const = default;
    friend void PrintTo(const Message& m, std::ostream* os) {
        *os << '"' << m.text << "\" / \"" << m.caption << '"';
    }
};

struct RecordingView : ConnectionView {
    void tell(const std::string& text, const std::string& caption) override {
        told.push_back({text, caption});
    }
    bool ask(const std::string& text, const std::string& caption) override {
        asked.push_back({text, caption});
        return answer;
    }
    void setLinkStatus(const std::string& c, const std::string& h) override {
        caption = c;
        hint = h;
    }
    void setLinkStatusColour(StatusColour c) override { colour = c; }
    void setLinkButtonLook(bool l) override { linked = l; }
    void showPortList(const std::vector<std::string>& list) override { ports = list; }
    void showSelectedPort(int index) override { selected = index; }
    void RefreshControls(int target) override { refreshes.push_back(target); }
    int runTabSelector(int tab) override {
        tabsSelected.push_back(tab);
        return currentView;
    }
    void showMainWindow() override { ++mainShown; }
    void rebuildModeList() override { ++modeListRebuilds; }

    std::vector<Message> told;
    std::vector<Message> asked;
    bool answer = true;
    std::string caption;
    std::string hint;
    StatusColour colour = StatusColour::kBlack;
    bool linked = false;
    std::vector<std::string> ports;
    int selected = -1;
    std::vector<int> refreshes;
    std::vector<int> tabsSelected;
    int currentView = 0;
    int mainShown = 0;
    int modeListRebuilds = 0;
};

struct RecordingDialog : StatusDialogView {
    void showStatus(const StatusDialogState& s) override { states.push_back(s); }
    const StatusDialogState& last() const { return states.back(); }
    std::vector<StatusDialogState> states;
};

class ConnectionTest : public ::testing::Test {
  protected:
    static constexpr const char* kDevice = "ttyUSB1";

    ConnectionTest() {
        platform.ports = {"ttyS0", kDevice, "ttyS2"};
        port.setDeviceName(kDevice);
        port.setDataReceived([this](int) { connection.ComPortRxChar(); });
        connection.setView(&view);
        connection.setStatusDialog(&dialog);
    }

    LinkState& state() { return connection.state(); }

    // Delivers whatever the processor has answered so far.
    void pump() {
        platform.runDeferred();
        port.pump();
    }
    void tick1() {
        connection.Timer1Timer();
        pump();
    }
    void tick2() {
        connection.Timer2Timer();
        pump();
    }
    void hold(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            connection.HoldTimerTimer();
            pump();
        }
    }
    // Runs the transfer timer until the transfer ends or `limit` ticks have passed.
    int runTransfer(int limit = 200) {
        int ticks = 0;
        while (connection.timer2Enabled() && ticks < limit) {
            tick2();
            ++ticks;
        }
        return ticks;
    }
    // Search, load, on line: the editor as it stands after start-up with the processor found.
    void goOnLine() {
        connection.LinkBtnClick(LinkSender::kLinkBtn);
        while (connection.timer1Enabled()) {
            tick1();
        }
        ASSERT_TRUE(connection.timer2Enabled());
        runTransfer();
        ASSERT_TRUE(state().onLine());
    }
    // Frames written to the port since the last call.
    std::vector<Bytes> takeWrites() {
        std::vector<Bytes> writes = port.writes();
        port.clearWrites();
        return writes;
    }

    Model model;
    SimProcessor sim;
    SimSerialPort port{sim};
    FakePlatform platform;
    Connection connection{model, port, platform};
    RecordingView view;
    RecordingDialog dialog;
};

}  // namespace aec::test
