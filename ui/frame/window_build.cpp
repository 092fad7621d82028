// TForm1's controls: title strip, tab row, sheets, graph panel, system column, hidden controls.
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>

#include "eq/graph_picture.h"
#include "ui/frame/main_window.h"
#include "ui/sheets/right_column.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {

constexpr int kTitleHeight = 25;
constexpr int kWindowButtonHeight = 28;
constexpr int kMinimiseWidth = 37;
constexpr int kMaximiseWidth = 36;
constexpr int kCloseWidth = 60;
constexpr int kTabRowHeight = 33;
constexpr int kTabWidth = 64;
constexpr int kWideTabWidth = 80;
constexpr int kGraphPanelHeight = 322;

// The title strip picture: an orange band with a darker foot.
class TitleStrip : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(250, 170, 40));
        g.setColorAt(1, QColor(236, 136, 0));
        p.fillRect(rect(), g);
        p.setPen(QColor(214, 118, 0));
        p.drawLine(0, height() - 1, width(), height() - 1);
    }
};

// The tab row's group: a transparent strip with an orange rule along its bottom.
class TabRow : public RzGroupBox {
  public:
    using RzGroupBox::RzGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(QRect(0, height() - 2, width(), 2), look::kOrange);
    }
};

struct TabSpec {
    const char* name;
    const char* cn;
    const char* en;
};

constexpr TabSpec kTabs[kTabCount] = {
    {"FormMusTabBtn", "音乐", "Music"},    {"FormDYNBtn", "动态均衡", "Dynamic EQ"},
    {"FormMICATabBtn", "麦克A", "MIC A"},  {"FormMICBTabBtn", "麦克B", "MIC B"},
    {"FormEFFTabBtn", "效果", "Effect"},   {"FormMAINTabBtn", "主输出", "Main"},
    {"FormSURTabBtn", "环绕", "Surround"}, {"FormCENTabBtn", "中置", "Center"},
    {"FormSUBTabBtn", "超低音", "SUB"},    {"FormHintTabBtn", "隐藏", "Hint"},
};

struct SheetSpec {
    const char* name;
    const char* caption;
    void (*build)(ControlFactory&, QWidget*);
};

constexpr SheetSpec kSheets[9] = {
    {"AdvTabSheet1_mus", "音乐", BuildMusicSheet},
    {"AdvTabSheet2_mic", "麦克风", BuildMicSheet},
    {"AdvTabSheet3_Eff", "效果", BuildEffectSheet},
    {"AdvTabSheet4_Main", "主输出", BuildOutputSheet},
    {"AdvTabSheet5_Center", "中置", BuildHintSheet},
    {"AdvTabSheet6_Sub", "超低音", nullptr},
    {"AdvTabSheet7_sur", "后置", nullptr},
    {"AdvTabSheet8_Sys", "系统", BuildSystemSheet},
    {"AdvTabSheet9_DEQ", "动态均衡", BuildDynamicEqSheet},
};

}  // namespace

void TForm1::buildWindow() {
    setObjectName("TForm1");
    setFont(look::WindowFont());
    setStyleSheet(look::WindowStyleSheet());
    buildTitleStrip();
    m_editing = m_factory.frame(
        this, "MaINGroupBox2",
        QRect(0, kTitleHeight, kClientWidth - kRightColumnWidth, kClientHeight - kTitleHeight));
    m_editing->setStyleSheet("QGroupBox#MaINGroupBox2 { border: none; }");
    buildTabRow(m_editing);
    buildSheets(m_editing);
    BuildGraphPanel(m_factory, m_editing,
                    QRect(3, m_editing->height() - kGraphPanelHeight, 938, kGraphPanelHeight));
    buildHiddenControls(m_editing);
    buildPanelLockBox(m_editing);
    m_systemTabs = BuildRightColumn(m_factory, this,
                                    QRect(kClientWidth - kRightColumnWidth, kTitleHeight,
                                          kRightColumnWidth, kClientHeight - kTitleHeight));
    control<QWidget>("RzGroupBox2")->setStyleSheet("QGroupBox#RzGroupBox2 { border: none; }");
    // The window buttons sit above everything else in the top right corner.
    for (const char* name : {"RzBmpButton2", "RzBmpButton1", "RzBmpButton3"}) {
        control<QWidget>(name)->raise();
    }
}

