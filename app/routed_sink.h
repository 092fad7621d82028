#pragma once
// The editor's parameter road: only into the stores until the link controller exists, then the
// link's road.

#include "core/offline_sink.h"

namespace aec {

class RoutedSink : public ParameterSink {
  public:
    explicit RoutedSink(Model& model) : m_offline(model) {}
    // Where changes go from now on; null: only into the stores.
    void route(ParameterSink* target) { m_target = target ? target : &m_offline; }

    void SetParameter(int baseAddress, int value) override {
        m_target->SetParameter(baseAddress, value);
    }
    void SetParameterPaced(int baseAddress, int value) override {
        m_target->SetParameterPaced(baseAddress, value);
    }
    void SendDeviceValuePaced(int deviceAddress, int value) override {
        m_target->SendDeviceValuePaced(deviceAddress, value);
    }

  private:
    OfflineSink m_offline;
    ParameterSink* m_target = &m_offline;
};

}  // namespace aec
