#pragma once
// The plot of the response graph: shows the graph picture (drawn at the screen's pixel density)
// and reports mouse moves and releases.

#include <QImage>
#include <QWidget>

namespace aec {

class GraphImage : public QWidget {
    Q_OBJECT
  public:
    explicit GraphImage(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
  signals:
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    // The picture was drawn for another pixel density than the screen's (the window moved to a
    // screen of another scale): the owner draws it again.
    void pixelRatioChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage m_picture;
};

}  // namespace aec
