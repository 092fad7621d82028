#include "link/transmit_scheduler.h"

#include "core/pages.h"
#include "link/frame.h"

namespace aec {

void TransmitScheduler::SetParameter(int baseAddress, int value) {
    m_model.StoreValue(baseAddress, value);
    const int device = m_model.deviceAddress(baseAddress);
    if (!isValidCell(pageOf(device), slotOf(device))) {
        return;
    }
    if (!m_state.onLine()) {
        return;
    }

    m_state.idleCounter = 0;
    if (m_state.ready && m_state.queue.empty()) {
        sendNow(device, value);
    } else {
        m_state.queue.put(device, value);
    }
}

void TransmitScheduler::SetParameterPaced(int baseAddress, int value) {
    SetParameter(baseAddress, value);
    m_state.ready = false;
}

void TransmitScheduler::sendNow(int address, int value) {
    m_state.replyStatus = ReplyStatus::kNone;
    if (address == kLoadModeAddress) {
        // The processor loads the mode; its acknowledgement starts a full load.
        m_events.ShowLinkStatus("加载中...", "Loading...");
        m_state.link = LinkStatus::kOffLine;
        m_state.missCounter = 0;
        m_state.pendingAction = PendingAction::kReload;
    } else if (address == kSaveModeAddress) {
        m_state.pendingAction = PendingAction::kSaveDone;
    } else {
        m_state.pendingAction = PendingAction::kNone;
    }
    m_state.queue.clear();
    m_state.queue.put(address, value);
    m_state.queue.take();
    m_sender.SendValueFrame(kWriteCommand, address, value);
    m_state.writeUnacknowledged = true;
    // An ordinary write keeps the ready flag, so a dragged control streams while acknowledged.
    if (m_state.pendingAction != PendingAction::kNone) {
        m_state.ready = false;
    }
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
        const PendingWrite& entry = m_state.queue.current();
        m_sender.SendValueFrame(kWriteCommand, entry.address, entry.value);
        m_state.writeUnacknowledged = true;
    }

    if (m_state.onLine() && m_state.idleCounter == kIdleSecond) {
        keepAliveAndRetry();
    }
}

void TransmitScheduler::completeModeCommand() {
    if (m_state.pendingAction == PendingAction::kNone) {
        return;
    }
    if (m_state.ready) {
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

void TransmitScheduler::keepAliveAndRetry() {
    m_state.idleCounter = 0;
    ++m_state.missCounter;
    if (m_state.ready) {
        m_state.ready = false;
        m_state.missCounter = 0;
        m_state.writeUnacknowledged = false;
        m_sender.SendLinkCode(kKeepAliveCode);
    } else if (m_state.missCounter % 2 == 0) {
        // A write whose frame or acknowledgement was lost is repeated, not replaced by a
        // keep-alive whose acknowledgement would hide the lost value.
        if (m_state.writeUnacknowledged) {
            const PendingWrite& entry = m_state.queue.current();
            m_sender.SendValueFrame(kWriteCommand, entry.address, entry.value);
        } else {
            m_sender.SendLinkCode(kKeepAliveCode);
        }
    }
    if (m_state.missCounter > kMaxMisses) {
        raiseLinkLost();
    }
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
