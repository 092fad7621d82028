#pragma once
// Backing up the processor's user modes: each is loaded on the processor, read back in full and
// written as a preset file into one backup folder with an index. Afterwards, and after a cancel
// or a failed file, the processor is put back: its mode loaded again and the settings it had
// before uploaded. Stepped by tick(); the link's own timers do the transfers.

#include <filesystem>
#include <string>
#include <vector>

#include "core/model.h"
#include "link/connection.h"
#include "link/mode_steps.h"
#include "presets/backup_index.h"

namespace aec {

enum class BackupOutcome {
    kRunning,
    kDone,        // every user mode saved, the processor put back
    kCancelled,   // stopped by the user, the processor put back
    kFileFailed,  // a file could not be written, the processor put back
    kLinkFailed,  // the link went down; the processor may not be as it was
};

struct BackupReport {
    BackupOutcome outcome = BackupOutcome::kRunning;
    std::filesystem::path folder;
    std::vector<int> saved;  // mode indexes whose files were written
    // The processor is back in its mode with the settings it had.
    bool putBack = false;
};

class ModeBackup {
  public:
    ModeBackup(Model& model, Connection& connection)
        : m_model(model), m_connection(connection), m_steps(model, connection) {}

    // Starts backing up every user mode into `folder` (made beforehand), the index dated
    // `date`. False when the link is not on line or a backup already runs.
    bool start(const std::filesystem::path& folder, const std::string& date);
    // The mode in progress finishes, no other is started, and the processor is put back.
    void cancel() { m_cancelled = true; }
    // One step of the work: starts what the idle link can take, notes what finished.
    void tick();

    bool running() const { return m_phase != Phase::kIdle; }
    // The modes are done with; the processor is being put back.
    bool returning() const {
        return m_phase == Phase::kReturnMode || m_phase == Phase::kReturnSettings;
    }
    // Modes finished (saved or not) and the total, for a progress bar.
    int modesDone() const { return m_next; }
    static constexpr int modeCount() { return kFirstFactoryMode; }
    const BackupReport& report() const { return m_report; }

  private:
    enum class Phase { kIdle, kModes, kReturnMode, kReturnSettings };

    void tickModes();
    void tickReturn();
    void saveLoadedMode();
    void beginReturn(BackupOutcome outcome);
    void finish(BackupOutcome outcome);

    Model& m_model;
    Connection& m_connection;
    ModeSteps m_steps;
    Phase m_phase = Phase::kIdle;
    bool m_stepStarted = false;
    bool m_cancelled = false;
    int m_next = 0;
    int m_originalMode = 0;
    Store m_settings{};
    std::array<std::string, kModeCount> m_names;
    BackupIndex m_index;
    BackupOutcome m_ending = BackupOutcome::kDone;
    BackupReport m_report;
};

}  // namespace aec
