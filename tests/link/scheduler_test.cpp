// The pending queue and the transmit scheduler, stepped tick by tick.
#include <gtest/gtest.h>

#include "core/model.h"
#include "link/frame.h"
#include "link/frame_sender.h"
#include "link/transmit_scheduler.h"
#include "tests/link/fake_port.h"
#include "tests/link/recording_events.h"

namespace aec::test {
namespace {

TEST(PendingQueue, FirstEntrySitsAtIndexOneAndSameAddressCoalesces) {
    PendingQueue q;
    q.Put(0x0100, 1);
    EXPECT_EQ(q.head(), 1);
    q.Put(0x0100, 2);
    q.Put(0x0100, 3);
    EXPECT_EQ(q.size(), 1);
    EXPECT_EQ(q.at(1), (PendingWrite{0x0100, 3}));
    q.Put(0x0200, 4);
    q.Put(0x0100, 5);  // only the newest entry coalesces
    EXPECT_EQ(q.size(), 3);
    ASSERT_TRUE(q.Take());
    EXPECT_EQ(q.current(), (PendingWrite{0x0100, 3}));
    ASSERT_TRUE(q.Take());
    EXPECT_EQ(q.current(), (PendingWrite{0x0200, 4}));
}

TEST(PendingQueue, FullRingOverwritesTheNewestEntry) {
    PendingQueue q;
    for (int i = 0; i < 499; ++i) {
        q.Put(i, i);
    }
    EXPECT_EQ(q.size(), 499);
    q.Put(1000, 7);
    EXPECT_EQ(q.size(), 499);
    EXPECT_EQ(q.at(q.head()), (PendingWrite{1000, 7}));
    q.Take();
    EXPECT_EQ(q.current(), (PendingWrite{0, 0}));  // older entries keep their place
}

TEST(PendingQueue, IndexesWrapAndTakingFromEmptyChangesNothing) {
    PendingQueue q;
    for (int round = 0; round < 700; ++round) {
        q.Put(round, round);
        ASSERT_TRUE(q.Take());
        ASSERT_EQ(q.current().value, round);
    }
    EXPECT_EQ(q.head(), 700 % 500);
    const PendingWrite last = q.current();
    EXPECT_FALSE(q.Take());
    EXPECT_EQ(q.current(), last);
    q.Put(1, 1);
    q.Discard();
    EXPECT_TRUE(q.empty());
    q.Clear();
    EXPECT_EQ(q.head(), 0);
}

class SchedulerTest : public ::testing::Test {
  protected:
    SchedulerTest() {
        state.link = LinkStatus::kOnLine;
        state.ready = true;
        scheduler.StartHoldTimer();
    }
    void Ack() {
        state.ready = true;
        state.replyStatus = ReplyStatus::kAcknowledged;
    }
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            scheduler.HoldTimerTimer();
        }
    }
    std::string Sent(size_t i) const { return HexBytes(port.written.at(i)); }
    size_t KeepAlives() const {
        return static_cast<size_t>(std::count(port.written.begin(), port.written.end(),
                                              Hex("F5 B1 06 B7 1E 30 66 00 60")));
    }

    Model model;
    LinkState state;
    FakePort port;
    FrameSender sender{port};
    RecordingEvents events;
    TransmitScheduler scheduler{model, state, sender, events};
};

TEST_F(SchedulerTest, ImmediateSendsWhileAcknowledged) {
    scheduler.SetParameter(0x000C, 120);
    EXPECT_EQ(Sent(0), "F5 B1 06 B7 00 0C 78 00 30");
    EXPECT_TRUE(state.ready);
    scheduler.SetParameter(0x000C, 121);
    EXPECT_EQ(port.written.size(), 2u);
    EXPECT_TRUE(state.queue.empty());
    EXPECT_EQ(state.queue.current(), (PendingWrite{0x000C, 121}));
}

