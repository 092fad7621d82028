// TForm1's controls: title strip, tab row, sheets, graph panel, system column, hidden controls.
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>

#include "eq/graph_picture.h"
#include "ui/frame/main_window.h"
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
    void (*build)(ControlFactory&, WindowParts&, QWidget*);
};

constexpr SheetSpec kSheets[9] = {
    {"AdvTabSheet1_mus", "音乐", buildMusicSheet},
    {"AdvTabSheet2_mic", "麦克风", buildMicSheet},
    {"AdvTabSheet3_Eff", "效果", buildEffectSheet},
    {"AdvTabSheet4_Main", "主输出", buildOutputSheet},
    {"AdvTabSheet5_Center", "中置", buildHintSheet},
    {"AdvTabSheet6_Sub", "超低音", nullptr},
    {"AdvTabSheet7_sur", "后置", nullptr},
    {"AdvTabSheet8_Sys", "系统", buildSystemSheet},
    {"AdvTabSheet9_DEQ", "动态均衡", buildDynamicEqSheet},
};

}  // namespace

void TForm1::buildWindow() {
    setObjectName("TForm1");
    setFont(look::windowFont());
    setStyleSheet(look::windowStyleSheet());
    buildTitleStrip();
    m_frame.editing = m_factory.frame(
        this, "MaINGroupBox2",
        QRect(0, kTitleHeight, kClientWidth - kRightColumnWidth, kClientHeight - kTitleHeight));
    m_frame.editing->setStyleSheet("QGroupBox#MaINGroupBox2 { border: none; }");
    buildTabRow(m_frame.editing);
    buildSheets(m_frame.editing);
    buildGraphPanel(
        m_factory, m_parts, m_frame.editing,
        QRect(3, m_frame.editing->height() - kGraphPanelHeight, 938, kGraphPanelHeight));
    buildHiddenControls(m_frame.editing);
    buildPanelLockBox(m_frame.editing);
    m_frame.systemColumn = buildRightColumn(m_factory, m_parts, this,
                                            QRect(kClientWidth - kRightColumnWidth, kTitleHeight,
                                                  kRightColumnWidth, kClientHeight - kTitleHeight));
    m_frame.systemColumn->setStyleSheet("QGroupBox#RzGroupBox2 { border: none; }");
    // The window buttons sit above everything else in the top right corner.
    for (BmpButton* button : m_frame.windowButtons) {
        button->raise();
    }
}

void TForm1::buildTitleStrip() {
    auto* strip = m_factory.adopt(new TitleStrip(this), "Image2");
    strip->setGeometry(0, 0, kClientWidth, kTitleHeight);
    m_frame.titleStrip = strip;
    auto* model =
        m_factory.rzLabel(strip, "ModelNameLabel", QRect(10, 0, 300, kTitleHeight),
                          QString::fromUtf8("DSP 音频效果处理器  ·  Audio Effect Contrller"));
    model->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    model->setStyleSheet("color: white; font-weight: bold;");
    model->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_frame.accessLabel = m_factory.label(strip, "SysLogoLabel", QRect(0, 3, 40, 19), "运行：");
    m_frame.accessLabel->setStyleSheet("color: white;");
    m_frame.accessLabel->hide();
    m_frame.accessCode = m_factory.textBox(strip, "SysLogoEdit", QRect(0, 3, 130, 19));
    m_factory.serve(m_frame.accessCode, Handler::kAccessCode);
    m_frame.accessCode->hide();

    using Role = BmpButton::Role;
    const struct {
        const char* name;
        int width;
        Role role;
        Handler handler;
    } kButtons[3] = {{"RzBmpButton2", kMinimiseWidth, Role::WindowMinimise, Handler::kMinimise},
                     {"RzBmpButton1", kMaximiseWidth, Role::WindowMaximise, Handler::kMaximise},
                     {"RzBmpButton3", kCloseWidth, Role::WindowClose, Handler::kClose}};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const auto& b = kButtons[i];
        auto* button =
            m_factory.button(this, b.name, QRect(0, 0, b.width, kWindowButtonHeight), "");
        button->setRole(b.role);
        m_frame.windowButtons[i] = m_factory.serve(button, b.handler);
    }
}

void TForm1::buildTabRow(QWidget* editing) {
    auto* row = m_factory.adopt(new TabRow(editing), "RzGroupBox17");
    row->setGeometry(6, 0, 931, kTabRowHeight);
    m_frame.tabRow = row;
    const auto tab = [&](int t, const QRect& r) {
        auto* button = m_factory.tool(row, kTabs[t].name, r, kTabs[t].cn, kTabs[t].en, t);
        return m_factory.list(m_factory.serve(button, Handler::kTab), ControlList::kTabButtons, t);
    };
    int x = 2;
    for (int t = 0; t < kTabCount - 1; ++t) {
        const int width = t == kTabDynamicEq ? kWideTabWidth : kTabWidth;
        tab(t, QRect(x, 1, width, kTabRowHeight - 3));
        x += width;
    }
    m_frame.statusLabel = m_factory.label(row, "LinkLabel", QRect(x + 16, 4, 92, 24), "设备未连接");
    m_frame.statusLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_frame.statusLabel->setStyleSheet("color: #c0392b;");
    m_factory.serve(m_frame.statusLabel, Handler::kStatusLabel);
    m_frame.linkButton = m_factory.button(row, "LinkBtn", QRect(x + 114, 5, 58, 23), "联机");
    m_factory.serve(m_frame.linkButton, Handler::kLink);
    m_frame.hintTab = tab(kTabHint, QRect(0, 1, kTabWidth, 30));
    m_frame.hintTab->hide();
    m_frame.languageButton =
        m_factory.tool(row, "RzToolButton11", QRect(0, 1, kTabWidth, 30), "English", "中文", 0);
    m_factory.serve(m_frame.languageButton, Handler::kLanguage);
}

