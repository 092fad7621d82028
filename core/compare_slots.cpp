#include "core/compare_slots.h"

namespace aec {

void CompareSlots::copyToOther(const Store& current) {
    m_other = current;
    m_filled = true;
    ++m_generation;
    m_otherHistory.restart(current, HistoryStart::kFresh);
}

std::vector<StoreChange> CompareSlots::switchSlots(const Store& current) {
    if (!m_filled) {
        copyToOther(current);
    }
    std::vector<StoreChange> changes;
    for (int page = 0; page < kPageCount; ++page) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const int32_t now = current[page][slot];
            const int32_t then = m_other[page][slot];
            if (now != then && EditHistory::tracks(makeAddress(page, slot))) {
                changes.push_back({makeAddress(page, slot), now, then});
            }
        }
    }
    m_other = current;
    m_active = 1 - m_active;
    ++m_generation;
    return changes;
}

}  // namespace aec
