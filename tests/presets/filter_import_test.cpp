// Filter lists of REW and Equalizer APO: every filter mapped onto a band or reported, the
// format told apart, the writers' lines, and bands written out and read back unchanged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "presets/filter_export.h"
#include "presets/filter_parse.h"
#include "presets/filter_plan.h"
#include "presets/filter_report.h"

namespace aec::test {
namespace {

using K = IssueKind;

struct Expected {
    int line;
    IssueKind kind;
};

// Four bands with plain defaults; the channel on show is the left one.
ImportTarget fourBands() {
    return {std::vector<BandValues>(4, BandValues{1, 50, 120, 16, 10}), 0, 180, {"L", "1"}};
}

std::vector<Expected> kindsOf(const FilterPlan& plan) {
    std::vector<Expected> out;
    for (const ImportIssue& i : plan.issues) {
        out.push_back({i.line, i.kind});
    }
    return out;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.line == b.line && a.kind == b.kind;
}

void PrintTo(const Expected& e, std::ostream* os) {
    *os << "{" << e.line << ", " << static_cast<int>(e.kind) << "}";
}

constexpr const char* kRewFile =
    "Filter Settings file\n"
    "\n"
    "Room EQ V5.20\n"
    "Dated: 23-Mar-2020 10:24:16\n"
    "\n"
    "Notes:living room: left\n"
    "\n"
    "Equaliser: Generic\n"
    "Filter  1: ON  PK       Fc     209 Hz  Gain  -3.9 dB  Q 3.943\n"
    "Filter  2: ON  None\n"
    "Filter  3: OFF PK       Fc    1000 Hz  Gain   2.0 dB  Q  1.00\n"
    "Filter  4: ON  NO       Fc     100 Hz\n"
    "Filter  5: ON  LS 6dB   Fc    63.0 Hz  Gain   5.0 dB\n"
    "Filter  6: ON  HSC      Fc   50000 Hz  Gain -30.0 dB  Q  2.00\n"
    "Filter  7: ON  PK       Fc     250 Hz  Gain   1.0 dB  Q  1.00\n"
    "Filter  8: ON  AP       Fc     250 Hz  Q  1.00\n"
    "garbage line\n";

constexpr const char* kApoFile =
    "# room correction\r\n"
    "Preamp: -6,5 dB\r\n"
    "Include: other.txt\r\n"
    "Channel: L\r\n"
    "Filter: ON PK Fc 100 Hz Gain -3 dB Q 1.41\r\n"
    "Filter 2: ON LSC Fc 80 Hz Gain 4 dB Q 0.7\r\n"
    "Channel: R\r\n"
    "Filter: ON PK Fc 1000 Hz Gain 1 dB Q 1\r\n"
    "Channel: all\r\n"
    "Filter: ON HS Fc 10000Hz Gain 2dB BW Oct 1,0\r\n"
    "Filter: ON LP Fc 80 Hz\r\n"
    "Filter: ON PK Fc abc Hz Gain 1 dB Q 1\r\n";

TEST(FilterImport, MapsEveryFilterOrReportsIt) {
    const struct {
        const char* name;
        const char* text;
        FilterFormat format;
        std::vector<PlannedBand> bands;
        std::vector<Expected> issues;
    } kCases[] = {
        {"REW",
         kRewFile,
         FilterFormat::Rew,
         {{0, 9, {1, 123, 100, 40, 10}},
          {1, 11, {0, 204, 130, 16, 10}},
          {2, 13, {2, 60, 145, 16, 10}},
          {3, 14, {3, 361, 0, 16, 24}}},
         {{9, K::FreqRounded},
          {9, K::GainRounded},
          {9, K::QRounded},
          {11, K::FilterOff},
          {12, K::UnsupportedType},
          {13, K::ShelfVariant},
          {13, K::FreqRounded},
          {13, K::NoQ},
          {14, K::FreqClamped},
          {14, K::GainClamped},
          {14, K::QClamped},
          {15, K::TooManyFilters},
          {16, K::UnsupportedType},
          {17, K::Unreadable}}},
        {"APO",
         kApoFile,
         FilterFormat::Apo,
         {{0, 5, {1, 85, 105, 22, 10}},
          {1, 6, {2, 73, 140, 16, 10}},
          {2, 10, {3, 324, 130, 16, 22}},
          {3, 0, {1, 50, 120, 16, 10}}},
         {{2, K::Preamp},
          {3, K::UnsupportedCommand},
          {5, K::FreqRounded},
          {5, K::QRounded},
          {6, K::FreqRounded},
          {6, K::QRounded},
          {8, K::OtherChannel},
          {10, K::FreqRounded},
          {10, K::QRounded},
          {11, K::UnsupportedType},
          {12, K::Unreadable},
          {0, K::Defaults}}},
        {"no filter at all",
         "hello\nworld\n",
         FilterFormat::Unknown,
         {},
         {{1, K::Unreadable}, {2, K::Unreadable}, {0, K::NoFilters}}},
        {"only unsupported filters",
         "Filter: ON LP Fc 80 Hz\nFilter: ON NO Fc 80 Hz\n",
         FilterFormat::Apo,
         {},
         {{1, K::UnsupportedType}, {2, K::UnsupportedType}, {0, K::NoFilters}}},
        {"binary",
         "\x01\xff\x00\x7f:\n\xEF\xBB\xBF",
         FilterFormat::Unknown,
         {},
         {{1, K::Unreadable}, {0, K::NoFilters}}},
        {"empty", "", FilterFormat::Unknown, {}, {{0, K::NoFilters}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const FilterPlan plan = planFilterImport(parseFilterText(c.text), fourBands());
        EXPECT_EQ(plan.format, c.format);
        ASSERT_EQ(plan.bands.size(), c.bands.size());
        for (std::size_t b = 0; b < c.bands.size(); ++b) {
            EXPECT_EQ(plan.bands[b].band, c.bands[b].band) << b;
            EXPECT_EQ(plan.bands[b].line, c.bands[b].line) << b;
            EXPECT_EQ(plan.bands[b].values, c.bands[b].values) << b;
        }
        EXPECT_EQ(kindsOf(plan), c.issues);
        EXPECT_EQ(plan.applicable(), !c.bands.empty());
    }
}

TEST(FilterImport, RefusesTooLargeText) {
    const std::string big(kMaxFilterTextBytes + 1, '#');
    const FilterPlan plan = planFilterImport(parseFilterText(big), fourBands());
    EXPECT_TRUE(plan.bands.empty());
    EXPECT_EQ(kindsOf(plan), (std::vector<Expected>{{0, K::TooLarge}}));
    EXPECT_EQ(detectFilterFormat(big), FilterFormat::Unknown);
}

TEST(FilterImport, ReportTellsValuesBeforeAndAfter) {
    const struct {
        ImportIssue issue;
        const char* zh;
        const char* en;
    } kCases[] = {
        {{14, K::GainClamped, {}, -30, -24},
         "第 14 行：增益 -30.0dB 超出范围，改为 -24.0dB",
         "Line 14: gain -30.0dB out of range: -24.0dB used"},
        {{9, K::FreqRounded, {}, 209, 210},
         "第 9 行：频率 209Hz 取最近值 210Hz",
         "Line 9: frequency 209Hz rounded to 210Hz"},
        {{0, K::Defaults, {}, 5, 15},
         "频段 5 至 15 没有滤波器：恢复默认 (PEQ 0.0dB)",
         "bands 5 to 15 have no filter: set to their defaults (PEQ 0.0dB)"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(describeIssue(c.issue, 1), c.zh);
        EXPECT_EQ(describeIssue(c.issue, 0), c.en);
    }
    const PlannedBand band{2, 13, {2, 60, 145, 16, 10}};
    EXPECT_EQ(describeBand(band, 0), "Band 3: LSEQ 62.5Hz 5.0dB Q 0.71 (line 13)");
    EXPECT_EQ(describeBand(band, 1), "频段 3：LSEQ 62.5Hz 5.0dB Q 0.71（第 13 行）");
}

TEST(FilterExport, WritesOneLinePerBand) {
    const std::vector<BandValues> bands = {
        {1, 204, 130, 16, 10}, {2, 0, 0, 16, 24}, {0, 361, 180, 100, 10}};
    EXPECT_EQ(apoFilterText(bands, "Music L\nx"),
              "# Music L x\n"
              "Filter 1: ON PK Fc 1000 Hz Gain 2.0 dB Q 1.00\n"
              "Filter 2: ON LSC Fc 19.7 Hz Gain -24.0 dB Q 1.60\n"
              "Filter 3: OFF PK Fc 20600 Hz Gain 12.0 dB Q 128.00\n");
    EXPECT_EQ(rewFilterText(bands, "Music L"),
              "Filter Settings file\n\nNotes: Music L\n\nEqualiser: Generic\n"
              "Filter  1: ON  PK       Fc    1000 Hz  Gain   2.0 dB  Q   1.00\n"
              "Filter  2: ON  LSC      Fc    19.7 Hz  Gain -24.0 dB  Q   1.60\n"
              "Filter  3: OFF PK       Fc   20600 Hz  Gain  12.0 dB  Q 128.00\n");
}

TEST(FilterExport, ReadsBackTheSameBandsInBothFormats) {
    const std::vector<std::vector<BandValues>> kSets = {
        {{1, 20, 120, 16, 10}, {1, 129, 120, 16, 10}, {1, 280, 120, 16, 10}},
        {{2, 0, 0, 16, 0},
         {3, 361, 180, 16, 24},
         {0, 100, 61, 0, 10},
         {1, 215, 119, 100, 10},
         {1, 1, 1, 1, 10}},
        {{1, 333, 150, 57, 10}},
    };
    for (const std::vector<BandValues>& set : kSets) {
        const ImportTarget target{
            std::vector<BandValues>(set.size(), BandValues{1, 7, 120, 16, 10}), 0, 180, {}};
        for (const std::string& text : {rewFilterText(set, "x"), apoFilterText(set, "x")}) {
            SCOPED_TRACE(text);
            const FilterPlan plan = planFilterImport(parseFilterText(text), target);
            ASSERT_EQ(plan.bands.size(), set.size());
            for (std::size_t b = 0; b < set.size(); ++b) {
                EXPECT_EQ(plan.bands[b].values, set[b]) << b;
            }
            for (const ImportIssue& issue : plan.issues) {
                EXPECT_EQ(issue.kind, K::FilterOff) << describeIssue(issue, 0);
            }
        }
    }
}

}  // namespace
}  // namespace aec::test
