// The Music sheet: inputs, pitch, crossover and the fifteen music bands.
#include "core/addresses.h"
#include "core/pages.h"
#include "core/scale_tables.h"
#include "ui/rules/edit_rules.h"
#include "ui/rules/tab_selector.h"
#include "ui/sheets/band_strip.h"
#include "ui/sheets/sheet_rows.h"
#include "ui/sheets/sheets.h"

namespace aec {

namespace {

constexpr int kRowStep = 30;
constexpr int kRowHeight = 20;

// The three input volumes, slots 0 to 2, each an edit box with spin buttons.
struct VolumeRow {
    const char* label;
    const char* cn;
    const char* en;
    const char* edit;
    const char* spin;
};

constexpr VolumeRow kVolumes[] = {
    {"Label6", "输入1音量", "In1 Vol", "MusGain1Edit", "MusGain1UpDown"},
    {"Label7", "输入2音量", "In2 Vol", "MusGain2Edit", "MusGain2UpDown"},
    {"Label8", "光纤音量", "OPTI Vol", "MusGain3Edit", "MusGain3UpDown"},
};

constexpr int kPitchSlot = 3;
constexpr int kMusicLinkSlot = 9;  // held by the placeholder

void buildInputs(ControlFactory& f, QWidget* sheet) {
    const QRect area(3, kFrameTop, 146, kFrameHeight);
    blockFrame(sheet, area);
    const int x = area.x() + 6;
    const int labelWidth = 60;
    const int controlX = x + labelWidth + 2;
    const int controlWidth = area.width() - 12 - labelWidth - 2;
    int y = area.y() + 10;
    f.label(sheet, "Label11", QRect(x, y, labelWidth, kRowHeight), "输入选择", "Input");
    auto* input = f.select(sheet, "SysInputBox", QRect(controlX, y, controlWidth, kRowHeight),
                           items(kInputSelectItems));
    f.bind(f.serve(input, Handler::kInputBox), kInputSelectAddress);
    y += kRowStep;
    // Two-word English captions take two lines in the label's column.
    const auto twoLines = [&](int top) { return QRect(x, top - 5, labelWidth, kRowHeight + 10); };
    f.label(sheet, "Label12", twoLines(y), "模拟增益", "Analog Gain")->setWordWrap(true);
    auto* level =
        f.select(sheet, "SysMusInputLevelBox", QRect(controlX, y, controlWidth, kRowHeight),
                 items(kMusicInputLevelItems));
    f.bind(f.serve(level, Handler::kInputBox), kMusicInputLevelAddress);
    f.bindPlaceholder(kMusicInputLevelAddress, Cell::kDisplay);
    y += kRowStep;
    for (int slot = 0; slot < 3; ++slot) {
        const VolumeRow& row = kVolumes[slot];
        f.label(sheet, row.label, QRect(x, y, labelWidth, kRowHeight), row.cn, row.en);
        auto* edit = f.edit(sheet, row.edit, QRect(controlX, y, controlWidth - 15, kRowHeight),
                            kKindInputVolume);
        f.bind(f.serve(edit, Handler::kValueEdit), slot);
        f.bindPlaceholder(slot, Cell::kDisplay);
        auto* spin =
            f.spin(sheet, row.spin, QRect(controlX + controlWidth - 14, y, 14, kRowHeight));
        f.bind(f.serve(spin, Handler::kSpin), slot, Cell::kCompanion0);
        y += kRowStep;
    }
    f.label(sheet, "Label9", twoLines(y), "变调", "  Key \ncontrol");
    auto* pitch =
        f.slider(sheet, "MusPitchBar", QRect(controlX, y, controlWidth - 32, kRowHeight), 14);
    f.bind(f.serve(pitch, Handler::kParameterBar), kPitchSlot);
    auto* pane = f.pane(sheet, "MusPitchPane",
                        QRect(controlX + controlWidth - 30, y + 1, 30, kRowHeight - 2), 21);
    f.bind(pane, kPitchSlot, Cell::kDisplay);
}

void buildCrossover(ControlFactory& f, QWidget* sheet) {
    const QRect area(152, kFrameTop, 146, kFrameHeight);
    blockFrame(sheet, area);
    RowGeometry g;
    g.label = 32;
    g.bar = 54;
    g.pane = 44;
    buildCrossoverRows(f, {kPageMusic, sheet, area.x() + 6, area.y() + 40, 36, g},
                       {4, "MusHPTypeBox", "MusHPFREBar", "MusHPFREPane", "MusLPTypeBox",
                        "MusLPFREBar", "MusLPFREPane", "Label33", "Label36", "Label34", "Label20"});
}

}  // namespace

void buildMusicSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet) {
    buildInputs(f, sheet);
    buildCrossover(f, sheet);
    f.bindPlaceholder(kMusicLinkSlot, Cell::kControl);
    const QRect bands(302, kFrameTop, 629, kFrameHeight);
    blockFrame(sheet, bands);
    BandStripSpec plan;
    plan.page = kPageMusic;
    plan.names = {"MusModeBox%1",
                  "MusFreEdit%1",
                  "MusGainEdit%1",
                  "MusQEdit%1",
                  "MusEQGainBar%1",
                  "MusQUpDownBtn%1",
                  {"MusBYBtn%1", "MusPEQBtn%1", "MusLSQBtn%1", "MusHSQBtn%1"},
                  "MusEQPointLabel%1"};
    plan.rowLabels = {"Label22", "Label23", "Label14", "Label24"};
    plan.pointRow = kindIndex(KindOfPage::kMusic);
    plan.bands = 15;
    plan.visible = 9;
    plan.scrollBox = "MusScrollBox";
    plan.scrollBar = "MusPanScrollBar";
    plan.scrollMax = 6;
    BuiltStrip strip =
        buildBandStrip(f, sheet, bands.x() + 3, bands.y() + 4, bands.height() - 7, plan);
    strip.scroll.sheet = kSheetMusic;
    parts.scrollStrips.push_back(strip.scroll);
}

}  // namespace aec
