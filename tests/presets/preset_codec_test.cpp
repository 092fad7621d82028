// Line scrambling, field and number reading, and the checksum of preset files.
#include "presets/preset_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace aec::test {
namespace {

TEST(Scramble, EncodesEachCharacterWithTheRestartingKey) {
    // 'V' ^ 5E = 08, 'q' ^ A3 = D2, ' ' ^ 17 = 37.
    EXPECT_EQ(scrambleLine("Vq "), "08D237");
    // The ninth character uses K[0] again.
    EXPECT_EQ(scrambleLine(std::string(9, '\0')), "5EA317C82B90D46F5E");
    EXPECT_EQ(scrambleLine(""), "");
}

TEST(Scramble, OutputIsTwiceAsLongAndUpperCaseHex) {
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all.push_back(static_cast<char>(c));
    }
    const std::string line = scrambleLine(all);
    EXPECT_EQ(line.size(), 2 * all.size());
    EXPECT_EQ(line.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(unscrambleLine(line), all);
}

TEST(Unscramble, AcceptsLowerCaseAndIgnoresAnOddLastCharacter) {
    EXPECT_EQ(unscrambleLine("08d237"), "Vq ");
    EXPECT_EQ(unscrambleLine("08D2377"), "Vq ");
    EXPECT_EQ(unscrambleLine("08D237z"), "Vq ");
    EXPECT_EQ(unscrambleLine("0"), "");
}

TEST(Unscramble, RejectsPairsThatAreNotHex) {
    EXPECT_FALSE(unscrambleLine("08G237"));
    EXPECT_FALSE(unscrambleLine("08 237"));
    EXPECT_FALSE(unscrambleLine("-1D237"));
    EXPECT_FALSE(
        unscrambleLine(std::string("08\0"
                                   "237",
                                   6)));
}

TEST(splitLines, HandlesEveryLineEnding) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(splitLines(""), V{});
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb\rc"), (V{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(splitLines("\r\n"), (V{""}));
    EXPECT_EQ(splitLines("a\n\r"), (V{"a", ""}));
}

TEST(parseDecimal, ReadsSignedThirtyTwoBitNumbersOnly) {
    EXPECT_EQ(parseDecimal("0"), 0);
    EXPECT_EQ(parseDecimal("218"), 218);
    EXPECT_EQ(parseDecimal("-7"), -7);
    EXPECT_EQ(parseDecimal("007"), 7);
    EXPECT_EQ(parseDecimal("2147483647"), 2147483647);
    EXPECT_EQ(parseDecimal("-2147483648"), INT32_MIN);
    for (const char* text : {"", "-", "+5", " 5", "5 ", "1e3", "0x10", "12a", "--1", "2147483648",
                             "-2147483649", "99999999999999999999999999"}) {
        EXPECT_FALSE(parseDecimal(text)) << text;
    }
}

TEST(Checksum, IsTheLowByteOfTheNegatedSum) {
    EXPECT_EQ(presetChecksum(0), 0);
    EXPECT_EQ(presetChecksum(1), 255);
    EXPECT_EQ(presetChecksum(256), 0);
    EXPECT_EQ(presetChecksum(300), 212);
    EXPECT_EQ(presetChecksum(0xFFFFFFFFu), 1);  // a sum of -1
}

}  // namespace
}  // namespace aec::test
