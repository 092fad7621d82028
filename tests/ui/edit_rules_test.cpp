// Typed text, key filter and value limits of the edit boxes.
#include "ui/rules/edit_rules.h"

#include <gtest/gtest.h>

namespace aec::test {
namespace {

TEST(EditText, KeepsOnlyNumberCharacters) {
    EXPECT_EQ(numberCharacters("1000Hz"), "1000");
    EXPECT_EQ(numberCharacters("-3.5dB"), "-3.5");
    EXPECT_EQ(numberCharacters("Hz"), "");
    EXPECT_EQ(numberCharacters("1k2"), "12");
}

TEST(EditText, ReadsOnlyPlainDecimals) {
    EXPECT_DOUBLE_EQ(*readDecimal("1000"), 1000);
    EXPECT_DOUBLE_EQ(*readDecimal("-30"), -30);
    EXPECT_DOUBLE_EQ(*readDecimal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(*readDecimal("5."), 5);
    for (const char* bad : {"", "-", ".", "1-2", "1.2.3", "--1", "-.", "12-"}) {
        EXPECT_FALSE(readDecimal(bad).has_value()) << bad;
    }
}

TEST(EditText, KeyFilterLetsThroughDigitsSignPointBackspaceAndEnter) {
    for (char32_t ok : {U'0', U'9', U'-', U'.', U'\b', U'\r'}) {
        EXPECT_TRUE(editKeyAllowed(ok));
    }
    for (char32_t bad : {U'a', U'H', U' ', U',', U'+', U'\t', U'\x1b', U'中'}) {
        EXPECT_FALSE(editKeyAllowed(bad));
    }
}

struct LimitCase {
    int kind;
    EditStep step;
    bool refresh;
    double x;
    int page;
    int qLimit;
    double expected;
};

class LimitValueTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitValueTest, LimitsByKind) {
    const LimitCase& c = GetParam();
    EXPECT_DOUBLE_EQ(limitValue(c.kind, c.step, c.refresh, c.x, c.page, c.qLimit), c.expected);
}

constexpr auto kApply = EditStep::kApply;
constexpr auto kUp = EditStep::kUp;
constexpr auto kDown = EditStep::kDown;

INSTANTIATE_TEST_SUITE_P(
    Kinds, LimitValueTest,
    ::testing::Values(
        // Frequencies: edits are stepped and limited both ways, refreshes only from above.
        LimitCase{2, kUp, false, 361, 0, 100, 361}, LimitCase{2, kDown, false, 0, 0, 100, 0},
        LimitCase{2, kUp, false, 204, 0, 100, 205}, LimitCase{2, kUp, true, 400, 0, 100, 361},
        LimitCase{2, kApply, true, -5, 0, 100, -5},
        // Gains: 0..180, and never below -12 dB on the Dynamic EQ page, edit or refresh.
        LimitCase{3, kApply, false, -30, 0, 100, 0}, LimitCase{3, kApply, false, 0, 1, 100, 60},
        LimitCase{3, kApply, true, 10, 1, 100, 60}, LimitCase{3, kApply, true, 10, 0, 100, 10},
        LimitCase{3, kUp, false, 180, 0, 100, 180},
        // Q: the band's limit, 24 for shelves.
        LimitCase{4, kUp, false, 24, 0, 24, 24}, LimitCase{4, kUp, false, 24, 0, 100, 25},
        LimitCase{4, kApply, false, 101, 0, 100, 100}, LimitCase{4, kDown, false, 0, 0, 100, 0},
        // Input volumes 0..40.
        LimitCase{5, kUp, false, 40, 0, 100, 40}, LimitCase{5, kApply, true, 41, 0, 100, 40},
        // Mode boxes only from above; panes to their range, never stepped.
        LimitCase{1, kApply, true, 7, 0, 100, 3}, LimitCase{18, kUp, false, 600, 6, 100, 500},
        LimitCase{8, kDown, false, -3, 4, 100, 0}, LimitCase{21, kApply, false, 14, 0, 100, 14},
        // No kind: the value passes unchanged.
        LimitCase{0, kUp, false, 9999, 30, 100, 9999}));

TEST(EditRules, LastEditKinds) {
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 13, 19}) {
        EXPECT_TRUE(kindRecordsLastEdit(k)) << k;
    }
    for (int k : {8, 9, 12, 14, 18, 20, 26}) {
        EXPECT_FALSE(kindRecordsLastEdit(k)) << k;
    }
}

TEST(EditRules, AccessCodeIsExact) {
    EXPECT_TRUE(isAccessCode("CONSOLE5832"));
    EXPECT_FALSE(isAccessCode("CONSOLE5832 "));
    EXPECT_FALSE(isAccessCode("console5832"));
    EXPECT_FALSE(isAccessCode(""));
}

}  // namespace
}  // namespace aec::test
