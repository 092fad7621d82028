#include "link/pending_queue.h"

namespace aec {

void PendingQueue::Put(int address, int value) {
    // The newest entry is reused when it has the same address or when the ring is full.
    const bool reuse = !empty() && (m_entries[m_head].address == address || Next(m_head) == m_tail);
    if (!reuse) {
        m_head = Next(m_head);
    }
    m_entries[m_head] = {address, value};
}

bool PendingQueue::Take() {
    if (empty()) {
        return false;
    }
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
