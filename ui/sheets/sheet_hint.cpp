// The hidden service sheet: its three source buttons and five bands; and the sheet of device
// management texts that no tab shows.
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>

#include "core/addresses.h"
#include "core/pages.h"
#include "ui/sheets/band_strip.h"
#include "ui/sheets/sheets.h"

namespace aec {

namespace {

// Rounded hairline frame drawn behind a block of controls.
class Frame : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(214, 214, 214));
        p.setBrush(QColor(252, 252, 252));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
};

}  // namespace

QWidget* blockFrame(QWidget* parent, const QRect& r) {
    auto* frame = new Frame(parent);
    frame->setGeometry(r);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
    return frame;
}

void buildHintSheet(ControlFactory& f, WindowParts& /*parts*/, QWidget* sheet) {
    static const struct {
        const char* name;
        const char* cn;
        const char* en;
    } kButtons[3] = {{"HintMusBtn", "音乐", "Music"},
                     {"HintMicABtn", "话筒A", "MIC A"},
                     {"HintMicBBtn", "话筒B", "MIC B"}};
    blockFrame(sheet, QRect(3, kFrameTop, 64, kFrameHeight));
    for (int t = 0; t < 3; ++t) {
        auto* button = f.tool(sheet, kButtons[t].name, QRect(6, kFrameTop + 8 + t * 36, 58, 30),
                              kButtons[t].cn, kButtons[t].en, t);
        f.list(f.serve(button, Handler::kHintSource), ControlList::kHintButtons, t);
    }
    f.bindPlaceholder(makeAddress(kPageHint, 0), Cell::kControl);
    const int width = kBandRowLabelWidth + 5 * kBandColumnWidth + 6;
    const QRect bands(71, kFrameTop, width, kFrameHeight);
    blockFrame(sheet, bands);
    BandStripSpec plan;
    plan.page = kPageHint;
    plan.names = {"HintModeBox%1",
                  "HintFreEdit%1",
                  "HintGainEdit%1",
                  "HintQEdit%1",
                  "HintEQGainBar%1",
                  "HintQUpDownBtn%1",
                  {"HintBYBtn%1", "HintPEQBtn%1", "HintLSQBtn%1", "HintHSQBtn%1"},
                  "HintEQPointLabel%1"};
    plan.rowLabels = {"Label104", "Label105", "Label103", "Label106"};
    plan.pointRow = kindIndex(KindOfPage::kHintOrSystem);
    plan.bands = 5;
    plan.visible = 5;
    plan.spinOnShelf = true;
    buildBandStrip(f, sheet, bands.x() + 3, bands.y() + 4, bands.height() - 7, plan);
}

void buildSystemSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet) {
    f.label(sheet, "Label127", QRect(10, 40, 120, 20), "电脑数据备份管理");
    f.wordButton(sheet, "RzBmpButton25", QRect(136, 38, 90, 24), "整机参数", "All Mode File")
        ->setRole(BmpButton::Role::Heading);
    f.label(sheet, "Label43", QRect(10, 72, 90, 20), "红外遥控管理");
    f.label(sheet, "Label44", QRect(106, 72, 30, 20), "开启");
    auto* on = f.button(sheet, "SysRemoteBtn2", QRect(138, 70, 40, 24), "开启", "1");
    f.label(sheet, "Label47", QRect(186, 72, 30, 20), "关闭");
    auto* off = f.button(sheet, "SysRemoteBtn1", QRect(218, 70, 40, 24), "关闭", "0");
    for (BmpButton* b : {on, off}) {
        setTag(b, kRemoteAddress);
        parts.system.switches.push_back(f.serve(b, Handler::kSwitch));
    }
    // Serve preset file reading and listing; never shown.
    auto* text = f.adopt(new QPlainTextEdit(sheet), "Memo1");
    text->setGeometry(10, 110, 200, 60);
    text->hide();
    auto* files = f.adopt(new QListWidget(sheet), "FileListBox1");
    files->setGeometry(220, 110, 200, 60);
    files->hide();
}

}  // namespace aec
