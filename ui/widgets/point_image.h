#pragma once
// Small draggable pictures: the band points of the response graph and the start and maximum
// markers of the volume bars. They draw themselves and report mouse presses, moves and releases.

#include <QWidget>

namespace aec {

class PointImage : public QWidget {
    Q_OBJECT
  public:
    enum class Shape { Disc, StartMarker, MaxMarker };
    PointImage(Shape shape, QWidget* parent = nullptr);
    Shape shape() const { return m_shape; }
  signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Shape m_shape;
};

}  // namespace aec
