#pragma once
// The parameter road without a link: an off-line SetParameter only stores the value.

#include "core/model.h"
#include "core/parameter_sink.h"

namespace aec {

// Only stores: what an off-line SetParameter does (window tests, benchmarks, screenshots).
class OfflineSink : public ParameterSink {
  public:
    explicit OfflineSink(Model& model) : m_model(model) {}
    void SetParameter(int baseAddress, int value) override {
        m_model.StoreValue(baseAddress, value);
    }
    void SetParameterPaced(int baseAddress, int value) override {
        m_model.StoreValue(baseAddress, value);
    }
    // Off line nothing is sent, and the value is already stored.
    void SendDeviceValuePaced(int, int) override {}

  private:
    Model& m_model;
};

}  // namespace aec
