#pragma once
// The system column before its own logic is installed: a volume bar shows its position in its
// pane, places its start and maximum markers and stores its value.

#include "core/parameter_sink.h"
#include "ui/frame/call_points.h"
#include "ui/widgets/control_factory.h"

namespace aec {

class BasicSystemPoints : public SystemPoints {
  public:
    BasicSystemPoints(ParameterSink& sink, const ControlRegistry& controls)
        : m_sink(sink), m_controls(controls) {}
    void SysMusNormalVolBarChange(QSlider& bar) override;

  private:
    ParameterSink& m_sink;
    const ControlRegistry& m_controls;
};

}  // namespace aec
