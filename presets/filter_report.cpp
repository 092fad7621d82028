#include "presets/filter_report.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "core/bilingual_text.h"
#include "core/number_format.h"
#include "core/scale_tables.h"

namespace aec {

namespace {

constexpr int kGainZeroRaw = 120;
constexpr double kGainStepDb = 0.2;

// A number without trailing zeros: "209", "3.943", "-0.5".
std::string num(double v) {
    std::string s = formatFixed(v, 3);
    while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.')) {
        s.pop_back();
    }
    return s;
}

std::string hz(double v) { return num(v) + "Hz"; }
std::string db(double v) { return formatFixed(v, 1) + "dB"; }

// `pattern` with %1, %2, %3 replaced by the arguments.
std::string fill(const char* pattern, std::initializer_list<std::string> args) {
    std::string out;
    for (const char* p = pattern; *p != '\0'; ++p) {
        const std::size_t index =
            p[1] >= '1' && p[1] <= '9' ? static_cast<std::size_t>(p[1] - '1') : args.size();
        if (*p == '%' && index < args.size()) {
            out += *(args.begin() + index);
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

constexpr BilingualText kLine{"第 %1 行：", "Line %1: "};

BilingualText issueText(IssueKind kind) {
    switch (kind) {
        case IssueKind::TooLarge:
            return {"文件太大，不是滤波器文件，未读取",
                    "The file is too large for a filter list: not read"};
        case IssueKind::NoFilters:
            return {"文件中没有可导入的滤波器，频段不变",
                    "No filter in the file can be imported: the bands stay as they are"};
        case IssueKind::Unreadable:
            return {"无法读取，已跳过：%1", "cannot be read, skipped: %1"};
        case IssueKind::UnsupportedCommand:
            return {"不支持的命令，已跳过：%1", "command not supported, skipped: %1"};
        case IssueKind::UnsupportedType:
            return {"频段不支持滤波器类型 %1，已跳过",
                    "filter type %1 has no band equivalent, skipped"};
        case IssueKind::TooManyFilters:
            return {"滤波器多于频段，%1 滤波器已跳过",
                    "more filters than bands: %1 filter skipped"};
        case IssueKind::OtherChannel:
            return {"滤波器属于声道 %1，不是当前显示的声道，已跳过",
                    "filter for channel %1, not the channel on show: skipped"};
        case IssueKind::Preamp:
            return {"前级增益 %1 无法应用，请手动调整音量",
                    "preamp %1 cannot be applied: set the level by hand"};
        case IssueKind::FilterOff:
            return {"滤波器已关闭 (%1)：频段设为直通", "filter is off (%1): the band is bypassed"};
        case IssueKind::FreqClamped:
            return {"频率 %1 超出范围，改为 %2", "frequency %1 out of range: %2 used"};
        case IssueKind::FreqRounded:
            return {"频率 %1 取最近值 %2", "frequency %1 rounded to %2"};
        case IssueKind::QClamped:
            return {"Q %1 超出范围，改为 %2", "Q %1 out of range: %2 used"};
        case IssueKind::QRounded:
            return {"Q %1 取最近值 %2", "Q %1 rounded to %2"};
        case IssueKind::GainClamped:
            return {"增益 %1 超出范围，改为 %2", "gain %1 out of range: %2 used"};
        case IssueKind::GainRounded:
            return {"增益 %1 取最近值 %2", "gain %1 rounded to %2"};
        case IssueKind::NoQ:
            return {"未给出 Q，使用 %2", "no Q given: %2 used"};
        case IssueKind::ShelfVariant:
            return {"%1 按本机的搁架滤波器处理", "%1 played as the band's shelf"};
        case IssueKind::Defaults:
            return {"频段 %1 至 %2 没有滤波器：恢复默认 (PEQ 0.0dB)",
                    "bands %1 to %2 have no filter: set to their defaults (PEQ 0.0dB)"};
    }
    return {"", ""};
}

// Before and after in the unit of the issue.
std::pair<std::string, std::string> values(const ImportIssue& i) {
    switch (i.kind) {
        case IssueKind::FreqClamped:
        case IssueKind::FreqRounded:
            return {hz(i.before), hz(i.after)};
        case IssueKind::GainClamped:
        case IssueKind::GainRounded:
        case IssueKind::Preamp:
            return {db(i.before), db(i.after)};
        case IssueKind::QClamped:
        case IssueKind::QRounded:
        case IssueKind::NoQ:
            return {num(i.before), formatFixed(i.after, 2)};
        case IssueKind::Defaults:
            return {num(i.before), num(i.after)};
        default:
            return {i.text, {}};
    }
}

}  // namespace

std::string describeIssue(const ImportIssue& issue, int languageFlag) {
    const auto [before, after] = values(issue);
    std::string text = fill(issueText(issue.kind).in(languageFlag), {before, after});
    if (issue.line > 0) {
        text = fill(kLine.in(languageFlag), {std::to_string(issue.line)}) + text;
    }
    return text;
}

std::string describeBand(const PlannedBand& band, int languageFlag) {
    constexpr BilingualText kBand{"频段 %1：%2 %3 %4 Q %5", "Band %1: %2 %3 %4 Q %5"};
    constexpr BilingualText kFromLine{"（第 %1 行）", " (line %1)"};
    constexpr BilingualText kDefault{"（默认）", " (default)"};
    const BandValues& v = band.values;
    const bool shelf = v.mode == 2 || v.mode == 3;
    const int q = shelf ? std::clamp(v.shelfQ, 0, kShelfQMax) : std::clamp(v.q, 0, kQMax);
    std::string text = fill(
        kBand.in(languageFlag),
        {std::to_string(band.band + 1),
         std::string(kEqModeItems[static_cast<std::size_t>(std::clamp(v.mode, 0, 3))]),
         std::string(kFreqTable[static_cast<std::size_t>(std::clamp(v.freq, 0, kFreqMax))].text) +
             "Hz",
         db((v.gain - kGainZeroRaw) * kGainStepDb), kQTable[static_cast<std::size_t>(q)].text});
    if (band.line > 0) {
        return text + fill(kFromLine.in(languageFlag), {std::to_string(band.line)});
    }
    return text + kDefault.in(languageFlag);
}

std::string describeFormat(FilterFormat format, int languageFlag) {
    constexpr BilingualText kRew{"REW 滤波器设置", "REW filter settings"};
    constexpr BilingualText kApo{"Equalizer APO 配置", "Equalizer APO configuration"};
    constexpr BilingualText kUnknown{"未知格式", "unknown format"};
    switch (format) {
        case FilterFormat::Rew:
            return kRew.in(languageFlag);
        case FilterFormat::Apo:
            return kApo.in(languageFlag);
        case FilterFormat::Unknown:
            break;
    }
    return kUnknown.in(languageFlag);
}

}  // namespace aec
