// The undo history: when a step closes, what it holds, what never becomes a step, its bounds,
// and the A/B slots' differences.
#include "core/edit_history.h"

#include <gtest/gtest.h>

#include "core/addresses.h"
#include "core/compare_slots.h"

namespace aec {
namespace {

void quiet(EditHistory& h, const Store& s, bool holding = false) {
    for (int i = 0; i <= EditHistory::kQuietTicks; ++i) {
        h.tick(s, holding);
    }
}

TEST(EditHistoryTest, AStepClosesOnlyWhenQuietAndReleased) {
    Store s{};
    EditHistory h;
    h.restart(s, HistoryStart::kFresh);
    s[0][12] = 150;
    quiet(h, s, true);  // a held button: still one open change
    s[0][12] = 160;
    quiet(h, s, true);
    EXPECT_FALSE(h.canUndo());
    quiet(h, s);
    ASSERT_TRUE(h.canUndo());
    EXPECT_EQ(h.undo(s), (HistoryStep{{makeAddress(0, 12), 0, 160}}));
}

TEST(EditHistoryTest, ProcessorValuesAndUntrackedSlotsAreNeverSteps) {
    Store s{};
    EditHistory h;
    h.restart(s, HistoryStart::kFresh);
    s[2][20] = 7;
    h.keep(2, 20, 7);                                      // reported by the processor
    s[kPageSystem][slotOf(kPanelPasswordAddress)] = 1234;  // not a setting
    s[kPageSystem][slotOf(kInputSelectAddress)] = 2;       // a setting
    EXPECT_TRUE(h.close(s));
    EXPECT_EQ(h.undo(s), (HistoryStep{{kInputSelectAddress, 0, 2}}));
}

TEST(EditHistoryTest, UndoRedoAndANewChangeEndsTheRedoSide) {
    Store s{};
    EditHistory h;
    h.restart(s, HistoryStart::kFresh);
    for (int v : {1, 2, 3}) {
        s[0][12] = v;
        h.close(s);
    }
    // Undo twice (applying `before` as the window does), redo once.
    for (int expected : {2, 1}) {
        const HistoryStep step = h.undo(s);
        s[0][12] = step.at(0).before;
        h.settle(s);
        EXPECT_EQ(s[0][12], expected);
    }
    s[0][12] = h.redo(s).at(0).after;
    h.settle(s);
    EXPECT_EQ(s[0][12], 2);
    EXPECT_TRUE(h.canRedo());
    s[0][13] = 9;  // a new change: the undone 3 is gone
    EXPECT_TRUE(h.redo(s).empty());
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(h.undo(s), (HistoryStep{{makeAddress(0, 13), 0, 9}}));
}

TEST(EditHistoryTest, RestartEndsTheHistoryAndSaysWhy) {
    Store s{};
    EditHistory h;
    h.restart(s, HistoryStart::kFresh);
    s[0][12] = 5;
    h.close(s);
    s[0][12] = 8;  // open, then replaced by the processor's settings
    h.restart(s, HistoryStart::kModeLoaded);
    EXPECT_TRUE(h.undo(s).empty());
    EXPECT_EQ(h.start(), HistoryStart::kModeLoaded);
}

TEST(EditHistoryTest, BoundsKeepMemoryFlat) {
    Store s{};
    EditHistory h;
    h.restart(s, HistoryStart::kFresh);
    for (int v = 1; v <= 3 * static_cast<int>(EditHistory::kMaxSteps); ++v) {
        s[0][12] = v;
        h.close(s);
    }
    EXPECT_EQ(h.stepCount(), EditHistory::kMaxSteps);
    for (int v = 1; v <= 40; ++v) {  // whole-store steps
        for (int p = 0; p < kPageSystem; ++p) {
            s[p].fill(v);
        }
        h.close(s);
    }
    EXPECT_LE(h.changeCount(), EditHistory::kMaxChanges);
    EXPECT_TRUE(h.canUndo());
}

TEST(CompareSlotsTest, SwitchingChangesOnlyWhatDiffers) {
    Store a{};
    CompareSlots slots;
    EXPECT_TRUE(slots.switchSlots(a).empty());  // B starts as a copy of A
    EXPECT_EQ(slots.active(), 1);
    Store b = a;
    b[0][12] = 150;
    b[6][30] = 4;
    b[kPageSystem][slotOf(kPanelPasswordAddress)] = 99;  // never compared
    const auto back = slots.switchSlots(b);
    EXPECT_EQ(back,
              (std::vector<StoreChange>{{makeAddress(0, 12), 150, 0}, {makeAddress(6, 30), 4, 0}}));
    EXPECT_EQ(slots.other(), b);
    slots.copyToOther(a);
    EXPECT_TRUE(slots.switchSlots(a).empty());
}

}  // namespace
}  // namespace aec
