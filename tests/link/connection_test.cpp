// The search, the full load and upload, and going on and off line, stepped tick by tick
// against the in-process simulated processor.
#include <algorithm>

#include "link/frame.h"
#include "tests/link/connection_harness.h"
#include "tests/link/fake_port.h"

namespace aec::test {
namespace {

// The address a frame written by the editor is for.
int addressOf(const Bytes& frame) { return frame.size() >= 6 ? frame[4] * 256 + frame[5] : -1; }

bool isNameRequest(const Bytes& frame) {
    return addressOf(frame) == kModeNameAddress && frame[3] == kReadCommand;
}

bool isReadRequest(const Bytes& frame) { return frame.size() > 3 && frame[3] == kReadCommand; }

// The used slots of a page agree.
::testing::AssertionResult samePage(const PageRow& editor, const PageRow& device, int page) {
    for (int slot = 0; slot < pageSlotCount(page); ++slot) {
        if (editor[slot] != device[slot]) {
            return ::testing::AssertionFailure() << "page " << page << " slot " << slot << ": "
                                                 << editor[slot] << " != " << device[slot];
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(ConnectionTest, SearchProbesOnePortPerTickAndLinksOnTheAnsweringOne) {
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    EXPECT_EQ(view.caption, "设备搜索...");
    EXPECT_EQ(view.hint, "Search...");
    EXPECT_TRUE(view.linked);
    EXPECT_TRUE(platform.running[LinkTimer::kTimer1]);
    EXPECT_TRUE(dialog.last().visible);
    EXPECT_EQ(dialog.last().percent, 0);
    EXPECT_TRUE(takeWrites().empty());

    tick1();  // the first port: opened and probed, nothing answers there
    EXPECT_EQ(port.portName(), "ttyS0");
    EXPECT_EQ(dialog.last().portName, "ttyS0");
    EXPECT_EQ(takeWrites(), std::vector<Bytes>{hex("F5 B1 06 B7 1E 30 11 00 0B")});
    EXPECT_FALSE(state().deviceAnswered);

    tick1();  // the second port answers the probe
    EXPECT_EQ(port.portName(), kDevice);
    EXPECT_EQ(view.selected, 1);
    EXPECT_TRUE(state().deviceAnswered);
    takeWrites();

    tick1();  // the next tick starts linking on the open port
    EXPECT_EQ(view.caption, "连接中...");
    EXPECT_EQ(view.colour, StatusColour::kBlack);
    EXPECT_FALSE(platform.running[LinkTimer::kTimer1]);
    EXPECT_TRUE(platform.running[LinkTimer::kTimer2]);
    EXPECT_EQ(takeWrites(), std::vector<Bytes>{hex("F5 B1 06 B0 1E 10 00 00 D3")});
}

TEST_F(ConnectionTest, FullLoadMirrorsTheProcessorAndGoesOnLine) {
    sim.state().memory[kPageSystem][8] = 1;
    sim.state().memory[0][161] = 7;  // a music mode out of range is limited to 2
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    while (connection.timer1Enabled()) {
        tick1();
    }
    view.currentView = 6 * 256 + 3;
    dialog.states.clear();
    runTransfer();

    ASSERT_TRUE(state().onLine());
    for (int page = 0; page < kPageSystem; ++page) {
        EXPECT_TRUE(samePage(model.paramStore()[page], sim.state().memory[page], page));
    }
    for (int slot : {2, 3, 4, 8}) {
        EXPECT_EQ(model.param(kPageSystem, slot), sim.value(kPageSystem, slot)) << slot;
    }
    for (int i = 0; i < kModeCount; ++i) {
        EXPECT_EQ(model.modeNames[i], sim.state().modes[i].name) << i;
    }
    EXPECT_EQ(model.systemPassword, sim.state().systemPassword);
    EXPECT_EQ(model.panelPassword, sim.state().panelPassword);
    EXPECT_EQ(model.selection.musicMode, 2);

    // 30 pages, 22 names, 7 system values; the input select value is never read.
    std::vector<Bytes> writes = takeWrites();
    std::erase_if(writes, [](const Bytes& f) { return !isReadRequest(f); });
    EXPECT_EQ(writes.size(), 59u);
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(), isNameRequest), 22);
    EXPECT_EQ(writes.back(), hex("F5 B1 04 B0 1E 05 C8"));
    EXPECT_TRUE(std::none_of(writes.begin(), writes.end(),
                             [](const Bytes& f) { return addressOf(f) == kInputSelectAddress; }));

    // The bar stands at 30 of 38 steps while the names are read.
    const auto at79 = std::count_if(dialog.states.begin(), dialog.states.end(),
                                    [](const StatusDialogState& s) { return s.percent == 79; });
    EXPECT_GE(at79, 22);
    EXPECT_FALSE(dialog.last().visible);

    EXPECT_EQ(view.refreshes, (std::vector<int>{kAllPages, 6}));
    EXPECT_EQ(view.tabsSelected, std::vector<int>{kTabMusic});
    EXPECT_EQ(view.caption, "设备已连接");
    EXPECT_EQ(view.hint, "Online");
    EXPECT_EQ(view.colour, StatusColour::kDarkBlue);
    EXPECT_TRUE(view.linked);
    EXPECT_EQ(view.mainShown, 1);
    EXPECT_EQ(state().lockMarker, 1);
    EXPECT_TRUE(platform.running[LinkTimer::kHoldTimer]);
    EXPECT_TRUE(view.told.empty());
}

TEST_F(ConnectionTest, SearchFailsAfterEveryPortAndTheEmptySelection) {
    platform.ports = {"ttyS0", "ttyS1"};
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    tick1();
    tick1();
    tick1();  // past the end: no selection, an empty name that does not open
    EXPECT_EQ(view.selected, -1);
    EXPECT_TRUE(view.told.empty());
    tick1();
    EXPECT_EQ(view.told, (std::vector<Message>{{"连接失败!", "提示"}}));
    EXPECT_EQ(view.caption, "设备未连接");
    EXPECT_EQ(view.colour, StatusColour::kRed);
    EXPECT_FALSE(view.linked);
    EXPECT_FALSE(connection.timer1Enabled());
    EXPECT_FALSE(dialog.last().visible);

    // With no port at all the first tick fails; English boxes name it "Off Line!".
    model.setLanguageFlag(0);
    platform.ports.clear();
    view.told.clear();
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    EXPECT_EQ(view.caption, "Search...");
    tick1();
    EXPECT_EQ(view.told, (std::vector<Message>{{"Off Line!", "Confirm"}}));
}

TEST_F(ConnectionTest, UnansweredStepIsSentAgainAndTheLoadFailsAfterTheLastWait) {
    // Probe, then the first 10 page requests are answered; the 11th is not.
    sim.faults().stopAfterFrames = 11;
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    while (connection.timer1Enabled()) {
        tick1();
    }
    while (connection.stepIndex() < 10) {
        tick2();
    }
    const std::vector<Bytes> sent = takeWrites();
    ASSERT_EQ(sent.back(), hex("F5 B1 06 B0 1E 10 0A 00 DD"));

    for (int tick = 1; tick <= 31; ++tick) {
        tick2();
    }
    EXPECT_TRUE(takeWrites().empty());  // later steps wait 1.1 s without a resend
    tick2();                            // 2.1 s more: the step goes out again
    EXPECT_EQ(takeWrites(), std::vector<Bytes>{sent.back()});

    for (int tick = 1; tick < 100; ++tick) {
        tick2();
    }
    EXPECT_TRUE(view.told.empty());
    tick2();
    EXPECT_EQ(view.told, (std::vector<Message>{{"连接失败!", "提示"}}));
    EXPECT_FALSE(connection.timer2Enabled());
    EXPECT_FALSE(state().onLine());
    EXPECT_TRUE(view.refreshes.empty());  // what arrived stays in the store, unshown
    EXPECT_TRUE(samePage(model.paramStore()[9], sim.state().memory[9], 9));
}

TEST_F(ConnectionTest, FirstPageRequestIsRepeatedWhenOnlyTheProbeIsAnswered) {
    sim.faults().stopAfterFrames = 1;
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    while (connection.timer1Enabled()) {
        tick1();
    }
    const Bytes firstPage = hex("F5 B1 06 B0 1E 10 00 00 D3");
    ASSERT_EQ(takeWrites().back(), firstPage);
    for (int tick = 1; tick <= 10; ++tick) {
        tick2();
    }
    EXPECT_TRUE(takeWrites().empty());
    tick2();  // 1.1 s
    EXPECT_EQ(takeWrites(), std::vector<Bytes>{firstPage});
    for (int tick = 1; tick <= 21; ++tick) {
        tick2();  // 2.1 s
    }
    EXPECT_EQ(takeWrites(), std::vector<Bytes>{firstPage});
    runTransfer();
    EXPECT_EQ(view.told, (std::vector<Message>{{"连接失败!", "提示"}}));
}

TEST_F(ConnectionTest, UnlinkAndClosingSayGoodbyeOnlyWhileOnLine) {
    connection.closeRequest();
    EXPECT_TRUE(takeWrites().empty());

    goOnLine();
    takeWrites();
    connection.closeRequest();
    EXPECT_EQ(takeWrites(), std::vector<Bytes>{hex("F5 B1 06 B7 1E 30 AA 00 A4")});

    connection.LinkBtnClick(LinkSender::kLinkBtn);
    EXPECT_EQ(takeWrites(), std::vector<Bytes>{hex("F5 B1 06 B7 1E 30 AA 00 A4")});
    EXPECT_FALSE(state().onLine());
    EXPECT_EQ(view.caption, "设备未连接");
    EXPECT_EQ(view.colour, StatusColour::kDarkBlue);  // unchanged after unlinking
    EXPECT_FALSE(view.linked);
    EXPECT_TRUE(view.told.empty());
    EXPECT_FALSE(platform.running[LinkTimer::kHoldTimer]);
    EXPECT_FALSE(dialog.last().visible);
    EXPECT_TRUE(port.isOpen());  // going off line keeps the port

    // UnLinkBtn unlinks even while searching.
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    EXPECT_TRUE(connection.timer1Enabled());
    connection.LinkBtnClick(LinkSender::kUnLinkBtn);
    EXPECT_FALSE(connection.timer1Enabled());
}

TEST_F(ConnectionTest, IdleLinkKeepsAliveAndIsLostWhenTheProcessorFallsSilent) {
    goOnLine();
    takeWrites();
    hold(50);
    EXPECT_EQ(takeWrites(), std::vector<Bytes>{hex("F5 B1 06 B7 1E 30 66 00 60")});
    hold(50);
    EXPECT_EQ(takeWrites().size(), 1u);
    EXPECT_TRUE(state().onLine());

    const Store before = model.paramStore();
    port.setConnected(false);
    // The keep-alive that follows is the first to go unanswered; five seconds later the
    // link is lost.
    hold(50 + 5 * 50 - 1);
    EXPECT_TRUE(view.told.empty());
    hold(1);
    EXPECT_EQ(view.told, (std::vector<Message>{{"已断开连接!", "提示"}}));
    EXPECT_EQ(view.colour, StatusColour::kRed);
    EXPECT_FALSE(view.linked);
    EXPECT_FALSE(platform.running[LinkTimer::kHoldTimer]);
    EXPECT_EQ(model.paramStore(), before);

    // The processor is back: a new search links again.
    port.setConnected(true);
    goOnLine();
}

TEST_F(ConnectionTest, ModeLoadReloadsAndHasNoTimeOutBeforeTheFirstPage) {
    goOnLine();
    sim.state().modes[17].pages[4][0] = 123;
    model.selection.currentTab = kTabEffect;
    view.refreshes.clear();
    takeWrites();

    connection.scheduler().SetParameter(kLoadModeAddress, 17);
    EXPECT_EQ(view.caption, "加载中...");
    EXPECT_FALSE(state().onLine());
    pump();
    hold();  // the acknowledgement arrived: the reload starts
    EXPECT_TRUE(connection.timer2Enabled());
    EXPECT_FALSE(platform.running[LinkTimer::kHoldTimer]);
    runTransfer();
    EXPECT_TRUE(state().onLine());
    EXPECT_EQ(model.param(4, 0), 123);
    EXPECT_EQ(model.param(kPageSystem, 2), 17);
    EXPECT_EQ(view.tabsSelected.back(), kTabEffect);
    EXPECT_EQ(view.refreshes.front(), kAllPages);

    // A processor that acknowledges the load but never sends the first page: the load waits.
    sim.faults().stopAfterFrames = sim.framesReceived() + 1;
    connection.scheduler().SetParameter(kLoadModeAddress, 3);
    pump();
    hold();
    ASSERT_TRUE(connection.timer2Enabled());
    EXPECT_EQ(runTransfer(1000), 1000);
    EXPECT_EQ(view.caption, "加载中...");
    EXPECT_TRUE(view.told.empty());
}

TEST_F(ConnectionTest, UploadSendsEveryPageAndGoesStraightOnAfterAnEarlierAcknowledgement) {
    connection.LinkEvent(LinkEventKind::kUpload);  // off line: nothing
    EXPECT_FALSE(connection.timer2Enabled());

    goOnLine();
    hold(50);  // a keep-alive and its acknowledgement
    ASSERT_EQ(state().replyStatus, ReplyStatus::kAcknowledged);
    for (int page = 0; page < kPageSystem; ++page) {
        for (int slot = 0; slot < pageSlotCount(page); ++slot) {
            model.setParam(page, slot, (page * 7 + slot) % 50);
        }
    }
    model.setParam(kPageSystem, 20, 2);
    takeWrites();

    connection.LinkEvent(LinkEventKind::kUpload);
    EXPECT_EQ(view.caption, "下载数据...");
    EXPECT_FALSE(state().onLine());
    EXPECT_EQ(takeWrites().size(), 1u);  // page 0, first part; the second follows the gap
    connection.Timer2Timer();
    // The standing acknowledgement already counts: page 1 goes out on the first tick.
    const std::vector<Bytes> first = takeWrites();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0][6], 1);
    pump();

