// The command strip above the graph: pair buttons, music modes, automatic/manual, EQ pass and
// EQ reset, clicked in the window.
#include <QSlider>

#include "editor_fixture.h"

namespace aec::test {
namespace {

using Sent = std::vector<std::pair<int, int>>;

class StripTest : public EditorTest {
  protected:
    void click(const char* name) { QTest::mouseClick(w(name), Qt::LeftButton); }
    // Manual output set-up, as the processor reports it, then the Main tab.
    void manualMain() {
        model.setParam(kPageMusic, 160, 1);
        window->RefreshControls(kAllPages);
        selectTab(kTabMain);
    }
    bool rightMusicEqualsLeft() const {
        for (int s = 10; s <= 84; ++s) {
            if (model.param(0, s + 75) != model.param(0, s)) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(StripTest, SyncCopiesLeftToRightAndUnlinkingCopiesAgain) {
    model.setParam(0, 12 + 75, 30);  // the right set differs before the link
    click("SameBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x0008, 1}}));
    EXPECT_TRUE(rightMusicEqualsLeft());
    ASSERT_EQ(sink.deviceSent.size(), 75u);  // the processor gets the copies
    EXPECT_EQ(sink.deviceSent.front(), std::make_pair(0x0055, 1));
    EXPECT_EQ(model.selection.musicPairState, kPairLinked);
    EXPECT_EQ(w<BmpButton>("SameBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("LeftBtn")->look(), BmpButton::Look::StayDown);
    EXPECT_EQ(w<BmpButton>("RightBtn")->look(), BmpButton::Look::StayDown);

    typeInto("MusGainEdit1", "6");  // linked: the left set
    sink.sent.clear();
    sink.deviceSent.clear();
    click("RightBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x0008, 0}}));
    EXPECT_TRUE(rightMusicEqualsLeft());
    EXPECT_EQ(sink.deviceSent.size(), 75u);
    EXPECT_EQ(edit("MusGainEdit1")->text(), "6.0dB");  // the right set shows the copy
    typeInto("MusGainEdit1", "-3");
    EXPECT_EQ(model.param(0, 12 + 75), 105);
    EXPECT_EQ(model.param(0, 12), 150);
}

TEST_F(StripTest, RightOnTheMicTabSelectsMicB) {
    selectTab(kTabMicA);
    click("RightBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x020D, 0}}));
    EXPECT_TRUE(sink.deviceSent.empty());  // not linked before: nothing copied
    EXPECT_EQ(model.selection.currentTab, kTabMicB);
    EXPECT_EQ(model.selection.curMicPage, 3);
    EXPECT_TRUE(w<ToolButton>("FormMICBTabBtn")->isSelected());
    EXPECT_FALSE(w<ToolButton>("FormMICATabBtn")->isSelected());
    click("LeftBtn");
    EXPECT_EQ(model.selection.currentTab, kTabMicA);
    EXPECT_EQ(model.selection.curMicPage, 2);
}

TEST_F(StripTest, PairButtonsDoNothingWhereNoLinkFlagIs) {
    for (int tab : {kTabEffect, kTabCenter, kTabSub}) {
        model.setParam(kPageMusic, 160, 1);  // manual: the output tabs enable the group
        selectTab(tab);
        const Store before = model.paramStore();
        const Selection selection = model.selection;
        window->stripCommands().SameBtnClick(*w<BmpButton>("SameBtn"));
        EXPECT_TRUE(sink.sent.empty()) << tab;
        EXPECT_TRUE(sink.deviceSent.empty()) << tab;
        EXPECT_EQ(model.paramStore(), before) << tab;
        EXPECT_EQ(model.selection.currentTab, selection.currentTab) << tab;
        EXPECT_EQ(model.selection.surroundPairState, selection.surroundPairState) << tab;
    }
}

TEST_F(StripTest, AutomaticSetUpLocksTheOutputsButNotTheManualButton) {
    manualMain();
    auto* delay = w<QSlider>("MainLdelayBar");
    EXPECT_TRUE(delay->isEnabled());
    click("AutoModeBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x00A0, 0}}));
    for (const char* name :
         {"MainLdelayBar", "MainEQGainBar1", "MainLmuteBtn", "MainRmuteBtn", "MainRdelayBar",
          "AdvGroupBox6", "OutLimiteGroup", "OutLHPGroup", "AdvGroupBox21", "MainPanScrollBar",
          "AutoModeBtn", "SingModeBtn", "DiscoModeBtn", "CodeModeBtn", "CopyGrop", "EQPassGrop",
          "EQResetBtn"}) {
        EXPECT_FALSE(w(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(w("ManulModeBtn")->isEnabled());
    EXPECT_EQ(w<BmpButton>("AutoModeBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("ManulModeBtn")->look(), BmpButton::Look::Disabled);

    click("ManulModeBtn");
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x00A0, 1));
    EXPECT_TRUE(delay->isEnabled());
    EXPECT_TRUE(w("EQResetBtn")->isEnabled());
    // A refresh applies the stored set-up again.
    model.setParam(kPageMusic, 160, 0);
    window->RefreshControls(kPageMain);
    EXPECT_FALSE(delay->isEnabled());
    EXPECT_FALSE(w("CopyGrop")->isEnabled());
}

TEST_F(StripTest, DiscoModeShowsTheOutputPagesOfMusicModeOne) {
    model.setParam(7, 23, 150);  // Main, music mode 1, band 1 gain
    manualMain();
    click("DiscoModeBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x00A1, 1}}));
    EXPECT_EQ(model.selection.musicMode, 1);
    EXPECT_EQ(model.selection.curOutputPage, 7);
    EXPECT_EQ(edit("MainGainEdit1")->text(), "6.0dB");
    EXPECT_EQ(w<BmpButton>("DiscoModeBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("CodeModeBtn")->look(), BmpButton::Look::StayDown);
}

TEST_F(StripTest, EqPassHidesTheResetButtonWhileOn) {
    click("MusEQAllpassBtn");
    EXPECT_EQ(sink.sent, (Sent{{0x0009, 1}}));
    EXPECT_TRUE(w("EQPassLabel")->isVisible());
    EXPECT_FALSE(w("EQResetBtn")->isEnabled());
    click("MusEQAllpassBtn");
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x0009, 0));
    EXPECT_FALSE(w("EQPassLabel")->isVisible());
    EXPECT_TRUE(w("EQResetBtn")->isEnabled());
}

TEST_F(StripTest, EqPassIsRefusedOnTheDynamicEqPage) {
    selectTab(kTabDynamicEq);
    auto* pass = w<BmpButton>("MusEQAllpassBtn");
    window->stripCommands().MusEQAllpassBtnClick(*pass);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(model.param(kPageMicA, 1), 0);  // the slot its Tag would have reached
    EXPECT_EQ(hintOf(pass), "0");
    EXPECT_FALSE(w("EQPassLabel")->isVisible());
}

TEST_F(StripTest, EqResetSendsThePagesBandDefaultsPaced) {
    selectTab(kTabMicB);
    typeInto("MicGainEdit3", "6");
    sink.sent.clear();
    click("EQResetBtn");
    ASSERT_EQ(sink.sent.size(), 100u);  // 20 bands of 5 values, on Mic B's page
    EXPECT_EQ(sink.sent.front(), std::make_pair(0x030F, 1));
    EXPECT_EQ(sink.sent.back().first, 0x0372);
    EXPECT_EQ(model.param(3, 15 + 10 + 2), 120);
    EXPECT_EQ(edit("MicGainEdit3")->text(), "0.0dB");
}

}  // namespace
}  // namespace aec::test
