#pragma once
// Commands of the pages that do more than store one value: band modes, dynamic EQ types,
// crossover types, and the phase and mute toggles.

#include <QComboBox>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/graph/graph_view.h"
#include "ui/sync/command_looks.h"
#include "ui/sync/control_sync.h"
#include "ui/sync/control_tables.h"

namespace aec {

class ChannelCommands {
  public:
    ChannelCommands(Model& model, ParameterSink& sink, const ControlTables& tables,
                    CommandLooks& looks, ControlSync& sync, GraphView& graph)
        : m_model(model),
          m_sink(sink),
          m_tables(tables),
          m_looks(looks),
          m_sync(sync),
          m_graph(graph) {}

    // MusModeBox1Change: the band's mode letters (or dynamic type buttons) follow the box, the
    // mode is sent and the band's Q box shows the Q slot the new mode uses.
    void MusModeBox1Change(QComboBox& box);
    // MusPEQtn1Click: a mode label chooses its mode in the band's mode box.
    void MusPEQtn1Click(QWidget& label);
    // DEQTYpeOffBtn1Click: a dynamic type button chooses the type of its band.
    void DEQTYpeOffBtn1Click(BmpButton& button);
    // MainHPTypeBoxChange: sends the crossover type and redraws its point.
    void MainHPTypeBoxChange(QComboBox& box);
    // EchoEffPhaseBtnClick and MainLmuteBtnClick: flip the state and send it.
    void EchoEffPhaseBtnClick(BmpButton& button);
    void MainLmuteBtnClick(BmpButton& button);

  private:
    Model& m_model;
    ParameterSink& m_sink;
    const ControlTables& m_tables;
    CommandLooks& m_looks;
    ControlSync& m_sync;
    GraphView& m_graph;
};

}  // namespace aec
