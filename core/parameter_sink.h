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
};

}  // namespace aec
