// The pending queue and the transmit scheduler, stepped tick by tick.
#include <gtest/gtest.h>

#include "core/model.h"
#include "link/frame.h"
#include "link/frame_sender.h"
#include "link/receiver.h"
#include "link/transmit_scheduler.h"
#include "tests/link/fake_port.h"
#include "tests/link/recording_events.h"

namespace aec::test {
namespace {

TEST(PendingQueue, FirstEntrySitsAtIndexOneAndSameAddressCoalesces) {
    PendingQueue q;
    q.put(0x0100, 1);
    EXPECT_EQ(q.head(), 1);
    q.put(0x0100, 2);
    q.put(0x0100, 3);
    EXPECT_EQ(q.size(), 1);
    EXPECT_EQ(q.at(1), (PendingWrite{0x0100, 3}));
    q.put(0x0200, 4);
    q.put(0x0100, 5);  // only the newest entry coalesces
    EXPECT_EQ(q.size(), 3);
    ASSERT_TRUE(q.take());
    EXPECT_EQ(q.current(), (PendingWrite{0x0100, 3}));
    ASSERT_TRUE(q.take());
    EXPECT_EQ(q.current(), (PendingWrite{0x0200, 4}));
}

TEST(PendingQueue, FullRingOverwritesTheNewestEntry) {
    PendingQueue q;
    for (int i = 0; i < 499; ++i) {
        q.put(i, i);
    }
    EXPECT_EQ(q.size(), 499);
    q.put(1000, 7);
    EXPECT_EQ(q.size(), 499);
    EXPECT_EQ(q.at(q.head()), (PendingWrite{1000, 7}));
    q.take();
    EXPECT_EQ(q.current(), (PendingWrite{0, 0}));  // older entries keep their place
}

TEST(PendingQueue, IndexesWrapAndTakingFromEmptyChangesNothing) {
    PendingQueue q;
    for (int round = 0; round < 700; ++round) {
        q.put(round, round);
        ASSERT_TRUE(q.take());
        ASSERT_EQ(q.current().value, round);
    }
    EXPECT_EQ(q.head(), 700 % 500);
    const PendingWrite last = q.current();
    EXPECT_FALSE(q.take());
    EXPECT_EQ(q.current(), last);
    q.put(1, 1);
    q.discard();
    EXPECT_TRUE(q.empty());
    q.clear();
    EXPECT_EQ(q.head(), 0);
}

class SchedulerTest : public ::testing::Test {
  protected:
    SchedulerTest() {
        state.link = LinkStatus::kOnLine;
        state.ready = true;
        scheduler.startHoldTimer();
    }
    void ack() { receiver.feed(hex("EE BB")); }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            scheduler.HoldTimerTimer();
        }
    }
    std::string Sent(size_t i) const { return hexBytes(port.written.at(i)); }
    size_t keepAlives() const {
        return static_cast<size_t>(std::count(port.written.begin(), port.written.end(),
                                              hex("F5 B1 06 B7 1E 30 66 00 60")));
    }

    Model model;
    LinkState state;
    FakePort port;
    FrameSender sender{port};
    Receiver receiver{model, state};
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
    EXPECT_EQ(Sent(0), hexBytes(buildValueFrame(kWriteCommand, 0x000C + 75, 100)));
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
    tick(3);
    EXPECT_TRUE(port.written.empty());
    ack();
    tick();
    EXPECT_EQ(Sent(0), hexBytes(buildValueFrame(kWriteCommand, 0x0102, 3)));
    EXPECT_FALSE(state.ready);
    tick(5);
    EXPECT_EQ(port.written.size(), 1u);
    ack();
    tick();
    EXPECT_EQ(Sent(1), hexBytes(buildValueFrame(kWriteCommand, 0x0203, 9)));
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
        ack();
        tick();
    }
    ASSERT_EQ(port.written.size(), 5u);
    EXPECT_EQ(port.written[4][5], 14);
}

