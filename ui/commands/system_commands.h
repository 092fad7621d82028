#pragma once
// The device modes and system commands of the system column: the mode list and its name box,
// loading and saving modes, the quick mode buttons, the two-button switches and the nine volume
// bars. The rights, passwords and panel lock of the system page build on it.

#include "core/model.h"
#include "core/parameter_sink.h"
#include "link/device_commands.h"
#include "link/link_state.h"
#include "link/volume_rules.h"
#include "ui/frame/call_points.h"
#include "ui/widgets/control_factory.h"

namespace aec {

class SystemCommands : public SystemPoints {
  public:
    SystemCommands(Model& model, ParameterSink& sink, const ControlRegistry& controls,
                   const LinkState& link, DeviceCommands& commands);

    DeviceCommands& commands() { return m_commands; }

    // SystemPoints
    void SysMusNormalVolBarChange(QSlider& bar) override;
    void ButtonClick(BmpButton& button) override;
    void MusModeBox1Change(QComboBox& box) override;
    void RefreshSystemPage() override;

    // SysModeBoxChange: the name box takes the selected mode's name.
    void SysModeBoxChange();
    // SysLoadModeBtnClick for either button: load or save a mode.
    void SysLoadModeBtnClick(BmpButton& button);
    // SysModeBtn1Click and SysFactoryBtnClick: load the mode of the button's Tag, on line only.
    void SysModeBtn1Click(BmpButton& button);
    // SysModeBox2Change: load user mode 5 to 16.
    void SysModeBox2Change();
    // SysMusInputLevelClick: one button of a two-button switch.
    void SysMusInputLevelClick(BmpButton& button);
    // The mode list from the mode name table, keeping the selected item.
    void RebuildModeList();

  private:
    void LoadSelectedMode();
    void SaveSelectedMode();
    void ShowSwitch(int address, int value);
    QComboBox* modeBox() const;

    Model& m_model;
    ParameterSink& m_sink;
    const ControlRegistry& m_controls;
    const LinkState& m_link;
    DeviceCommands& m_commands;
};

}  // namespace aec