TEST_F(SchedulerTest, SendsTheDeviceAddressOfTheSelection) {
    model.selection.musicPairState = kPairRight;
    scheduler.SetParameter(0x000C, 100);
    EXPECT_EQ(Sent(0), HexBytes(BuildValueFrame(kWriteCommand, 0x000C + 75, 100)));
    EXPECT_EQ(model.view(0, 12), 100);
    EXPECT_EQ(model.param(0, 87), 100);
}

TEST_F(SchedulerTest, QueuedWritesCoalesceAndGoOneAfterEachAcknowledgement) {
    state.ready = false;
    scheduler.SetParameter(0x0102, 1);
    scheduler.SetParameter(0x0102, 2);
    scheduler.SetParameter(0x0102, 3);
    scheduler.SetParameter(0x0203, 9);
    EXPECT_EQ(state.queue.size(), 2);
    Tick(3);
    EXPECT_TRUE(port.written.empty());
    Ack();
    Tick();
    EXPECT_EQ(Sent(0), HexBytes(BuildValueFrame(kWriteCommand, 0x0102, 3)));
    EXPECT_FALSE(state.ready);
    Tick(5);
    EXPECT_EQ(port.written.size(), 1u);
    Ack();
    Tick();
    EXPECT_EQ(Sent(1), HexBytes(BuildValueFrame(kWriteCommand, 0x0203, 9)));
    EXPECT_TRUE(state.queue.empty());
}

TEST_F(SchedulerTest, OffLineStoresButSendsNothing) {
    state.link = LinkStatus::kOffLine;
    scheduler.SetParameter(0x0006, 12);
    EXPECT_EQ(model.param(0, 6), 12);
    EXPECT_TRUE(port.written.empty());
    EXPECT_TRUE(state.queue.empty());
}

TEST_F(SchedulerTest, PacedWritesWaitForAcknowledgements) {
    for (int slot = 10; slot < 15; ++slot) {
        scheduler.SetParameterPaced(slot, slot);
    }
    EXPECT_EQ(port.written.size(), 1u);
    EXPECT_EQ(state.queue.size(), 4);
    for (int i = 0; i < 4; ++i) {
        Ack();
        Tick();
    }
    ASSERT_EQ(port.written.size(), 5u);
    EXPECT_EQ(port.written[4][5], 14);
}

TEST_F(SchedulerTest, OneKeepAlivePerIdleSecond) {
    for (int second = 0; second < 5; ++second) {
        Tick(49);
        EXPECT_EQ(KeepAlives(), static_cast<size_t>(second));
        Tick();
        EXPECT_EQ(KeepAlives(), static_cast<size_t>(second + 1));
        Ack();
    }
    EXPECT_EQ(port.written.size(), 5u);
    EXPECT_TRUE(events.events.empty());
}

TEST_F(SchedulerTest, EditsPostponeTheKeepAlive) {
    Tick(40);
    scheduler.SetParameter(0x0001, 1);
    Tick(49);
    EXPECT_EQ(KeepAlives(), 0u);
    Tick();
    EXPECT_EQ(KeepAlives(), 1u);
}

TEST_F(SchedulerTest, RetriesAtTwoAndFourSecondsThenLinkLost) {
    Tick(50);  // keep-alive, then silence
    ASSERT_EQ(KeepAlives(), 1u);
    Tick(50);
    EXPECT_EQ(KeepAlives(), 1u);
    Tick(50);
    EXPECT_EQ(KeepAlives(), 2u);  // 2 s after the first
    Tick(100);
    EXPECT_EQ(KeepAlives(), 3u);  // 4 s after the first
    EXPECT_TRUE(events.events.empty());
    Tick(50);
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kLinkLost});
    EXPECT_FALSE(state.holdTimerEnabled);
    EXPECT_FALSE(events.timerRunning);
    Tick(500);  // a stopped timer does nothing
    EXPECT_EQ(port.written.size(), 3u);
}

