#pragma once
// Modal message boxes go through this one service, so tests can answer them.

#include <QString>

class QWidget;

namespace aec {

class MessageService {
  public:
    enum class Buttons { Ok, YesNo, OkCancel };
    enum class Answer { Ok, Yes, No, Cancel };
    virtual ~MessageService() = default;
    // Shows `text` in a modal box captioned `caption` and returns the button chosen.
    virtual Answer show(const QString& text, const QString& caption, Buttons buttons) = 0;
};

// Message boxes on the screen, parented to the main window.
class QtMessageService : public MessageService {
  public:
    explicit QtMessageService(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    Answer show(const QString& text, const QString& caption, Buttons buttons) override;

  private:
    QWidget* m_parent;
};

}  // namespace aec
