#include "ui/sheets/band_strip.h"

#include <QPainter>

#include "core/pages.h"
#include "core/scale_tables.h"
#include "ui/rules/edit_rules.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {

constexpr int kScrollBarHeight = 16;
constexpr int kRowHeight = 20;
constexpr int kModeLabelWidth = 20;
constexpr int kModeLabelHeight = 16;
constexpr int kQEditWidth = 46;
constexpr int kSpinWidth = 14;
constexpr int kTwelfthMusicBand = 12;  // its mode box reads "Bypass" for the first item

// Vertical places inside a band column.
struct ColumnLayout {
    int point = 0;
    int mode = 18;
    int freq = 41;
    int gain = 64;
    int sliderTop = 88;
    int q = 0;
    explicit ColumnLayout(int height) : q(height - kRowHeight - 1) {}
    int sliderHeight() const { return q - 4 - sliderTop; }
};

// One band's column; draws a hairline between neighbouring columns.
class BandColumn : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QColor(230, 230, 230));
        p.drawLine(width() - 1, 2, width() - 1, height() - 3);
    }
};

QString name(const char* pattern, int band) { return QString::fromLatin1(pattern).arg(band); }

// The design Tag and Hint of EQ point label n (1-based) of a row; they feed the click rule.
std::pair<int, int> pointLabelDesign(int row, int n) {
    switch (row) {
        case kindIndex(KindOfPage::kMusic):
            return {0, n <= 9 ? n : n - 7};
        case kindIndex(KindOfPage::kMic):
            return {2, 5};
        case kindIndex(KindOfPage::kEffect):
        case kindIndex(KindOfPage::kHintOrSystem):
        case kReverbPointRow:
            return {4, 14};
        case kindIndex(KindOfPage::kOutput):
            return {6, n <= 5 ? 31 : 5};
        default:
            return {0, 5};
    }
}

void buildColumn(ControlFactory& f, QWidget* column, int band, const BandStripSpec& plan,
                 const ColumnLayout& at) {
    const BandNames& n = plan.names;
    const int w = kBandColumnWidth - 4;
    const int e = makeAddress(plan.page, BandSlot(firstEqSlot(plan.page), band - 1, 0));

    auto* point = f.rzLabel(column, name(n.pointLabel, band), QRect(2, at.point, w, 16),
                            QString::number(band));
    point->setOpaque(false, look::kOrange);
    point->setCursor(Qt::PointingHandCursor);
    const auto [tag, hint] = pointLabelDesign(plan.pointRow, band);
    setTag(point, tag);
    setHint(point, QString::number(hint));
    f.serve(point, Handler::kPointLabel);
    f.list(point, ControlList::kPointLabels, plan.pointRow * kPointLabelColumns + band - 1);

    QStringList modes = plan.dynamic ? items(kDynEqModeItems) : items(kEqModeItems);
    if (!plan.dynamic && plan.page == kPageMusic && band == kTwelfthMusicBand) {
        modes[0] = "Bypass";
    }
    auto* mode =
        f.select(column, name(n.modeBox, band), QRect(2, at.mode, w, kRowHeight), modes, "1");
    f.bind(f.serve(mode, Handler::kModeBox), e);
    auto* freq =
        f.edit(column, name(n.freqEdit, band), QRect(2, at.freq, w, kRowHeight), kKindFrequency);
    f.bind(f.serve(freq, Handler::kValueEdit), e + 1);
    auto* gain =
        f.edit(column, name(n.gainEdit, band), QRect(2, at.gain, w, kRowHeight), kKindGain);
    f.bind(f.serve(gain, Handler::kValueEdit), e + 2);

    static const char* const kLetters[4] = {"BY", "P", "LS", "HS"};
    const int step = std::max(kModeLabelHeight + 2, at.sliderHeight() / 4);
    for (int j = 0; j < 4; ++j) {
        auto* letter = f.rzLabel(column, name(n.modeLabels[j], band),
                                 QRect(1, at.sliderTop + j * step + (step - kModeLabelHeight) / 2,
                                       kModeLabelWidth, kModeLabelHeight),
                                 kLetters[j]);
        letter->setCursor(Qt::PointingHandCursor);
        f.bind(f.serve(letter, Handler::kModeLabel), e, companionCell(j));
    }
    auto* bar = f.slider(column, name(n.gainBar, band),
                         QRect(kModeLabelWidth + 10, at.sliderTop, 28, at.sliderHeight()), 180,
                         Qt::Vertical);
    f.serve(bar, plan.dynamic ? Handler::kDynamicGainBar : Handler::kBandGainBar);
    f.bind(bar, e + 2, Cell::kCompanion0);

    auto* q = f.edit(column, name(n.qEdit, band), QRect(2, at.q, kQEditWidth, kRowHeight), kKindQ);
    f.bind(f.bind(f.serve(q, Handler::kValueEdit), e + 3), e + 4);
    auto* spin = f.spin(column, name(n.spin, band),
                        QRect(2 + kQEditWidth + 1, at.q, kSpinWidth, kRowHeight));
    f.bind(f.serve(spin, Handler::kSpin), plan.spinOnShelf ? e + 4 : e + 3, Cell::kCompanion0);
}

