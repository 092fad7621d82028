#include "link/read_back.h"

#include "core/pages.h"
#include "link/connection.h"
#include "link/frame.h"

namespace aec {

bool ReadBack::start() {
    if (running() || !m_state.onLine()) {
        return false;
    }
    m_capture = PageCapture{};
    m_page = 0;
    m_ticks = 0;
    m_drainTicks = 0;
    m_status = ReadBackStatus::kWaitingForWrites;
    m_receiver.setPageCapture(&m_capture);
    return true;
}

void ReadBack::cancel() {
    if (running()) {
        finish(ReadBackStatus::kCancelled);
    }
}

// Writes in flight (values sent again, an upload's last values) are answered before any page
// is read, so the read sees the processor after them.
bool ReadBack::writesAnswered() const {
    return m_state.queue.empty() && m_state.allAcknowledged() &&
           m_state.pendingAction == PendingAction::kNone;
}

bool ReadBack::pageAnswered() const {
    const int frames = m_capture.frames[static_cast<size_t>(m_page)];
    return frames - m_framesAtRequest >= pageFrameParts(m_page).count;
}

void ReadBack::tick() {
    if (!running()) {
        if (m_drainTicks > 0 && --m_drainTicks == 0) {
            detach();
        }
        return;
    }
    if (!m_state.onLine()) {
        finish(ReadBackStatus::kFailed);
        return;
    }
    if (m_ticks < Connection::kGiveUpTicks) {
        ++m_ticks;
    }
    if (m_status == ReadBackStatus::kWaitingForWrites) {
        if (writesAnswered()) {
            m_status = ReadBackStatus::kReading;
            askPage();
        } else if (m_ticks >= Connection::kGiveUpTicks) {
            finish(ReadBackStatus::kFailed);
        }
        return;
    }
    if (pageAnswered()) {
        if (++m_page >= kPages) {
            finish(ReadBackStatus::kDone);
        } else {
            askPage();
        }
    } else if (m_wait == StepWait::kFirst && m_ticks > Connection::kFirstRetryTicks) {
        m_wait = StepWait::kSecond;
        m_ticks = 0;
        sendRequest();
    } else if (m_wait == StepWait::kSecond && m_ticks > Connection::kSecondRetryTicks) {
        m_wait = StepWait::kLast;
        m_ticks = 0;
        sendRequest();
    } else if (m_wait == StepWait::kLast && m_ticks >= Connection::kGiveUpTicks) {
        finish(ReadBackStatus::kFailed);
    }
}

void ReadBack::askPage() {
    m_ticks = 0;
    m_wait = StepWait::kFirst;
    sendRequest();
}

// A request asked again counts only the frames that come after it, so half of page 0 from
// the first request and half from the second never make a whole page.
void ReadBack::sendRequest() {
    m_framesAtRequest = m_capture.frames[static_cast<size_t>(m_page)];
    if (m_sender.sendPageRequest(m_page) != PortError::kNone) {
        finish(ReadBackStatus::kFailed);
    }
}

// A page asked for again may still answer twice; those replies go into the capture, not
// ParamStore, for a short while.
void ReadBack::finish(ReadBackStatus status) {
    m_status = status;
    m_drainTicks = kDrainTicks;
}

void ReadBack::detach() { m_receiver.setPageCapture(nullptr); }

}  // namespace aec
