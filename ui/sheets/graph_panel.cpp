// The graph panel: the command strip along its top and the plot with its markers and caption.
#include <QPainter>

#include "eq/graph_layout.h"
#include "eq/graph_picture.h"
#include "eq/response_graph.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/graph_image.h"
#include "ui/widgets/look.h"
#include "ui/widgets/point_image.h"

namespace aec {

namespace {

// A panel that fills itself with one colour.
class Panel : public QWidget {
  public:
    Panel(const QColor& colour, QWidget* parent) : QWidget(parent), m_colour(colour) {}

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_colour); }

  private:
    QColor m_colour;
};

struct StripButton {
    const char* name;
    int left;
    int width;
    const char* caption;
    const char* english;  // the caption in English, or null where another writer sets it
    const char* hint;
    int tag;
    BmpButton::Role role;
    Handler handler;
    ControlList list = ControlList::kTabButtons;
    int index = -1;  // place in the list, or -1 for none
};

constexpr int kButtonTop = 4;
constexpr int kButtonHeight = 24;
constexpr int kEqPassSlot = 8;  // the Music page's; the button follows the page on show

std::vector<BmpButton*> Buttons(ControlFactory& f, QWidget* parent,
                                std::initializer_list<StripButton> buttons) {
    std::vector<BmpButton*> made;
    for (const StripButton& b : buttons) {
        auto* button = f.button(parent, b.name, QRect(b.left, kButtonTop, b.width, kButtonHeight),
                                b.caption, b.hint);
        if (b.english != nullptr) {
            setOtherCaption(button, QString::fromUtf8(b.english));
        }
        button->setRole(b.role);
        setTag(button, b.tag);
        f.serve(button, b.handler);
        if (b.index >= 0) {
            f.list(button, b.list, b.index);
        }
        made.push_back(button);
    }
    return made;
}

void buildCommandStrip(ControlFactory& f, StripParts& parts, QWidget* panel) {
    using Role = BmpButton::Role;
    using L = ControlList;
    const auto analyser = Buttons(
        f, panel,
        {{"PinPPBtn", 48, 58, "频谱", "Spectrum", "0", 0, Role::Toggle, Handler::kSpectrum},
         {"PinDCFBtn", 110, 58, "低触发", "Normal", "0", 0, Role::Toggle, Handler::kLowTrigger}});
    parts.spectrum = analyser[0];
    parts.lowTrigger = analyser[1];
    parts.tools =
        Buttons(f, panel,
                {{"ToolsBtn", 2, 42, "工具", "Tools", "", 0, Role::Plain, Handler::kToolsMenu}})[0];

    parts.copyGroup = f.frame(panel, "CopyGrop", QRect(176, 0, 194, 32));
    Buttons(f, parts.copyGroup,
            {{"LeftBtn", 4, 60, "音乐左", nullptr, "0", 0, Role::Plain, Handler::kPair,
              L::kPairButtons, 0},
             {"SameBtn", 67, 60, "同步", "SYNC", "1", 1, Role::Plain, Handler::kPair,
              L::kPairButtons, 1},
             {"RightBtn", 130, 60, "音乐右", nullptr, "2", 2, Role::Plain, Handler::kPair,
              L::kPairButtons, 2}});

    parts.modeGroup = f.frame(panel, "SingleDiscoGrop", QRect(376, 0, 298, 32));
    const auto modes = Buttons(
        f, parts.modeGroup,
        {{"SingModeBtn", 4, 54, "唱歌", "Sing", "0", 161, Role::Plain, Handler::kMusicMode,
          L::kMusicModeButtons, 0},
         {"DiscoModeBtn", 60, 54, "热舞", "Disco", "1", 161, Role::Plain, Handler::kMusicMode,
          L::kMusicModeButtons, 1},
         {"CodeModeBtn", 116, 54, "解码", "decode", "2", 161, Role::Plain, Handler::kMusicMode,
          L::kMusicModeButtons, 2},
         {"AutoModeBtn", 180, 54, "自动", "Auto", "0", 160, Role::Plain, Handler::kAutoManual},
         {"ManulModeBtn", 238, 54, "手动", "Manual", "1", 160, Role::Plain, Handler::kAutoManual}});
    parts.automatic = modes[3];
    parts.manual = modes[4];

    parts.passGroup = f.frame(panel, "EQPassGrop", QRect(680, 0, 150, 32));
    const auto pass = Buttons(
        f, parts.passGroup,
        {{"EQResetBtn", 4, 68, "EQ重置", "EQ Reset", "", 0, Role::Plain, Handler::kEqReset},
         {"MusEQAllpassBtn", 76, 68, "EQ pass", nullptr, "0", 0, Role::Toggle, Handler::kEqPass}});
    parts.eqReset = pass[0];
    parts.eqPass = f.bind(pass[1], kEqPassSlot);

    parts.compareGroup = f.frame(panel, "CompareGrop", QRect(836, 0, 92, 32));
    const auto compare = Buttons(
        f, parts.compareGroup,
        {{"CompareBtn", 4, 40, "A/B", "A/B", "", 0, Role::Toggle, Handler::kCompare},
         {"CopyCompareBtn", 46, 42, "A→B", "A→B", "", 0, Role::Plain, Handler::kCopyCompare}});
    parts.compare = compare[0];
    parts.copyCompare = compare[1];

    // Where the music modes stand on the output tabs; the microphone tabs show the finder.
    parts.feedbackGroup = f.frame(panel, "FeedbackGrop", QRect(376, 0, 298, 32));
    const auto feedback = Buttons(
        f, parts.feedbackGroup,
        {{"FeedbackBtn", 4, 72, "啸叫查找", "Find howl", "0", 0, Role::Toggle, Handler::kFeedback},
         {"FeedbackApplyBtn", 176, 56, "应用", "Apply", "", 0, Role::Plain,
          Handler::kFeedbackApply},
         {"FeedbackClearBtn", 236, 56, "清除", "Clear", "", 0, Role::Plain,
          Handler::kFeedbackClear}});
    parts.feedback = feedback[0];
    parts.feedbackApply = feedback[1];
    parts.feedbackClear = feedback[2];
    parts.feedbackCount =
        f.label(parts.feedbackGroup, "FeedbackCountLabel", QRect(80, kButtonTop, 92, kButtonHeight),
                "", "", Qt::AlignCenter);
    parts.feedbackGroup->hide();
}

}  // namespace

