#pragma once
// Reads pages 0 to 29 back from the processor into a store of its own, one page request per
// reply, paced by the 100 ms tick, with the retries and the time-out of a full load. It never
// writes to the processor and leaves ParamStore alone.

#include "link/frame_sender.h"
#include "link/link_state.h"
#include "link/receiver.h"

namespace aec {

enum class ReadBackStatus {
    kIdle,
    // Writes sent before the read are still waiting for their acknowledgements.
    kWaitingForWrites,
    kReading,
    kDone,
    // Off line, a request that could not be written, or a page that never came.
    kFailed,
    kCancelled,
};

class ReadBack {
  public:
    // Pages read: every page an upload writes.
    static constexpr int kPages = 30;

    ReadBack(LinkState& state, FrameSender& sender, Receiver& receiver)
        : m_state(state), m_sender(sender), m_receiver(receiver) {}
    ~ReadBack() { detach(); }
    ReadBack(const ReadBack&) = delete;
    ReadBack& operator=(const ReadBack&) = delete;

    // Starts a read on line; the first page is asked for once the writes in flight are
    // answered. False (and nothing starts) off line or while a read runs.
    bool start();
    // Stops a running read; the replies still on their way go into the read's own store.
    void cancel();
    // One tick of the 100 ms transfer timer.
    void tick();
    // Running, or just finished and still taking late replies: the tick is still wanted.
    bool ticking() const { return running() || m_drainTicks > 0; }

    ReadBackStatus status() const { return m_status; }
    bool running() const {
        return m_status == ReadBackStatus::kWaitingForWrites ||
               m_status == ReadBackStatus::kReading;
    }
    // What the read waits for is in: the writes in flight answered, or the page asked for.
    bool answered() const {
        if (m_status == ReadBackStatus::kWaitingForWrites) {
            return writesAnswered();
        }
        return m_status != ReadBackStatus::kReading || pageAnswered();
    }
    // Pages received so far, 0 to kPages.
    int pagesDone() const { return m_page; }
    // The values read, valid for pages below pagesDone().
    const Store& values() const { return m_capture.values; }

  private:
    enum class StepWait { kFirst, kSecond, kLast };
    // Ticks a finished read keeps taking replies to requests it sent again.
    static constexpr int kDrainTicks = 10;

    bool writesAnswered() const;
    bool pageAnswered() const;
    void askPage();
    void sendRequest();
    void finish(ReadBackStatus status);
    void detach();

    LinkState& m_state;
    FrameSender& m_sender;
    Receiver& m_receiver;
    PageCapture m_capture;
    ReadBackStatus m_status = ReadBackStatus::kIdle;
    int m_page = 0;
    int m_ticks = 0;
    // Frames of the page in the capture when its request went out.
    int m_framesAtRequest = 0;
    StepWait m_wait = StepWait::kFirst;
    int m_drainTicks = 0;
};

}  // namespace aec
