// What applying and committing a value decides, without widgets: the limited value, the text,
// the slider position, and whether the value is sent, only stored, or dropped.
#include "ui/rules/edit_decision.h"

#include <gtest/gtest.h>

namespace aec::test {
namespace {

struct EditCase {
    const char* what;
    EditTarget target;
    std::optional<int> kind;
    int tag;
    EditStep step;
    bool refresh;
    double x;
    // Expected:
    int address;
    int stored;
    const char* text;  // nullptr: no text
    ValueRoad road;
    bool recordsLastEdit;
};

const EditCase kEdits[] = {
    {"band gain typed below the range", EditTarget::kEditBox, 3, 0x000C, EditStep::kApply, false,
     -30, 0x000C, 0, "-24.0dB", ValueRoad::kSend, true},
    {"Dynamic EQ gain never below -12 dB", EditTarget::kEditBox, 3, 0x0104, EditStep::kApply, false,
     10, 0x0104, 60, "-12.0dB", ValueRoad::kSend, true},
    {"frequency one step up", EditTarget::kEditBox, 2, 0x000B, EditStep::kUp, false, 204, 0x000B,
     205, "1020Hz", ValueRoad::kSend, true},
    {"frequency refreshed above the table", EditTarget::kEditBox, 2, 0x000B, EditStep::kUp, true,
     400, 0x000B, 361, "20600Hz", ValueRoad::kStore, true},
    {"shelf band's Q stops at 1.60", EditTarget::kEditBox, 4, 0x0012, EditStep::kUp, false, 24,
     0x0013, 24, "1.60", ValueRoad::kSend, true},
    {"input volume", EditTarget::kEditBox, 5, 0x0001, EditStep::kDown, false, 0, 0x0001, 0,
     "-10.0dB", ValueRoad::kSend, true},
    {"pane limited to its kind's range", EditTarget::kValuePane, 6, 0x0005, EditStep::kApply, false,
     400, 0x0005, 361, "20600Hz", ValueRoad::kSend, true},
    {"pane refreshed: shown, not stored", EditTarget::kValuePane, 8, 0x0400, EditStep::kApply, true,
     50, 0x0400, 50, "50%", ValueRoad::kNone, false},
    {"band mode box", EditTarget::kSelectBox, 1, 0x000A, EditStep::kApply, false, 7, 0x000A, 3,
     nullptr, ValueRoad::kSend, true},
};

class DecideEditTest : public ::testing::TestWithParam<EditCase> {
  protected:
    DecideEditTest() {
        model.setView(0, 15, 2);  // Music band 2 (mode slot 15) is a low shelf
    }
    Model model;
};

TEST_P(DecideEditTest, Decides) {
    const EditCase& c = GetParam();
    const EditDecision d = decideEdit(model, {c.target, c.kind, c.tag, c.step, c.refresh, c.x});
    ASSERT_TRUE(d.applies);
    EXPECT_EQ(d.address, c.address);
    EXPECT_EQ(d.stored, c.stored);
    EXPECT_EQ(d.sliderPosition, c.stored);
    if (c.text) {
        EXPECT_EQ(d.text, c.text);
    } else {
        EXPECT_FALSE(d.text);
    }
    EXPECT_EQ(d.road, c.road);
    EXPECT_EQ(d.recordsLastEdit, c.recordsLastEdit);
}

INSTANTIATE_TEST_SUITE_P(Edits, DecideEditTest, ::testing::ValuesIn(kEdits));

TEST(DecideEdit, WhatDoesNotApplyAndWhatARefreshChanges) {
    Model model;
    // Panes of edit box kinds and selection boxes without a kind show nothing.
    EXPECT_FALSE(decideEdit(model, {EditTarget::kValuePane, 4, 0x000D}).applies);
    EXPECT_FALSE(decideEdit(model, {EditTarget::kSelectBox, std::nullopt, 0x1E14}).applies);

    // A refreshed Q above the table is shown and put back into ViewStore as 128.00.
    model.setView(0, 13, 150);
    const EditDecision q =
        decideEdit(model, {EditTarget::kEditBox, 4, 0x000D, EditStep::kApply, true, 0});
    EXPECT_EQ(q.viewClamp, 100);
    EXPECT_EQ(q.text, "128.00");

    // Inside a refresh an edit is stored, never sent; with redraws suspended the graph is not
    // told.
    {
        const ScopedState::Scope refreshing = model.beginRefresh();
        const ScopedState::Scope quiet = model.suspendRedraws();
        const EditDecision d = decideEdit(model, {EditTarget::kEditBox, 3, 0x000C});
        EXPECT_EQ(d.road, ValueRoad::kStore);
        EXPECT_FALSE(d.recordsLastEdit);
        EXPECT_TRUE(d.highlightsBand);
    }

    // Output level panes read their text by the output on show: Sub's music level is doubled.
    const EditRequest musicLevel{EditTarget::kValuePane, 9, 0x0600, EditStep::kApply, true, 80};
    EXPECT_EQ(decideEdit(model, musicLevel).text, "80%");
    model.selection.curOutputPage = kPageSub;
    EXPECT_EQ(decideEdit(model, musicLevel).text, "160%");
}

TEST(DecideCommit, TypedTexts) {
    struct Case {
        const char* text;
        const char* hint;
        bool apply;
        bool error;
        double x;
    };
    for (const Case& c :
         {Case{"1000Hz", "2", true, false, 204}, Case{"1011", "2", true, false, 205},
          Case{"-30", "3", true, false, -30}, Case{"Hz", "2", false, false, 0},
          Case{"1-2", "2", false, false, 0}, Case{"5", "", false, true, 0},
          Case{"5", "x", false, false, 0}, Case{"5", " 3 ", true, false, 145}}) {
        const CommitDecision d = decideCommit(c.text, c.hint);
        EXPECT_EQ(d.apply, c.apply) << c.text << " / " << c.hint;
        EXPECT_EQ(d.showError, c.error) << c.text << " / " << c.hint;
        if (c.apply) {
            EXPECT_DOUBLE_EQ(d.x, c.x) << c.text;
        }
    }
}

}  // namespace
}  // namespace aec::test
