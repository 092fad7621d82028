#pragma once
// The parameter road before the link controller exists: an off-line SetParameter only stores
// the value. Once routed, every change takes the link's road.

#include "core/model.h"
#include "core/parameter_sink.h"

namespace aec {

class RoutedSink : public ParameterSink {
  public:
    explicit RoutedSink(Model& model) : m_model(model) {}
    // Where changes go from now on; null: only into the stores.
    void route(ParameterSink* target) { m_target = target; }

    void SetParameter(int baseAddress, int value) override {
        if (m_target) {
            m_target->SetParameter(baseAddress, value);
        } else {
            m_model.StoreValue(baseAddress, value);
        }
    }
    void SetParameterPaced(int baseAddress, int value) override {
        if (m_target) {
            m_target->SetParameterPaced(baseAddress, value);
        } else {
            m_model.StoreValue(baseAddress, value);
        }
    }

  private:
    Model& m_model;
    ParameterSink* m_target = nullptr;
};

}  // namespace aec
