#include "core/value_names.h"

#include <algorithm>
#include <span>

#include "core/bilingual_text.h"
#include "core/display.h"
#include "core/pages.h"
#include "core/scale_tables.h"

namespace aec {

namespace {

// How a field's value is shown: a display kind, or one of these.
constexpr int kRaw = 0;
constexpr int kFilterType = -1;

struct Field {
    int slot;
    BilingualText name;
    int kind;
};

constexpr BilingualText kHighPassType = {"高通类型", "HP Type"};
constexpr BilingualText kHighPassFreq = {"高通频率", "HP Freq"};
constexpr BilingualText kLowPassType = {"低通类型", "LP Type"};
constexpr BilingualText kLowPassFreq = {"低通频率", "LP Freq"};
constexpr BilingualText kEqPass = {"均衡直通", "EQ Bypass"};
constexpr BilingualText kLimitLevel = {"压限启动电平", "Limit Level"};
constexpr BilingualText kAttack = {"启动时间", "Attack Time"};
constexpr BilingualText kRelease = {"释放时间", "Release Time"};
constexpr BilingualText kRatio = {"压缩比例", "Ratio"};
constexpr BilingualText kLink = {"左右同步", "L/R Link"};

constexpr Field kMusicFields[] = {
    {0, {"输入1音量", "In1 Vol"}, 5},
    {1, {"输入2音量", "In2 Vol"}, 5},
    {2, {"光纤音量", "OPTI Vol"}, 5},
    {3, {"变调", "Key"}, 21},
    {4, kHighPassType, kFilterType},
    {5, kHighPassFreq, 2},
    {6, kLowPassType, kFilterType},
    {7, kLowPassFreq, 2},
    {8, kLink, kRaw},
    {9, kEqPass, kRaw},
    {160, {"手动输出设定", "Manual Outputs"}, kRaw},
    {161, {"音乐模式", "Music Mode"}, kRaw},
    {162, {"主输出同步", "Main Link"}, kRaw},
    {163, {"环绕同步", "Surround Link"}, kRaw},
};

constexpr Field kMicFields[] = {
    {0, {"输入电平", "Input Level"}, 22},
    {1, {"啸叫抑制", "Feedback"}, 23},
    {2, {"噪声门启动电平", "Gate Threshold"}, 24},
    {3, {"噪声门启动时间", "Gate Attack"}, 17},
    {4, {"噪声门释放时间", "Gate Release"}, 16},
    {5, kLimitLevel, 25},
    {6, kAttack, 17},
    {7, kRelease, 16},
    {8, kRatio, 15},
    {9, kHighPassType, kFilterType},
    {10, kHighPassFreq, 2},
    {11, kLowPassType, kFilterType},
    {12, kLowPassFreq, 2},
    {13, {"话筒A/B同步", "MIC A/B Link"}, kRaw},
    {14, kEqPass, kRaw},
};

constexpr Field kEchoFields[] = {
    {0, {"效果音量", "Effect Vol"}, 8},
    {1, {"效果相位", "Effect Phase"}, kRaw},
    {2, {"直达声", "Direct Vol"}, 8},
    {3, {"直达声相位", "Direct Phase"}, kRaw},
    {4, {"预延时", "Pre-Delay"}, 26},
    {5, {"延时", "Delay"}, 11},
    {6, {"重复比率", "Repeat"}, 8},
    {7, {"右通道预延时", "Right Pre-delay"}, 8},
    {8, {"右通道延时", "Right delay"}, 10},
    {9, kHighPassType, kFilterType},
    {10, kHighPassFreq, 2},
    {11, kLowPassType, kFilterType},
    {12, kLowPassFreq, 2},
    {13, kEqPass, kRaw},
};

constexpr Field kReverbFields[] = {
    {0, {"效果音量", "Effect Vol"}, 8},
    {1, {"效果相位", "Effect Phase"}, kRaw},
    {2, {"直达声", "Direct Vol"}, 8},
    {3, {"直达声相位", "Direct Phase"}, kRaw},
    {4, {"预延时", "PreDelay"}, 11},
    {5, {"混响时间", "Rvb Time"}, 12},
    {6, kHighPassType, kFilterType},
    {7, kHighPassFreq, 2},
    {8, kLowPassType, kFilterType},
    {9, kLowPassFreq, 2},
    {10, kEqPass, kRaw},
};

constexpr Field kOutputFields[] = {
    {0, {"音乐电平", "Music Level"}, 9},
    {1, {"音乐相位", "Music Phase"}, kRaw},
    {2, {"麦克风电平", "Mic Level"}, 9},
    {3, {"麦克风相位", "Mic Phase"}, kRaw},
    {4, {"回声A效果电平", "EchoA Level"}, 9},
    {5, {"回声A相位", "EchoA Phase"}, kRaw},
    {6, {"回声B效果电平", "EchoB Level"}, 9},
    {7, {"回声B相位", "EchoB Phase"}, kRaw},
    {8, {"混响效果电平", "Rvb Level"}, 9},
    {9, {"混响相位", "Rvb Phase"}, kRaw},
    {10, {"延时", "Delay"}, 18},
    {11, {"静音", "Mute"}, kRaw},
    {12, kLimitLevel, 14},
    {13, kAttack, 17},
    {14, kRelease, 16},
    {15, kRatio, 15},
    {16, kHighPassType, kFilterType},
    {17, kHighPassFreq, 2},
    {18, kLowPassType, kFilterType},
    {19, kLowPassFreq, 2},
    {20, kEqPass, kRaw},
};

constexpr Field kHintFields[] = {{0, kEqPass, kRaw}};

constexpr Field kVolumeFields[] = {
    {0, {"话筒音量", "Mic Vol"}, kRaw},
    {1, {"音乐音量", "Music Vol"}, kRaw},
    {2, {"效果音量", "Effect Vol"}, kRaw},
    {3, {"话筒起始音量", "Mic Start Vol"}, kRaw},
    {4, {"话筒最大音量", "Mic Max Vol"}, kRaw},
    {5, {"音乐起始音量", "Music Start Vol"}, kRaw},
    {6, {"音乐最大音量", "Music Max Vol"}, kRaw},
    {7, {"效果起始音量", "Effect Start Vol"}, kRaw},
    {8, {"效果最大音量", "Effect Max Vol"}, kRaw},
    {9, {"音量跟随", "Volume Follow"}, kRaw},
};

// The five slots of a band, by sub-slot.
constexpr Field kBandFields[] = {
    {0, {"类型", "Type"}, 1}, {1, {"频率", "Freq"}, 2},       {2, {"增益", "Gain"}, 3},
    {3, {"Q值", "Q"}, 4},     {4, {"搁架Q值", "Shelf Q"}, 4},
};

// The four slots that follow a dynamic band's own five.
constexpr Field kDynamicFields[] = {
    {6, {"门限电平", "Threshold"}, 20},
    {7, kAttack, 17},
    {8, kRelease, 16},
    {9, kRatio, 15},
};

constexpr BilingualText kPageNames[] = {
    {"音乐", "Music"},  {"动态均衡", "Dynamic EQ"}, {"话筒A", "MIC A"},
    {"话筒B", "MIC B"}, {"回声A", "Echo A"},        {"混响", "Reverb"},
};
constexpr BilingualText kOutputNames[] = {
    {"主输出 左", "Main L"},   {"主输出 右", "Main R"}, {"环绕 左", "Surround L"},
    {"环绕 右", "Surround R"}, {"中置", "Center"},      {"超低音", "SUB"},
};
constexpr BilingualText kMusicModeNames[] = {
    {"唱歌", "Sing"}, {"热舞", "Disco"}, {"解码", "decode"}};
constexpr BilingualText kOtherNames[] = {
    {"回声B", "Echo B"},          {"隐藏 音乐", "Hint Music"}, {"隐藏 话筒A", "Hint MIC A"},
    {"隐藏 话筒B", "Hint MIC B"}, {"第28页", "Page 28"},       {"系统音量", "System Vol"},
};
constexpr BilingualText kLeft = {"左", "L"};
constexpr BilingualText kRight = {"右", "R"};

std::span<const Field> pageFields(int page) {
    switch (PageKind(makeAddress(page, 0))) {
        case KindOfPage::kMusic:
            return kMusicFields;
        case KindOfPage::kMic:
            return kMicFields;
        case KindOfPage::kEffect:
            return page == kPageReverb ? std::span<const Field>(kReverbFields) : kEchoFields;
        case KindOfPage::kOutput:
            return kOutputFields;
        default:
            break;
    }
    if (page == kPageSystemVolumes) {
        return kVolumeFields;
    }
    if (page >= kPageHint && page <= kPageHintMicB) {
        return kHintFields;
    }
    return {};
}

std::string channelName(int page, int language) {
    if (page >= kPageMain && page <= kPageLastOutput) {
        const int index = page - kPageMain;
        return std::string(kOutputNames[index / kMusicModes].in(language)) + " · " +
               kMusicModeNames[index % kMusicModes].in(language);
    }
    if (page < kPageMain) {
        return kPageNames[page].in(language);
    }
    return kOtherNames[page - kPageEchoB].in(language);
}

std::string shownValue(int kind, int value, int page, int slot) {
    if (kind == kFilterType) {
        const auto index = static_cast<size_t>(value);
        return index < kFilterTypeItems.size() ? std::string(kFilterTypeItems[index])
                                               : std::to_string(value);
    }
    if (kind == kRaw) {
        return std::to_string(value);
    }
    const ValueRange range = displayRange(kind, page, slot);
    return displayText(kind, std::clamp(value, range.min, range.max), page, slot);
}

std::string bandField(int band, const Field& field, int language) {
    const std::string number = std::to_string(band + 1);
    return language == 1 ? "第" + number + "段 " + field.name.zh
                         : "Band " + number + " " + field.name.en;
}

// A band slot of an ordinary page (the Music page holds a left and a right set).
bool nameBandSlot(int page, int slot, int language, ValueName& name, int& kind) {
    const int first = firstEqSlot(page);
    const int bands = pageBands(page);
    const int sides = page == kPageMusic ? 2 : 1;
    if (first == kDynamicEqLayout || bands == 0 || slot < first ||
        slot >= first + 5 * bands * sides) {
        return false;
    }
    const int band = (slot - first) / 5;
    const Field& field = kBandFields[(slot - first) % 5];
    if (page == kPageMusic) {
        name.channel += " " + std::string((band < bands ? kLeft : kRight).in(language));
    }
    name.field = bandField(band % bands, field, language);
    kind = field.kind;
    return true;
}

// Slots 1 to 60 of the Dynamic EQ page: three bands of ten slots per side.
bool nameDynamicSlot(int page, int slot, int language, ValueName& name, int& kind) {
    if (page != kPageDynamicEq || slot < 1 || slot > 60) {
        return false;
    }
    const int offset = (slot - 1) % 30;
    name.channel += " " + std::string((slot <= 30 ? kLeft : kRight).in(language));
    const int band = offset / 10;
    const int inBand = offset % 10;
    if (inBand == 0) {
        name.field = bandField(band, {0, {"动态类型", "Dynamic Type"}, 1}, language);
        kind = 1;
    } else if (inBand <= 5) {
        name.field = bandField(band, kBandFields[inBand - 1], language);
        kind = kBandFields[inBand - 1].kind;
    } else {
        name.field = bandField(band, kDynamicFields[inBand - 6], language);
        kind = kDynamicFields[inBand - 6].kind;
    }
    return true;
}

}  // namespace

ValueName nameValue(int page, int slot, int value, int languageFlag) {
    ValueName name;
    if (page < 0 || page >= kPageSystem) {
        return {std::to_string(page), std::to_string(slot), std::to_string(value)};
    }
    name.channel = channelName(page, languageFlag);
    int kind = kRaw;
    if (!nameBandSlot(page, slot, languageFlag, name, kind) &&
        !nameDynamicSlot(page, slot, languageFlag, name, kind)) {
        const std::span<const Field> fields = pageFields(page);
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [slot](const Field& f) { return f.slot == slot; });
        if (field != fields.end()) {
            name.field = field->name.in(languageFlag);
            kind = field->kind;
        } else {
            name.field = (languageFlag == 1 ? "槽位 " : "Slot ") + std::to_string(slot);
        }
    }
    name.value = shownValue(kind, value, page, slot);
    return name;
}

}  // namespace aec
