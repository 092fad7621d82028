#include "core/diagnostic_log.h"

namespace aec {

void DiagnosticLog::append(std::string line) {
    if (m_lines.size() >= kMaxLines) {
        m_lines.erase(m_lines.begin(), m_lines.begin() + kMaxLines / 2);
    }
    m_lines.push_back(std::move(line));
    if (m_listener) {
        m_listener();
    }
}

void DiagnosticLog::clear() {
    m_lines.clear();
    if (m_listener) {
        m_listener();
    }
}

}  // namespace aec
