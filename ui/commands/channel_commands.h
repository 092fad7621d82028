#pragma once
// Commands of the pages that do more than store one value: band modes, dynamic EQ types,
// crossover types, phase and mute toggles and the effect buttons; and the looks of the
// command strip's buttons after every refresh. The command strip's own clicks (pair, music
// mode, automatic/manual, EQ pass, EQ reset, spectrum) reach `StripCommands`.

#include <QComboBox>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/sync/control_sync.h"
#include "ui/sync/control_tables.h"

namespace aec {

class GraphView;

// The command strip's click handlers; each does nothing until the strip's commands are
// installed.
class StripCommands {
  public:
    virtual ~StripCommands() = default;
    virtual void SameBtnClick(BmpButton& /*button*/) {}          // SameBtnClick
    virtual void SingModeBtnClick(BmpButton& /*button*/) {}      // SingModeBtnClick
    virtual void AutoModeBtnClick(BmpButton& /*button*/) {}      // AutoModeBtnClick
    virtual void MusEQAllpassBtnClick(BmpButton& /*button*/) {}  // MusEQAllpassBtnClick
    virtual void EQResetBtnClick() {}                            // EQResetBtnClick
    virtual void PinPPBtnClick(BmpButton& /*button*/) {}         // PinPPBtnClick
    virtual void PinDCFBtnClick(BmpButton& /*button*/) {}        // PinDCFBtnClick
};

class ChannelCommands {
  public:
    ChannelCommands(Model& model, ParameterSink& sink, const ControlTables& tables,
                    const ControlRegistry& controls, ControlSync& sync, GraphView& graph);

    // MusModeBox1Change: looks of the band's mode labels (or dynamic type buttons); outside a
    // refresh also sends the mode and shows the Q slot the new mode uses.
    void MusModeBox1Change(QComboBox& box);
    // MusPEQtn1Click: a mode label chooses its mode in the band's mode box.
    void MusPEQtn1Click(QWidget& label);
    // DEQTYpeOffBtn1Click: a dynamic type button chooses the type of its band.
    void DEQTYpeOffBtn1Click(BmpButton& button);
    // MainHPTypeBoxChange: sends the crossover type and redraws its point.
    void MainHPTypeBoxChange(QComboBox& box);
    // EchoEffPhaseBtnClick and MainLmuteBtnClick: flip the state and store it.
    void EchoEffPhaseBtnClick(BmpButton& button);
    void MainLmuteBtnClick(BmpButton& button);
    // EchoAToolButtonClick: echo A, echo B or reverb on the effect sheet.
    void EchoAToolButtonClick(ToolButton& button);
    // Clicks the effect button last used again (the Effect tab does this).
    void ClickLastEffectButton();
    // The command strip's looks from the stores, at the end of every refresh.
    void RefreshCommandControls();

    bool manualFlag() const { return m_manualFlag; }
    int lastEffectButton() const { return m_lastEffect; }

    // Looks shared with the window: the chosen tool button of a group shows selected.
    template <size_t N>
    static void ToolGroupLook(const std::array<ToolButton*, N>& group, int chosen) {
        for (size_t i = 0; i < N; ++i) {
            if (group[i]) {
                group[i]->setSelected(int(i) == chosen);
            }
        }
    }

  private:
    void modeLabelLook(int address, int mode);
    void dynamicTypeLook(int address, int type);
    void threeWayLook(const std::array<BmpButton*, 3>& group, int chosen);
    void showPairState();
    void showEqPass();

    Model& m_model;
    ParameterSink& m_sink;
    const ControlTables& m_tables;
    const ControlRegistry& m_controls;
    ControlSync& m_sync;
    GraphView& m_graph;
    bool m_manualFlag = false;
    int m_lastEffect = 0;
};

// Toggle look: the Hint flips between "0" and "1"; "1" shows pressed. Returns the new state.
int FlipToggle(BmpButton& button);

}  // namespace aec
