#pragma once
// The one road of a change to the processor, as the controls see it.

namespace aec {

class ParameterSink {
  public:
    virtual ~ParameterSink() = default;
    // Stores the value under its base address and, on line, sends or queues it.
    virtual void SetParameter(int baseAddress, int value) = 0;
    // SetParameter, then waits for an acknowledgement before the next write goes out.
    virtual void SetParameterPaced(int baseAddress, int value) = 0;
    // Sends a value the stores already hold at a device address, paced like SetParameterPaced.
    // For slots no base address reaches under the current selection (a copied right set).
    virtual void SendDeviceValuePaced(int deviceAddress, int value) = 0;
};

}  // namespace aec
