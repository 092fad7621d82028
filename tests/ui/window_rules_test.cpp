// The tab selector and the small rules of navigation and synchronisation.
#include <gtest/gtest.h>

#include "core/model.h"
#include "ui/rules/sync_rules.h"
#include "ui/rules/tab_selector.h"

namespace aec::test {
namespace {

TEST(TabSelector, ViewAndSheetOfEveryTab) {
    const int expected[kTabCount][2] = {{0, 0}, {1, 8}, {2, 1}, {2, 1}, {4, 2},
                                        {6, 3}, {6, 3}, {6, 3}, {6, 3}, {25, 4}};
    for (int tab = 0; tab < kTabCount; ++tab) {
        Selection sel;
        const TabLayout layout = selectTab(sel, tab, false);
        EXPECT_EQ(viewPage(layout.currentView), expected[tab][0]) << tab;
        EXPECT_EQ(viewSheet(layout.currentView), expected[tab][1]) << tab;
    }
}

TEST(TabSelector, MicTabsChooseThePageByPairState) {
    Selection sel;
    selectTab(sel, kTabMicB, false);
    EXPECT_EQ(sel.curMicPage, 3);
    EXPECT_EQ(sel.micPairState, kPairRight);
    selectTab(sel, kTabMicA, false);
    EXPECT_EQ(sel.curMicPage, 2);
    EXPECT_EQ(sel.micPairState, kPairLeft);
    // Linked microphones: Mic B edits page 2 too and the link survives both tabs.
    sel.micPairState = kPairLinked;
    selectTab(sel, kTabMicB, false);
    EXPECT_EQ(sel.curMicPage, 2);
    selectTab(sel, kTabMicA, false);
    EXPECT_EQ(sel.micPairState, kPairLinked);
}

TEST(TabSelector, OutputPagesFollowMusicModeAndRightSide) {
    Selection sel;
    sel.musicMode = 2;
    selectTab(sel, kTabMain, false);
    EXPECT_EQ(sel.curOutputPage, 8);
    sel.mainPairState = kPairRight;
    selectTab(sel, kTabMain, false);
    EXPECT_EQ(sel.curOutputPage, 11);
    sel.surroundPairState = kPairRight;
    sel.musicMode = 1;
    selectTab(sel, kTabSurround, false);
    EXPECT_EQ(sel.curOutputPage, 16);
    selectTab(sel, kTabCenter, false);
    EXPECT_EQ(sel.curOutputPage, 19);
    selectTab(sel, kTabSub, false);
    EXPECT_EQ(sel.curOutputPage, 22);
}

TEST(TabSelector, EchoBShowsTheEchoBasePage) {
    Selection sel;
    sel.curEffectPage = kPageEchoB;
    EXPECT_EQ(viewPage(selectTab(sel, kTabEffect, false).currentView), kPageEchoA);
    sel.curEffectPage = kPageReverb;
    EXPECT_EQ(viewPage(selectTab(sel, kTabEffect, false).currentView), kPageReverb);
}

TEST(TabSelector, SharedTextsAndVisibility) {
    Selection sel;
    const TabLayout main = selectTab(sel, kTabMain, false);
    EXPECT_TRUE(main.copyGroupShown);
    EXPECT_TRUE(main.singleDiscoShown);
    EXPECT_EQ(*main.leftButton, (TextPair{"主左", "Main L"}));
    EXPECT_EQ(main.limiterTitle, (TextPair{"主输出压限", "Main Limit"}));
    EXPECT_TRUE(main.rightChannelShown);
    EXPECT_EQ(main.leftMuteX, kLeftMuteXPaired);
    EXPECT_FALSE(main.commandGroupsEnabled);

    const TabLayout center = selectTab(sel, kTabCenter, true);
    EXPECT_FALSE(center.copyGroupShown);
    EXPECT_EQ(center.leftMute, (TextPair{"中置静音", "Cen Mute"}));
    EXPECT_FALSE(center.rightChannelShown);
    EXPECT_EQ(center.leftMuteX, kLeftMuteXAlone);
    EXPECT_TRUE(center.commandGroupsEnabled);

    const TabLayout music = selectTab(sel, kTabMusic, false);
    EXPECT_EQ(music.limiterTitle, TextPair{});
    EXPECT_EQ(*music.rightButton, (TextPair{"音乐右", "Right"}));
    EXPECT_TRUE(music.commandGroupsEnabled);
    EXPECT_FALSE(music.micLimiterTitle.has_value());

    for (int tab : {kTabDynamicEq, kTabEffect, kTabHint}) {
        const TabLayout layout = selectTab(sel, tab, false);
        EXPECT_FALSE(layout.copyGroupShown) << tab;
        EXPECT_FALSE(layout.singleDiscoShown) << tab;
    }
    EXPECT_EQ(selectTab(sel, kTabMicB, false).micLimiterTitle->cn, "麦克风B压限");
}

TEST(SyncRules, BandStripScrollsOnlyToBringTheBandIntoView) {
    EXPECT_EQ(scrollToShowBand(0, 12, 9), 4);
    EXPECT_EQ(scrollToShowBand(0, 8, 9), 0);
    EXPECT_EQ(scrollToShowBand(0, 9, 9), 1);
    EXPECT_EQ(scrollToShowBand(5, 3, 9), 3);
    EXPECT_EQ(scrollToShowBand(2, 19, 8), 12);
    EXPECT_EQ(scrollToShowBand(3, 6, 5), 3);
}

TEST(SyncRules, PointLabelAddresses) {
    EXPECT_EQ(pointLabelAddress(0, 1, 1), 1);
    EXPECT_EQ(pointLabelAddress(0, 10, 3), 48);
    EXPECT_EQ(pointLabelAddress(2, 20, 5), 0x0200 + 100);
    EXPECT_EQ(pointLabelAddress(6, 5, 31), 0x0600 + 51);
}

TEST(SyncRules, RightChannelPages) {
    EXPECT_EQ(rightChannelPage(6), 9);
    EXPECT_EQ(rightChannelPage(11), 9);
    EXPECT_EQ(rightChannelPage(12), 15);
    EXPECT_EQ(rightChannelPage(17), 15);
    EXPECT_FALSE(rightChannelPage(18).has_value());
    EXPECT_FALSE(rightChannelPage(23).has_value());
}

TEST(SyncRules, SelectionFlagsFromTheStores) {
    Model m;
    m.setParam(0, 161, 2);
    readMusicMode(m);
    EXPECT_EQ(m.selection.musicMode, 2);
    m.setParam(0, 161, 7);
    readMusicMode(m);
    EXPECT_EQ(m.selection.musicMode, 0);

    m.selection.micPairState = kPairRight;
    m.selection.mainPairState = kPairLinked;
    m.setView(0, 8, 1);
    readPairStates(m);
    EXPECT_EQ(m.selection.musicPairState, kPairLinked);
    EXPECT_EQ(m.selection.micPairState, kPairRight);  // no flag: a side stays chosen
    EXPECT_EQ(m.selection.mainPairState, kPairLeft);  // linked without its flag: unlinked
}

TEST(SyncRules, VolumeKeys) {
    EXPECT_EQ(volumeKey('Q')->bar, 0);
    EXPECT_EQ(volumeKey('q')->delta, +1);
    EXPECT_EQ(volumeKey('A')->delta, -1);
    EXPECT_EQ(volumeKey('W')->bar, 1);
    EXPECT_EQ(volumeKey('d')->bar, 2);
    EXPECT_FALSE(volumeKey('Z').has_value());
    EXPECT_FALSE(volumeKey(0x01000013).has_value());
}

}  // namespace
}  // namespace aec::test
