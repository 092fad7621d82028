#pragma once
// Drawn buttons of the editor window: bitmap buttons, tool buttons and spin buttons.

#include <QAbstractButton>
#include <QColor>
#include <QWidget>

namespace aec {

// Bitmap button: shows one of four looks; toggles keep their state "0"/"1" in the Hint.
class BmpButton : public QAbstractButton {
    Q_OBJECT
  public:
    enum class Look { Released, Pressed, StayDown, Disabled };
    // What the button is for; phase toggles draw a phase sign instead of a caption, and a
    // heading only titles the controls below it (it takes no clicks).
    enum class Role { Plain, Toggle, Phase, Heading, WindowMinimise, WindowMaximise, WindowClose };

    explicit BmpButton(QWidget* parent = nullptr);
    void setLook(Look look);
    Look look() const { return m_look; }
    void setRole(Role role);
    Role role() const { return m_role; }
    // Caption colour that replaces the look's own while the button is enabled; an invalid
    // colour restores the look's.
    void setCaptionColour(const QColor& colour);
    QColor captionColour() const { return m_caption; }
    QSize sizeHint() const override { return {60, 22}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void paintWindowGlyph(QPainter& painter, const QRectF& area);
    Look m_look = Look::Released;
    Role m_role = Role::Plain;
    bool m_hover = false;
    QColor m_caption;
};

// Tool button of the tab row and the sub-page rows: orange text, or opaque orange when chosen.
class ToolButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ToolButton(QWidget* parent = nullptr);
    // Chosen buttons are opaque orange with white text, the others transparent with orange text.
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    // The press look: opaque at once, before the click decides the final look.
    void setOpaque(bool opaque);
    bool isOpaque() const { return m_opaque; }
    QSize sizeHint() const override { return {64, 30}; }
  signals:
    void mouseDown();
    void mouseUp();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool m_selected = false;
    bool m_opaque = false;
};

// Spin buttons: an up and a down arrow stacked, repeating while held.
class SpinButtons : public QWidget {
    Q_OBJECT
  public:
    explicit SpinButtons(QWidget* parent = nullptr);
    QAbstractButton* upButton() const { return m_up; }
    QAbstractButton* downButton() const { return m_down; }
  signals:
    void upClicked();
    void downClicked();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QAbstractButton* m_up;
    QAbstractButton* m_down;
};

}  // namespace aec
