#pragma once
// The ring of writes waiting for the processor's acknowledgements.

#include <array>

namespace aec {

struct PendingWrite {
    int address = 0;
    int value = 0;
    bool operator==(const PendingWrite&) const = default;
};

// 500 entries; empty when head equals tail, so at most 499 wait. Put coalesces on the newest
// entry and overwrites it when the ring is full; Take hands out the oldest.
class PendingQueue {
  public:
    static constexpr int kCapacity = 500;

    // Queues a write, or updates the newest entry when it has the same address.
    void put(int address, int value);
    // Advances the tail to the oldest entry and makes it the current entry; false when empty.
    bool take();
    // head = tail = 0: the queue is empty and the next entry goes to index 1.
    void clear();
    // tail = head: drops every waiting entry, keeping the indexes where they are.
    void discard();

    bool empty() const { return m_head == m_tail; }
    int size() const { return (m_head - m_tail + kCapacity) % kCapacity; }
    int head() const { return m_head; }
    int tail() const { return m_tail; }
    // The entry taken last, re-sent when its acknowledgement is missing.
    const PendingWrite& current() const { return m_entries[m_current]; }
    const PendingWrite& at(int index) const { return m_entries[index]; }

  private:
    static int next(int index) { return index == kCapacity - 1 ? 0 : index + 1; }

    std::array<PendingWrite, kCapacity> m_entries{};
    int m_head = 0;
    int m_tail = 0;
    int m_current = 0;
};

}  // namespace aec
