#pragma once
// Lines of receive-side and preset-loading diagnostics, shown in the hidden log box.

#include <functional>
#include <string>
#include <vector>

namespace aec {

class DiagnosticLog {
  public:
    // Called after every change, so a view can mirror the lines.
    using Listener = std::function<void()>;

    void append(std::string line);
    void clear();
    const std::vector<std::string>& lines() const { return m_lines; }
    void setListener(Listener listener) { m_listener = std::move(listener); }

  private:
    // Oldest lines are dropped beyond this, so a noisy line cannot grow memory without bound.
    static constexpr size_t kMaxLines = 20000;
    std::vector<std::string> m_lines;
    Listener m_listener;
};

}  // namespace aec
