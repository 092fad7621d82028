#include "link/mode_steps.h"

#include "link/frame.h"

namespace aec {

bool ModeSteps::idle() const {
    const LinkState& s = m_connection.state();
    return s.onLine() && !m_connection.timer2Enabled() && s.ready && s.queue.empty() &&
           s.allAcknowledged() && s.pendingAction == PendingAction::kNone;
}

// A mode command waiting for its acknowledgement keeps the transmit tick running, a transfer
// the transfer tick; with both stopped off line nothing brings the link back by itself.
bool ModeSteps::linkGone() const {
    const LinkState& s = m_connection.state();
    return !s.onLine() && !m_connection.timer2Enabled() && !s.holdTimerEnabled;
}

StepProgress ModeSteps::progress() const {
    if (linkGone()) {
        return StepProgress::kFailed;
    }
    return idle() ? StepProgress::kDone : StepProgress::kRunning;
}

void ModeSteps::loadMode(int index) {
    m_connection.scheduler().SetParameter(kLoadModeAddress, index);
}

void ModeSteps::upload() { m_connection.LinkEvent(LinkEventKind::kUpload); }

bool ModeSteps::saveMode(int index, std::string_view name) {
    LinkState& s = m_connection.state();
    const uint64_t awaitedBefore = s.acknowledgementsAwaited;
    const bool readyBefore = s.ready;
    const bool writeBefore = s.lastFrameIsWrite;
    const Bytes record = saveModeText(index, name);
    s.awaitAcknowledgement();
    s.ready = false;
    // A retry after a lost acknowledgement sends a keep-alive, never an older queued write.
    s.lastFrameIsWrite = false;
    s.idleCounter = 0;
    const PortError error = m_connection.sender().SendTextFrame(
        kSaveModeAddress,
        std::string_view(reinterpret_cast<const char*>(record.data()), record.size()));
    if (error != PortError::kNone) {
        s.acknowledgementsAwaited = awaitedBefore;
        s.ready = readyBefore;
        s.lastFrameIsWrite = writeBefore;
        return false;
    }
    m_model.modeNames[static_cast<size_t>(index)] = std::string(name);
    return true;
}

}  // namespace aec
