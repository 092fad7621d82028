// The read-back against the in-process simulated processor: pages into a store of their own,
// the wait for writes in flight, retries, cancel.
#include "link/read_back.h"

#include <numeric>

#include "connection_harness.h"
#include "core/pages.h"

namespace aec::test {
namespace {

class ReadBackTest : public ConnectionTest {
  protected:
    void tick() {
        readBack.tick();
        pump();
    }
    // Page requests among the frames written since the last takeWrites().
    std::vector<int> pageRequests() {
        std::vector<int> pages;
        for (const Bytes& frame : takeWrites()) {
            if (frame[3] == kReadCommand && makeAddress(frame[4], frame[5]) == 0x1E10) {
                pages.push_back(frame[6]);
            }
        }
        return pages;
    }

    ReadBack readBack{connection.state(), connection.sender(), connection.receiver()};
};

TEST_F(ReadBackTest, ReadsEveryPageIntoItsOwnStoreOnly) {
    goOnLine();
    sim.state().memory[kPageMicB][40] = 77;
    sim.state().memory[kPageSystemVolumes][2] = 33;
    const Store before = model.paramStore();
    takeWrites();

    ASSERT_TRUE(readBack.start());
    std::vector<int> progress;
    while (readBack.running() && progress.size() < 100) {
        tick();
        progress.push_back(readBack.pagesDone());
    }
    EXPECT_EQ(readBack.status(), ReadBackStatus::kDone);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), ReadBack::kPages);
    EXPECT_EQ(readBack.values()[kPageMicB][40], 77);
    EXPECT_EQ(readBack.values()[kPageSystemVolumes][2], 33);
    EXPECT_EQ(model.paramStore(), before);
    std::vector<int> all(ReadBack::kPages);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(pageRequests(), all);  // nothing but the requests, each once
}

TEST_F(ReadBackTest, WaitsForTheWritesInFlight) {
    goOnLine();
    connection.scheduler().SendDeviceValuePaced(makeAddress(kPageMain, 70), 9);
    connection.scheduler().SendDeviceValuePaced(makeAddress(kPageMain + 1, 70), 9);
    takeWrites();
    ASSERT_TRUE(readBack.start());
    int waited = 0;
    for (; waited < 20 && !(state().queue.empty() && state().allAcknowledged()); ++waited) {
        readBack.tick();
        EXPECT_TRUE(pageRequests().empty());
        pump();
        hold();
    }
    EXPECT_GT(waited, 0);
    tick();
    EXPECT_EQ(pageRequests(), std::vector<int>{0});
}

TEST_F(ReadBackTest, AnUnansweredPageIsAskedAgainThenTheReadFails) {
    goOnLine();
    sim.faults().stopAfterFrames = sim.framesReceived();
    takeWrites();
    ASSERT_TRUE(readBack.start());
    std::vector<int> requestTicks;
    for (int t = 1; t <= 200 && readBack.running(); ++t) {
        tick();
        if (!pageRequests().empty()) {
            requestTicks.push_back(t);
        }
        if (!readBack.running()) {
            requestTicks.push_back(-t);
        }
    }
    // Asked, again after 11 silent ticks and 21 more, given up 100 ticks later.
    EXPECT_EQ(requestTicks, (std::vector<int>{1, 12, 33, -133}));
    EXPECT_EQ(readBack.status(), ReadBackStatus::kFailed);
}

TEST_F(ReadBackTest, RepliesAfterACancelStayOutOfParamStore) {
    goOnLine();
    sim.state().memory[kPageMusic][12] = 150;
    ASSERT_TRUE(readBack.start());
    readBack.tick();  // page 0 asked
    readBack.cancel();
    pump();
    EXPECT_EQ(readBack.status(), ReadBackStatus::kCancelled);
    EXPECT_NE(model.param(kPageMusic, 12), 150);
    for (int i = 0; i < 10; ++i) {
        readBack.tick();
    }
    // Afterwards a page frame from the processor is the mirror's again.
    connection.sender().sendPageRequest(kPageMusic);
    pump();
    EXPECT_EQ(model.param(kPageMusic, 12), 150);
}

TEST_F(ReadBackTest, NothingStartsOffLine) {
    EXPECT_FALSE(readBack.start());
    EXPECT_EQ(readBack.status(), ReadBackStatus::kIdle);
}

}  // namespace
}  // namespace aec::test
