#include "link/mode_backup.h"

#include "core/addresses.h"
#include "presets/backup_folder.h"
#include "presets/preset_file.h"

namespace aec {

bool ModeBackup::start(const std::filesystem::path& folder, const std::string& date) {
    if (running() || !m_connection.state().onLine()) {
        return false;
    }
    m_report = BackupReport{};
    m_report.folder = folder;
    m_index = BackupIndex{date, m_model.deviceIdentity, {}};
    m_originalMode = m_model.param(kPageSystem, slotOf(kLoadModeAddress));
    m_settings = m_model.paramStore();
    m_names = m_model.modeNames;
    m_next = 0;
    m_cancelled = false;
    m_stepStarted = false;
    m_phase = Phase::kModes;
    return true;
}

void ModeBackup::tick() {
    switch (m_phase) {
        case Phase::kIdle:
            return;
        case Phase::kModes:
            tickModes();
            return;
        case Phase::kReturnMode:
        case Phase::kReturnSettings:
            tickReturn();
            return;
    }
}

void ModeBackup::tickModes() {
    if (!m_stepStarted) {
        if (m_steps.linkGone()) {
            finish(BackupOutcome::kLinkFailed);
        } else if (m_cancelled) {
            beginReturn(BackupOutcome::kCancelled);
        } else if (m_steps.idle()) {
            m_steps.loadMode(m_next);
            m_stepStarted = true;
        }
        return;
    }
    switch (m_steps.progress()) {
        case StepProgress::kRunning:
            return;
        case StepProgress::kFailed:
            finish(BackupOutcome::kLinkFailed);
            return;
        case StepProgress::kDone:
            m_stepStarted = false;
            saveLoadedMode();
            return;
    }
}

// The full load after the mode load left the mode's settings and the names in the model.
void ModeBackup::saveLoadedMode() {
    const int mode = m_next + 1;
    const std::string& name = m_model.modeNames[static_cast<size_t>(m_next)];
    BackupEntry entry{mode, name, backupFileName(mode, name)};
    if (!savePresetFile(m_report.folder / entry.file, m_model).ok()) {
        beginReturn(BackupOutcome::kFileFailed);
        return;
    }
    m_index.entries.push_back(std::move(entry));
    // The index grows with every file, so a backup cut short still restores what it holds.
    if (!writeBackupIndex(m_report.folder, m_index)) {
        m_index.entries.pop_back();
        beginReturn(BackupOutcome::kFileFailed);
        return;
    }
    m_report.saved.push_back(m_next);
    if (++m_next == modeCount()) {
        beginReturn(BackupOutcome::kDone);
    }
}

void ModeBackup::beginReturn(BackupOutcome outcome) {
    m_ending = outcome;
    m_phase = Phase::kReturnMode;
    m_stepStarted = false;
}

// The original mode is loaded first, so the processor's current mode is the one it had; then
// the settings it had, edits not saved in any mode included, go back on top.
void ModeBackup::tickReturn() {
    if (!m_stepStarted) {
        if (m_steps.linkGone()) {
            finish(BackupOutcome::kLinkFailed);
            return;
        }
        if (!m_steps.idle()) {
            return;
        }
        if (m_phase == Phase::kReturnMode) {
            m_steps.loadMode(m_originalMode);
        } else {
            for (int page = 0; page < kPageCount; ++page) {
                for (int slot = 0; slot < kSlotCount; ++slot) {
                    m_model.setParam(page, slot, m_settings[page][slot]);
                }
            }
            m_model.modeNames = m_names;
            m_steps.upload();
        }
        m_stepStarted = true;
        return;
    }
    switch (m_steps.progress()) {
        case StepProgress::kRunning:
            return;
        case StepProgress::kFailed:
            finish(BackupOutcome::kLinkFailed);
            return;
        case StepProgress::kDone:
            m_stepStarted = false;
            if (m_phase == Phase::kReturnMode) {
                m_phase = Phase::kReturnSettings;
            } else {
                m_report.putBack = true;
                finish(m_ending);
            }
            return;
    }
}

void ModeBackup::finish(BackupOutcome outcome) {
    m_report.outcome = outcome;
    m_phase = Phase::kIdle;
    m_stepStarted = false;
    if (m_report.saved.empty()) {
        // Nothing was written: the empty folder goes (a folder with anything in it stays).
        std::error_code ignored;
        std::filesystem::remove(m_report.folder, ignored);
    }
}

}  // namespace aec
