// The command strip above the graph: pair buttons, music modes, automatic/manual, EQ pass and
// EQ reset, clicked in the window.
#include <algorithm>

#include "editor_fixture.h"

namespace aec::test {
namespace {

using Sent = std::vector<std::pair<int, int>>;

class StripTest : public EditorTest {
  protected:
    void click(const char* name) { QTest::mouseClick(w(name), Qt::LeftButton); }
    // Manual output set-up, as the processor reports it, on the Main tab.
    void manualMain() {
        model.setParam(kPageMusic, 160, 1);
        selectTab(kTabMain);
    }
    // Slots 85 to 159 hold the same as slots 10 to 84.
    bool rightMusicEqualsLeft() const {
        const PageRow& row = model.paramStore()[0];
        return std::equal(row.begin() + 10, row.begin() + 85, row.begin() + 85);
    }
};

TEST_F(StripTest, SyncCopiesLeftToRightAndUnlinkingCopiesAgain) {
    model.setParam(0, 12 + 75, 30);
    click("SameBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x0008, 1}}));
    EXPECT_TRUE(rightMusicEqualsLeft());
    EXPECT_EQ(sink.deviceSent.size(), 75u);  // the processor gets the copies
    EXPECT_EQ(w<BmpButton>("SameBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("RightBtn")->look(), BmpButton::Look::StayDown);

    typeInto("MusGainEdit1", "6");  // linked: the left set
    sink.sent.clear();
    click("RightBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x0008, 0}}));
    EXPECT_TRUE(rightMusicEqualsLeft());
    EXPECT_EQ(sink.deviceSent.size(), 150u);
    typeInto("MusGainEdit1", "-3");
    EXPECT_EQ(model.param(0, 12 + 75), 105);
    EXPECT_EQ(model.param(0, 12), 150);
}

TEST_F(StripTest, RightOnTheMicTabSelectsMicB) {
    selectTab(kTabMicA);
    click("RightBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x020D, 0}}));
    EXPECT_EQ(model.selection.currentTab, kTabMicB);
    EXPECT_EQ(model.selection.curMicPage, 3);
    EXPECT_TRUE(w<ToolButton>("FormMICBTabBtn")->isSelected());
}

TEST_F(StripTest, AutomaticSetUpLocksTheOutputsButNotTheManualButton) {
    manualMain();
    click("AutoModeBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x00A0, 0}}));
    for (const char* name :
         {"MainLdelayBar", "MainEQGainBar1", "MainLmuteBtn", "MainRmuteBtn", "MainRdelayBar",
          "AdvGroupBox6", "OutLimiteGroup", "OutLHPGroup", "AdvGroupBox21", "MainPanScrollBar",
          "AutoModeBtn", "SingModeBtn", "DiscoModeBtn", "CodeModeBtn", "CopyGrop", "EQResetBtn"}) {
        EXPECT_FALSE(w(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(w("ManulModeBtn")->isEnabled());
    EXPECT_EQ(w<BmpButton>("ManulModeBtn")->look(), BmpButton::Look::Disabled);

    click("ManulModeBtn");
    EXPECT_TRUE(w("MainLdelayBar")->isEnabled());
    EXPECT_TRUE(w("EQResetBtn")->isEnabled());
    model.setParam(kPageMusic, 160, 0);  // every refresh applies the stored set-up
    window->RefreshControls(kPageMain);
    EXPECT_FALSE(w("MainLdelayBar")->isEnabled());
}

TEST_F(StripTest, DiscoModeShowsTheOutputPagesOfMusicModeOne) {
    model.setParam(7, 23, 150);  // Main, music mode 1, band 1 gain
    manualMain();
    click("DiscoModeBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x00A1, 1}}));
    EXPECT_EQ(model.selection.curOutputPage, 7);
    EXPECT_EQ(edit("MainGainEdit1")->text(), "6.0dB");
}

TEST_F(StripTest, EqPassDisablesTheResetButtonWhileOnAndIsRefusedOnDynamicEq) {
    click("MusEQAllpassBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x0009, 1}}));
    EXPECT_TRUE(w("EQPassLabel")->isVisible());
    EXPECT_FALSE(w("EQResetBtn")->isEnabled());
    click("MusEQAllpassBtn");
    EXPECT_FALSE(w("EQPassLabel")->isVisible());
    EXPECT_TRUE(w("EQResetBtn")->isEnabled());

    selectTab(kTabDynamicEq);
    sink.sent.clear();
    window->stripCommands().MusEQAllpassBtnClick(*w<BmpButton>("MusEQAllpassBtn"));
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(model.param(kPageMicA, 1), 0);  // the slot its Tag would have reached
    EXPECT_FALSE(w("EQPassLabel")->isVisible());
}

}  // namespace
}  // namespace aec::test