void TForm1::buildTitleStrip() {
    auto* strip = m_factory.adopt(new TitleStrip(this), "Image2");
    strip->setGeometry(0, 0, kClientWidth, kTitleHeight);
    auto* model =
        m_factory.rzLabel(strip, "ModelNameLabel", QRect(10, 0, 300, kTitleHeight),
                          QString::fromUtf8("DSP 音频效果处理器  ·  Audio Effect Contrller"));
    model->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    model->setStyleSheet("color: white; font-weight: bold;");
    model->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* codeLabel = m_factory.label(strip, "SysLogoLabel", QRect(0, 3, 40, 19), "运行：");
    codeLabel->setStyleSheet("color: white;");
    codeLabel->hide();
    auto* code = m_factory.textBox(strip, "SysLogoEdit", QRect(0, 3, 130, 19));
    code->hide();

    using Role = BmpButton::Role;
    const struct {
        const char* name;
        int width;
        Role role;
    } kButtons[3] = {{"RzBmpButton2", kMinimiseWidth, Role::WindowMinimise},
                     {"RzBmpButton1", kMaximiseWidth, Role::WindowMaximise},
                     {"RzBmpButton3", kCloseWidth, Role::WindowClose}};
    for (const auto& b : kButtons) {
        auto* button =
            m_factory.button(this, b.name, QRect(0, 0, b.width, kWindowButtonHeight), "");
        button->setRole(b.role);
    }
}

void TForm1::buildTabRow(QWidget* editing) {
    auto* row = m_factory.adopt(new TabRow(editing), "RzGroupBox17");
    row->setGeometry(6, 0, 931, kTabRowHeight);
    int x = 2;
    for (int t = 0; t < kTabCount - 1; ++t) {
        const int width = t == kTabDynamicEq ? kWideTabWidth : kTabWidth;
        m_factory.tool(row, kTabs[t].name, QRect(x, 1, width, kTabRowHeight - 3), kTabs[t].cn,
                       kTabs[t].en, t);
        x += width;
    }
    auto* status = m_factory.label(row, "LinkLabel", QRect(x + 16, 4, 92, 24), "设备未连接");
    status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status->setStyleSheet("color: #c0392b;");
    m_factory.button(row, "LinkBtn", QRect(x + 114, 5, 58, 23), "联机");
    auto* hidden = m_factory.tool(row, kTabs[kTabHint].name, QRect(0, 1, kTabWidth, 30),
                                  kTabs[kTabHint].cn, kTabs[kTabHint].en, kTabHint);
    hidden->hide();
    auto* language =
        m_factory.tool(row, "RzToolButton11", QRect(0, 1, kTabWidth, 30), "English", "中文", 0);
    (void)language;
}

void TForm1::buildSheets(QWidget* editing) {
    m_pages = m_factory.adopt(new QStackedWidget(editing), "FormPageItem");
    m_pages->setGeometry(5, kTabRowHeight, kSheetWidth, kSheetHeight);
    for (const SheetSpec& plan : kSheets) {
        auto* sheet = m_factory.adopt(new AdvTabSheet, plan.name);
        sheet->setCaption(QString::fromUtf8(plan.caption));
        SetHint(sheet, QString());
        m_pages->addWidget(sheet);
        if (plan.build) {
            plan.build(m_factory, sheet);
        }
    }
}

