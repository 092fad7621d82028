// Refreshes follow the selection: sides, music modes, sub-pages, and the command looks.
#include <QComboBox>
#include <QSlider>

#include "editor_fixture.h"

namespace aec::test {
namespace {

using Sent = std::vector<std::pair<int, int>>;
using SelectionTest = EditorTest;

TEST_F(SelectionTest, RightMusicSideEditsTheRightBandSet) {
    model.selection.musicPairState = kPairRight;
    window->RefreshControls(0);
    typeInto("MusGainEdit1", "3");
    EXPECT_EQ(model.param(0, 12 + 75), 135);
    EXPECT_EQ(model.param(0, 12), 120);
    EXPECT_EQ(sink.sent, (Sent{{12, 135}}));  // the control's base address goes to the link
}

TEST_F(SelectionTest, MusicModeChoosesTheOutputPages) {
    model.setParam(0, 161, 1);
    model.setParam(0, 160, 1);       // manual set-up: the output bands can be edited
    model.setParam(7, 21 + 2, 150);  // Main, music mode 1, band 1 gain
    window->RefreshControls(100);
    selectTab(kTabMain);
    EXPECT_EQ(model.selection.curOutputPage, 7);
    EXPECT_EQ(edit("MainGainEdit1")->text(), "6.0dB");
    EXPECT_EQ(w<BmpButton>("DiscoModeBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("SingModeBtn")->look(), BmpButton::Look::StayDown);
    typeInto("MainGainEdit2", "-6");
    EXPECT_EQ(model.param(7, 28), 90);
    EXPECT_EQ(model.param(6, 28), 120);
}

TEST_F(SelectionTest, SurroundRightDelayIsAddressedOnPage15) {
    model.selection.surroundPairState = kPairRight;
    selectTab(kTabSurround);
    EXPECT_EQ(model.selection.curOutputPage, 15);
    EXPECT_EQ(tagOf(w("MainRdelayBar")), 0x0F0A);
    w<QSlider>("MainRdelayBar")->setValue(40);
    EXPECT_EQ(sink.sent, (Sent{{0x0F0A, 40}}));
    EXPECT_EQ(model.param(15, 10), 40);
    EXPECT_EQ(w<QLabel>("MainRdelayPane")->text(), "4.0ms");
    w<QSlider>("MainLdelayBar")->setValue(20);
    EXPECT_EQ(model.param(12, 10), 20);  // the left delay stays on the left page
}

TEST_F(SelectionTest, StoredLinkFlagsShowOnThePairButtons) {
    model.setParam(0, 8, 1);
    window->RefreshControls(0);
    EXPECT_EQ(model.selection.musicPairState, kPairLinked);
    EXPECT_EQ(w<BmpButton>("SameBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("LeftBtn")->look(), BmpButton::Look::StayDown);
    model.setParam(0, 8, 0);
    window->RefreshControls(0);
    EXPECT_EQ(model.selection.musicPairState, kPairLeft);
    EXPECT_EQ(w<BmpButton>("LeftBtn")->look(), BmpButton::Look::Pressed);
}

TEST_F(SelectionTest, ManualSetUpUnlocksTheOutputCommandGroups) {
    selectTab(kTabMain);
    EXPECT_FALSE(w("CopyGrop")->isEnabled());
    EXPECT_EQ(w<BmpButton>("AutoModeBtn")->look(), BmpButton::Look::Pressed);
    model.setParam(0, 160, 1);
    window->RefreshControls(100);
    selectTab(kTabMain);
    EXPECT_TRUE(window->commandLooks().manualFlag());
    EXPECT_TRUE(w("CopyGrop")->isEnabled());
    EXPECT_TRUE(w("EQPassGrop")->isEnabled());
    EXPECT_EQ(w<BmpButton>("ManulModeBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("AutoModeBtn")->look(), BmpButton::Look::Disabled);
}

TEST_F(SelectionTest, EqPassFollowsThePageOnShow) {
    model.setParam(2, 14, 1);
    selectTab(kTabMicA);
    auto* pass = w<BmpButton>("MusEQAllpassBtn");
    EXPECT_EQ(tagOf(pass), 0x020E);
    EXPECT_EQ(hintOf(pass), "1");
    EXPECT_TRUE(w("EQPassLabel")->isVisible());
    selectTab(kTabMusic);
    EXPECT_EQ(tagOf(pass), 9);
    EXPECT_FALSE(w("EQPassLabel")->isVisible());
}

TEST_F(SelectionTest, ModeBoxesShowStoredModesWithoutSending) {
    model.setParam(0, 10 + 5 * 6, 3);
    model.setParam(0, 10 + 5 * 6 + 4, 20);
    window->RefreshControls(0);
    EXPECT_EQ(w<QComboBox>("MusModeBox7")->currentText(), "HSEQ");
    EXPECT_EQ(w<Label>("MusHSQBtn7")->fill(), QColor(Qt::white));
    EXPECT_EQ(edit("MusQEdit7")->text(), "1.26");  // the shelf Q slot
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(w<QComboBox>("MusModeBox12")->itemText(0), "Bypass");
    EXPECT_EQ(w<QComboBox>("MusModeBox11")->itemText(0), "BYPSS");
    EXPECT_EQ(w<QComboBox>("DEQModeBox1")->itemText(0), "BYpass");
}

TEST_F(SelectionTest, HighlightingUsesTheRowOfThePageOnShow) {
    selectTab(kTabMicA);
    window->sync().clickRule(edit("MicGainEdit17"));
    EXPECT_TRUE(w<Label>("MicEQPointLabel17")->isOpaque());
    EXPECT_EQ(w<QSlider>("MicPanScrollBar")->value(), 9);
    EXPECT_EQ(window->sync().currentBand(KindOfPage::kMic), 16);

    selectTab(kTabEffect);
    window->EchoAToolButtonClick(*w<ToolButton>("RvbToolButton"));
    window->sync().clickRule(edit("RvbFreEdit4"));
    EXPECT_TRUE(w<Label>("RvbEQPointLabel4")->isOpaque());
    EXPECT_FALSE(w<Label>("EffEQPointLabel4")->isOpaque());

    selectTab(kTabMusic);
    window->sync().clickRule(edit("MusGain3Edit"));  // not a band: band 0 lights up
    EXPECT_TRUE(w<Label>("MusEQPointLabel1")->isOpaque());
    EXPECT_EQ(w<EditBox>("MusGain3Edit")->styleSheet().contains("#c8c8c8"), true);
    EXPECT_EQ(w<EditBox>("RvbFreEdit4")->styleSheet().contains("#e6e6e6"), true);
}

TEST_F(SelectionTest, LabelsThatNameNoEditBoxDoNothing) {
    w<Label>("MicEQPointLabel3")->clicked();  // reaches a mode box
    w<Label>("DEQPointLabel1")->clicked();    // reaches a slider
    EXPECT_EQ(window->sync().currentEdit(), edit("MusFreEdit1"));
    EXPECT_EQ(window->sync().wheelFlag(), 0);
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(SelectionTest, HiddenPageSpinButtonsSitOnTheShelfSlot) {
    w("FormHintTabBtn")->show();
    selectTab(kTabHint);
    w<SpinButtons>("HintQUpDownBtn2")->upButton()->click();
    EXPECT_EQ(edit("HintQEdit2")->text(), "1.06");
    EXPECT_EQ(sink.sent, (Sent{{0x1909, 17}}));  // PEQ edits the Q slot itself
}

TEST_F(SelectionTest, VolumeBarsShowTheirValueAndMarkers) {
    w<QSlider>("SysMusMaxVolBar")->setValue(40);
    EXPECT_EQ(w<QLabel>("SysMusMaxVolPane")->text(), "40");
    EXPECT_EQ(w("MusMaxImage")->x(), 129);  // 40 x 1.89 + 53
    EXPECT_EQ(sink.sent, (Sent{{0x1D06, 40}}));
}

TEST_F(SelectionTest, RefreshShowsTheDeviceIdentity) {
    EXPECT_EQ(w<QLabel>("DeviceIDLabel")->text(), "");
    model.deviceIdentity = "12AB007F";
    window->RefreshControls(0);  // a page refresh, as after a tab change
    EXPECT_EQ(w<QLabel>("DeviceIDLabel")->text(), "12AB007F");
}

TEST_F(SelectionTest, TabChangeEndsWheelEditing) {
    QTest::mouseClick(edit("MusFreEdit2"), Qt::LeftButton);
    EXPECT_EQ(window->sync().wheelFlag(), 1);
    selectTab(kTabMicA);
    EXPECT_FALSE(window->sync().FormMouseWheel(120));
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(SelectionTest, GraphTimerRedrawsTheEditedBandsPoint) {
    const QPoint before = w("EP4")->pos();
    typeInto("MusGainEdit4", "9");
    window->Timer1Timer();
    EXPECT_LT(w("EP4")->y(), before.y());
}

}  // namespace
}  // namespace aec::test
