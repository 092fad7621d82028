// End to end: an undo reaches aec-sim's memory, and a mode load on the processor ends the
// history.
#include <QTest>

#include "core/pages.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

class UndoOnlineTest : public OnlineTest {
  protected:
    void quiet() {
        for (int i = 0; i <= EditHistory::kQuietTicks; ++i) {
            window().Timer1Timer();
        }
    }
    void undoKey() { QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier); }
};

TEST_F(UndoOnlineTest, UndoingAnEqResetPutsTheProcessorBack) {
    SimState box = defaultSimState();
    for (int b = 0; b < pageBands(kPageMusic); ++b) {
        box.memory[kPageMusic][10 + 5 * b + 2] = 150;  // +6 dB
    }
    writeSimState(box);
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    QTest::mouseClick(w("EQResetBtn"), Qt::LeftButton);
    ASSERT_TRUE(drain());
    quiet();
    undoKey();
    ASSERT_TRUE(drain());
    const Store memory = simMemoryAfterClose();
    for (int b = 0; b < pageBands(kPageMusic); ++b) {
        EXPECT_EQ(memory[kPageMusic][10 + 5 * b + 2], 150) << "band " << b;
    }
}

TEST_F(UndoOnlineTest, AModeLoadEndsTheHistory) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    QTest::mouseClick(w("EQResetBtn"), Qt::LeftButton);
    model().setParam(kPageMusic, 12, 150);  // an edit not yet closed
    ASSERT_TRUE(drain());

    w<BmpButton>("SysModeBtn3")->click();
    // The acknowledgement of the mode load starts the reload.
    for (int i = 0; i < 100 && !connection().timer2Enabled(); ++i) {
        hold(1);
        QTest::qWait(10);
    }
    ASSERT_TRUE(transfer());  // the processor's settings of mode 3
    EXPECT_FALSE(model().history.canUndo());
    EXPECT_EQ(model().history.start(), HistoryStart::kModeLoaded);
    messages.clear();
    window().undoCommands().UndoClick();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_TRUE(messages.shown().back().text.contains(QString::fromUtf8("调用模式")));
}

}  // namespace
}  // namespace aec::test
