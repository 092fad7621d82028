// The Dynamic EQ sheet: three dynamic bands, each with its work type, band controls and
// threshold, attack, release and ratio.
#include "core/pages.h"
#include "core/scale_tables.h"
#include "ui/sheets/band_strip.h"
#include "ui/sheets/sheet_rows.h"
#include "ui/sheets/sheets.h"

namespace aec {

namespace {

constexpr int kBandCount = 3;
constexpr int kBandWidth = 307;

struct DynamicLabels {
    const char* workType;
    const char* level;
    const char* attack;
    const char* release;
    const char* ratio;
    BandRowLabels rows;
};

constexpr DynamicLabels kLabels[kBandCount] = {
    {"Label142",
     "Label123",
     "Label124",
     "Label129",
     "Label133",
     {"Label55", "Label56", "Label54", "Label57"}},
    {"Label143",
     "Label134",
     "Label135",
     "Label136",
     "Label137",
     {"Label70", "Label72", "Label58", "Label73"}},
    {"Label144",
     "Label138",
     "Label139",
     "Label140",
     "Label141",
     {"Label75", "Label76", "Label74", "Label77"}},
};

QByteArray N(const char* pattern, int band) { return QString(pattern).arg(band).toLatin1(); }

// Slot of band n's work type; its band controls and limiter follow in the next nine slots.
int typeSlot(int band) { return 1 + 10 * (band - 1); }

void buildTypeButtons(ControlFactory& f, QWidget* sheet, int x, int y, int band) {
    static const struct {
        const char* name;
        const char* caption;
        const char* english;
    } kTypes[3] = {{"DEQTYpeOffBtn%1", "关闭", "Off"},
                   {"DEQTYpeBelowBtn%1", "低启动", "Below"},
                   {"DEQTYpeAboveBtn%1", "高启动", "Above"}};
    const int address = makeAddress(kPageDynamicEq, typeSlot(band));
    for (int t = 0; t < 3; ++t) {
        auto* button = f.wordButton(sheet, N(kTypes[t].name, band), QRect(x + t * 64, y, 60, 22),
                                    kTypes[t].caption, kTypes[t].english);
        setTag(button, t);
        f.bind(f.serve(button, Handler::kDynamicType), address, companionCell(t));
    }
    // The type itself lives in a hidden box the buttons choose an item of.
    auto* box =
        f.select(sheet, N("DEQTypeBox%1", band), QRect(x, y, 60, 20), items(kDynTypeItems), "1");
    box->hide();
    f.bind(box, address);
    for (int s = 0; s <= 5; ++s) {
        f.bindPlaceholder(address + s, Cell::kDisplay);
    }
}

void buildDynamicBand(ControlFactory& f, QWidget* sheet, int band, const QRect& area) {
    const DynamicLabels& labels = kLabels[band - 1];
    blockFrame(sheet, area);
    BandStripSpec plan;
    plan.page = kPageDynamicEq;
    plan.names = {"DEQModeBox%1",
                  "DEQFreEdit%1",
                  "DEQGainEdit%1",
                  "DEQQEdit%1",
                  "DEQGainBar%1",
                  "DEQQUpDownBtn%1",
                  {"DEQBYBtn%1", "DEQPEQBtn%1", "DEQLEQBtn%1", "DEQHEQBtn%1"},
                  "DEQPointLabel%1"};
    plan.rowLabels = labels.rows;
    plan.pointRow = kindIndex(KindOfPage::kDynamicEq);
    plan.firstBand = band;
    plan.dynamic = true;
    const int stripWidth =
        buildBandStrip(f, sheet, area.x() + 3, area.y() + 4, area.height() - 7, plan).width;

    const int x = area.x() + stripWidth + 10;
    const int y = area.y() + 8;
    f.label(sheet, labels.workType, QRect(x, y, 190, 18), "动态均衡工作类型", "DEQ Work Type");
    buildTypeButtons(f, sheet, x, y + 22, band);

    RowGeometry g;
    g.label = 74;
    g.bar = 64;
    g.pane = 46;
    const int first = typeSlot(band) + 6;
    const QByteArray bars[4] = {N("DEQRmsLevelBar%1", band), N("DEQRmsAttackBar%1", band),
                                N("DEQRmsReleaseBar%1", band), N("DEQRmsRatioBar%1", band)};
    const QByteArray panes[4] = {N("DEQRmsLevelPane%1", band), N("DEQRmsAttackPane%1", band),
                                 N("DEQRmsReleasePane%1", band), N("DEQRmsRatioPane%1", band)};
    const SliderRowSpec rows[4] = {
        {first, labels.level, "压限启动电平", "Limit Level", bars[0], 60, panes[0], 20},
        {first + 1, labels.attack, "压限启动时间", "Attack Time", bars[1], 19, panes[1], 17},
        {first + 2, labels.release, "压限释放时间", "Release Time", bars[2], 7, panes[2], 16},
        {first + 3, labels.ratio, "压缩比例", "Ratio", bars[3], 40, panes[3], 15},
    };
    RowPlace place{kPageDynamicEq, sheet, x, y + 62, 36, g};
    for (const auto& row : rows) {
        buildSliderRow(f, place, row);
    }
}

}  // namespace

void buildDynamicEqSheet(ControlFactory& f, WindowParts& /*parts*/, QWidget* sheet) {
    f.bindPlaceholder(makeAddress(kPageDynamicEq, 0), Cell::kControl);
    f.bindPlaceholder(makeAddress(kPageDynamicEq, 0), Cell::kDisplay);
    for (int band = 1; band <= kBandCount; ++band) {
        buildDynamicBand(
            f, sheet, band,
            QRect(3 + (band - 1) * (kBandWidth + 3), kFrameTop, kBandWidth, kFrameHeight));
    }
}

}  // namespace aec