void buildGraphPanel(ControlFactory& f, WindowParts& parts, QWidget* parent, const QRect& area) {
    GraphParts& graph = parts.graph;
    auto* outer = f.adopt(new Panel(look::kWhite, parent), "AdvPanel1");
    outer->setGeometry(area);
    graph.outer = outer;
    buildCommandStrip(f, parts.strip, outer);

    const QPoint origin = ResponseGraph::kDesignPlotOrigin;
    auto* inner = f.adopt(new Panel(look::kGraphPanel, outer), "AdvPanel2");
    inner->setGeometry(origin.x(), origin.y(), area.width() - kOuterExtraWidth,
                       area.height() - kOuterExtraHeight);
    graph.inner = inner;
    graph.image = f.adopt(new GraphImage(inner), "Image1");
    graph.image->setGeometry(0, 0, inner->width(), inner->height());

    for (int i = 0; i < kPointCount; ++i) {
        auto* marker = f.adopt(new PointImage(PointImage::Shape::Disc, inner),
                               QString::fromStdString(markerName(i)));
        marker->setGeometry(0, 0, kMarkerSize, kMarkerSize);
        setTag(marker, i);
        marker->hide();
        graph.markers.push_back(f.serve(marker, Handler::kPointDrag));
    }
    auto* caption = f.label(inner, kCaptionName, QRect(0, 0, 80, 42), kDesignCaptionText);
    caption->setText(QString::fromStdString(captionDisplayText(kDesignCaptionText)));
    caption->setFont(captionFont());
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                               .arg(QColor::fromRgb(kCaptionColour).name()));
    caption->hide();
    graph.caption = caption;

    auto* pass = f.label(inner, "EQPassLabel", QRect(inner->width() - 96, 6, 88, 22), "EQ PASS",
                         "EQ PASS", Qt::AlignCenter);
    QFont big = pass->font();
    big.setBold(true);
    big.setPointSize(12);
    pass->setFont(big);
    pass->setStyleSheet("color: #e03c14; background: transparent;");
    pass->hide();
    graph.passLabel = pass;
}

}  // namespace aec
