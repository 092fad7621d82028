// Value scales: display texts by kind and parsing of typed numbers.
#include "core/display.h"

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/scale_tables.h"

namespace aec::test {
namespace {

struct TextCase {
    int kind;
    double raw;
    int page;
    int slot;
    const char* text;
};

TEST(displayText, Examples) {
    const TextCase cases[] = {
        {3, 0, 0, 12, "-24.0dB"},   {3, 120, 0, 12, "0.0dB"},  {3, 121, 0, 12, "0.2dB"},
        {3, 180, 0, 12, "12.0dB"},  {3, 119, 0, 12, "-0.2dB"}, {5, 40, 0, 0, "10.0dB"},
        {5, 0, 0, 0, "-10.0dB"},    {5, 21, 0, 0, "0.5dB"},    {13, 0, 0, 0, "Off"},
        {13, 1, 0, 0, "19.7Hz"},    {21, 0, 0, 3, "-7"},       {21, 14, 0, 3, "7"},
        {9, 100, 22, 0, "200%"},    {9, 100, 22, 2, "100%"},   {9, 100, 6, 0, "100%"},
        {2, 361, 0, 11, "20600Hz"}, {2, 85, 0, 11, "101.0Hz"}, {2, 0, 0, 11, "19.7Hz"},
        {2, 204, 0, 11, "1000Hz"},  {6, 360, 0, 7, "20200Hz"}, {4, 16, 0, 13, "1.00"},
        {4, 100, 0, 13, "128.00"},  {8, 35, 4, 0, "35%"},      {10, 0, 4, 8, "-50%"},
        {11, 250, 4, 5, "500ms"},   {12, 1, 5, 5, "63ms"},     {12, 3, 5, 5, "188ms"},
        {14, 0, 6, 12, "-20dBu"},   {15, 40, 6, 15, "100"},    {16, 7, 6, 14, "Atk x 32"},
        {17, 0, 6, 13, "0.5ms"},    {18, 40, 6, 10, "4.0ms"},  {18, 500, 6, 10, "50.0ms"},
        {19, 23, 0, 0, "1.50"},     {20, 0, 1, 7, "-60dBu"},   {22, 1, 2, 0, "-10dB"},
        {22, 21, 2, 0, "1dB"},      {23, 4, 2, 1, "4"},        {24, 0, 2, 2, "-90dB"},
        {25, 34, 2, 5, "0dB"},      {26, 0, 4, 4, "-100ms"},   {7, 64, 0, 0, "67.5Hz"},
        {1, 2, 0, 10, "LSEQ"},      {1, 2, 1, 1, "Above"},     {1, 0, 1, 2, "BYpass"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(displayText(c.kind, c.raw, c.page, c.slot), c.text)
            << "kind " << c.kind << " raw " << c.raw;
    }
}

TEST(displayText, TableLookupsUseTheWholePart) {
    EXPECT_EQ(displayText(2, 204.9, 0, 11), "1000Hz");
    EXPECT_EQ(displayText(15, 0.7, 6, 15), "1.0");
}

TEST(displayRange, ContextDependentKinds) {
    EXPECT_EQ(displayRange(3, 0, 12).min, 0);
    EXPECT_EQ(displayRange(3, 1, 4).min, 60);
    EXPECT_EQ(displayRange(3, 1, 4).max, 180);
    EXPECT_EQ(displayRange(4, 0, 13).max, 100);
    EXPECT_EQ(displayRange(4, 0, 14).max, 24);
    EXPECT_EQ(displayRange(4, 1, 6).max, 24);
    EXPECT_EQ(displayRange(18, 6, 10).max, 500);
    EXPECT_EQ(displayRange(26, 4, 4).max, 250);
}

TEST(NumberFormat, HalvesAwayFromZero) {
    EXPECT_EQ(formatFixed(-9.5, 0), "-10");
    EXPECT_EQ(formatFixed(0.5, 0), "1");
    EXPECT_EQ(formatFixed(-0.04, 1), "0.0");
    EXPECT_EQ(formatFixed(-3.5, 1), "-3.5");
    EXPECT_EQ(formatFixed(1.4f, 2), "1.40");
    EXPECT_EQ(formatFixed(12000, 2), "12000.00");
    EXPECT_EQ(formatFixed(0.25, 1), "0.3");
    EXPECT_EQ(formatFixed(-0.25, 1), "-0.3");
}

struct ParseCase {
    int kind;
    double typed;
    double raw;
};

TEST(ParseEditValue, Examples) {
    const ParseCase cases[] = {
        {2, 1000, 204},  {2, 1010, 204}, {2, 1011, 205},  {2, 5, 0},       {2, 20300, 361},
        {2, 99999, 361}, {2, 20.3, 1},   {2, 19.7, 0},    {2, 20200, 360}, {2, 20201, 361},
        {3, 0, 120},     {3, -24, 0},    {3, 12, 180},    {3, 0.5, 122},   {3, 1.5, 128},
        {3, 13, 185},    {3, 0.3, 122},  {4, 1, 16},      {4, 1.01, 17},   {4, 0.1, 0},
        {4, 200, 101},   {4, 1.06, 17},  {4, 128, 100},   {5, 0, 20},      {5, -10, 0},
        {5, 2.25, 24},   {5, 2.75, 26},  {8, 42.5, 42.5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseEditValue(c.kind, c.typed), c.raw) << "kind " << c.kind << " " << c.typed;
    }
}

TEST(ScaleTables, TextsAndNumbersAgree) {
    for (const auto& e : kFreqTable) {
        EXPECT_EQ(e.value, std::strtof(e.text, nullptr)) << e.text;
    }
    for (const auto& e : kQTable) {
        EXPECT_EQ(e.value, std::strtof(e.text, nullptr)) << e.text;
    }
    for (int i = 1; i < kFreqCount; ++i) {
        EXPECT_LT(kFreqTable[i - 1].value, kFreqTable[i].value);
    }
    for (int i = 1; i < kQCount; ++i) {
        EXPECT_LT(kQTable[i - 1].value, kQTable[i].value);
    }
    EXPECT_STREQ(qTableText(24), "1.60");
}

}  // namespace
}  // namespace aec::test
