// Key and focus events of the value edit boxes.
#include "editor_fixture.h"

namespace aec::test {
namespace {

using Sent = std::vector<std::pair<int, int>>;
using EditBoxEventsTest = EditorTest;

TEST_F(EditBoxEventsTest, LeavingADirtyBoxCommitsIt) {
    EditBox* gain = edit("MusGainEdit6");
    QTest::mouseClick(gain, Qt::LeftButton);
    gain->selectAll();
    QTest::keyClicks(gain, "4.4");
    QTest::mouseClick(edit("MusGainEdit7"), Qt::LeftButton);
    EXPECT_EQ(gain->text(), "4.4dB");
    EXPECT_EQ(model.param(0, 37), 142);
    EXPECT_EQ(sink.sent, (Sent{{37, 142}}));
}

TEST_F(EditBoxEventsTest, LeavingAnEmptyBoxRestoresItsText) {
    EditBox* gain = edit("MusGainEdit6");
    QTest::mouseClick(gain, Qt::LeftButton);
    gain->selectAll();
    QTest::keyClick(gain, Qt::Key_Backspace);
    QTest::mouseClick(edit("MusGainEdit7"), Qt::LeftButton);
    EXPECT_EQ(gain->text(), "0.0dB");
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(EditBoxEventsTest, LeavingAnUntouchedBoxSendsNothing) {
    QTest::mouseClick(edit("MusGainEdit6"), Qt::LeftButton);
    QTest::mouseClick(edit("MusGainEdit7"), Qt::LeftButton);
    QTest::mouseClick(edit("MusFreEdit7"), Qt::LeftButton);
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(EditBoxEventsTest, ABoxEnteredWithoutAClickRestoresItsOwnText) {
    QTest::mouseClick(edit("MusGainEdit1"), Qt::LeftButton);  // saved text "0.0dB"
    EditBox* freq = edit("MusFreEdit9");
    freq->setFocus(Qt::TabFocusReason);
    freq->selectAll();
    QTest::keyClick(freq, Qt::Key_Minus);
    QTest::keyClick(freq, Qt::Key_Return);
    EXPECT_EQ(freq->text(), "721.0Hz");
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(EditBoxEventsTest, ArrowsInABoxEnteredWithoutAClickStepThatBox) {
    // A refresh makes the last refreshed frequency box current; arrows must still step the
    // box that has the keyboard focus.
    window->RefreshControls(100);
    EditBox* q = edit("MusQEdit2");
    q->setFocus(Qt::TabFocusReason);
    QTest::keyClick(q, Qt::Key_Up);
    EXPECT_EQ(model.param(0, 18), 17);
    EXPECT_EQ(sink.sent, (Sent{{18, 17}}));
}

TEST_F(EditBoxEventsTest, TypedDigitsBeforeAnArrowAreKept) {
    EditBox* freq = edit("MusFreEdit3");
    QTest::mouseClick(freq, Qt::LeftButton);
    freq->selectAll();
    QTest::keyClicks(freq, "100");
    QTest::keyClick(freq, Qt::Key_Down);  // moves to the gain box and lowers it
    EXPECT_EQ(model.param(0, 21), 84);    // 99.0 Hz, nearest to 100
    EXPECT_EQ(freq->text(), "99.0Hz");
    EXPECT_EQ(model.param(0, 22), 119);
}

TEST_F(EditBoxEventsTest, WheelStepsTheClickedBox) {
    QTest::mouseClick(edit("MusFreEdit5"), Qt::LeftButton);
    EXPECT_TRUE(window->sync().FormMouseWheel(120));
    EXPECT_TRUE(window->sync().FormMouseWheel(120));
    EXPECT_TRUE(window->sync().FormMouseWheel(-120));
    EXPECT_EQ(model.param(0, 31), 97);
    EXPECT_EQ(sink.sent, (Sent{{31, 97}, {31, 98}, {31, 97}}));
}

TEST_F(EditBoxEventsTest, OtherKeysStillEdit) {
    EditBox* gain = edit("MusGainEdit8");
    QTest::mouseClick(gain, Qt::LeftButton);
    gain->setCursorPosition(0);
    QTest::keyClick(gain, Qt::Key_Delete);  // no character: the box handles it itself
    EXPECT_EQ(gain->text(), ".0dB");
    QTest::keyClick(gain, Qt::Key_Home);
    QTest::keyClick(gain, Qt::Key_2);
    QTest::keyClick(gain, Qt::Key_Return);
    EXPECT_EQ(gain->text(), "2.0dB");
    EXPECT_EQ(model.param(0, 47), 130);
}

}  // namespace
}  // namespace aec::test
