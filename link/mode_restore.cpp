#include "link/mode_restore.h"

#include "core/addresses.h"

namespace aec {

namespace {

std::string trimmedName(const std::string& name) {
    const size_t end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

}  // namespace

bool readBackSlot(int address) {
    const int page = pageOf(address);
    return page >= 0 && page < kPageSystem && slotOf(address) < pageSlotCount(page);
}

bool ModeRestore::start(std::vector<RestoreItem> items) {
    if (running() || !m_connection.state().onLine()) {
        return false;
    }
    m_items = std::move(items);
    m_results.clear();
    for (const RestoreItem& item : m_items) {
        RestoreResult result{item.mode, item.name, RestoreStatus::kWaiting, {}, false};
        if (item.mode < 0 || item.mode >= kFirstFactoryMode) {
            result.status = RestoreStatus::kNotAUserMode;
        }
        m_results.push_back(std::move(result));
    }
    m_originalMode = m_model.param(kPageSystem, slotOf(kLoadModeAddress));
    m_outcome = RestoreOutcome::kRunning;
    m_ending = RestoreOutcome::kDone;
    m_cancelled = false;
    m_current = 0;
    m_phase = Phase::kUpload;
    m_stepStarted = false;
    nextMode();
    return true;
}

void ModeRestore::tick() {
    if (m_phase == Phase::kIdle) {
        return;
    }
    if (!m_stepStarted) {
        if (m_steps.linkGone()) {
            finish(RestoreOutcome::kLinkFailed);
        } else if (m_steps.idle()) {
            m_stepStarted = startStep();
        }
        return;
    }
    switch (m_steps.progress()) {
        case StepProgress::kRunning:
            return;
        case StepProgress::kFailed:
            finish(RestoreOutcome::kLinkFailed);
            return;
        case StepProgress::kDone:
            m_stepStarted = false;
            stepDone();
            return;
    }
}

// Starts the step of the phase on the idle link; false when there is nothing to wait for.
bool ModeRestore::startStep() {
    const RestoreItem* item = m_current < m_items.size() ? &m_items[m_current] : nullptr;
    switch (m_phase) {
        case Phase::kUpload:
            if (m_cancelled) {
                m_ending = RestoreOutcome::kCancelled;
                m_phase = Phase::kReturn;
                return false;
            }
            applyPreset(item->records, m_model);
            m_steps.upload();
            return true;
        case Phase::kSave:
            if (!m_steps.saveMode(item->mode, item->name)) {
                finish(RestoreOutcome::kLinkFailed);
                return false;
            }
            return true;
        case Phase::kReadBack:
            m_steps.loadMode(item->mode);
            return true;
        case Phase::kReturn:
            m_steps.loadMode(m_originalMode);
            return true;
        case Phase::kIdle:
            break;
    }
    return false;
}

void ModeRestore::stepDone() {
    switch (m_phase) {
        case Phase::kUpload:
            m_phase = Phase::kSave;
            return;
        case Phase::kSave:
            m_phase = Phase::kReadBack;
            return;
        case Phase::kReadBack:
            compareReadBack();
            ++m_current;
            m_phase = Phase::kUpload;
            nextMode();
            return;
        case Phase::kReturn:
            finish(m_ending);
            return;
        case Phase::kIdle:
            return;
    }
}

// The mode as the processor loaded it, against the file it came from.
void ModeRestore::compareReadBack() {
    const RestoreItem& item = m_items[m_current];
    RestoreResult& result = m_results[m_current];
    for (const PresetRecord& r : item.records) {
        if (readBackSlot(r.address) &&
            m_model.param(pageOf(r.address), slotOf(r.address)) != r.value) {
            result.differing.push_back(r.address);
        }
    }
    result.nameDiffers =
        trimmedName(m_model.modeNames[static_cast<size_t>(item.mode)]) != trimmedName(item.name);
    const bool equal = result.differing.empty() && !result.nameDiffers;
    result.status = equal ? RestoreStatus::kRestored : RestoreStatus::kDiffers;
}

// Moves past modes that are never written; after the last the processor loads its own mode.
void ModeRestore::nextMode() {
    while (m_current < m_items.size() &&
           m_results[m_current].status == RestoreStatus::kNotAUserMode) {
        ++m_current;
    }
    if (m_current >= m_items.size()) {
        m_phase = Phase::kReturn;
    }
}

void ModeRestore::finish(RestoreOutcome outcome) {
    if (outcome == RestoreOutcome::kLinkFailed && m_current < m_results.size() &&
        m_phase != Phase::kReturn) {
        m_results[m_current].status =
            m_phase == Phase::kReadBack ? RestoreStatus::kNotVerified : RestoreStatus::kNotSaved;
    }
    m_outcome = outcome;
    m_phase = Phase::kIdle;
    m_stepStarted = false;
}

}  // namespace aec