    runTransfer();
    ASSERT_TRUE(state().onLine());
    for (int page = 0; page < kPageSystem; ++page) {
        EXPECT_TRUE(samePage(model.paramStore()[page], sim.state().memory[page], page));
    }
    EXPECT_EQ(sim.value(kPageSystem, 20), 2);
}

TEST_F(ConnectionTest, InterruptedLoadContinuesTheNamesWhereItStopped) {
    // Probe, 30 pages and 5 names answered; the 6th name request is not.
    sim.faults().stopAfterFrames = 1 + 30 + 5;
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    while (connection.timer1Enabled()) {
        tick1();
    }
    runTransfer();
    ASSERT_FALSE(view.told.empty());
    EXPECT_EQ(state().nameIndex, 6);

    sim.faults().stopAfterFrames = -1;
    const std::string first = model.modeNames[0];
    sim.state().modes[0].name = "changed";
    takeWrites();
    goOnLine();
    std::vector<Bytes> names;
    for (const Bytes& frame : takeWrites()) {
        if (isNameRequest(frame)) {
            names.push_back(frame);
        }
    }
    ASSERT_EQ(names.size(), 16u);  // 6 to 21
    EXPECT_EQ(names.front()[6], 6);
    EXPECT_EQ(model.modeNames[0], first);  // not asked for again in this load
    EXPECT_EQ(state().nameIndex, 0);

    // A load cut off after the last name was asked starts the names again from the first.
    state().nameIndex = kModeCount;
    connection.LinkBtnClick(LinkSender::kLinkBtn);  // unlink
    goOnLine();
    EXPECT_EQ(model.modeNames[0], "changed");
}

TEST_F(ConnectionTest, SearchDropsAModeCommandLeftFromTheLastLink) {
    goOnLine();
    port.setConnected(false);  // the acknowledgement never comes
    connection.scheduler().SetParameter(kLoadModeAddress, 2);
    ASSERT_EQ(state().pendingAction, PendingAction::kReload);
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    port.setConnected(true);
    while (connection.timer1Enabled()) {
        tick1();
    }
    runTransfer();
    ASSERT_TRUE(state().onLine());
    hold(10);
    EXPECT_TRUE(state().onLine());  // no second load
    EXPECT_FALSE(connection.timer2Enabled());
}

TEST_F(ConnectionTest, StatusTextsFollowTheLanguageAndSaveDoneReports) {
    goOnLine();
    model.setLanguageFlag(0);
    connection.LinkEvent(LinkEventKind::kSaveDone);
    EXPECT_EQ(view.modeListRebuilds, 1);
    EXPECT_EQ(view.caption, "Online");
    EXPECT_EQ(view.hint, "设备已连接");
    EXPECT_EQ(connection.statusText(), "Online");
    EXPECT_EQ(view.told, (std::vector<Message>{{"Save Success!", "Confirm"}}));
    model.setLanguageFlag(1);
    connection.LinkEvent(LinkEventKind::kSaveDone);
    EXPECT_EQ(view.told.back(), (Message{"保存成功!", "提示"}));
}

}  // namespace
}  // namespace aec::test
