#include "link/transmit_scheduler.h"

#include "core/pages.h"
#include "link/frame.h"
#include "link/link_texts.h"

namespace aec {

void TransmitScheduler::SetParameter(int baseAddress, int value) {
    m_model.StoreValue(baseAddress, value);
    transmit(m_model.deviceAddress(baseAddress), value);
}

void TransmitScheduler::SetParameterPaced(int baseAddress, int value) {
    SetParameter(baseAddress, value);
    m_state.ready = false;
}

void TransmitScheduler::SendDeviceValuePaced(int deviceAddress, int value) {
    transmit(deviceAddress, value);
    m_state.ready = false;
}

void TransmitScheduler::transmit(int device, int value) {
    if (!isValidCell(pageOf(device), slotOf(device))) {
        return;
    }
    if (!m_state.onLine()) {
        // Not sent: kept for the next link, unless the stores are only being shown.
        if (!m_model.refreshing()) {
            m_model.offlineEdits.record(device, value);
        }
        return;
    }

    m_state.idleCounter = 0;
    if (m_state.ready && m_state.queue.empty()) {
        sendNow(device, value);
    } else {
        m_state.queue.put(device, value);
    }
}

void TransmitScheduler::sendNow(int address, int value) {
    m_state.replyStatus = ReplyStatus::kNone;
    m_state.pendingAction = PendingAction::kNone;
    m_state.queue.clear();
    m_state.queue.put(address, value);
    m_state.queue.take();
    m_state.awaitAcknowledgement();
    sendCurrentEntry();
    // An ordinary write keeps the ready flag, so a dragged control streams while acknowledged.
    if (m_state.pendingAction != PendingAction::kNone) {
        m_state.ready = false;
    }
}

// Every road a write takes (at once, from the queue, repeated) ends here, so a mode command
// arms its completion however it went out.
void TransmitScheduler::sendCurrentEntry() {
    const PendingWrite& entry = m_state.queue.current();
    if (entry.address == kLoadModeAddress) {
        // The processor loads the mode; its acknowledgement starts a full load. Edits queued
        // behind it were made to the old mode, and the reload replaces them.
        m_events.ShowLinkStatus(link_text::kLoading.zh, link_text::kLoading.en);
        m_state.link = LinkStatus::kOffLine;
        m_state.missCounter = 0;
        m_state.pendingAction = PendingAction::kReload;
        m_state.queue.discard();
    } else if (entry.address == kSaveModeAddress) {
        m_state.pendingAction = PendingAction::kSaveDone;
    }
    // A failed write is not reported here: its acknowledgement is missing, and the retry
    // repeats it.
    (void)m_sender.SendValueFrame(kWriteCommand, entry.address, entry.value);
    m_state.lastFrameIsWrite = true;
}

void TransmitScheduler::HoldTimerTimer() {
    if (!m_state.holdTimerEnabled) {
        return;
    }

    if (m_state.idleCounter > kIdleSecond) {
        m_state.idleCounter = kIdleSecond;
    } else {
        ++m_state.idleCounter;
    }

    completeModeCommand();
    if (!m_state.holdTimerEnabled) {
        return;  // the event stopped the timer (reload, loss)
    }

    if (m_state.ready && !m_state.queue.empty()) {
        m_state.ready = false;
        m_state.missCounter = 0;
        m_state.idleCounter = 0;
        m_state.queue.take();
        m_state.awaitAcknowledgement();
        sendCurrentEntry();
    }

    if (m_state.onLine() && m_state.idleCounter == kIdleSecond) {
        keepAliveAndRetry();
    }
}

// The command is done when its own acknowledgement is in: the ready flag alone may have been
// set by an earlier write answered late.
void TransmitScheduler::completeModeCommand() {
    if (m_state.pendingAction == PendingAction::kNone) {
        return;
    }
    if (m_state.ready && m_state.allAcknowledged()) {
        const PendingAction action = m_state.pendingAction;
        m_state.pendingAction = PendingAction::kNone;
        m_events.LinkEvent(static_cast<LinkEventKind>(action));
        m_state.missCounter = 0;
        m_state.idleCounter = 0;
    } else if (m_state.idleCounter == kIdleSecond) {
        m_state.idleCounter = 0;
        if (++m_state.missCounter > kMaxCommandMisses) {
            raiseLinkLost();
        }
    }
}

// The ready flag stays set after a write sent at once, so it cannot tell whether the last
// write was answered; the count of acknowledgements can.
void TransmitScheduler::keepAliveAndRetry() {
    m_state.idleCounter = 0;
    ++m_state.missCounter;
    if (m_state.ready && m_state.allAcknowledged()) {
        m_state.ready = false;
        m_state.missCounter = 0;
        sendKeepAlive();
    } else if (m_state.missCounter % 2 == 0) {
        if (m_state.allAcknowledged()) {
            sendKeepAlive();
        } else if (m_state.lastFrameIsWrite) {
            // Repeated, not replaced by a keep-alive whose acknowledgement would hide the
            // lost value.
            sendCurrentEntry();
        } else {
            m_sender.SendLinkCode(kKeepAliveCode);
        }
    }
    if (m_state.missCounter > kMaxMisses) {
        raiseLinkLost();
    }
}

void TransmitScheduler::sendKeepAlive() {
    m_state.awaitAcknowledgement();
    m_state.lastFrameIsWrite = false;
    m_sender.SendLinkCode(kKeepAliveCode);
}

void TransmitScheduler::raiseLinkLost() {
    m_state.missCounter = 0;
    stopHoldTimer();
    m_events.LinkEvent(LinkEventKind::kLinkLost);
}

void TransmitScheduler::setHoldTimer(bool enabled) {
    if (m_state.holdTimerEnabled == enabled) {
        return;
    }
    m_state.holdTimerEnabled = enabled;
    m_events.holdTimerChanged(enabled);
}

}  // namespace aec
