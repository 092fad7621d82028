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

// Frames an upload step sends, each acknowledged on its own: page 0 goes in two, and the last
// step adds the input select value.
uint64_t uploadFrames(int step) {
    const int extra = step == kLastPageStep ? 1 : 0;
    return static_cast<uint64_t>(pageFrameParts(step).count + extra);
}

}  // namespace

PortError Connection::TransferStep(int step, TransferDirection direction) {
    if (direction == TransferDirection::kToProcessor) {
        if (step < 0 || step > kLastPageStep) {
            return PortError::kNone;
        }
        if (const PortError error = sendPageUpload(step); error != PortError::kNone) {
            return error;
        }
        if (step == kLastPageStep) {
            return m_sender.SendValueFrame(kWriteCommand, kInputSelectAddress,
                                           m_model.param(kPageSystem, kInputSelectSlot));
        }
        return PortError::kNone;
    }
    if (step >= 0 && step <= kLastPageStep) {
        return m_sender.sendPageRequest(step);
    }
    if (step == kNameStep) {
        return m_sender.sendNameRequest(m_namePayload, m_state);
    }
    if (step >= kFirstSystemStep && step < kLoadSteps) {
        return m_sender.sendValueRequest(kSystemReads[step - kFirstSystemStep]);
    }
    return PortError::kNone;
}

// Page 0 goes in two frames; the processor wants a short pause between them, which the timer
// gives without holding up the window.
PortError Connection::sendPageUpload(int page) {
    const std::vector<Bytes> frames = FrameSender::pageUploadFrames(m_model, page);
    if (frames.empty()) {
        return PortError::kNone;
    }
    if (const PortError error = m_sender.sendBytes(frames.front()); error != PortError::kNone) {
        return error;
    }
    if (frames.size() < 2) {
        return PortError::kNone;
    }
    const uint64_t transfer = m_transferNumber;
    m_platform.after(kPageZeroGapMs, [this, transfer, rest = frames.back()] {
        if (transfer == m_transferNumber && m_timer2 &&
            m_sender.sendBytes(rest) != PortError::kNone) {
            failTransfer();
        }
    });
    return PortError::kNone;
}

// Sends the step at the step index and waits for its answer from the first retry on.
void Connection::startStep() {
    m_state.replyStatus = ReplyStatus::kWaiting;
    m_tickCounter = 0;
    m_wait = StepWait::kFirst;
    sendStep();
}

// Sends (or sends again) the step at the step index; only acknowledgements that come after
// count for it. A step that cannot be written fails the transfer at once.
void Connection::sendStep() {
    m_acksAtStep = m_state.acknowledgements;
    if (TransferStep(m_stepIndex, m_direction) != PortError::kNone) {
        failTransfer();
    }
}

// During a load a whole frame answers a step; during an upload each frame of the step must
// be acknowledged.
bool Connection::stepAnswered() const {
    if (m_direction == TransferDirection::kFromProcessor) {
        return m_state.replyStatus == ReplyStatus::kFrameReceived;
    }
    return m_state.acknowledgements - m_acksAtStep >= uploadFrames(m_stepIndex);
}

void Connection::Timer2Timer() {
    if (!m_timer2) {
        return;
    }
    if (m_tickCounter < kGiveUpTicks) {
        ++m_tickCounter;
    }
    updateDialog(true);

    if (stepAnswered()) {
        // The upload's last step is sent when the index reaches the count; a load has no
        // request after its last one. Either way the transfer ends in the tick of the reply.
        const bool lastAnswered = m_stepIndex >= m_stepCount;
        if (!lastAnswered) {
            nextStep();
        }
        const bool loaded =
            m_direction == TransferDirection::kFromProcessor && m_stepIndex >= m_stepCount;
        if (lastAnswered || loaded) {
            finishTransfer();
        } else {
            startStep();
        }
    } else if (m_wait == StepWait::kFirst && m_tickCounter > kFirstRetryTicks) {
        m_wait = StepWait::kSecond;
        m_tickCounter = 0;
        if (m_stepIndex == 0) {
            sendStep();
        }
    } else if (m_wait == StepWait::kSecond && m_tickCounter > kSecondRetryTicks) {
        m_wait = StepWait::kLast;
        m_tickCounter = 0;
        sendStep();
    } else if (m_wait == StepWait::kLast && m_tickCounter >= kGiveUpTicks) {
        failTransfer();
    }
}

void Connection::finishTransfer() {
    m_state.replyStatus = ReplyStatus::kNone;
    setTimer(LinkTimer::kTimer2, false);
    const bool uploaded = m_direction == TransferDirection::kToProcessor;
    if (!uploaded) {
        // The processor's settings replaced the editor's: nothing before them can be undone.
        m_model.history.restart(m_model.paramStore(),
                                m_reload ? HistoryStart::kModeLoaded : HistoryStart::kLinked);
    }
    LinkEvent(LinkEventKind::kOnLine);
    if (uploaded) {
        sendUploadTail();
        if (m_uploadListener) {
            m_uploadListener();
        }
    }
}

// The page frames of an upload stop one slot short of each channel page's highest slot (on
// most pages the last band's shelf Q), which the stores and preset files hold; those values
// follow the upload one by one, paced like any edit.
void Connection::sendUploadTail() {
    for (int page = kPageMusic; page <= kPageEchoB; ++page) {
        const int slot = pageSlotCount(page);
        m_scheduler.SendDeviceValuePaced(makeAddress(page, slot), m_model.param(page, slot));
    }
}

void Connection::failTransfer() {
    m_state.replyStatus = ReplyStatus::kNone;
    LinkEvent(LinkEventKind::kLinkFailed);
}

// Moves to the step that follows an answered one. The mode names are asked one per reply at
// step 30; the name index carries on from where the previous load left it and wraps after the
// last.
void Connection::nextStep() {
    const bool loading = m_direction == TransferDirection::kFromProcessor;
    if (loading && m_stepIndex == kNameStep) {
        m_namePayload = m_state.nameIndex;
        if (++m_state.nameIndex > kModeCount) {
            m_state.nameIndex = 0;
            ++m_stepIndex;
        }
        return;
    }
    if (loading && m_stepIndex == kLastPageStep) {
        // A load cut off after the last name was asked leaves the index past the table; the
        // names then start again from the first rather than asking for a 23rd.
        if (m_state.nameIndex >= kModeCount) {
            m_state.nameIndex = 0;
        }
        m_namePayload = m_state.nameIndex;
        ++m_state.nameIndex;
    }
    ++m_stepIndex;
}

}  // namespace aec
