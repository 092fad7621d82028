#pragma once
// Commands of the strip above the graph: the pair buttons, the music modes, automatic or manual
// output set-up, EQ pass and EQ reset.

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/sheets/sheets.h"
#include "ui/sync/command_looks.h"
#include "ui/sync/control_tables.h"
#include "ui/sync/output_mode.h"

namespace aec {

// What the strip's commands ask of the window.
class ViewHost {
  public:
    virtual ~ViewHost() = default;
    // Makes a tab the current one: the tab buttons' look and the tab selector, no refresh.
    virtual void chooseTab(int tab) = 0;
    // CurrentView from the current tab, then the controls of its page and the graph.
    virtual void showCurrentView() = 0;
    // RefreshControls: the stores into the controls of a base page, or of all of them.
    virtual void refreshControls(int target) = 0;
};

class StripCommands {
  public:
    StripCommands(Model& model, ParameterSink& sink, const ControlTables& tables,
                  const WindowParts& parts, CommandLooks& looks, OutputMode& outputMode,
                  ViewHost& host)
        : m_model(model),
          m_sink(sink),
          m_tables(tables),
          m_parts(parts),
          m_looks(looks),
          m_outputMode(outputMode),
          m_host(host) {}

    // SameBtnClick: left, linked (SYNC) or right for the block on show; sends the link flag and
    // the copied right set. Views without a link flag are left alone.
    void SameBtnClick(BmpButton& button);
    // SingModeBtnClick: one of the three music modes; the output pages of that mode show.
    void SingModeBtnClick(BmpButton& button);
    // AutoModeBtnClick: automatic (AutoModeBtn) or manual (ManulModeBtn) output set-up.
    void AutoModeBtnClick(BmpButton& button);
    // MusEQAllpassBtnClick: passes or restores the EQ of the page on show.
    void MusEQAllpassBtnClick(BmpButton& button);
    // EQResetBtnClick: the page's bands back to their defaults, sent as a paced burst.
    void EQResetBtnClick();

  private:
    Model& m_model;
    ParameterSink& m_sink;
    const ControlTables& m_tables;
    const WindowParts& m_parts;
    CommandLooks& m_looks;
    OutputMode& m_outputMode;
    ViewHost& m_host;
};

}  // namespace aec
