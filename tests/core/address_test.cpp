// Address mapping: pages, bands and the selection-dependent device address.
#include <gtest/gtest.h>

#include "core/model.h"
#include "core/pages.h"

namespace aec::test {
namespace {

TEST(PageTables, BandSlotBothLayouts) {
    EXPECT_EQ(BandSlot(kDynamicEqLayout, 2, 4), 26);
    EXPECT_EQ(BandSlot(21, 9, 4), 70);
    EXPECT_EQ(BandSlot(10, 14, 4), 84);
}

TEST(PageTables, PageKindByPage) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 8},  {2, 1},  {3, 1},  {4, 2},  {5, 2},
                                         {6, 3}, {23, 3}, {24, 2}, {25, 4}, {28, 4}, {30, 4}};
    for (auto [page, kind] : cases) {
        EXPECT_EQ(kindIndex(PageKind(page * 256 + 7)), kind) << page;
    }
}

TEST(PageTables, BandsFitInsideTheirPages) {
    // The last shelf Q of every band must name a real slot.
    for (int page = 0; page < kPageCount; ++page) {
        if (pageBands(page) == 0) {
            continue;
        }
        const int last = BandSlot(firstEqSlot(page), pageBands(page) - 1, 4);
        EXPECT_LT(last, kSlotCount) << page;
    }
}

TEST(BandOf, MusicPage) {
    EXPECT_EQ(BandOf(0x000E), (BandRef{0, 4}));
    EXPECT_EQ(BandOf(84), (BandRef{14, 4}));
    EXPECT_FALSE(BandOf(9).isBand());
    EXPECT_EQ(BandOf(4), (BandRef{15, 0}));
    EXPECT_EQ(BandOf(7), (BandRef{16, 0}));
}

TEST(BandOf, CrossoversAndSpecialPages) {
    EXPECT_EQ(BandOf(0x0612), (BandRef{11, 0}));
    EXPECT_EQ(BandOf(0x0613), (BandRef{11, 0}));
    EXPECT_EQ(BandOf(0x0610), (BandRef{10, 0}));
    EXPECT_EQ(BandOf(0x0209), (BandRef{20, 0}));
    EXPECT_EQ(BandOf(0x020C), (BandRef{21, 0}));
    EXPECT_FALSE(BandOf(0x0407).isBand());
    EXPECT_EQ(BandOf(0x040E), (BandRef{0, 0}));
    EXPECT_EQ(BandOf(0x0507), (BandRef{7, 0}));
    EXPECT_EQ(BandOf(0x0509), (BandRef{8, 0}));
    EXPECT_FALSE(BandOf(0x0107).isBand());  // a threshold
    EXPECT_EQ(BandOf(0x0116), (BandRef{2, 0}));
    EXPECT_EQ(BandOf(0x0110), (BandRef{1, 4}));
    EXPECT_FALSE(BandOf(0x1900).isBand());
    EXPECT_EQ(BandOf(0x1901), (BandRef{0, 0}));
    EXPECT_FALSE(BandOf(0x0315).isBand());  // Mic B has no controls of its own
}

TEST(QSlotOf, FollowsTheBandMode) {
    Model m;
    m.setView(0, 10, 1);  // band 0 PEQ
    EXPECT_EQ(m.QSlotOf(13), 13);
    EXPECT_EQ(m.QSlotOf(14), 13);
    m.setView(0, 10, 2);  // low shelf
    EXPECT_EQ(m.QSlotOf(13), 14);
    EXPECT_EQ(m.QSlotOf(14), 14);
    m.setView(0, 10, 3);
    EXPECT_EQ(m.QSlotOf(13), 14);
    m.setView(0, 10, 0);
    EXPECT_EQ(m.QSlotOf(14), 13);
    EXPECT_EQ(m.QSlotOf(12), 12);  // a gain slot is returned unchanged
    m.setView(1, 12, 3);           // Dynamic EQ band 1
    EXPECT_EQ(m.QSlotOf(0x010F), 0x0110);
}

TEST(ResolveAddress, SelectionCases) {
    Model m;
    Selection& s = m.selection;
    s.curMicPage = 3;
    EXPECT_EQ(m.ResolveAddress(0x020D), 0x020D);  // the Mic A/B link flag stays on page 2
    EXPECT_EQ(m.ResolveAddress(0x0220), 0x0320);
    s.curEffectPage = 5;
    EXPECT_EQ(m.ResolveAddress(0x0405), 0x0405);
    s.curEffectPage = 24;
    EXPECT_EQ(m.ResolveAddress(0x0405), 0x1805);
    s.musicMode = 1;
    s.curOutputPage = 10;                         // Main right
    EXPECT_EQ(m.ResolveAddress(0x060D), 0x070D);  // limiter on the left page of the mode
    s.curOutputPage = 19;                         // Center, music mode 1
    EXPECT_EQ(m.ResolveAddress(0x060A), 0x130A);
    s.musicMode = 2;
    EXPECT_EQ(m.ResolveAddress(0x090B), 0x0B0B);
    EXPECT_EQ(m.ResolveAddress(0x0F0A), 0x110A);
    EXPECT_EQ(m.ResolveAddress(0x0615), 0x1315);  // an EQ slot goes to the output page
    s.curHintPage = 27;
    EXPECT_EQ(m.ResolveAddress(0x1903), 0x1B03);
    for (int page : {0, 1, 5, 28, 29, 30}) {
        for (int slot : {0, 13, 84, 164}) {
            EXPECT_EQ(m.ResolveAddress(page * 256 + slot), page * 256 + slot);
        }
    }
}

TEST(ChannelSlot, RightSetsOnly) {
    Model m;
    m.selection.musicPairState = kPairRight;
    EXPECT_EQ(m.ChannelSlot(0, 84), 159);
    EXPECT_EQ(m.ChannelSlot(0, 10), 85);
    EXPECT_EQ(m.ChannelSlot(0, 85), 85);
    EXPECT_EQ(m.ChannelSlot(0, 9), 9);
    m.selection.musicPairState = kPairLinked;
    EXPECT_EQ(m.ChannelSlot(0, 84), 84);
    m.selection.deqPairState = kPairRight;
    EXPECT_EQ(m.ChannelSlot(1, 1), 31);
    EXPECT_EQ(m.ChannelSlot(1, 30), 60);
    EXPECT_EQ(m.ChannelSlot(1, 0), 0);
    EXPECT_EQ(m.ChannelSlot(2, 20), 20);
}

}  // namespace
}  // namespace aec::test
