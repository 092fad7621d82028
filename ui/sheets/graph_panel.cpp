// The graph panel: the command strip along its top and the plot with its markers and caption.
#include <QPainter>

#include "eq/graph_layout.h"
#include "eq/graph_picture.h"
#include "eq/response_graph.h"
#include "ui/graph/graph_view.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/look.h"

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
    const char* hint;
    int tag;
    BmpButton::Role role;
};

constexpr int kButtonTop = 4;
constexpr int kButtonHeight = 24;

void Buttons(ControlFactory& f, QWidget* parent, std::initializer_list<StripButton> buttons) {
    for (const StripButton& b : buttons) {
        auto* button = f.button(parent, b.name, QRect(b.left, kButtonTop, b.width, kButtonHeight),
                                b.caption, b.hint);
        button->setRole(b.role);
        SetTag(button, b.tag);
    }
}

void BuildCommandStrip(ControlFactory& f, QWidget* panel) {
    using Role = BmpButton::Role;
    Buttons(f, panel,
            {{"PinPPBtn", 48, 58, "频谱", "0", 0, Role::Toggle},
             {"PinDCFBtn", 110, 58, "低触发", "0", 0, Role::Toggle}});

    auto* copy = f.frame(panel, "CopyGrop", QRect(176, 0, 194, 32));
    Buttons(f, copy,
            {{"LeftBtn", 4, 60, "音乐左", "0", 0, Role::Plain},
             {"SameBtn", 67, 60, "同步", "1", 1, Role::Plain},
             {"RightBtn", 130, 60, "音乐右", "2", 2, Role::Plain}});

    auto* modes = f.frame(panel, "SingleDiscoGrop", QRect(376, 0, 298, 32));
    Buttons(f, modes,
            {{"SingModeBtn", 4, 54, "唱歌", "0", 161, Role::Plain},
             {"DiscoModeBtn", 60, 54, "热舞", "1", 161, Role::Plain},
             {"CodeModeBtn", 116, 54, "解码", "2", 161, Role::Plain},
             {"AutoModeBtn", 180, 54, "自动", "0", 160, Role::Plain},
             {"ManulModeBtn", 238, 54, "手动", "1", 160, Role::Plain}});

    auto* pass = f.frame(panel, "EQPassGrop", QRect(680, 0, 150, 32));
    Buttons(f, pass,
            {{"EQResetBtn", 4, 68, "EQ重置", "", 0, Role::Plain},
             {"MusEQAllpassBtn", 76, 68, "EQ pass", "0", 0, Role::Toggle}});
}

}  // namespace

QWidget* BuildGraphPanel(ControlFactory& f, QWidget* parent, const QRect& area) {
    auto* outer = f.adopt(new Panel(look::kWhite, parent), "AdvPanel1");
    outer->setGeometry(area);
    BuildCommandStrip(f, outer);

    const QPoint origin = ResponseGraph::kDesignPlotOrigin;
    auto* inner = f.adopt(new Panel(look::kGraphPanel, outer), "AdvPanel2");
    inner->setGeometry(origin.x(), origin.y(), area.width() - kOuterExtraWidth,
                       area.height() - kOuterExtraHeight);
    auto* image = f.adopt(new GraphImage(inner), "Image1");
    image->setGeometry(0, 0, inner->width(), inner->height());

    for (int i = 0; i < kPointCount; ++i) {
        auto* marker = f.adopt(new PointImage(PointImage::Shape::Disc, inner),
                               QString::fromStdString(MarkerName(i)));
        marker->setGeometry(0, 0, kMarkerSize, kMarkerSize);
        SetTag(marker, i);
        marker->hide();
    }
    auto* caption = f.label(inner, kCaptionName, QRect(0, 0, 80, 42), kDesignCaptionText);
    caption->setText(QString::fromStdString(CaptionDisplayText(kDesignCaptionText)));
    caption->setFont(CaptionFont());
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                               .arg(QColor::fromRgb(kCaptionColour).name()));
    caption->hide();

    auto* pass = f.label(inner, "EQPassLabel", QRect(inner->width() - 96, 6, 88, 22), "EQ PASS",
                         "EQ PASS", Qt::AlignCenter);
    QFont big = pass->font();
    big.setBold(true);
    big.setPointSize(12);
    pass->setFont(big);
    pass->setStyleSheet("color: #e03c14; background: transparent;");
    pass->hide();
    return outer;
}

}  // namespace aec
