// The effect sheet: the echo A / echo B / reverb buttons and the two effect pages, each with
// its levels, delays, crossover and seven bands.
#include <QStackedWidget>

#include "core/pages.h"
#include "ui/sheets/band_strip.h"
#include "ui/sheets/sheet_rows.h"
#include "ui/sheets/sheets.h"

namespace aec {

namespace {

constexpr int kButtonColumn = 70;  // the three effect buttons, stacked at the left
constexpr int kParamWidth = 208;

constexpr SliderRowSpec kEchoRows[] = {
    {0, "Label78", "回声音量", "Echo Effect Vol", "EchoEffLevelBar", 100, "EchoEffLevelPane", 8,
     "EchoEffPhaseBtn"},
    {2, "Label79", "回声直达声", "Echo Direct Vol", "EchoDirectLevelBar", 100,
     "EchoDirectLevelPane", 8, "EchoDirectPhaseBtn"},
    {4, "Label80", "回声预延时", "Echo Pre-Delay", "EchoPreDelayBar", 250, "EchoPreDelayPane", 26},
    {5, "Label81", "回声延时", "Echo Delay", "EchoTimeBar", 250, "EchoTimePane", 11},
    {6, "Label82", "回声重复比率", "Echo Repeat", "EchoRepeatBar", 90, "EchoRepeatPane", 8},
    {7, "Label83", "右通道预延时", "Right Pre-delay", "EchoRPreDelayBar", 50, "EchoRPreDelayPane",
     8},
    {8, "Label84", "右通道延时", "Right delay", "EchoRTimeBar", 100, "EchoRTimePane", 10},
};

constexpr SliderRowSpec kReverbRows[] = {
    {0, "Label85", "混响音量", "Rvb Effect Vol", "RvbEffLevelBar", 100, "RvbEffLevelPane", 8,
     "RvbEffPhaseBtn"},
    {2, "Label86", "混响直达声", "Rvb Direct Vol", "RvbDirectLevelBar", 100, "RvbDirectLevelPane",
     8, "RvbDirectPhaseBtn"},
    {4, "Label87", "混响预延时", "Rvb PreDelay", "RvbPreDelayBar", 100, "RvbPreDelayPane", 11},
    {5, "Label88", "混响时间", "Rvb Time", "RvbTimeBar", 80, "RvbTimePane", 12},
};

struct EffectPage {
    int page;
    const char* sheetName;
    const char* caption;
    const SliderRowSpec* rows;
    int rowCount;
    const char* crossGroup;
    const char* crossCn;
    const char* crossEn;
    CrossoverSpec cross;
    BandStripSpec bands;
};

BandStripSpec bands(int page, int pointRow, BandNames names, BandRowLabels labels) {
    BandStripSpec plan;
    plan.page = page;
    plan.pointRow = pointRow;
    plan.names = names;
    plan.rowLabels = labels;
    plan.bands = 7;
    plan.visible = 7;
    return plan;
}

const EffectPage kPages[2] = {
    {kPageEchoA,
     "AdvTabSheet4",
     "回声A",
     kEchoRows,
     7,
     "AdvGroupBox18",
     "回声高低通",
     "",
     {9, "EchoHPTypeBox", "EchoHPFreBar", "EchoHPFrePane", "EchoLPTypeBox", "EchoLPFreBar",
      "EchoLPFrePane", "Label13", "Label48", "Label42", "Label40"},
     bands(kPageEchoA, kindIndex(KindOfPage::kEffect),
           {"EchoModeBox%1",
            "EchoFreEdit%1",
            "EchoGainEdit%1",
            "EchoQEdit%1",
            "EchoEQGainBar%1",
            "EchoQUpDownBtn%1",
            {"EchoBYBtn%1", "EchoPEQBtn%1", "EchoLSQBtn%1", "EchoHSQBtn%1"},
            "EffEQPointLabel%1"},
           {"Label30", "Label32", "Label29", "Label38"})},
    {kPageReverb,
     "AdvTabSheet5",
     "Rvb",
     kReverbRows,
     4,
     "AdvGroupBox2",
     "混响高低通",
     "Rvb LHP ",
     {6, "RvbHPTypeBox", "RvbHPFreBar", "RvbHPFrePane", "RvbLPTypeBox", "RvbLPFreBar",
      "RvbLPFrePane", "Label5", "Label35", "Label21", "Label31"},
     bands(kPageReverb, kReverbPointRow,
           {"RvbModeBox%1",
            "RvbFreEdit%1",
            "RvbGainEdit%1",
            "RvbQEdit%1",
            "RvbEQGainBar%1",
            "RvbQUpDownBtn%1",
            {"RvbBYBtn%1", "RvbPEQBtn%1", "RvbLSQBtn%1", "RvbHSQBtn%1"},
            "RvbEQPointLabel%1"},
           {"Label41", "Label45", "Label39", "Label46"})},
};

void buildEffectPage(ControlFactory& f, QWidget* page, const EffectPage& plan, int width) {
    RowGeometry g;  // the label column holds "Echo Effect Vol" whole
    g.label = 90;
    g.bar = 42;
    g.pane = 42;
    blockFrame(page, QRect(0, kFrameTop, kParamWidth, kFrameHeight));
    const bool many = plan.rowCount > 4;
    RowPlace rows{plan.page, page, 6, kFrameTop + (many ? 10 : 22), many ? 30 : 44, g};
    for (int i = 0; i < plan.rowCount; ++i) {
        buildSliderRow(f, rows, plan.rows[i]);
    }

    const int crossX = kParamWidth + 4;
    const int crossWidth = 146;
    f.group(page, plan.crossGroup, QRect(crossX, kFrameTop, crossWidth, kFrameHeight), plan.crossCn,
            plan.crossEn);
    RowGeometry c = g;
    c.label = 32;
    c.bar = 54;
    c.pane = 44;
    buildCrossoverRows(f, {plan.page, page, crossX + 6, kFrameTop + kGroupTitle + 24, 40, c},
                       plan.cross);

    const int bandsWidth = kBandRowLabelWidth + 7 * kBandColumnWidth + 6;
    const QRect bands(width - 2 - bandsWidth, kFrameTop, bandsWidth, kFrameHeight);
    blockFrame(page, bands);
    buildBandStrip(f, page, bands.x() + 3, bands.y() + 4, bands.height() - 7, plan.bands);
}

}  // namespace

void buildEffectSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet) {
    static const struct {
        const char* name;
        const char* cn;
        const char* en;
    } kButtons[3] = {{"EchoAToolButton", "回声A", "Echo A"},
                     {"EchoBToolButton", "回声B", "Echo B"},
                     {"RvbToolButton", "混响", "Reverb"}};
    blockFrame(sheet, QRect(3, kFrameTop, kButtonColumn - 6, kFrameHeight));
    for (int t = 0; t < 3; ++t) {
        auto* button = f.tool(sheet, kButtons[t].name,
                              QRect(6, kFrameTop + 8 + t * 36, kButtonColumn - 12, 30),
                              kButtons[t].cn, kButtons[t].en, t);
        f.list(f.serve(button, Handler::kEffectSource), ControlList::kEffectButtons, t);
    }
    const int width = kSheetWidth - kButtonColumn;
    auto* pages = f.adopt(new QStackedWidget(sheet), "EffPageControl");
    pages->setGeometry(kButtonColumn, 0, width, kStripHeight);
    parts.effectPages = pages;
    for (const EffectPage& plan : kPages) {
        auto* page = f.adopt(new AdvTabSheet, plan.sheetName);
        page->setCaption(QString::fromUtf8(plan.caption));
        setHint(page, QString());
        pages->addWidget(page);
        buildEffectPage(f, page, plan, width);
    }
}

}  // namespace aec
