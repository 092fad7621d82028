// The full load and the full upload: one step per reply, paced by the 100 ms transfer timer,
// with the retries and the time-out of an unanswered step.
#include "core/pages.h"
#include "link/connection.h"
#include "link/frame.h"

namespace aec {

namespace {

// Page 30 values read after the mode names, in the order of steps 31 to 37.
constexpr int kSystemReads[] = {
    0x1E01,  // save-mode slot
    0x1E02,  // current mode
    0x1E03,  // music input level
    0x1E04,  // panel lock switch
    0x1E08,  // user/manager level
    0x1E07,  // system password
    0x1E05,  // panel password
};
constexpr int kFirstSystemStep = Connection::kNameStep + 1;
constexpr int kLastPageStep = 29;
constexpr int kInputSelectSlot = 20;

}  // namespace

void Connection::TransferStep(int step, TransferDirection direction) {
    if (direction == TransferDirection::kToProcessor) {
        if (step < 0 || step > kLastPageStep) {
            return;
        }
        sendPageUpload(step);
        if (step == kLastPageStep) {
            m_sender.SendValueFrame(kWriteCommand, kInputSelectAddress,
                                    m_model.param(kPageSystem, kInputSelectSlot));
        }
        return;
    }
    if (step >= 0 && step <= kLastPageStep) {
        m_sender.sendPageRequest(step);
    } else if (step == kNameStep) {
        (void)m_sender.sendNameRequest(m_namePayload, m_state);
    } else if (step >= kFirstSystemStep && step < kLoadSteps) {
        (void)m_sender.sendValueRequest(kSystemReads[step - kFirstSystemStep]);
    }
}

// Page 0 goes in two frames; the processor wants a short pause between them, which the timer
// gives without holding up the window.
void Connection::sendPageUpload(int page) {
    const std::vector<Bytes> frames = FrameSender::pageUploadFrames(m_model, page);
    if (frames.empty() || !m_port.isOpen()) {
        return;
    }
    (void)m_port.write(frames.front());
    if (frames.size() < 2) {
        return;
    }
    const uint64_t transfer = m_transferNumber;
    m_platform.after(kPageZeroGapMs, [this, transfer, rest = frames.back()] {
        if (transfer == m_transferNumber && m_timer2 && m_port.isOpen()) {
            (void)m_port.write(rest);
        }
    });
}

void Connection::Timer2Timer() {
    if (!m_timer2) {
        return;
    }
    if (m_tickCounter < kGiveUpTicks) {
        ++m_tickCounter;
    }
    updateDialog(true);

    const ReplyStatus reply = m_state.replyStatus;
    // During a load only whole frames answer a step; during an upload acknowledgements do.
    const bool answered =
        reply == ReplyStatus::kFrameReceived ||
        (reply == ReplyStatus::kAcknowledged && m_direction == TransferDirection::kToProcessor);
    if (answered) {
        if (m_stepIndex >= m_stepCount) {
            m_state.replyStatus = ReplyStatus::kNone;
            setTimer(LinkTimer::kTimer2, false);
            LinkEvent(LinkEventKind::kOnLine);
            return;
        }
        nextStep();
        // A load has no request after its last step: the reply that brought the index to the
        // end completes it at the next tick instead of waiting for an answer that never comes.
        if (m_stepIndex < m_stepCount || m_direction == TransferDirection::kToProcessor) {
            m_state.replyStatus = ReplyStatus::kWaiting;
        }
        m_tickCounter = 0;
    } else if (reply == ReplyStatus::kWaiting && m_tickCounter > kFirstRetryTicks) {
        if (m_stepIndex == 0) {
            TransferStep(0, m_direction);
        }
        m_state.replyStatus = ReplyStatus::kWaitingAgain;
        m_tickCounter = 0;
    } else if (reply == ReplyStatus::kWaitingAgain && m_tickCounter > kSecondRetryTicks) {
        TransferStep(m_stepIndex, m_direction);
        m_state.replyStatus = ReplyStatus::kLastWait;
        m_tickCounter = 0;
    } else if (reply == ReplyStatus::kLastWait && m_tickCounter >= kGiveUpTicks) {
        m_state.replyStatus = ReplyStatus::kNone;
        LinkEvent(LinkEventKind::kLinkFailed);
    }
}

// The step that follows an answered one. The mode names are asked one per reply at step 30;
// the name index carries on from where the previous load left it and wraps after the last.
void Connection::nextStep() {
    const bool loading = m_direction == TransferDirection::kFromProcessor;
    if (loading && m_stepIndex == kNameStep) {
        m_namePayload = m_state.nameIndex;
        if (++m_state.nameIndex > kModeCount) {
            m_state.nameIndex = 0;
            ++m_stepIndex;
        }
    } else {
        if (loading && m_stepIndex == kLastPageStep) {
            // A load cut off after the last name was asked leaves the index past the table;
            // the names then start again from the first rather than asking for a 23rd.
            if (m_state.nameIndex >= kModeCount) {
                m_state.nameIndex = 0;
            }
            m_namePayload = m_state.nameIndex;
            ++m_state.nameIndex;
        }
        ++m_stepIndex;
    }
    TransferStep(m_stepIndex, m_direction);
}

}  // namespace aec
