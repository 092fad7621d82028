// End to end: a music band dragged on the graph of the real window lands in the simulator.
#include <QTest>

#include "core/pages.h"
#include "tests/e2e/online_fixture.h"
#include "ui/widgets/point_image.h"

namespace aec::test {
namespace {

TEST_F(OnlineTest, ADraggedMusicBandReachesTheSimulatorsMemory) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    // Band 3 from its place, 60 pixels right and 40 up.
    auto* marker = w<PointImage>("EP3");
    const QPoint centre(7, 7);
    QTest::mousePress(marker, Qt::LeftButton, {}, centre);
    QTest::mouseMove(marker, centre + QPoint(60, -40));
    QTest::mouseRelease(marker, Qt::LeftButton, {}, centre);
    const int frequency = model().deviceAddress(makeAddress(kPageMusic, 21));
    const int gain = model().deviceAddress(makeAddress(kPageMusic, 22));
    EXPECT_EQ(model().view(kPageMusic, 21), 77);   // 86.7 Hz
    EXPECT_EQ(model().view(kPageMusic, 22), 147);  // +5.4 dB
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(waitReady());
        hold(1);
    }
    ASSERT_TRUE(waitReady());

    window().close();
    stopSim();
    const std::optional<SimState> saved = savedSimState();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->memory[pageOf(frequency)][slotOf(frequency)], 77);
    EXPECT_EQ(saved->memory[pageOf(gain)][slotOf(gain)], 147);
}

}  // namespace
}  // namespace aec::test
