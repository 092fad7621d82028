#pragma once
// The undo history of the settings: each step is the set of values a person changed in one
// go, with the values before and after. Steps are found by comparing the store with the
// values at the end of the last step once the store has been quiet for a moment, so every
// path that changes settings is covered without each one reporting itself.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "core/store.h"

namespace aec {

struct StoreChange {
    int address = 0;  // device address, page * 256 + slot
    int32_t before = 0;
    int32_t after = 0;
    bool operator==(const StoreChange&) const = default;
};
using HistoryStep = std::vector<StoreChange>;

// Why the history last started over.
enum class HistoryStart : uint8_t {
    kFresh,       // the editor started
    kLinked,      // the processor's settings were loaded by a link
    kModeLoaded,  // a mode was loaded on the processor
};

class EditHistory {
  public:
    // Bounds that keep memory flat over a long session: the oldest steps go first.
    static constexpr size_t kMaxSteps = 200;
    static constexpr size_t kMaxChanges = 100000;
    // Ticks (10 ms) without a change before the open step closes: a burst of wheel turns or
    // arrow keys is one step.
    static constexpr int kQuietTicks = 20;

    // Settings a person edits: the audio pages, the input selection and the music input
    // level; never passwords, mode commands or protocol slots.
    static bool tracks(int address);

    // The store as it is now is where the history starts; every step is gone.
    void restart(const Store& params, HistoryStart why);
    // A value the processor reported: part of the starting point, never a step.
    void keep(int page, int slot, int32_t value);
    // One timer tick. `holding` while a person is in the middle of a change (a button held,
    // a drag). Returns true when a step was closed.
    bool tick(const Store& params, bool holding);
    // Closes the open step now. Returns true when there was one.
    bool close(const Store& params);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    HistoryStart start() const { return m_start; }
    size_t stepCount() const { return m_undo.size() + m_redo.size(); }
    size_t changeCount() const { return m_changes; }

    // Closes the open step, then hands out the step to take back (apply each `before`) or to
    // do again (apply each `after`); empty when there is none. Call settle() once applied.
    HistoryStep undo(const Store& params);
    HistoryStep redo(const Store& params);
    // The store as it is now is the end of the last step (after applying one).
    void settle(const Store& params);

  private:
    void push(HistoryStep step);
    void dropOldest();

    Store m_baseline{};
    Store m_lastSeen{};
    int m_quiet = 0;
    std::deque<HistoryStep> m_undo;
    std::vector<HistoryStep> m_redo;
    size_t m_changes = 0;
    HistoryStart m_start = HistoryStart::kFresh;
};

}  // namespace aec
