#include "ui/widgets/controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTabWidget>

#include "presets/system_rules.h"
#include "ui/widgets/buttons.h"

namespace aec {

namespace {
constexpr char kTag[] = "Tag";
constexpr char kHint[] = "Hint";
}  // namespace

int tagOf(const QObject* control) { return control ? control->property(kTag).toInt() : 0; }

void setTag(QObject* control, int tag) {
    if (control) {
        control->setProperty(kTag, tag);
    }
}

QString hintOf(const QObject* control) {
    return control ? control->property(kHint).toString() : QString();
}

void setHint(QObject* control, const QString& hint) {
    if (control) {
        control->setProperty(kHint, hint);
    }
}

int hintNumber(const QObject* control, int fallback, bool* ok) {
    bool good = false;
    const int value = hintOf(control).trimmed().toInt(&good);
    if (ok) {
        *ok = good;
    }
    return good ? value : fallback;
}

// ---- EditBox ----

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
    setFrame(true);
}

void EditBox::setBackground(const QColor& colour) {
    setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
}

void makePasswordBox(EditBox& box, bool masked) {
    box.setProperty("passwordBox", true);
    if (masked) {
        box.setEchoMode(QLineEdit::Password);
    }
    box.setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), &box));
    box.setKeyFilter([](QChar ch) { return isPasswordKey(ch.unicode()); });
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    if (!m_handler) {
        const QString text = event->text();
        if (m_filter && !text.isEmpty() && !m_filter(text.at(0))) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QPointer<EditBox> self(this);
    const int key = event->key();
    m_handler->MusFreEdit1KeyDown(*this, key);
    if (!self) {
        return;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right) {
        event->accept();  // arrows step values; they do not move the text cursor
        return;
    }
    QChar ch;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ch = QChar('\r');
    } else if (key == Qt::Key_Backspace) {
        ch = QChar('\b');
    } else if (!event->text().isEmpty()) {
        ch = event->text().at(0);
    } else {
        QLineEdit::keyPressEvent(event);  // Delete, Home, End and other keys without a character
        return;
    }
    const bool typed = m_handler->MusFreEdit1KeyPress(*this, ch);
    if (!self) {
        return;
    }
    if (typed && ch != QChar('\r')) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();
    }
}

void EditBox::mousePressEvent(QMouseEvent* event) {
    const QPointer<EditBox> self(this);
    QLineEdit::mousePressEvent(event);
    if (self && m_handler && event->button() == Qt::LeftButton) {
        m_handler->MusFreEdit1Click(*this);
    }
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving the window or opening a menu is not leaving the box.
    const Qt::FocusReason reason = event->reason();
    if (m_handler && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        m_handler->MusFreEdit1Exit(*this);
    }
}

// ---- ValuePane, TrackBar, SelectBox ----

ValuePane::ValuePane(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    setProperty("valuePane", true);
}

TrackBar::TrackBar(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
}

SelectBox::SelectBox(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

void SelectBox::wheelEvent(QWheelEvent* event) {
    // A wheel passing over a closed box must not change a parameter.
    if (hasFocus()) {
        QComboBox::wheelEvent(event);
    } else {
        event->ignore();
    }
}

// ---- Labels ----

Label::Label(QWidget* parent) : QLabel(parent) {}

void Label::setOpaque(bool opaque, const QColor& fill, const QColor& text, const QColor& border) {
    m_opaque = opaque;
    if (fill.isValid()) {
        m_fill = fill;
    }
    if (text.isValid()) {
        m_fillText = text;
    }
    m_border = border;
    update();
}

void Label::mousePressEvent(QMouseEvent* event) {
    // A label is a control: a press on it never drags the window.
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
    QLabel::mouseDoubleClickEvent(event);
}

void Label::paintEvent(QPaintEvent* event) {
    if (!m_opaque || !m_fill.isValid()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_border.isValid() ? QPen(m_border) : QPen(Qt::NoPen));
    painter.setBrush(m_fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.setPen(m_fillText.isValid() ? m_fillText : palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(contentsRect(), int(alignment()), text());
}

RzLabel::RzLabel(QWidget* parent) : Label(parent) { setAlignment(Qt::AlignCenter); }

AdvGroupBox::AdvGroupBox(QWidget* parent) : QGroupBox(parent) {}

RzGroupBox::RzGroupBox(QWidget* parent) : QGroupBox(parent) {}

// ---- Sheets and scroll boxes ----

AdvTabSheet::AdvTabSheet(QWidget* parent) : QWidget(parent) {}

void AdvTabSheet::setCaption(const QString& caption) {
    m_caption = caption;
    // A sheet inside a tab widget sits in its stack; the tab widget is two levels up.
    for (QWidget* p = parentWidget(); p; p = p->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
            const int index = tabs->indexOf(this);
            if (index >= 0) {
                tabs->setTabText(index, caption);
            }
            break;
        }
    }
}

ScrollBox::ScrollBox(QWidget* parent) : QScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setFocusPolicy(Qt::NoFocus);
}

void ScrollBox::setScrollX(int x) { horizontalScrollBar()->setValue(x); }

void ScrollBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

// ---- Captions ----

QString captionOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(control)) {
        return group->title();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* sheet = qobject_cast<const AdvTabSheet*>(control)) {
        return sheet->caption();
    }
    return {};
}

void setCaption(QWidget* control, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* sheet = qobject_cast<AdvTabSheet*>(control)) {
        sheet->setCaption(caption);
    }
}

QString otherCaptionOf(const QWidget* button) {
    return button->property("OtherCaption").toString();
}

void setOtherCaption(QWidget* button, const QString& text) {
    button->setProperty("OtherCaption", text);
}

void setBilingual(QWidget* control, const QString& cn, const QString& en, int languageFlag) {
    const bool chinese = languageFlag == 1;
    setCaption(control, chinese ? cn : en);
    // A bitmap button's Hint holds its state, so its other caption is kept beside it.
    if (qobject_cast<BmpButton*>(control)) {
        setOtherCaption(control, chinese ? en : cn);
    } else {
        setHint(control, chinese ? en : cn);
    }
}

}  // namespace aec
