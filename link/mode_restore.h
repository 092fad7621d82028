#pragma once
// Restoring user modes from a backup: for each mode its settings go to the processor, are saved
// under its number with its name, and the mode is loaded back and compared with the file. At the
// end the processor loads the mode it was in. Factory modes are never written. Stepped by tick();
// the link's own timers do the transfers.

#include <string>
#include <vector>

#include "core/model.h"
#include "link/connection.h"
#include "link/mode_steps.h"
#include "presets/preset_file.h"

namespace aec {

// One mode to restore: its index (0 to 15), name and the records of its preset file.
struct RestoreItem {
    int mode = 0;
    std::string name;
    std::vector<PresetRecord> records;
};

enum class RestoreStatus {
    kWaiting,       // not reached (cancelled or stopped before it)
    kRestored,      // saved, and read back equal to the file
    kDiffers,       // saved, but read back with other values or another name
    kNotAUserMode,  // a factory mode or no mode at all: never written
    kNotSaved,      // the link failed before the processor saved it
    kNotVerified,   // saved, but the link failed before it was read back
};

struct RestoreResult {
    int mode = 0;
    std::string name;
    RestoreStatus status = RestoreStatus::kWaiting;
    std::vector<int> differing;  // addresses read back with another value
    bool nameDiffers = false;
};

enum class RestoreOutcome { kRunning, kDone, kCancelled, kLinkFailed };

class ModeRestore {
  public:
    ModeRestore(Model& model, Connection& connection)
        : m_model(model), m_connection(connection), m_steps(model, connection) {}

    // Starts restoring the items in order. False when the link is not on line or a restore
    // already runs.
    bool start(std::vector<RestoreItem> items);
    // The mode in progress is finished if the processor is already saving it; no other starts.
    void cancel() { m_cancelled = true; }
    void tick();

    bool running() const { return m_phase != Phase::kIdle; }
    // The modes are done with; the processor loads its own mode again.
    bool returning() const { return m_phase == Phase::kReturn; }
    int modesDone() const { return static_cast<int>(m_current); }
    int modeCount() const { return static_cast<int>(m_results.size()); }
    RestoreOutcome outcome() const { return m_outcome; }
    const std::vector<RestoreResult>& results() const { return m_results; }

  private:
    enum class Phase { kIdle, kUpload, kSave, kReadBack, kReturn };

    bool startStep();
    void stepDone();
    void compareReadBack();
    void nextMode();
    void finish(RestoreOutcome outcome);

    Model& m_model;
    Connection& m_connection;
    ModeSteps m_steps;
    Phase m_phase = Phase::kIdle;
    bool m_stepStarted = false;
    bool m_cancelled = false;
    size_t m_current = 0;
    int m_originalMode = 0;
    std::vector<RestoreItem> m_items;
    std::vector<RestoreResult> m_results;
    RestoreOutcome m_outcome = RestoreOutcome::kRunning;
    RestoreOutcome m_ending = RestoreOutcome::kDone;
};

// Whether the full load reads the slot back: pages 0 to 29 up to their slot count (the highest
// slot of a channel page and the input selection are only ever written).
bool readBackSlot(int address);

}  // namespace aec
