// Values named for a person: channel, field and the value as the window shows it.
#include "core/value_names.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

struct NameCase {
    int page;
    int slot;
    int value;
    int language;
    const char* channel;
    const char* field;
    const char* shown;
};

constexpr NameCase kCases[] = {
    {0, 12, 130, 1, "音乐 左", "第1段 增益", "2.0dB"},
    {0, 86, 8, 0, "Music R", "Band 1 Freq", "23.0Hz"},
    {0, 4, 3, 0, "Music", "HP Type", "12dB Butterworth"},
    {1, 31, 2, 0, "Dynamic EQ R", "Band 1 Dynamic Type", "Above"},
    {1, 17, 20, 1, "动态均衡 左", "第2段 门限电平", "-40dBu"},
    {3, 5, 20, 1, "话筒B", "压限启动电平", "-14dB"},
    {6, 0, 50, 1, "主输出 左 · 唱歌", "音乐电平", "50%"},
    {10, 70, 10, 0, "Main R · Disco", "Band 10 Shelf Q", "0.71"},
    {23, 10, 125, 0, "SUB · decode", "Delay", "12.5ms"},
    {24, 5, 100, 0, "Echo B", "Delay", "200ms"},
    {26, 6, 0, 0, "Hint MIC A", "Band 2 Type", "BYPSS"},
    {29, 1, 40, 1, "系统音量", "音乐音量", "40"},
    {28, 3, 7, 0, "Page 28", "Slot 3", "7"},
};

TEST(ValueNamesTest, NamesChannelFieldAndShownValue) {
    for (const NameCase& c : kCases) {
        const ValueName name = nameValue(c.page, c.slot, c.value, c.language);
        EXPECT_EQ(name.channel, c.channel) << c.page << "/" << c.slot;
        EXPECT_EQ(name.field, c.field) << c.page << "/" << c.slot;
        EXPECT_EQ(name.value, c.shown) << c.page << "/" << c.slot;
    }
}

}  // namespace
}  // namespace aec