TEST_F(SchedulerTest, RetryResendsTheCurrentEntryWhileOthersWait) {
    state.ready = false;
    scheduler.SetParameter(0x0101, 1);
    scheduler.SetParameter(0x0102, 2);
    Ack();
    Tick();  // 0x0101 goes out; its acknowledgement never comes
    Tick(100);
    ASSERT_EQ(port.written.size(), 2u);
    EXPECT_EQ(port.written[1], port.written[0]);
}

TEST_F(SchedulerTest, RetryRepeatsALostWriteWhenNothingElseWaits) {
    state.ready = false;
    scheduler.SetParameter(0x0101, 7);
    Ack();
    Tick();  // the write goes out; its acknowledgement is lost
    ASSERT_TRUE(state.queue.empty());
    Tick(100);  // the retry 2 s later repeats it instead of sending a keep-alive
    ASSERT_EQ(port.written.size(), 2u);
    EXPECT_EQ(port.written[1], port.written[0]);
    EXPECT_EQ(KeepAlives(), 0u);
    Ack();
    Tick(50);  // acknowledged: the idle link goes back to keep-alives
    EXPECT_EQ(KeepAlives(), 1u);
}

TEST_F(SchedulerTest, RetryAfterAnUnansweredKeepAliveDoesNotRepeatAnOldWrite) {
    scheduler.SetParameter(0x0101, 7);  // sent at once and acknowledged
    Tick(50);                           // the idle second's keep-alive goes unanswered
    ASSERT_EQ(KeepAlives(), 1u);
    scheduler.SetParameter(0x0102, 8);  // waits in the queue behind the keep-alive
    Tick(100);
    EXPECT_EQ(KeepAlives(), 2u);  // the retry repeats the keep-alive, not the old 0x0101 write
    EXPECT_EQ(std::count(port.written.begin(), port.written.end(), port.written[0]), 1);
}

TEST_F(SchedulerTest, LoadModeWaitsForItsAcknowledgementThenReloads) {
    scheduler.SetParameter(kLoadModeAddress, 5);
    EXPECT_EQ(Sent(0), HexBytes(BuildValueFrame(kWriteCommand, kLoadModeAddress, 5)));
    EXPECT_EQ(events.status, "加载中...|Loading...");
    EXPECT_FALSE(state.onLine());
    EXPECT_FALSE(state.ready);
    EXPECT_EQ(state.pendingAction, PendingAction::kReload);
    scheduler.SetParameter(0x0001, 3);  // off line now: stored only
    Tick(200);
    EXPECT_EQ(port.written.size(), 1u);
    EXPECT_TRUE(events.events.empty());
    Ack();
    Tick();
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kReload});
    EXPECT_EQ(state.pendingAction, PendingAction::kNone);
}

TEST_F(SchedulerTest, QueuedLoadModeIsAnOrdinaryWrite) {
    state.ready = false;
    scheduler.SetParameter(kLoadModeAddress, 2);
    Ack();
    Tick();
    EXPECT_EQ(port.written.size(), 1u);
    EXPECT_TRUE(state.onLine());
    Ack();
    Tick();
    EXPECT_TRUE(events.events.empty());
}

TEST_F(SchedulerTest, SaveDoneCompletesAtTheFirstTickWithTheReadyFlag) {
    // The save command sets these itself and leaves the ready flag as it is.
    state.ready = false;
    state.pendingAction = PendingAction::kSaveDone;
    state.link = LinkStatus::kOffLine;
    Tick(10);
    EXPECT_TRUE(events.events.empty());
    Ack();
    Tick();
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kSaveDone});
}

TEST_F(SchedulerTest, AModeCommandWithoutAcknowledgementIsLostAfter51Seconds) {
    scheduler.SetParameter(kLoadModeAddress, 1);
    Tick(50 * 50 + 49);
    EXPECT_TRUE(events.events.empty());
    Tick(51);
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kLinkLost});
    EXPECT_FALSE(state.holdTimerEnabled);
}

}  // namespace
}  // namespace aec::test
