#pragma once
// Two settings to compare by ear, A and B. The one in use lives in the model's stores; this
// holds the other one and its own undo history, so switching swaps them whole.

#include <cstdint>
#include <vector>

#include "core/edit_history.h"
#include "core/store.h"

namespace aec {

class CompareSlots {
  public:
    // 0 while A is in use, 1 while B is.
    int active() const { return m_active; }
    // Whether the other slot holds settings yet (it starts as a copy at the first switch).
    bool otherFilled() const { return m_filled; }
    const Store& other() const { return m_other; }
    EditHistory& otherHistory() { return m_otherHistory; }
    // Counts copies and switches, so a drawing of the other slot knows when it is stale.
    uint64_t generation() const { return m_generation; }

    // "A→B": the slot not in use becomes a copy of the settings in use.
    void copyToOther(const Store& current);
    // Switches to the other slot: returns what changes (before = in use, after = other) for
    // the settings a person edits, and keeps `current` as the slot left behind.
    std::vector<StoreChange> switchSlots(const Store& current);

  private:
    Store m_other{};
    EditHistory m_otherHistory;
    uint64_t m_generation = 0;
    bool m_filled = false;
    int m_active = 0;
};

}  // namespace aec