void buildRowLabels(ControlFactory& f, QWidget* parent, int x, int y, const ColumnLayout& at,
                    const BandRowLabels& names) {
    const auto row = [&](const char* name, int top, const char* cn, const char* en) {
        f.label(parent, name, QRect(x, y + top, kBandRowLabelWidth - 4, kRowHeight), cn, en,
                Qt::AlignRight | Qt::AlignVCenter);
    };
    row(names.type, at.mode, "类型", "Type");
    row(names.freq, at.freq, "频率", "Hz");
    row(names.gain, at.gain, "增益", "Gain");
    row(names.q, at.q, "Q值", "Q");
}

}  // namespace

BuiltStrip buildBandStrip(ControlFactory& f, QWidget* parent, int x, int y, int height,
                          const BandStripSpec& plan) {
    const bool scrolls = plan.scrollBox != nullptr;
    const int columnHeight = scrolls ? height - kScrollBarHeight - 2 : height;
    const ColumnLayout at(columnHeight);
    buildRowLabels(f, parent, x, y, at, plan.rowLabels);

    BuiltStrip built;
    const int stripX = x + kBandRowLabelWidth;
    const int viewWidth = plan.visible * kBandColumnWidth;
    built.width = kBandRowLabelWidth + viewWidth;
    QWidget* holder = parent;
    int holderX = stripX;
    if (scrolls) {
        auto* box = f.adopt(new ScrollBox(parent), plan.scrollBox);
        box->setGeometry(stripX, y, viewWidth, columnHeight);
        holder = new QWidget;
        holder->resize(plan.bands * kBandColumnWidth, columnHeight);
        box->setWidget(holder);
        holderX = 0;
        auto* bar = f.slider(parent, plan.scrollBar,
                             QRect(stripX, y + columnHeight + 2, viewWidth, kScrollBarHeight),
                             plan.scrollMax);
        bar->setProperty("scrollSlider", true);
        bar->setFocusPolicy(Qt::NoFocus);
        if (plan.keepScrollLook) {
            bar->setProperty("keepLookDisabled", true);
        }
        f.serve(bar, Handler::kScrollBar);
        built.scroll = {0, bar, box, plan.visible};
    }
    for (int i = 0; i < plan.bands; ++i) {
        auto* column = new BandColumn(holder);
        column->setGeometry(holderX + i * kBandColumnWidth, scrolls ? 0 : y, kBandColumnWidth,
                            columnHeight);
        buildColumn(f, column, plan.firstBand + i, plan, at);
    }
    return built;
}

}  // namespace aec
