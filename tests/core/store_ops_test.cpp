// Store operations: writing, rebuilding the view, band defaults and left-to-right copies.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "core/model.h"

namespace aec::test {
namespace {

struct RecordingSink : ParameterSink {
    Model* model = nullptr;
    std::vector<std::pair<int, int>> paced;
    void SetParameter(int a, int v) override { model->StoreValue(a, v); }
    void SetParameterPaced(int a, int v) override {
        paced.emplace_back(a, v);
        model->StoreValue(a, v);
    }
    void SendDeviceValuePaced(int a, int v) override { device.emplace_back(a, v); }
    std::vector<std::pair<int, int>> device;
};

TEST(Model, StartUpContents) {
    Model m;
    EXPECT_EQ(m.param(0, 7), 360);
    EXPECT_EQ(m.param(3, 12), 360);
    EXPECT_EQ(m.param(24, 12), 360);
    EXPECT_EQ(m.param(5, 9), 360);
    EXPECT_EQ(m.param(23, 19), 360);
    EXPECT_EQ(m.param(0, 5), 0);
    EXPECT_EQ(m.param(25, 19), 0);
    EXPECT_EQ(m.selection.curOutputPage, 6);
    EXPECT_EQ(m.languageFlag(), 1);
}

TEST(Model, WritesOutsideTheStoresAreIgnored) {
    Model m;
    const Store before = m.paramStore();
    m.setParam(31, 0, 5);
    m.setParam(-1, 0, 5);
    m.setParam(0, 165, 5);
    m.setParam(0, -1, 5);
    m.StoreValue(31 * 256 + 3, 9);
    m.StoreValue(0x00FF, 9);
    EXPECT_EQ(m.paramStore(), before);
    EXPECT_EQ(m.param(40, 2), 0);
}

TEST(Model, StoreValueWritesBothStores) {
    Model m;
    m.selection.musicPairState = kPairRight;
    m.StoreValue(12, 150);
    EXPECT_EQ(m.view(0, 12), 150);
    EXPECT_EQ(m.param(0, 87), 150);
    EXPECT_EQ(m.param(0, 12), 0);
    m.selection.curOutputPage = 16;
    m.StoreValue(0x0620, 7);
    EXPECT_EQ(m.param(16, 0x20), 7);
}

TEST(ResetEqBands, AllPagesSendNothing) {
    Model m;
    RecordingSink sink;
    sink.model = &m;
    EXPECT_EQ(m.ResetEqBands(kAllPages, &sink), kAllPages);
    EXPECT_TRUE(sink.paced.empty());
    EXPECT_EQ(m.selection.musicPairState, kPairLeft);
    EXPECT_EQ(m.param(0, 85), 1);
    EXPECT_EQ(m.param(0, 86), 2);
    EXPECT_EQ(m.param(0, 87), 120);
    EXPECT_EQ(m.param(0, 88), 16);
    EXPECT_EQ(m.param(0, 89), 10);
    EXPECT_EQ(m.param(0, 156), 333);  // right band 14 frequency
    EXPECT_EQ(m.view(0, 85), 0);      // the right set is not in the view
    EXPECT_EQ(m.param(1, 3), 20);     // dynamic band 0 frequency at slot 2 + 1
    EXPECT_EQ(m.param(1, 33), 0);     // the right Dynamic EQ set is not reset
    EXPECT_EQ(m.param(3, 15 + 5 * 19 + 1), 360);
    EXPECT_EQ(m.param(24, 14 + 5 * 6 + 1), 300);
    EXPECT_EQ(m.param(23, 21 + 5 * 9 + 1), 272);
    EXPECT_EQ(m.param(27, 21 + 1), 280);
    EXPECT_EQ(m.param(28, 48), 0);
}

TEST(ResetEqBands, SinglePageIsPacedInBandOrder) {
    Model m;
    RecordingSink sink;
    sink.model = &m;
    m.selection.curMicPage = 3;
    const PageRow micA = m.paramStore()[2];
    EXPECT_EQ(m.ResetEqBands(2, &sink), 3);
    ASSERT_EQ(sink.paced.size(), 100u);
    EXPECT_EQ(sink.paced.front(), (std::pair<int, int>{0x030F, 1}));
    EXPECT_EQ(sink.paced[1], (std::pair<int, int>{0x0310, 2}));
    EXPECT_EQ(sink.paced.back(), (std::pair<int, int>{0x0372, 10}));
    for (size_t i = 1; i < sink.paced.size(); ++i) {
        EXPECT_EQ(sink.paced[i].first, sink.paced[i - 1].first + 1);
    }
    EXPECT_EQ(m.paramStore()[2], micA);
    EXPECT_EQ(m.param(3, 15 + 5 * 13 + 1), 299);
}

TEST(ResetEqBands, TargetsFollowTheSelection) {
    Model m;
    RecordingSink sink;
    sink.model = &m;
    m.selection.curOutputPage = 16;
    m.ResetEqBands(6, &sink);
    ASSERT_EQ(sink.paced.size(), 50u);
    EXPECT_EQ(sink.paced.front().first, 0x1015);
    EXPECT_EQ(m.param(16, 22), 2);
    EXPECT_EQ(m.param(6, 22), 0);
    sink.paced.clear();
    m.ResetEqBands(1, &sink);
    ASSERT_EQ(sink.paced.size(), 15u);
    EXPECT_EQ(sink.paced.front().first, 0x0102);
    EXPECT_EQ(sink.paced.back().first, 0x011A);
}

TEST(CopyLeftToRight, MusicKeepsGlobalSlots) {
    Model m;
    for (int s = 0; s < kSlotCount; ++s) {
        m.setParam(0, s, s + 1000);
    }
    m.CopyLeftToRight(0);
    EXPECT_EQ(m.param(0, 85), 1010);
    EXPECT_EQ(m.param(0, 159), 1084);
    for (int s = 160; s <= 163; ++s) {
        EXPECT_EQ(m.param(0, s), s + 1000);
    }
}

TEST(CopyLeftToRight, MainCopiesAllModesUpToSlot69) {
    Model m;
    m.selection.currentTab = kTabMain;
    m.selection.currentView = 6 * 256;
    for (int p = 6; p <= 8; ++p) {
        for (int s = 0; s < kSlotCount; ++s) {
            m.setParam(p, s, p * 1000 + s);
        }
    }
    m.CopyLeftToRight(6);
    for (int mode = 0; mode < 3; ++mode) {
        EXPECT_EQ(m.param(9 + mode, 0), (6 + mode) * 1000);
        EXPECT_EQ(m.param(9 + mode, 69), (6 + mode) * 1000 + 69);
        EXPECT_EQ(m.param(9 + mode, 70), 0);
    }
    EXPECT_EQ(m.param(15, 0), 0);  // Surround untouched
    EXPECT_EQ(m.view(9, 0), 0);    // the view is rebuilt by the caller's refresh
}

TEST(CopyLeftToRight, MicCopiesOnlyTheEqualiser) {
    Model m;
    m.selection.currentView = 2 * 256;
    m.selection.currentTab = kTabMicA;
    for (int s = 0; s < kSlotCount; ++s) {
        m.setParam(2, s, 500 + s);
    }
    m.CopyLeftToRight(2);
    EXPECT_EQ(m.param(3, 14), 0);
    EXPECT_EQ(m.param(3, 15), 515);
    EXPECT_EQ(m.param(3, 114), 614);
    EXPECT_EQ(m.param(3, 115), 0);
}

TEST(CopyLeftToRight, DynamicEqAndSurround) {
    Model m;
    m.selection.currentView = 1 * 256;
    m.setParam(1, 1, 2);
    m.setParam(1, 30, 7);
    m.CopyLeftToRight(1);
    EXPECT_EQ(m.param(1, 31), 2);
    EXPECT_EQ(m.param(1, 60), 7);
    m.selection.currentView = 6 * 256;
    m.selection.currentTab = kTabSurround;
    m.setParam(14, 5, 9);
    m.CopyLeftToRight(6);
    EXPECT_EQ(m.param(17, 5), 9);
}

// The copied right set goes out by device address: base addresses under the current selection
// would reach the left pages (Mic B, Main right) or miss the shared limiter slots.
TEST(CopyLeftToRight, SendsEveryCopiedValueByDeviceAddress) {
    const int cases[][5] = {{0, kTabMusic, 75, 0x0055, 0x009F},
                            {1, kTabDynamicEq, 30, 0x011F, 0x013C},
                            {2, kTabMicA, 100, 0x030F, 0x0372},
                            {6, kTabMain, 210, 0x0900, 0x0B45},
                            {6, kTabSurround, 210, 0x0F00, 0x1145}};
    for (const auto& [page, tab, count, first, last] : cases) {
        Model m;
        RecordingSink sink;
        sink.model = &m;
        m.selection.currentView = page * 256;
        m.selection.currentTab = tab;
        m.setParam(page, 15, 77);
        m.CopyLeftToRight(page, &sink);
        ASSERT_EQ(sink.device.size(), static_cast<size_t>(count)) << tab;
        EXPECT_EQ(sink.device.front().first, first) << tab;
        EXPECT_EQ(sink.device.back().first, last) << tab;
        for (const auto& [address, value] : sink.device) {
            EXPECT_EQ(value, m.param(address / 256, address % 256)) << address;
        }
    }
}

TEST(SyncView, SurroundRightInMusicModeOne) {
    Model m;
    for (int p = 0; p < kPageCount; ++p) {
        for (int s = 0; s < kSlotCount; ++s) {
            m.setParam(p, s, p * 1000 + s);
        }
    }
    m.selection.musicMode = 1;
    m.selection.curOutputPage = 16;
    m.SyncView();
    for (int s = 0; s < pageSlotCount(6); ++s) {
        const int page = (s >= 10 && s <= 15) ? 13 : 16;
        EXPECT_EQ(m.view(6, s), page * 1000 + s) << s;
    }
    EXPECT_EQ(m.view(15, 10), 16 * 1000 + 10);
    EXPECT_EQ(m.view(15, 11), 16 * 1000 + 11);
    EXPECT_EQ(m.view(9, 10), 10 * 1000 + 10);
    EXPECT_EQ(m.view(6, 70), 16 * 1000 + 70);  // the last band's shelf Q, beyond the slot count
}

TEST(SyncView, SelectedSubPagesAndSides) {
    Model m;
    for (int p = 0; p < kPageCount; ++p) {
        for (int s = 0; s < kSlotCount; ++s) {
            m.setParam(p, s, p * 1000 + s);
        }
    }
    m.selection.curMicPage = 3;
    m.selection.curEffectPage = 24;
    m.selection.curHintPage = 26;
    m.selection.musicPairState = kPairRight;
    m.SyncView();
    EXPECT_EQ(m.view(2, 20), 3020);
    EXPECT_EQ(m.view(2, 13), 2013);
    EXPECT_EQ(m.view(4, 5), 24005);
    EXPECT_EQ(m.view(25, 3), 26003);
    EXPECT_EQ(m.view(0, 10), 85);
    EXPECT_EQ(m.view(0, 9), 9);
    EXPECT_EQ(m.view(30, 20), 30020);
}

}  // namespace
}  // namespace aec::test

