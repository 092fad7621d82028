// End to end: closing the window ends the editor within a second whatever the link is doing,
// says goodbye only when on line, and nothing of the link runs on or shows a window again.
#include <QTest>
#include <ostream>

#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

enum class LinkPhase { kSearching, kLoading, kOnLine };

struct Closing {
    const char* name;
    LinkPhase phase;
    bool saysGoodbye;
};

void PrintTo(const Closing& closing, std::ostream* out) { *out << closing.name; }

class ClosingTest : public OnlineTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(ClosingTest, EndsTheEditorWithinASecond) {
    const Closing& closing = GetParam();
    if (closing.phase != LinkPhase::kSearching) {
        ASSERT_TRUE(startSim());
    }
    startEditor();  // no port but the simulator's: without one the search runs on
    if (closing.phase == LinkPhase::kLoading) {
        ASSERT_TRUE(search());
    } else if (closing.phase == LinkPhase::kOnLine) {
        ASSERT_TRUE(linkUp());
    }
    TForm3& link = editor->link();
    link.setManualTicks(false);  // from here on the link's own timers run it

    EXPECT_EQ(closeInsideEventLoop(250), 0);
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(editor->dialog().isVisible());
    for (LinkTimer timer : {LinkTimer::kTimer1, LinkTimer::kTimer2, LinkTimer::kHoldTimer}) {
        EXPECT_FALSE(link.timerActive(timer)) << static_cast<int>(timer);
    }
    if (closing.phase == LinkPhase::kLoading) {
        EXPECT_LT(connection().stepIndex(), Connection::kLoadSteps);
    }
    const auto goodbye = [this] { return simLog().contains("write disconnect"); };
    EXPECT_EQ(QTest::qWaitFor(goodbye, closing.saysGoodbye ? kPatienceMs : 300),
              closing.saysGoodbye);

    // A load that still ends (driven by hand here) brings neither window back.
    (void)transfer();
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(editor->dialog().isVisible());
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(LinkPhases, ClosingTest,
                         ::testing::Values(Closing{"Searching", LinkPhase::kSearching, false},
                                           Closing{"Loading", LinkPhase::kLoading, false},
                                           Closing{"OnLine", LinkPhase::kOnLine, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace aec::test
