// Which values an upload writes, and the differences between the editor and the processor.
#include "link/upload_check.h"

#include <gtest/gtest.h>

#include "core/pages.h"

namespace aec {
namespace {

struct WriteCase {
    int page;
    int slot;
    bool written;
};

// The page frames' slots; not the highest slots that follow them (no page reply holds them).
constexpr WriteCase kWrites[] = {
    {0, 111, true},  {0, 112, true}, {0, 163, true},  {0, 164, false}, {1, 59, true},
    {2, 114, false}, {6, 69, true},  {6, 70, false},  {25, 25, true},  {25, 26, false},
    {28, 36, true},  {29, 9, true},  {29, 10, false}, {30, 2, false},
};

TEST(UploadCheckTest, TheSlotsAnUploadWrites) {
    for (const WriteCase& c : kWrites) {
        EXPECT_EQ(uploadWrites(c.page, c.slot), c.written) << c.page << "/" << c.slot;
    }
}

TEST(UploadCheckTest, DifferencesInWrittenSlotsAsTheyGoOnTheWire) {
    Store editor{};
    Store processor{};
    editor[2][40] = 130;  // differs
    editor[0][3] = -1;    // goes out as 255 and comes back so
    processor[0][3] = 255;
    processor[25][26] = 9;  // never written: not a difference
    editor[6][70] = 12;     // the highest slot of an output page: no page reply holds it
    editor[6][69] = 12;
    const std::vector<ValueDifference> expected = {{2, 40, 130, 0}, {6, 69, 12, 0}};
    EXPECT_EQ(compareUpload(editor, processor), expected);
}

TEST(UploadCheckTest, ADifferenceNamedInBothLanguages) {
    const ValueDifference gain{kPageMicA, 17, 130, 120};
    EXPECT_EQ(differenceText(gain, 1), "话筒A · 第1段 增益：电脑 2.0dB，设备 0.0dB");
    EXPECT_EQ(differenceText(gain, 0), "MIC A · Band 1 Gain: editor 2.0dB, processor 0.0dB");
}

}  // namespace
}  // namespace aec
