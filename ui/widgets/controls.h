#pragma once
// The kinds of controls on the editor window, and the Tag and Hint every control carries.
//
// Tag is the control's integer tag (a bound control's base address); Hint is its second text
// (for captioned controls the caption in the other language, otherwise a small value such as a
// display kind or a switch state). Both are dynamic properties, so any QWidget can carry them.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSlider>
#include <QTableWidget>
#include <functional>

namespace aec {

int tagOf(const QObject* control);
void setTag(QObject* control, int tag);
QString hintOf(const QObject* control);
void setHint(QObject* control, const QString& hint);
// The Hint read as a whole number; `fallback` when it is not one.
int hintNumber(const QObject* control, int fallback = 0, bool* ok = nullptr);

class EditBox;

// Receives the events of the value edit boxes; one object serves them all.
class EditBoxHandler {
  public:
    virtual ~EditBoxHandler() = default;
    virtual void MusFreEdit1Click(EditBox& box) = 0;
    virtual void MusFreEdit1KeyDown(EditBox& box, int key) = 0;
    // Whether the typed character reaches the box (Enter and backspace included).
    virtual bool MusFreEdit1KeyPress(EditBox& box, QChar ch) = 0;
    virtual void MusFreEdit1Exit(EditBox& box) = 0;
};

// Edit box: a value edit box when it has a handler, otherwise a plain text box.
class EditBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit EditBox(QWidget* parent = nullptr);
    void setHandler(EditBoxHandler* handler) { m_handler = handler; }
    EditBoxHandler* handler() const { return m_handler; }
    // Key filter of a plain box: false discards the typed character.
    void setKeyFilter(std::function<bool(QChar)> filter) { m_filter = std::move(filter); }
    void setBackground(const QColor& colour);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    EditBoxHandler* m_handler = nullptr;
    std::function<bool(QChar)> m_filter;
};

// Makes a plain box a password box: digits, Backspace and Enter are the only keys it takes,
// and a paste or drop that brings anything but digits is refused. Masked boxes show dots.
void makePasswordBox(EditBox& box, bool masked);

// Two-column list (key, name) that rows are picked from; typed keys neither edit nor search it.
class ValueList : public QTableWidget {
    Q_OBJECT
  public:
    explicit ValueList(QWidget* parent = nullptr) : QTableWidget(0, 2, parent) {}
    void keyboardSearch(const QString& /*search*/) override {}
};

// Value pane: shows a formatted value beside a slider (display kind in the Hint).
class ValuePane : public QLabel {
    Q_OBJECT
  public:
    explicit ValuePane(QWidget* parent = nullptr);
};

// Track bar: a parameter slider, a band gain slider, a scroll slider or a volume bar.
class TrackBar : public QSlider {
    Q_OBJECT
  public:
    explicit TrackBar(Qt::Orientation orientation, QWidget* parent = nullptr);
};

// Selection box; `activated` is the user's change, programmatic changes stay silent.
class SelectBox : public QComboBox {
    Q_OBJECT
  public:
    explicit SelectBox(QWidget* parent = nullptr);

  protected:
    void wheelEvent(QWheelEvent* event) override;
};

// Caption label whose texts the language switch exchanges.
class Label : public QLabel {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent = nullptr);
    // Opaque labels fill their background with `fill` and may take another text colour;
    // transparent ones show their own text colour.
    void setOpaque(bool opaque, const QColor& fill = QColor(), const QColor& text = QColor(),
                   const QColor& border = QColor());
    bool isOpaque() const { return m_opaque; }
    QColor fill() const { return m_fill; }
  signals:
    void clicked();
    void doubleClicked();
    void mouseReleased();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_opaque = false;
    QColor m_fill;
    QColor m_fillText;
    QColor m_border;
};

// Small label whose text is data (band numbers, band mode letters); never exchanged.
class RzLabel : public Label {
    Q_OBJECT
  public:
    explicit RzLabel(QWidget* parent = nullptr);
};

// Titled group whose title the language switch exchanges.
class AdvGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit AdvGroupBox(QWidget* parent = nullptr);
};

// Plain group (a frame that holds controls); its title, if any, is not exchanged.
class RzGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit RzGroupBox(QWidget* parent = nullptr);
};

// A sheet of a page container; its caption is exchanged and shown on its tab, if any.
class AdvTabSheet : public QWidget {
    Q_OBJECT
  public:
    explicit AdvTabSheet(QWidget* parent = nullptr);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

  private:
    QString m_caption;
};

// Band strip container: moved only by its scroll slider, never by the wheel.
class ScrollBox : public QScrollArea {
    Q_OBJECT
  public:
    explicit ScrollBox(QWidget* parent = nullptr);
    void setScrollX(int x);

  protected:
    void wheelEvent(QWheelEvent* event) override;
};

// Caption of a captioned control (label, group, button, sheet); empty for other kinds.
QString captionOf(const QWidget* control);
void setCaption(QWidget* control, const QString& caption);

// A bitmap button's caption in the other language; its Hint holds its state.
QString otherCaptionOf(const QWidget* button);
void setOtherCaption(QWidget* button, const QString& text);

// Sets the caption in the active language and keeps the other language as the Hint.
void setBilingual(QWidget* control, const QString& cn, const QString& en, int languageFlag);

}  // namespace aec
