// The curve writers' formats: header, separators, decimals and phase column.
#include "eq/curve_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace aec::test {
namespace {

TEST(CurveExport, WriterFormats) {
    BandCurve curve{};
    curve[0] = -3.5f;
    curve[1] = 6.25f;
    curve[ResponseGrid::kIntervals] = 0.0004f;
    struct Row {
        CurveFormat format;
        std::string title;
        std::string head;  // the text's first lines
        std::string last;  // its last line
        long lines;
    };
    const Row rows[] = {
        {CurveFormat::kTab, "ignored", "10.00\t-3.500\n10.17\t6.250\n", "24000.00\t0.000\n", 463},
        {CurveFormat::kCsv, "ignored",
         "Frequency (Hz),Level (dB)\n10.00,-3.500\n10.17,6.250\n10.34,0.000\n", "24000.00,0.000\n",
         464},
        {CurveFormat::kFrd, "Summed response of device page 0",
         "* Summed response of device page 0\n* Frequency (Hz) Level (dB) Phase (deg)\n"
         "10.00 -3.500 0\n10.17 6.250 0\n",
         "24000.00 0.000 0\n", 465},
        {CurveFormat::kFrd, "", "* Frequency (Hz) Level (dB) Phase (deg)\n10.00 -3.500 0\n",
         "24000.00 0.000 0\n", 464},
    };
    for (const Row& r : rows) {
        const std::string text = curveText(curve, r.format, r.title);
        EXPECT_EQ(text.substr(0, r.head.size()), r.head) << r.title;
        ASSERT_GE(text.size(), r.last.size());
        EXPECT_EQ(text.substr(text.size() - r.last.size()), r.last) << r.title;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), r.lines) << r.title;
    }
}

}  // namespace
}  // namespace aec::test
