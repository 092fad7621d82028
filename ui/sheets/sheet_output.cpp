// The output sheet shared by Main, Surround, Center and Sub: the ten output bands, the mix
// levels with their phase toggles, delays and mutes, limiter and crossover.
#include "core/pages.h"
#include "ui/rules/tab_selector.h"
#include "ui/sheets/band_strip.h"
#include "ui/sheets/sheet_rows.h"
#include "ui/sheets/sheets.h"

namespace aec {

namespace {

constexpr int kMuteWidth = 90;

constexpr SliderRowSpec kLevelRows[] = {
    {0, "Label89", "音乐电平", "Music Level", "MainMusLevelBar", 200, "MainMusLevelPane", 9,
     "MainMusPhaseBtn"},
    {2, "Label90", "麦克风电平", "Mic Level", "MainMicLevelBar", 200, "MainMicLevelPane", 9,
     "MainMicPhaseBtn"},
    {4, "Label91", "回声A效果电平", "EchoA Level", "MainEchoALevelBar", 200, "MainEchoALevelPane",
     9, "MainEchoAPhaseBtn"},
    {6, "Label92", "回声B效果电平", "EchoB Level", "MainEchoBLevelBar", 200, "MainEchoBLevelPane",
     9, "MainEchoBPhaseBtn"},
    {8, "Label93", "混响效果电平", "Rvb Effect Vol", "MainRvbLevelBar", 200, "MainRvbLevelPane", 9,
     "MainRvbPhaseBtn"},
};

constexpr SliderRowSpec kDelayRows[] = {
    {10, "OutLDelayLabel", "左通道延时 ", "Left Delay", "MainLdelayBar", 500, "MainLdelayPane", 18},
    {10, "Label157", "右通道延时 ", "Right Delay", "MainRdelayBar", 500, "MainRdelayPane", 18},
};

constexpr SliderRowSpec kLimiterRows[] = {
    {12, "Label107", "压限启动电平", "Limit Level", "MainRmsLevelBar", 34, "MainRmsLevelPane", 14},
    {13, "Label113", "压限启动时间", "Attack Time", "MainRmsAttackBar", 19, "MainRmsAttackPane",
     17},
    {14, "Label114", "压限释放时间", "Release Time", "MainRmsReleaseBar", 7, "MainRmsReleasePane",
     16},
    {15, "Label115", "压缩比例", "Ratio", "MainRmsRatioBar", 40, "MainRmsRatioPane", 15},
};

constexpr int kRightPages[2] = {9, 15};  // right delay and mute of Main and Surround
constexpr int kDelaySlot = 10;
constexpr int kMuteSlot = 11;

void buildBands(ControlFactory& f, WindowParts& parts, QWidget* sheet, const QRect& area) {
    auto* group = f.group(sheet, "AdvGroupBox21", area, "", "");
    parts.output.bandGroup = group;
    group->setProperty("frameOnly", true);
    group->lower();
    BandStripSpec plan;
    plan.page = kPageMain;
    plan.names = {"MainModeBox%1",
                  "MainFreEdit%1",
                  "MainGainEdit%1",
                  "MainQEdit%1",
                  "MainEQGainBar%1",
                  "MainQUpDownBtn%1",
                  {"MainBYBtn%1", "MainPEQBtn%1", "MainLSQBtn%1", "MainHSQBtn%1"},
                  "MainEQPointLabel%1"};
    plan.rowLabels = {"Label51", "Label52", "Label49", "Label53"};
    plan.pointRow = kindIndex(KindOfPage::kOutput);
    plan.bands = 10;
    plan.visible = 5;
    plan.scrollBox = "MainScrollBox";
    plan.scrollBar = "MainPanScrollBar";
    plan.scrollMax = 5;
    plan.keepScrollLook = true;  // it stays readable while the outputs are locked
    BuiltStrip strip = buildBandStrip(f, group, 3, 4, area.height() - 7, plan);
    strip.scroll.sheet = kSheetOutput;
    parts.scrollStrips.push_back(strip.scroll);
    parts.output.panScroll = strip.scroll.slider;
}

AdvGroupBox* buildLevels(ControlFactory& f, QWidget* sheet, const QRect& area) {
    auto* group = f.group(sheet, "AdvGroupBox6", area, "", "");
    group->setProperty("frameOnly", true);
    RowGeometry g;
    g.label = 82;
    g.bar = 42;
    g.pane = 38;
    RowPlace rows{kPageMain, group, 6, 22, 38, g};
    for (const auto& row : kLevelRows) {
        buildSliderRow(f, rows, row);
    }
    return group;
}

void buildDelays(ControlFactory& f, OutputParts& parts, QWidget* sheet, const QRect& area) {
    blockFrame(sheet, area);
    RowGeometry g;
    g.label = 72;
    g.bar = 80;
    g.pane = 44;
    RowPlace rows{kPageMain, sheet, area.x() + 4, area.y() + 6, 24, g};
    parts.leftDelayLabel = buildSliderRow(f, rows, kDelayRows[0]).label;
    // The right delay belongs to the right page of Main and of Surround.
    rows.page = kRightPages[0];
    const SliderRow right = buildSliderRow(f, rows, kDelayRows[1]);
    f.bind(right.bar, makeAddress(kRightPages[1], kDelaySlot));
    f.bind(right.pane, makeAddress(kRightPages[1], kDelaySlot), Cell::kDisplay);
    parts.rightDelayLabel = right.label;
    parts.rightDelayBar = right.bar;
    parts.rightDelayPane = right.pane;

    const int y = rows.y;
    parts.leftMute = f.button(sheet, "MainLmuteBtn", QRect(kLeftMuteXPaired, y + 2, kMuteWidth, 22),
                              "左静音", "0");
    parts.leftMute->setRole(BmpButton::Role::Toggle);
    f.bind(f.serve(parts.leftMute, Handler::kMute), makeAddress(kPageMain, kMuteSlot));
    f.bindPlaceholder(makeAddress(kPageMain, kMuteSlot), Cell::kDisplay);
    parts.rightMute = f.wordButton(sheet, "MainRmuteBtn", QRect(kRightMuteX, y + 2, kMuteWidth, 22),
                                   "右静音", "R Mute", "0");
    parts.rightMute->setRole(BmpButton::Role::Toggle);
    f.serve(parts.rightMute, Handler::kMute);
    for (int page : kRightPages) {
        f.bind(parts.rightMute, makeAddress(page, kMuteSlot));
    }
}

AdvGroupBox* buildLimiter(ControlFactory& f, QWidget* sheet, const QRect& area) {
    auto* group = f.group(sheet, "OutLimiteGroup", area, "主输出压限", "Limit");
    RowGeometry g;
    g.label = 76;
    g.bar = 76;
    g.pane = 40;
    RowPlace rows{kPageMain, group, 6, kGroupTitle + 6, 28, g};
    for (const auto& row : kLimiterRows) {
        buildSliderRow(f, rows, row);
    }
    return group;
}

AdvGroupBox* buildCrossover(ControlFactory& f, QWidget* sheet, const QRect& area) {
    auto* group = f.group(sheet, "OutLHPGroup", area, "主输出分频", "HP/LP");
    RowGeometry g;
    g.label = 30;
    g.bar = 57;
    g.pane = 44;
    CrossoverSpec plan{16,
                       "MainHPTypeBox",
                       "MainMusHPFreBar",
                       "MainMusHPFrePane",
                       "MainLPTypeBox",
                       "MainMusLPFreBar",
                       "MainMusLPFrePane",
                       "Label4",
                       "Label19",
                       "Label18",
                       "Label37"};
    plan.lpFreqCn = "低通";
    buildCrossoverRows(f, {kPageMain, group, 6, kGroupTitle + 30, 40, g}, plan);
    return group;
}

}  // namespace

void buildOutputSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet) {
    const int bandsWidth = kBandRowLabelWidth + 5 * kBandColumnWidth + 6;
    buildBands(f, parts, sheet, QRect(3, kFrameTop, bandsWidth, kFrameHeight));
    parts.output.levelGroup =
        buildLevels(f, sheet, QRect(bandsWidth + 6, kFrameTop, 196, kFrameHeight));
    const int delayX = kLeftMuteXPaired - 8;
    buildDelays(f, parts.output, sheet, QRect(delayX, kFrameTop, 204, 80));
    parts.output.limiterGroup =
        buildLimiter(f, sheet, QRect(delayX, kFrameTop + 84, 204, kFrameHeight - 84));
    parts.output.crossoverGroup = buildCrossover(
        f, sheet, QRect(delayX + 208, kFrameTop, kSheetWidth - delayX - 210, kFrameHeight));
}

}  // namespace aec
