// The microphone sheet (Mic A and Mic B): input, feedback, noise gate, limiter, crossover and
// twenty bands.
#include "core/pages.h"
#include "ui/rules/tab_selector.h"
#include "ui/sheets/band_strip.h"
#include "ui/sheets/sheet_rows.h"
#include "ui/sheets/sheets.h"

namespace aec {

namespace {

constexpr int kColumnWidth = 178;
constexpr int kMicLinkSlot = 13;  // held by the placeholder

constexpr SliderRowSpec kInputRows[] = {
    {0, "Label154", "输入电平", "Input Level", "MicInputGainBar", 40, "MicInputGainPane", 22},
    {1, "Label155", "啸叫抑制", "Feedback", "MicFBEBar", 4, "MicFBEPane", 23},
};

constexpr SliderRowSpec kGateRows[] = {
    {2, "Label145", "启动电平", "Threshold", "MicNoiseLevelBar", 60, "MicNoiseLevelPane", 24},
    {3, "Label146", "启动时间", "Attack Time", "MicNoiseAttackBar", 19, "MicNoiseAttackPane", 17},
    {4, "Label153", "释放时间", "Release Time", "MicNoiseReleaseBar", 7, "MicNoiseReleasePane", 16},
};

constexpr SliderRowSpec kLimiterRows[] = {
    {5, "Label117", "压限启动电平", "Limit Level", "MicRmsLevelBar", 34, "MicRmsLevelPane", 25},
    {6, "Label118", "压限启动时间", "Attack Time", "MicRmsAttackBar", 19, "MicRmsAttackPane", 17},
    {7, "Label121", "压限释放时间", "Release Time", "MicRmsReleaseBar", 7, "MicRmsReleasePane", 16},
    {8, "Label122", "压缩比例", "Ratio", "MicRmsRatioBar", 40, "MicRmsRatioPane", 15},
};

void buildDynamics(ControlFactory& f, WindowParts& parts, QWidget* sheet) {
    const int x1 = 3;
    const int x2 = x1 + kColumnWidth + 4;
    RowGeometry g;
    g.label = 64;
    g.bar = 54;
    g.pane = 44;

    blockFrame(sheet, QRect(x1, kFrameTop, kColumnWidth, 62));
    RowPlace input{kPageMicA, sheet, x1 + 6, kFrameTop + 8, 26, g};
    for (const auto& row : kInputRows) {
        buildSliderRow(f, input, row);
    }

    const QRect gate(x1, 70, kColumnWidth, kStripHeight - 70 - kFrameTop);
    parts.micNoiseGroup = f.group(sheet, "AdvGroupBox16", gate, "麦克风A噪声门", "Mic A Noise");
    RowGeometry gateRow = g;  // room for "Release Time"
    gateRow.label = 72;
    gateRow.bar = 46;
    RowPlace gateRows{kPageMicA, sheet, x1 + 6, gate.y() + kGroupTitle + 8, 34, gateRow};
    for (const auto& row : kGateRows) {
        buildSliderRow(f, gateRows, row);
    }

    RowGeometry limiter = g;
    limiter.label = 74;
    limiter.bar = 44;
    const QRect limit(x2, kFrameTop, kColumnWidth, 112);
    parts.micLimiterGroup = f.group(sheet, "AdvGroupBox1", limit, "麦克风A压限", "MIC A Limit");
    RowPlace limitRows{kPageMicA, sheet, x2 + 6, limit.y() + kGroupTitle + 2, 23, limiter};
    for (const auto& row : kLimiterRows) {
        buildSliderRow(f, limitRows, row);
    }

    const QRect cross(x2, limit.bottom() + 5, kColumnWidth, kStripHeight - limit.bottom() - 8);
    blockFrame(sheet, cross);
    RowGeometry c = g;
    c.label = 32;
    c.bar = 86;
    buildCrossoverRows(f, {kPageMicA, sheet, x2 + 6, cross.y() + 5, 25, c},
                       {9, "MicHPTypeBox", "MicHPFreBar", "MicHPFrePane", "MicLPTypeBox",
                        "MicLPFreBar", "MicLPFrePane", "Label15", "Label17", "Label16", "Label50"});
}

}  // namespace

void buildMicSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet) {
    buildDynamics(f, parts, sheet);
    f.bindPlaceholder(makeAddress(kPageMicA, kMicLinkSlot), Cell::kControl);
    const int width = kBandRowLabelWidth + 8 * kBandColumnWidth + 6;
    const QRect bands(kSheetWidth - 2 - width, kFrameTop, width, kFrameHeight);
    blockFrame(sheet, bands);
    BandStripSpec plan;
    plan.page = kPageMicA;
    plan.names = {"MicModeBox%1",
                  "MicFreEdit%1",
                  "MicGainEdit%1",
                  "MicQEdit%1",
                  "MicEQGainBar%1",
                  "MIcQUpDownBtn%1",
                  {"MicBYBtn%1", "MicPEQBtn%1", "MicLSQBtn%1", "MicHSQBtn%1"},
                  "MicEQPointLabel%1"};
    plan.rowLabels = {"Label26", "Label27", "Label25", "Label28"};
    plan.pointRow = kindIndex(KindOfPage::kMic);
    plan.bands = 20;
    plan.visible = 8;
    plan.scrollBox = "MicScrollBox";
    plan.scrollBar = "MicPanScrollBar";
    plan.scrollMax = 12;
    BuiltStrip strip =
        buildBandStrip(f, sheet, bands.x() + 3, bands.y() + 4, bands.height() - 7, plan);
    strip.scroll.sheet = kSheetMic;
    parts.scrollStrips.push_back(strip.scroll);
}

}  // namespace aec
