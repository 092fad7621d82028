#pragma once
// The model's call points filled by the editor: paced writes go to the parameter road, refreshes
// to the main window's synchronisation.

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/control_sync.h"

namespace aec {

class EditorModelHooks : public ModelHooks {
  public:
    EditorModelHooks(ParameterSink& sink, ControlSync& sync) : m_sink(sink), m_sync(sync) {}
    void SetParameterPaced(int baseAddress, int value) override {
        m_sink.SetParameterPaced(baseAddress, value);
    }
    void RefreshControls(int target) override { m_sync.RefreshControls(target); }

  private:
    ParameterSink& m_sink;
    ControlSync& m_sync;
};

}  // namespace aec
