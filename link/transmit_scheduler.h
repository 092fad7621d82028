#pragma once
// Sends single changes to the processor, paced by its acknowledgements, and supervises the
// link while it is on line: keep-alive, retries, link loss, completion of mode commands.

#include "core/model.h"
#include "core/parameter_sink.h"
#include "link/frame_sender.h"
#include "link/link_events.h"
#include "link/link_state.h"

namespace aec {

class TransmitScheduler : public ParameterSink {
  public:
    // Ticks of the 20 ms transmit timer that make one idle second.
    static constexpr int kIdleSecond = 50;
    // Seconds without an acknowledgement before an on-line link is lost.
    static constexpr int kMaxMisses = 4;
    // Idle seconds a mode command may wait for its acknowledgement.
    static constexpr int kMaxCommandMisses = 50;

    TransmitScheduler(Model& model, LinkState& state, FrameSender& sender, LinkEvents& events)
        : m_model(model), m_state(state), m_sender(sender), m_events(events) {}

    // Stores the value; on line sends it at once when the processor has acknowledged and
    // nothing waits, otherwise queues it. Refreshes store their values without coming here.
    void SetParameter(int baseAddress, int value) override;
    // SetParameter, then waits for an acknowledgement before the next write goes out.
    void SetParameterPaced(int baseAddress, int value) override;
    // Sends (or queues) a stored value by its device address and waits for its acknowledgement.
    void SendDeviceValuePaced(int deviceAddress, int value) override;

    // One 20 ms tick of the transmit timer; does nothing while the timer is stopped.
    void HoldTimerTimer();
    void startHoldTimer() { setHoldTimer(true); }
    void stopHoldTimer() { setHoldTimer(false); }

  private:
    // On line: at once when acknowledged and nothing waits, else into the queue.
    void transmit(int deviceAddress, int value);
    void sendNow(int address, int value);
    // Sends the queue's current entry; a mode command among them arms its completion.
    void sendCurrentEntry();
    void sendKeepAlive();
    void completeModeCommand();
    void keepAliveAndRetry();
    void raiseLinkLost();
    void setHoldTimer(bool enabled);

    Model& m_model;
    LinkState& m_state;
    FrameSender& m_sender;
    LinkEvents& m_events;
};

}  // namespace aec
