// The microphone sheet (Mic A and Mic B): input, feedback, noise gate, limiter, crossover and
// twenty bands.
#include "ui/sheets/band_strip.h"
#include "ui/sheets/sheet_rows.h"
#include "ui/sheets/sheets.h"

namespace aec {

namespace {

constexpr int kColumnWidth = 178;

constexpr SliderRowSpec kInputRows[] = {
    {"Label154", "输入电平", "Input Level", "MicInputGainBar", 40, "MicInputGainPane", 22},
    {"Label155", "啸叫抑制", "Feedback", "MicFBEBar", 4, "MicFBEPane", 23},
};

constexpr SliderRowSpec kGateRows[] = {
    {"Label145", "启动电平", "Threshold\n", "MicNoiseLevelBar", 60, "MicNoiseLevelPane", 24},
    {"Label146", "启动时间", "Attack Time", "MicNoiseAttackBar", 19, "MicNoiseAttackPane", 17},
    {"Label153", "释放时间", "Release Time", "MicNoiseReleaseBar", 7, "MicNoiseReleasePane", 16},
};

constexpr SliderRowSpec kLimiterRows[] = {
    {"Label117", "压限启动电平", "Limit Level", "MicRmsLevelBar", 34, "MicRmsLevelPane", 25},
    {"Label118", "压限启动时间", "Attack Time", "MicRmsAttackBar", 19, "MicRmsAttackPane", 17},
    {"Label121", "压限释放时间", "Release Time", "MicRmsReleaseBar", 7, "MicRmsReleasePane", 16},
    {"Label122", "压缩比例", "Ratio", "MicRmsRatioBar", 40, "MicRmsRatioPane", 15},
};

void BuildDynamics(ControlFactory& f, QWidget* sheet) {
    const int x1 = 3;
    const int x2 = x1 + kColumnWidth + 4;
    RowGeometry g;
    g.label = 64;
    g.bar = 54;
    g.pane = 44;

    BlockFrame(sheet, QRect(x1, kFrameTop, kColumnWidth, 62));
    int y = kFrameTop + 8;
    for (const auto& row : kInputRows) {
        y = BuildSliderRow(f, sheet, x1 + 6, y, g, row, 26);
    }

    const QRect gate(x1, 70, kColumnWidth, kStripHeight - 70 - kFrameTop);
    f.group(sheet, "AdvGroupBox16", gate, "麦克风A噪声门", "Mic A Noise");
    y = gate.y() + kGroupTitle + 8;
    for (const auto& row : kGateRows) {
        y = BuildSliderRow(f, sheet, x1 + 6, y, g, row, 34);
    }

    RowGeometry limiter = g;
    limiter.label = 74;
    limiter.bar = 44;
    const QRect limit(x2, kFrameTop, kColumnWidth, 112);
    f.group(sheet, "AdvGroupBox1", limit, "麦克风A压限", "MIC A Limit");
    y = limit.y() + kGroupTitle + 2;
    for (const auto& row : kLimiterRows) {
        y = BuildSliderRow(f, sheet, x2 + 6, y, limiter, row, 23);
    }

    const QRect cross(x2, limit.bottom() + 5, kColumnWidth, kStripHeight - limit.bottom() - 8);
    BlockFrame(sheet, cross);
    RowGeometry c = g;
    c.label = 32;
    c.bar = 86;
    BuildCrossoverRows(f, sheet, x2 + 6, cross.y() + 5, c,
                       {"MicHPTypeBox", "MicHPFreBar", "MicHPFrePane", "MicLPTypeBox",
                        "MicLPFreBar", "MicLPFrePane", "Label15", "Label17", "Label16", "Label50"},
                       25);
}

}  // namespace

void BuildMicSheet(ControlFactory& f, QWidget* sheet) {
    BuildDynamics(f, sheet);
    const int width = kBandRowLabelWidth + 8 * kBandColumnWidth + 6;
    const QRect bands(kSheetWidth - 2 - width, kFrameTop, width, kFrameHeight);
    BlockFrame(sheet, bands);
    BandStripSpec plan;
    plan.names = {"MicModeBox%1",
                  "MicFreEdit%1",
                  "MicGainEdit%1",
                  "MicQEdit%1",
                  "MicEQGainBar%1",
                  "MIcQUpDownBtn%1",
                  {"MicBYBtn%1", "MicPEQBtn%1", "MicLSQBtn%1", "MicHSQBtn%1"},
                  "MicEQPointLabel%1"};
    plan.rowLabels = {"Label26", "Label27", "Label25", "Label28"};
    plan.bands = 20;
    plan.visible = 8;
    plan.scrollBox = "MicScrollBox";
    plan.scrollBar = "MicPanScrollBar";
    plan.scrollMax = 12;
    BuildBandStrip(f, sheet, bands.x() + 3, bands.y() + 4, bands.height() - 7, plan);
}

}  // namespace aec