TEST_F(SchedulerTest, OneKeepAlivePerIdleSecond) {
    for (int second = 0; second < 5; ++second) {
        tick(49);
        EXPECT_EQ(keepAlives(), static_cast<size_t>(second));
        tick();
        EXPECT_EQ(keepAlives(), static_cast<size_t>(second + 1));
        ack();
    }
    EXPECT_EQ(port.written.size(), 5u);
    EXPECT_TRUE(events.events.empty());
}

TEST_F(SchedulerTest, EditsPostponeTheKeepAlive) {
    tick(40);
    scheduler.SetParameter(0x0001, 1);
    ack();
    tick(49);
    EXPECT_EQ(keepAlives(), 0u);
    tick();
    EXPECT_EQ(keepAlives(), 1u);
}

TEST_F(SchedulerTest, RetriesAtTwoAndFourSecondsThenLinkLost) {
    tick(50);  // keep-alive, then silence
    ASSERT_EQ(keepAlives(), 1u);
    tick(50);
    EXPECT_EQ(keepAlives(), 1u);
    tick(50);
    EXPECT_EQ(keepAlives(), 2u);  // 2 s after the first
    tick(100);
    EXPECT_EQ(keepAlives(), 3u);  // 4 s after the first
    EXPECT_TRUE(events.events.empty());
    tick(50);
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kLinkLost});
    EXPECT_FALSE(state.holdTimerEnabled);
    EXPECT_FALSE(events.timerRunning);
    tick(500);  // a stopped timer does nothing
    EXPECT_EQ(port.written.size(), 3u);
}

TEST_F(SchedulerTest, RetryResendsTheCurrentEntryWhileOthersWait) {
    state.ready = false;
    scheduler.SetParameter(0x0101, 1);
    scheduler.SetParameter(0x0102, 2);
    ack();
    tick();  // 0x0101 goes out; its acknowledgement never comes
    tick(100);
    ASSERT_EQ(port.written.size(), 2u);
    EXPECT_EQ(port.written[1], port.written[0]);
}

TEST_F(SchedulerTest, RetryRepeatsALostWriteWhenNothingElseWaits) {
    state.ready = false;
    scheduler.SetParameter(0x0101, 7);
    ack();
    tick();  // the write goes out; its acknowledgement is lost
    ASSERT_TRUE(state.queue.empty());
    tick(100);  // the retry 2 s later repeats it instead of sending a keep-alive
    ASSERT_EQ(port.written.size(), 2u);
    EXPECT_EQ(port.written[1], port.written[0]);
    EXPECT_EQ(keepAlives(), 0u);
    ack();
    tick(50);  // acknowledged: the idle link goes back to keep-alives
    EXPECT_EQ(keepAlives(), 1u);
}

TEST_F(SchedulerTest, LostAcknowledgementOfAWriteSentAtOnceIsRepeated) {
    scheduler.SetParameter(0x000C, 1);
    ack();
    scheduler.SetParameter(0x000C, 2);
    ack();
    scheduler.SetParameter(0x000C, 3);  // its acknowledgement is lost
    ASSERT_TRUE(state.ready);           // ... which the ready flag cannot tell
    tick(50);
    EXPECT_EQ(port.written.size(), 3u);  // no keep-alive in its place
    tick(50);
    ASSERT_EQ(port.written.size(), 4u);
    EXPECT_EQ(Sent(3), "F5 B1 06 B7 00 0C 03 00 BB");
    ack();
    tick(50);
    EXPECT_EQ(keepAlives(), 1u);
    EXPECT_TRUE(events.events.empty());
}