void TForm1::buildSheets(QWidget* editing) {
    m_frame.pages = m_factory.adopt(new QStackedWidget(editing), "FormPageItem");
    m_frame.pages->setGeometry(5, kTabRowHeight, kSheetWidth, kSheetHeight);
    for (const SheetSpec& plan : kSheets) {
        auto* sheet = m_factory.adopt(new AdvTabSheet, plan.name);
        sheet->setCaption(QString::fromUtf8(plan.caption));
        setHint(sheet, QString());
        m_frame.pages->addWidget(sheet);
        if (plan.build) {
            plan.build(m_factory, m_parts, sheet);
        }
    }
}

void TForm1::buildHiddenControls(QWidget* editing) {
    // The focus parks here after a tab change: above the tab row, out of sight.
    m_frame.focusPark = m_factory.textBox(editing, "Examplexx", QRect(10, -40, 40, 20));
    m_frame.focusPark->setFocusPolicy(Qt::StrongFocus);
    auto* example = m_factory.edit(editing, "Example", QRect(60, -40, 40, 20), 0);
    example->hide();
    m_controls.setPlaceholder(example);
    m_factory.button(editing, "ExampleBtn", QRect(110, -40, 20, 20), "")->hide();
    auto* phaseTemplate = m_factory.button(editing, "ExampleBtn2", QRect(140, -40, 15, 20), "");
    phaseTemplate->setRole(BmpButton::Role::Phase);
    phaseTemplate->hide();
    m_factory.frame(editing, "RzGroupBox10", QRect(170, -40, 20, 20))->hide();
    m_factory.frame(editing, "EQCotrolGrop", QRect(200, -40, 20, 20))->hide();
    m_frame.portList = m_factory.select(editing, "ComComboBox1", QRect(230, -40, 80, 20), {});
    m_frame.portList->hide();
    m_frame.unlinkButton = m_factory.button(editing, "UnLinkBtn", QRect(320, -40, 40, 20), "断开");
    m_factory.serve(m_frame.unlinkButton, Handler::kLink);
    m_frame.unlinkButton->hide();
    m_factory.label(editing, "Label147", QRect(370, -40, 60, 20), "提示框")->hide();
    m_frame.log = m_factory.adopt(new QPlainTextEdit(editing), "Memo2");
    m_frame.log->setGeometry(440, -40, 100, 20);
    m_frame.log->setReadOnly(true);
    m_frame.log->hide();
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
    makePasswordBox(*password, true);
    m_frame.unlockBox = m_factory.serve(password, Handler::kPasswordBox);
    m_factory.serve(m_factory.button(box, "RzBmpButton4", QRect(200, 45, 80, 26), "确定"),
                    Handler::kPanelUnlock);
    box->hide();
    m_frame.lockBox = box;
}

void TForm1::layoutRegions() {
    const int w = width();
    const int h = height();
    m_frame.titleStrip->setGeometry(0, 0, w, kTitleHeight);
    int right = w;
    for (auto it = m_frame.windowButtons.rbegin(); it != m_frame.windowButtons.rend(); ++it) {
        right -= (*it)->width();
        (*it)->move(right, 0);
    }
    m_frame.accessCode->move(right - 140, 3);
    m_frame.accessLabel->move(right - 184, 3);

    const int editWidth = w - kRightColumnWidth;
    const int editHeight = h - kTitleHeight;
    m_frame.editing->setGeometry(0, kTitleHeight, editWidth, editHeight);
    m_frame.tabRow->setGeometry(6, 0, editWidth - 13, kTabRowHeight);
    QWidget* language = m_frame.languageButton;
    language->move(m_frame.tabRow->width() - kTabWidth - 2, 1);
    m_frame.hintTab->move(language->x() - kTabWidth, 1);

    QWidget* outer = m_parts.graph.outer;
    outer->setGeometry(3, kTabRowHeight + kStripHeight, editWidth - 6,
                       editHeight - kTabRowHeight - kStripHeight);
    outer->raise();
    QWidget* inner = m_parts.graph.inner;
    inner->resize(outer->width() - kOuterExtraWidth, outer->height() - kOuterExtraHeight);
    QWidget* pass = m_parts.graph.passLabel;
    pass->move(inner->width() - pass->width() - 8, pass->y());
    QWidget* lock = m_frame.lockBox;
    lock->move((editWidth - lock->width()) / 2, (editHeight - lock->height()) / 2);
    lock->raise();

    m_frame.systemColumn->setGeometry(editWidth, kTitleHeight, kRightColumnWidth, editHeight);
    m_parts.system.tabs->resize(kRightColumnWidth - 4, editHeight - 4);
}

}  // namespace aec
