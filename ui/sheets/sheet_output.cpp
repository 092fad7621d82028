// The output sheet shared by Main, Surround, Center and Sub: the ten output bands, the mix
// levels with their phase toggles, delays and mutes, limiter and crossover.
#include "ui/rules/tab_selector.h"
#include "ui/sheets/band_strip.h"
#include "ui/sheets/sheet_rows.h"
#include "ui/sheets/sheets.h"

namespace aec {

namespace {

constexpr int kMuteWidth = 90;

constexpr SliderRowSpec kLevelRows[] = {
    {"Label89", "音乐电平", "Music Level", "MainMusLevelBar", 200, "MainMusLevelPane", 9,
     "MainMusPhaseBtn"},
    {"Label90", "麦克风电平", "Mic Level", "MainMicLevelBar", 200, "MainMicLevelPane", 9,
     "MainMicPhaseBtn"},
    {"Label91", "回声A效果电平", "EchoA Level", "MainEchoALevelBar", 200, "MainEchoALevelPane", 9,
     "MainEchoAPhaseBtn"},
    {"Label92", "回声B效果电平", "EchoB Level", "MainEchoBLevelBar", 200, "MainEchoBLevelPane", 9,
     "MainEchoBPhaseBtn"},
    {"Label93", "混响效果电平", "Rvb Effect Vol", "MainRvbLevelBar", 200, "MainRvbLevelPane", 9,
     "MainRvbPhaseBtn"},
};

constexpr SliderRowSpec kDelayRows[] = {
    {"OutLDelayLabel", "左通道延时 ", "Left Delay", "MainLdelayBar", 500, "MainLdelayPane", 18},
    {"Label157", "右通道延时 ", "Right Delay", "MainRdelayBar", 500, "MainRdelayPane", 18},
};

constexpr SliderRowSpec kLimiterRows[] = {
    {"Label107", "压限启动电平", "Limit Level", "MainRmsLevelBar", 34, "MainRmsLevelPane", 14},
    {"Label113", "压限启动时间", "Attack Time", "MainRmsAttackBar", 19, "MainRmsAttackPane", 17},
    {"Label114", "压限释放时间", "Release Time", "MainRmsReleaseBar", 7, "MainRmsReleasePane", 16},
    {"Label115", "压缩比例", "Ratio", "MainRmsRatioBar", 40, "MainRmsRatioPane", 15},
};

void BuildBands(ControlFactory& f, QWidget* sheet, const QRect& area) {
    auto* group = f.group(sheet, "AdvGroupBox21", area, "", "");
    group->setProperty("frameOnly", true);
    group->lower();
    BandStripSpec plan;
    plan.names = {"MainModeBox%1",
                  "MainFreEdit%1",
                  "MainGainEdit%1",
                  "MainQEdit%1",
                  "MainEQGainBar%1",
                  "MainQUpDownBtn%1",
                  {"MainBYBtn%1", "MainPEQBtn%1", "MainLSQBtn%1", "MainHSQBtn%1"},
                  "MainEQPointLabel%1"};
    plan.rowLabels = {"Label51", "Label52", "Label49", "Label53"};
    plan.bands = 10;
    plan.visible = 5;
    plan.scrollBox = "MainScrollBox";
    plan.scrollBar = "MainPanScrollBar";
    plan.scrollMax = 5;
    BuildBandStrip(f, group, 3, 4, area.height() - 7, plan);
}

void BuildLevels(ControlFactory& f, QWidget* sheet, const QRect& area) {
    auto* group = f.group(sheet, "AdvGroupBox6", area, "", "");
    group->setProperty("frameOnly", true);
    RowGeometry g;
    g.label = 82;
    g.bar = 42;
    g.pane = 38;
    int y = 22;
    for (const auto& row : kLevelRows) {
        y = BuildSliderRow(f, group, 6, y, g, row, 38);
    }
}

void BuildDelays(ControlFactory& f, QWidget* sheet, const QRect& area) {
    BlockFrame(sheet, area);
    RowGeometry g;
    g.label = 72;
    g.bar = 80;
    g.pane = 44;
    int y = area.y() + 6;
    for (const auto& row : kDelayRows) {
        y = BuildSliderRow(f, sheet, area.x() + 4, y, g, row, 24);
    }
    auto* left = f.button(sheet, "MainLmuteBtn", QRect(kLeftMuteXPaired, y + 2, kMuteWidth, 22),
                          "左静音", "0");
    left->setRole(BmpButton::Role::Toggle);
    auto* right =
        f.button(sheet, "MainRmuteBtn", QRect(kRightMuteX, y + 2, kMuteWidth, 22), "右静音", "0");
    right->setRole(BmpButton::Role::Toggle);
}

void BuildLimiter(ControlFactory& f, QWidget* sheet, const QRect& area) {
    auto* group = f.group(sheet, "OutLimiteGroup", area, "主输出压限", "Limit");
    RowGeometry g;
    g.label = 76;
    g.bar = 76;
    g.pane = 40;
    int y = kGroupTitle + 6;
    for (const auto& row : kLimiterRows) {
        y = BuildSliderRow(f, group, 6, y, g, row, 28);
    }
}

void BuildCrossover(ControlFactory& f, QWidget* sheet, const QRect& area) {
    auto* group = f.group(sheet, "OutLHPGroup", area, "主输出分频", "HP/LP");
    RowGeometry g;
    g.label = 30;
    g.bar = 57;
    g.pane = 44;
    CrossoverSpec plan{"MainHPTypeBox",   "MainMusHPFreBar",  "MainMusHPFrePane", "MainLPTypeBox",
                       "MainMusLPFreBar", "MainMusLPFrePane", "Label4",           "Label19",
                       "Label18",         "Label37"};
    plan.lpFreqCn = "低通";
    BuildCrossoverRows(f, group, 6, kGroupTitle + 30, g, plan, 40);
}

}  // namespace

void BuildOutputSheet(ControlFactory& f, QWidget* sheet) {
    const int bandsWidth = kBandRowLabelWidth + 5 * kBandColumnWidth + 6;
    BuildBands(f, sheet, QRect(3, kFrameTop, bandsWidth, kFrameHeight));
    BuildLevels(f, sheet, QRect(bandsWidth + 6, kFrameTop, 196, kFrameHeight));
    const int delayX = kLeftMuteXPaired - 8;
    BuildDelays(f, sheet, QRect(delayX, kFrameTop, 204, 80));
    BuildLimiter(f, sheet, QRect(delayX, kFrameTop + 84, 204, kFrameHeight - 84));
    BuildCrossover(f, sheet,
                   QRect(delayX + 208, kFrameTop, kSheetWidth - delayX - 210, kFrameHeight));
}

}  // namespace aec
