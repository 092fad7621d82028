#include "ui/widgets/buttons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/widgets/look.h"

namespace aec {

namespace {

// One half of a spin button pair: a small arrow.
class ArrowButton : public QAbstractButton {
  public:
    ArrowButton(bool up, QWidget* parent) : QAbstractButton(parent), m_up(up) {
        setAutoRepeat(true);
        setAutoRepeatDelay(400);
        setAutoRepeatInterval(80);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(look::kBorder);
        p.setBrush(isDown() ? look::kPaleOrange : QColor(248, 248, 248));
        p.drawRect(r);
        const QPointF c = r.center();
        QPainterPath arrow;
        const double w = 3.5, h = 2.5;
        if (m_up) {
            arrow.moveTo(c.x() - w, c.y() + h / 2 + 0.5);
            arrow.lineTo(c.x() + w, c.y() + h / 2 + 0.5);
            arrow.lineTo(c.x(), c.y() - h + 0.5);
        } else {
            arrow.moveTo(c.x() - w, c.y() - h / 2 - 0.5);
            arrow.lineTo(c.x() + w, c.y() - h / 2 - 0.5);
            arrow.lineTo(c.x(), c.y() + h - 0.5);
        }
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(isEnabled() ? look::kOrange : look::kDisabledText);
        p.drawPath(arrow);
    }

  private:
    bool m_up;
};

QColor mix(const QColor& a, const QColor& b, float t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

}  // namespace

// ---- BmpButton ----

BmpButton::BmpButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void BmpButton::setLook(Look look) {
    if (m_look == look) {
        return;
    }
    m_look = look;
    update();
}

void BmpButton::setRole(Role role) {
    m_role = role;
    const bool heading = role == Role::Heading;
    setAttribute(Qt::WA_TransparentForMouseEvents, heading);
    setCursor(heading ? Qt::ArrowCursor : Qt::PointingHandCursor);
    update();
}

void BmpButton::setCaptionColour(const QColor& colour) {
    m_caption = colour;
    update();
}

void BmpButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BmpButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void BmpButton::paintWindowGlyph(QPainter& p, const QRectF& area) {
    const bool close = m_role == Role::WindowClose;
    if (m_hover || isDown()) {
        p.fillRect(area, close ? QColor(232, 17, 35) : QColor(255, 255, 255, 60));
    }
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::NoBrush);
    const QPointF c = area.center();
    if (m_role == Role::WindowMinimise) {
        p.drawLine(QPointF(c.x() - 5, c.y() + 3), QPointF(c.x() + 5, c.y() + 3));
    } else if (m_role == Role::WindowMaximise) {
        p.drawRect(QRectF(c.x() - 5, c.y() - 4, 10, 9));
        p.drawLine(QPointF(c.x() - 5, c.y() - 3), QPointF(c.x() + 5, c.y() - 3));
    } else {
        p.drawLine(QPointF(c.x() - 4.5, c.y() - 4.5), QPointF(c.x() + 4.5, c.y() + 4.5));
        p.drawLine(QPointF(c.x() + 4.5, c.y() - 4.5), QPointF(c.x() - 4.5, c.y() + 4.5));
    }
}

void BmpButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_role == Role::WindowMinimise || m_role == Role::WindowMaximise ||
        m_role == Role::WindowClose) {
        paintWindowGlyph(p, r);
        return;
    }
    Look look = m_look;
    if (isDown()) {
        look = Look::Pressed;
    }
    QColor fill, border, ink;
    switch (look) {
        case Look::Pressed:
            fill = look::kOrange;
            border = look::kOrange.darker(115);
            ink = Qt::white;
            break;
        case Look::StayDown:
            fill = look::kPaleOrange;
            border = QColor(230, 190, 130);
            ink = look::kText;
            break;
        case Look::Disabled:
            fill = QColor(226, 226, 226);
            border = QColor(205, 205, 205);
            ink = QColor(140, 140, 140);
            break;
        case Look::Released:
        default:
            fill = QColor(245, 245, 245);
            border = QColor(190, 190, 190);
            ink = look::kText;
            break;
    }
    if (m_hover && isEnabled() && look != Look::Pressed) {
        fill = mix(fill, look::kOrange, 0.18F);
    }
    if (m_caption.isValid()) {
        ink = m_caption;
    }
    if (!isEnabled()) {
        // Faded, but a locked choice still tells its pressed button from the stayed-down ones.
        fill = mix(fill, Qt::white, 0.35F);
        ink = look == Look::Pressed ? mix(Qt::white, fill, 0.3F) : look::kDisabledText;
    }
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, fill.lighter(106));
    gradient.setColorAt(1, fill.darker(104));
    p.setPen(border);
    p.setBrush(gradient);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(ink);
    if (m_role == Role::Phase) {
        // Phase sign: a circle with a stroke, filled when the phase is inverted.
        const QPointF c = r.center();
        const double radius = std::min(r.width(), r.height()) / 2 - 3;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.2));
        p.drawEllipse(c, radius, radius);
        p.drawLine(QPointF(c.x() - radius, c.y() + radius),
                   QPointF(c.x() + radius, c.y() - radius));
        return;
    }
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text());
}

// ---- ToolButton ----

ToolButton::ToolButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void ToolButton::setSelected(bool selected) {
    m_selected = selected;
    m_opaque = selected;
    update();
}

void ToolButton::setOpaque(bool opaque) {
    m_opaque = opaque;
    update();
}

void ToolButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit mouseDown();
    }
    QAbstractButton::mousePressEvent(event);
}

void ToolButton::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit mouseUp();
    }
}

void ToolButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 2, -1, 0);
    if (m_opaque) {
        // Rounded at the top, square where it meets the row's rule.
        p.setPen(Qt::NoPen);
        p.setBrush(look::kOrange);
        p.drawRoundedRect(r, 3, 3);
        p.drawRect(r.adjusted(0, r.height() / 2, 0, 0));
        p.setPen(Qt::white);
    } else {
        if (underMouse() && isEnabled()) {
            p.setPen(Qt::NoPen);
            QColor wash = look::kOrange;
            wash.setAlpha(28);
            p.setBrush(wash);
            p.drawRoundedRect(r, 3, 3);
        }
        p.setPen(isEnabled() ? look::kOrange : look::kDisabledText);
    }
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect().adjusted(0, 2, 0, 0), Qt::AlignCenter, text());
}

// ---- SpinButtons ----

SpinButtons::SpinButtons(QWidget* parent)
    : QWidget(parent), m_up(new ArrowButton(true, this)), m_down(new ArrowButton(false, this)) {
    connect(m_up, &QAbstractButton::clicked, this, &SpinButtons::upClicked);
    connect(m_down, &QAbstractButton::clicked, this, &SpinButtons::downClicked);
}

void SpinButtons::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

}  // namespace aec
