#include "link/pending_queue.h"

namespace aec {

void PendingQueue::Put(int address, int value) {
    if (empty()) {
        m_head = Next(m_head);
    } else if (m_entries[m_head].address != address && Next(m_head) != m_tail) {
        m_head = Next(m_head);
    }
    // Otherwise the newest entry is reused: same address, or the ring is full.
    m_entries[m_head] = {address, value};
}

bool PendingQueue::Take() {
    if (empty()) return false;
    m_tail = Next(m_tail);
    m_current = m_tail;
    return true;
}

void PendingQueue::Clear() {
    m_head = 0;
    m_tail = 0;
}

void PendingQueue::Discard() { m_tail = m_head; }

}  // namespace aec
