#include "link/pending_queue.h"

namespace aec {

void PendingQueue::put(int address, int value) {
    // The newest entry is reused when it has the same address or when the ring is full.
    const bool reuse = !empty() && (m_entries[m_head].address == address || next(m_head) == m_tail);
    if (!reuse) {
        m_head = next(m_head);
    }
    m_entries[m_head] = {address, value};
}

bool PendingQueue::take() {
    if (empty()) {
        return false;
    }
    m_tail = next(m_tail);
    m_current = m_tail;
    return true;
}

void PendingQueue::clear() {
    m_head = 0;
    m_tail = 0;
}

void PendingQueue::discard() { m_tail = m_head; }

}  // namespace aec
