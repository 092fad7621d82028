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
    // One tick per reply; the tick that takes the last reply goes on line.
    EXPECT_EQ(runTransfer(), 59);

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

// The first page request is sent again after 1.1 s and after 2.1 s more, and the load fails
// 10 s later: after the probe was answered, and after the processor loaded a mode.
TEST_F(ConnectionTest, UnansweredFirstPageIsAskedAgainThenTheLoadFails) {
    for (const bool reload : {false, true}) {
        SCOPED_TRACE(reload ? "reload after a mode load" : "linking");
        if (reload) {
            sim.faults().stopAfterFrames = -1;
            goOnLine();
            connection.scheduler().SetParameter(kLoadModeAddress, 3);
            sim.faults().stopAfterFrames = sim.framesReceived();  // the command is acknowledged
            pump();
            hold();
            EXPECT_EQ(view.caption, "加载中...");
        } else {
            sim.faults().stopAfterFrames = 1;  // the probe is answered
            connection.LinkBtnClick(LinkSender::kLinkBtn);
            while (connection.timer1Enabled()) {
                tick1();
            }
        }
        ASSERT_TRUE(connection.timer2Enabled());
        const Bytes firstPage = hex("F5 B1 06 B0 1E 10 00 00 D3");
        ASSERT_EQ(takeWrites().back(), firstPage);
        view.told.clear();

        std::vector<int> sentAgainAt;
        int ticks = 0;
        while (connection.timer2Enabled() && ticks < 1000) {
            tick2();
            ++ticks;
            for (const Bytes& frame : takeWrites()) {
                EXPECT_EQ(frame, firstPage);
                sentAgainAt.push_back(ticks);
            }
        }
        EXPECT_EQ(sentAgainAt, (std::vector<int>{11, 32}));
        EXPECT_EQ(ticks, 132);
        EXPECT_EQ(view.told, (std::vector<Message>{{"连接失败!", "提示"}}));
        EXPECT_EQ(view.caption, "设备未连接");
        EXPECT_FALSE(state().onLine());
    }
}

TEST_F(ConnectionTest, ABusyPortIsPassedOverAndTheSearchGoesOn) {
    platform.ports = {"ttyS0", kDevice};
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    port.setOpenFails(true);  // another program holds the first port
    tick1();
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(takeWrites().empty());
    port.setOpenFails(false);
    tick1();
    EXPECT_EQ(port.portName(), kDevice);
    EXPECT_TRUE(state().deviceAnswered);
    tick1();
    EXPECT_EQ(view.caption, "连接中...");
    EXPECT_TRUE(view.told.empty());
}

// A port that would not open is named in the failure's message with what to do about it.
TEST_F(ConnectionTest, AFailedSearchNamesThePortsThatWouldNotOpen) {
    platform.ports = {"ttyS0", "ttyS1"};
    port.setOpenFails(true);
    for (const int language : {1, 0}) {
        model.setLanguageFlag(language);
        view.told.clear();
        connection.LinkBtnClick(LinkSender::kLinkBtn);
        for (int i = 0; i < 4; ++i) {
            tick1();
        }
        ASSERT_EQ(view.told.size(), 1U);
        // One reason for both ports: told once.
        const std::string& text = view.told[0].text;
        EXPECT_EQ(text.rfind(language == 1 ? "连接失败!\n\n" : "Off Line!\n\n", 0), 0U) << text;
        const char* ports = language == 1 ? "ttyS0, ttyS1：串口正被其他程序占用"
                                          : "ttyS0, ttyS1: the port is in use";
        EXPECT_NE(text.find(ports), std::string::npos) << text;
        EXPECT_EQ(text.find("ttyS1", text.find("ttyS1") + 1), std::string::npos) << text;
    }
    ASSERT_EQ(connection.openFailures().size(), 2U);
    EXPECT_EQ(connection.openFailures()[0].error, PortError::kBusy);
}

