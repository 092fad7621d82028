#pragma once
// The system column's own commands: the nine volume bars, the two-button switches and the mode
// list's name box.

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/sheets/sheets.h"
#include "ui/sync/system_looks.h"

namespace aec {

class SystemPage {
  public:
    SystemPage(Model& model, ParameterSink& sink, const SystemParts& parts, SystemLooks& looks)
        : m_model(model), m_sink(sink), m_parts(parts), m_looks(looks) {}

    // SysMusNormalVolBarChange: one of the nine volume bars moved.
    void SysMusNormalVolBarChange(QSlider& bar);
    // SysMusInputLevelClick: one button of a two-button switch.
    void SysMusInputLevelClick(BmpButton& button);
    // SysModeBoxChange: the name box takes the selected mode's name.
    void SysModeBoxChange();

  private:
    Model& m_model;
    ParameterSink& m_sink;
    const SystemParts& m_parts;
    SystemLooks& m_looks;
};

}  // namespace aec