void TForm1::buildHiddenControls(QWidget* editing) {
    // The focus parks here after a tab change: above the tab row, out of sight.
    auto* park = m_factory.textBox(editing, "Examplexx", QRect(10, -40, 40, 20));
    park->setFocusPolicy(Qt::StrongFocus);
    auto* example = m_factory.edit(editing, "Example", QRect(60, -40, 40, 20), 0);
    example->hide();
    m_factory.button(editing, "ExampleBtn", QRect(110, -40, 20, 20), "")->hide();
    auto* phaseTemplate = m_factory.button(editing, "ExampleBtn2", QRect(140, -40, 15, 20), "");
    phaseTemplate->setRole(BmpButton::Role::Phase);
    phaseTemplate->hide();
    m_factory.frame(editing, "RzGroupBox10", QRect(170, -40, 20, 20))->hide();
    m_factory.frame(editing, "EQCotrolGrop", QRect(200, -40, 20, 20))->hide();
    m_factory.select(editing, "ComComboBox1", QRect(230, -40, 80, 20), {})->hide();
    m_factory.button(editing, "UnLinkBtn", QRect(320, -40, 40, 20), "断开")->hide();
    m_factory.label(editing, "Label147", QRect(370, -40, 60, 20), "提示框")->hide();
    auto* log = m_factory.adopt(new QPlainTextEdit(editing), "Memo2");
    log->setGeometry(440, -40, 100, 20);
    log->setReadOnly(true);
    log->hide();
}

void TForm1::buildPanelLockBox(QWidget* editing) {
    auto* box = m_factory.frame(editing, "FirstCheckGrop", QRect(322, 150, 300, 110));
    box->setStyleSheet(
        "QGroupBox#FirstCheckGrop { background: #ffffff; border: 2px solid #dc0000;"
        " border-radius: 4px; }");
    auto* label = m_factory.rzLabel(box, "PanelPassLabel", QRect(20, 18, 260, 20),
                                    QString::fromUtf8("输入解锁密码："));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* password = m_factory.textBox(box, "PanelPassWordEdit", QRect(20, 46, 170, 24));
    password->setMaxLength(6);
    password->setEchoMode(QLineEdit::Password);
    password->setProperty("passwordBox", true);
    m_factory.button(box, "RzBmpButton4", QRect(200, 45, 80, 26), "确定");
    box->hide();
}

void TForm1::layoutRegions() {
    const int w = width();
    const int h = height();
    control<QWidget>("Image2")->setGeometry(0, 0, w, kTitleHeight);
    int right = w;
    for (const char* name : {"RzBmpButton3", "RzBmpButton1", "RzBmpButton2"}) {
        QWidget* button = control<QWidget>(name);
        right -= button->width();
        button->move(right, 0);
    }
    control<QWidget>("SysLogoEdit")->move(right - 140, 3);
    control<QWidget>("SysLogoLabel")->move(right - 184, 3);

    const int editWidth = w - kRightColumnWidth;
    const int editHeight = h - kTitleHeight;
    m_editing->setGeometry(0, kTitleHeight, editWidth, editHeight);
    QWidget* row = control<QWidget>("RzGroupBox17");
    row->setGeometry(6, 0, editWidth - 13, kTabRowHeight);
    QWidget* language = control<QWidget>("RzToolButton11");
    language->move(row->width() - kTabWidth - 2, 1);
    control<QWidget>("FormHintTabBtn")->move(language->x() - kTabWidth, 1);

    QWidget* outer = control<QWidget>("AdvPanel1");
    outer->setGeometry(3, kTabRowHeight + kStripHeight, editWidth - 6,
                       editHeight - kTabRowHeight - kStripHeight);
    outer->raise();
    QWidget* inner = control<QWidget>("AdvPanel2");
    inner->resize(outer->width() - kOuterExtraWidth, outer->height() - kOuterExtraHeight);
    QWidget* pass = control<QWidget>("EQPassLabel");
    pass->move(inner->width() - pass->width() - 8, pass->y());
    QWidget* lock = control<QWidget>("FirstCheckGrop");
    lock->move((editWidth - lock->width()) / 2, (editHeight - lock->height()) / 2);
    lock->raise();

    control<QWidget>("RzGroupBox2")
        ->setGeometry(editWidth, kTitleHeight, kRightColumnWidth, editHeight);
    m_systemTabs->resize(kRightColumnWidth - 4, editHeight - 4);
}

}  // namespace aec
