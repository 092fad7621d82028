// End to end: the command strip's bursts reach aec-sim and leave its memory as the window shows.
#include <QTest>

#include "core/pages.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

using StripOnlineTest = OnlineTest;

TEST_F(StripOnlineTest, SyncLinksTheMusicChannelsAndTheRightSetFollowsTheLeft) {
    SimState box = defaultSimState();
    box.memory[kPageMusic][12 + 75] = 40;  // the right set differs from the left
    writeSimState(box);
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    QTest::mouseClick(w("SameBtn"), Qt::LeftButton);
    ASSERT_TRUE(drain());
    const Store memory = simMemoryAfterClose();
    EXPECT_EQ(memory[kPageMusic][8], 1);
    for (int s = 10; s <= 84; ++s) {
        EXPECT_EQ(memory[kPageMusic][s + 75], memory[kPageMusic][s]) << "slot " << s;
    }
}

TEST_F(StripOnlineTest, EqResetLeavesThePagesBandsAtTheirDefaults) {
    SimState box = defaultSimState();
    for (int b = 0; b < pageBands(kPageMusic); ++b) {
        box.memory[kPageMusic][10 + 5 * b] = 3;        // high shelf
        box.memory[kPageMusic][10 + 5 * b + 2] = 150;  // +6 dB
    }
    writeSimState(box);
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    QTest::mouseClick(w("EQResetBtn"), Qt::LeftButton);
    ASSERT_TRUE(drain());
    const Store memory = simMemoryAfterClose();
    for (int b = 0; b < pageBands(kPageMusic); ++b) {
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(memory[kPageMusic][10 + 5 * b + s], bandDefault(KindOfPage::kMusic, b, s))
                << "band " << b << " sub-slot " << s;
        }
    }
}

}  // namespace
}  // namespace aec::test