// A frame of a transfer that cannot be written fails the transfer in the same tick, instead of
// waiting for answers to a request that never went out.
TEST_F(ConnectionTest, AWriteFailureEndsATransferAtOnce) {
    connection.LinkBtnClick(LinkSender::kLinkBtn);
    while (connection.timer1Enabled()) {
        tick1();
    }
    while (connection.stepIndex() < 10) {
        tick2();
    }
    port.setWriteFails(true);
    tick2();  // page 10 is in; the request for page 11 cannot be written
    EXPECT_EQ(view.told, (std::vector<Message>{{"连接失败!", "提示"}}));
    EXPECT_FALSE(connection.timer2Enabled());
    EXPECT_TRUE(view.refreshes.empty());
    port.setWriteFails(false);
    goOnLine();  // a new search links again

    // The second part of page 0 fails after the gap.
    view.told.clear();
    connection.LinkEvent(LinkEventKind::kUpload);
    port.setWriteFails(true);
    pump();
    EXPECT_EQ(view.told, (std::vector<Message>{{"连接失败!", "提示"}}));
    EXPECT_FALSE(connection.timer2Enabled());
    EXPECT_FALSE(state().onLine());
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

TEST_F(ConnectionTest, ModeLoadReloadsEverything) {
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
    EXPECT_EQ(runTransfer(), 59);
    EXPECT_TRUE(state().onLine());
    EXPECT_EQ(model.param(4, 0), 123);
    EXPECT_EQ(model.param(kPageSystem, 2), 17);
    EXPECT_EQ(view.tabsSelected.back(), kTabEffect);
    EXPECT_EQ(view.refreshes.front(), kAllPages);
}

TEST_F(ConnectionTest, UploadSendsEveryPageAndGoesOnLineWithTheLastAcknowledgement) {
    connection.LinkEvent(LinkEventKind::kUpload);  // off line: nothing
    EXPECT_FALSE(connection.timer2Enabled());

    goOnLine();
    for (int page = 0; page < kPageSystem; ++page) {
        // Channel pages up to their highest slot, which the page frames leave out.
        const int last = page <= kPageEchoB ? pageSlotCount(page) : pageSlotCount(page) - 1;
        for (int slot = 0; slot <= last; ++slot) {
            model.setParam(page, slot, (page * 7 + slot) % 50);
        }
    }
    model.setParam(kPageSystem, 20, 2);
    takeWrites();

    connection.LinkEvent(LinkEventKind::kUpload);
    EXPECT_EQ(view.caption, "下载数据...");
    EXPECT_FALSE(state().onLine());
    EXPECT_EQ(takeWrites().size(), 1u);  // page 0, first part; the second follows the gap
    pump();
    // One tick per step; the 30th takes the acknowledgements of page 29 and the input select.
    EXPECT_EQ(runTransfer(), 30);
    ASSERT_TRUE(state().onLine());
    std::vector<Bytes> writes = takeWrites();
    // Pages 1 to 29, the second part of page 0, input select, then the first highest slot.
    ASSERT_EQ(writes.size(), 32u);
    EXPECT_EQ(writes[30], hex("F5 B1 06 B7 1E 14 02 00 E0"));
    for (int page = 0; page < kPageSystem; ++page) {
        EXPECT_TRUE(samePage(model.paramStore()[page], sim.state().memory[page], page));
    }
    // The highest slots follow one by one, each paced by its acknowledgement.
    hold(30);
    EXPECT_EQ(takeWrites().size(), static_cast<size_t>(kPageEchoB));
    for (int page = 0; page <= kPageEchoB; ++page) {
        const int slot = pageSlotCount(page);
        EXPECT_EQ(sim.state().memory[page][slot], model.param(page, slot)) << page;
    }
}

// A processor that falls silent during an upload: the step is sent again and the upload ends
// with the link's failure. An acknowledgement standing from earlier traffic, or one of the two
// a step needs, answers nothing.
TEST_F(ConnectionTest, UploadFailsWhenAStepGoesUnacknowledged) {
    struct Case {
        const char* what;
        int framesAnswered;
        int ticksToFailure;
    };
    const Case cases[] = {
        {"silent from the start", 0, 132},
        {"second part of page 0 unanswered", 1, 132},
        {"input select value unanswered", 31, 29 + 132},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim.faults().stopAfterFrames = -1;
        goOnLine();
        hold(50);  // a keep-alive and its acknowledgement
        ASSERT_EQ(state().replyStatus, ReplyStatus::kAcknowledged);
        view.told.clear();

        sim.faults().stopAfterFrames = sim.framesReceived() + c.framesAnswered;
        connection.LinkEvent(LinkEventKind::kUpload);
        pump();
        EXPECT_EQ(runTransfer(), c.ticksToFailure);
        EXPECT_EQ(view.told, (std::vector<Message>{{"连接失败!", "提示"}}));
        EXPECT_EQ(view.caption, "设备未连接");
        EXPECT_FALSE(state().onLine());
    }
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