namespace aec::test {
namespace {

TEST(Model, CopiesStartOutsideTheSourcesScopes) {
    Model source;
    const ScopedState::Scope refreshing = source.beginRefresh();
    const Model copy = source;
    EXPECT_TRUE(source.refreshing());
    EXPECT_FALSE(copy.refreshing());
}

TEST(Model, NestedScopesKeepTheOuterStateRaised) {
    Model m;
    {
        const ScopedState::Scope outer = m.beginRefresh();
        { const ScopedState::Scope inner = m.beginRefresh(); }
        EXPECT_TRUE(m.refreshing());
    }
    EXPECT_FALSE(m.refreshing());
}

}  // namespace
}  // namespace aec::test

namespace aec::test {
namespace {

TEST(OfflineEdits, EachSettingOnceInTheOrderFirstChangedWithItsLatestValue) {
    OfflineEdits edits;
    edits.record(0x0C05, 1);
    edits.record(kInputSelectAddress, 2);
    edits.record(kLoadModeAddress, 3);  // a command, not a setting
    edits.record(0x0C05, 4);
    edits.record(kSystemPasswordAddress, 5);
    EXPECT_EQ(edits.edits(), (std::vector<OfflineEdit>{{0x0C05, 4}, {kInputSelectAddress, 2}}));
    const std::string kept = edits.text();
    edits.clear();
    EXPECT_TRUE(edits.empty());

    // Read back, with damaged lines skipped one by one.
    edits.recordText(kept + "x\n3077 7\n5 \n5 6 7\n-1 2\n99999 1\n12 ab\n7 8");
    EXPECT_EQ(edits.edits(),
              (std::vector<OfflineEdit>{{0x0C05, 7}, {kInputSelectAddress, 2}, {7, 8}}));
}

}  // namespace
}  // namespace aec::test
