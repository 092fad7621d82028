#pragma once
// RefreshControls: the stores put back into the controls of one base page or of all of them,
// then the command controls, the system column and the graph brought up to date.

#include "core/model.h"
#include "ui/graph/graph_view.h"
#include "ui/sheets/sheets.h"
#include "ui/sync/command_looks.h"
#include "ui/sync/control_sync.h"
#include "ui/sync/control_tables.h"
#include "ui/sync/output_mode.h"
#include "ui/sync/system_looks.h"

namespace aec {

class ControlRefresh {
  public:
    ControlRefresh(Model& model, const ControlTables& tables, const WindowParts& parts,
                   ControlSync& sync, CommandLooks& commands, OutputMode& outputMode,
                   SystemLooks& system, GraphView& graph)
        : m_model(model),
          m_tables(tables),
          m_parts(parts),
          m_sync(sync),
          m_commands(commands),
          m_outputMode(outputMode),
          m_system(system),
          m_graph(graph) {}

    // A base page, or kAllPages for every base page. Nothing is sent while it runs.
    void RefreshControls(int target);

  private:
    void readdressRightChannel();
    void refreshCell(int page, int slot);
    void refreshRightChannel();
    void showToggle(BmpButton& button, int value);
    static void putSlider(QSlider& slider, int value, bool always);

    Model& m_model;
    const ControlTables& m_tables;
    const WindowParts& m_parts;
    ControlSync& m_sync;
    CommandLooks& m_commands;
    OutputMode& m_outputMode;
    SystemLooks& m_system;
    GraphView& m_graph;
};

}  // namespace aec
