#pragma once
// ApplyOutputMode: in automatic set-up the processor sets up the outputs itself and the editor
// locks their controls; manual set-up unlocks them. Run by the automatic/manual buttons and by
// every refresh.

#include "core/model.h"
#include "ui/sheets/sheets.h"
#include "ui/sync/control_tables.h"

namespace aec {

class OutputMode {
  public:
    OutputMode(const Model& model, const ControlTables& tables, const WindowParts& parts)
        : m_model(model), m_tables(tables), m_parts(parts) {}

    // The output controls, the music mode buttons and, on the output views, the pair and EQ
    // pass groups follow `enabled`; the manual button stays usable. Ends with the EQ reset rule.
    void ApplyOutputMode(bool enabled);
    // EQ reset is offered while the page's EQ is not passed and its group is usable.
    void applyEqResetRule();

  private:
    const Model& m_model;
    const ControlTables& m_tables;
    const WindowParts& m_parts;
};

}  // namespace aec
