#pragma once
// A message service for tests: records every box and answers from a script.

#include <deque>
#include <vector>

#include "ui/widgets/message_service.h"

namespace aec {

class ScriptedMessages : public MessageService {
  public:
    struct Shown {
        QString text;
        QString caption;
        Buttons buttons;
    };
    // Answers given in order; when none is queued, Yes/No questions answer Yes and the other
    // boxes Ok.
    void queue(Answer answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

    Answer show(const QString& text, const QString& caption, Buttons buttons) override {
        m_shown.push_back({text, caption, buttons});
        if (!m_answers.empty()) {
            const Answer a = m_answers.front();
            m_answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }

  private:
    std::deque<Answer> m_answers;
    std::vector<Shown> m_shown;
};

}  // namespace aec