TEST_F(SchedulerTest, RetryAfterAnUnansweredKeepAliveDoesNotRepeatAnOldWrite) {
    scheduler.SetParameter(0x0101, 7);  // sent at once and acknowledged
    ack();
    tick(50);  // the idle second's keep-alive goes unanswered
    ASSERT_EQ(keepAlives(), 1u);
    scheduler.SetParameter(0x0102, 8);  // waits in the queue behind the keep-alive
    tick(100);
    EXPECT_EQ(keepAlives(), 2u);  // the retry repeats the keep-alive, not the old 0x0101 write
    EXPECT_EQ(std::count(port.written.begin(), port.written.end(), port.written[0]), 1);
}

TEST_F(SchedulerTest, LoadModeWaitsForItsAcknowledgementThenReloads) {
    scheduler.SetParameter(kLoadModeAddress, 5);
    EXPECT_EQ(Sent(0), hexBytes(buildValueFrame(kWriteCommand, kLoadModeAddress, 5)));
    EXPECT_EQ(events.status, "加载中...|Loading...");
    EXPECT_FALSE(state.onLine());
    EXPECT_FALSE(state.ready);
    EXPECT_EQ(state.pendingAction, PendingAction::kReload);
    scheduler.SetParameter(0x0001, 3);  // off line now: stored only
    tick(200);
    EXPECT_EQ(port.written.size(), 1u);
    EXPECT_TRUE(events.events.empty());
    ack();
    tick();
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kReload});
    EXPECT_EQ(state.pendingAction, PendingAction::kNone);
}

// A load command that waits in the queue (behind a keep-alive, or behind other writes) reloads
// like one sent at once; edits queued behind it were made to the old mode and never go out.
class QueuedLoadModeTest : public SchedulerTest, public ::testing::WithParamInterface<bool> {};

TEST_P(QueuedLoadModeTest, GoesOutFromTheQueueAndReloads) {
    const bool busyQueue = GetParam();
    state.ready = false;  // a keep-alive waits for its acknowledgement
    if (busyQueue) {
        scheduler.SetParameter(0x0101, 1);
    }
    scheduler.SetParameter(kLoadModeAddress, 17);
    scheduler.SetParameter(0x0102, 2);
    EXPECT_TRUE(state.onLine());
    EXPECT_TRUE(port.written.empty());
    if (busyQueue) {
        ack();
        tick();
        ASSERT_EQ(port.written.size(), 1u);
        EXPECT_EQ(Sent(0), "F5 B1 06 B7 01 01 01 00 AF");
    }

    ack();
    tick();
    EXPECT_EQ(hexBytes(port.written.back()), "F5 B1 06 B7 1E 02 11 00 DD");
    EXPECT_EQ(events.status, "加载中...|Loading...");
    EXPECT_FALSE(state.onLine());
    EXPECT_EQ(state.pendingAction, PendingAction::kReload);
    tick(100);
    EXPECT_EQ(port.written.size(), busyQueue ? 2u : 1u);
    EXPECT_TRUE(events.events.empty());
    ack();
    tick();
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kReload});
}

INSTANTIATE_TEST_SUITE_P(ReadyFlagClearOrBusyQueue, QueuedLoadModeTest, ::testing::Bool());

TEST_F(SchedulerTest, SaveDoneCompletesAtTheFirstTickWithTheReadyFlag) {
    // The save command sets these itself and leaves the ready flag as it is.
    state.ready = false;
    state.pendingAction = PendingAction::kSaveDone;
    state.link = LinkStatus::kOffLine;
    tick(10);
    EXPECT_TRUE(events.events.empty());
    ack();
    tick();
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kSaveDone});
}

TEST_F(SchedulerTest, AModeCommandWithoutAcknowledgementIsLostAfter51Seconds) {
    scheduler.SetParameter(kLoadModeAddress, 1);
    tick(50 * 50 + 49);
    EXPECT_TRUE(events.events.empty());
    tick(51);
    EXPECT_EQ(events.events, std::vector<LinkEventKind>{LinkEventKind::kLinkLost});
    EXPECT_FALSE(state.holdTimerEnabled);
}

}  // namespace
}  // namespace aec::test
