#include "core/edit_history.h"

#include "core/offline_edits.h"

namespace aec {

namespace {

size_t changesIn(const std::vector<HistoryStep>& steps) {
    size_t n = 0;
    for (const HistoryStep& s : steps) {
        n += s.size();
    }
    return n;
}

}  // namespace

bool EditHistory::tracks(int address) { return OfflineEdits::keeps(address); }

void EditHistory::restart(const Store& params, HistoryStart why) {
    m_baseline = params;
    m_lastSeen = params;
    m_quiet = 0;
    m_undo.clear();
    m_redo.clear();
    m_changes = 0;
    m_start = why;
}

void EditHistory::keep(int page, int slot, int32_t value) {
    if (isValidCell(page, slot)) {
        m_baseline[page][slot] = value;
        m_lastSeen[page][slot] = value;
    }
}

bool EditHistory::tick(const Store& params, bool holding) {
    if (params != m_lastSeen) {
        m_lastSeen = params;
        m_quiet = 0;
        return false;
    }
    if (holding || m_quiet >= kQuietTicks) {
        return false;
    }
    if (++m_quiet < kQuietTicks) {
        return false;
    }
    return close(params);
}

bool EditHistory::close(const Store& params) {
    m_lastSeen = params;
    m_quiet = kQuietTicks;
    if (params == m_baseline) {
        return false;
    }
    HistoryStep step;
    for (int page = 0; page < kPageCount; ++page) {
        const PageRow& now = params[page];
        PageRow& was = m_baseline[page];
        if (now == was) {
            continue;
        }
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const int address = makeAddress(page, slot);
            if (now[slot] != was[slot] && tracks(address)) {
                step.push_back({address, was[slot], now[slot]});
            }
        }
    }
    m_baseline = params;
    if (step.empty()) {
        return false;
    }
    push(std::move(step));
    return true;
}

void EditHistory::push(HistoryStep step) {
    m_changes -= changesIn(m_redo);
    m_redo.clear();
    m_changes += step.size();
    m_undo.push_back(std::move(step));
    while (m_undo.size() > 1 && (m_undo.size() > kMaxSteps || m_changes > kMaxChanges)) {
        dropOldest();
    }
}

void EditHistory::dropOldest() {
    m_changes -= m_undo.front().size();
    m_undo.pop_front();
}

HistoryStep EditHistory::undo(const Store& params) {
    close(params);
    if (m_undo.empty()) {
        return {};
    }
    HistoryStep step = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(step);
    return step;
}

HistoryStep EditHistory::redo(const Store& params) {
    // A change made since the last undo is a new step, which ends the redo side.
    close(params);
    if (m_redo.empty()) {
        return {};
    }
    HistoryStep step = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back(step);
    return step;
}

void EditHistory::settle(const Store& params) {
    m_baseline = params;
    m_lastSeen = params;
    m_quiet = kQuietTicks;
}

}  // namespace aec
