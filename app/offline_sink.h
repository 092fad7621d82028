#pragma once
// The parameter road without a link: an off-line SetParameter only stores the value. The
// routed sink takes the link's road once the link controller exists.

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

  private:
    Model& m_model;
};

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

  private:
    OfflineSink m_offline;
    ParameterSink* m_target = &m_offline;
};

}  // namespace aec
