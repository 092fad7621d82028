#pragma once
// Keeps the window's controls and the parameter stores in step: user edits become limited,
// shown, stored and sent values; stored values are put back into the controls.

#include <QPointer>
#include <QString>
#include <array>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/rules/edit_rules.h"
#include "ui/sync/control_tables.h"
#include "ui/widgets/message_service.h"

namespace aec {

inline constexpr char kApplicationTitle[] = "Audio Effect Contrller";

// What the synchronisation needs from the window and from the command handlers.
class SyncHooks {
  public:
    virtual ~SyncHooks() = default;
    // Index of the sheet of FormPageItem on show.
    virtual int ActiveSheet() const = 0;
    // Redraws every response curve of the page on show.
    virtual void RedrawPage() = 0;
    // The band mode box handler, run for a box whose item was set by a refresh.
    virtual void ModeBoxRefreshed(QComboBox& box) = 0;
    // The phase and mute toggle handlers; both flip the Hint and store the new state.
    virtual void PhaseToggle(BmpButton& button) = 0;
    virtual void MuteToggle(BmpButton& button) = 0;
    // Pair buttons, EQ pass, automatic/manual, music mode and the system page, after a refresh.
    virtual void RefreshCommands() = 0;
    // The panel-lock check, the last step of every refresh.
    virtual void PanelLockCheck() = 0;
};

// Base address and raw value of the latest edit that moves the graph.
struct LastEdit {
    int address = 0;
    int value = 0;
    bool operator==(const LastEdit&) const = default;
};

class ControlSync : public EditBoxHandler {
  public:
    ControlSync(Model& model, ParameterSink& sink, const ControlTables& tables,
                const ControlRegistry& controls, MessageService& messages, SyncHooks& hooks);

    // Start state once the tables exist: MusFreEdit1 current, nothing highlighted.
    void Reset();

    // Limits, shows, stores and (unless `refresh`) sends raw value x for control c.
    void ApplyControlValue(QWidget* c, EditStep step, bool refresh, double x);
    // Applies the text of the current edit box, moved by `step`.
    void CommitEdit(EditStep step);
    // Puts ViewStore into the controls of one base page, or of every base page for 100.
    void RefreshControls(int target);

    // Edit box events (one handler for every value edit box).
    void MusFreEdit1Click(EditBox& box) override;
    void MusFreEdit1KeyDown(EditBox& box, int key) override;
    bool MusFreEdit1KeyPress(EditBox& box, QChar ch) override;
    void MusFreEdit1Exit(EditBox& box) override;
    // The click rule for the control bound at an address (used by arrows and point labels).
    void ClickRule(QWidget* target);

    void MusFreUpDownBtn1UpRightClick(QWidget& spin);
    void MusFreUpDownBtn1DownLeftClick(QWidget& spin);
    // The window's wheel: steps the current edit box while the wheel flag is set.
    bool FormMouseWheel(int delta);
    void MicHPFreBarChange(QSlider& slider);
    void MusEQGainBar1Change(QSlider& slider);
    // The other band gain sliders behave exactly like MusEQGainBar1Change.
    void ComEQGainBarChange(QSlider& slider) { MusEQGainBar1Change(slider); }
    void MusEQTrackBar1Change(QSlider& slider) { MusEQGainBar1Change(slider); }
    void MusPanScrollBarChange(QSlider& slider);
    void MusEQPointLabel1Click(QWidget& label);

    // Moves a slider without running its change handler.
    void SetSliderQuietly(QSlider& slider, int position);
    // Records a change that moves the graph outside the edit boxes (band mode changes).
    void RecordLastEdit(int address, int value);

    EditBox* currentEdit() const { return m_current; }
    void setCurrentEdit(EditBox* box) { m_current = box; }
    EditBox* highlightedEdit() const { return m_highlighted; }
    const QString& savedText() const { return m_savedText; }
    int wheelFlag() const { return m_wheelFlag; }
    void setWheelFlag(int flag) { m_wheelFlag = flag; }
    bool editDirty() const { return m_dirty; }
    bool sliderMoving() const { return m_sliderMoving; }
    LastEdit lastEdit() const { return m_lastEdit; }
    // Band last highlighted on a page kind (0..7).
    int currentBand(int pageKind) const;

  private:
    void highlightBand(EditBox& box, int pageKind);
    void scrollToBand(int band);
    void refreshCell(int page, int slot);
    void refreshRightChannel();
    void showMuteState(BmpButton* button, int value);
    void stepSlider(QSlider& slider, int delta);
    EditBox* editAt(int address) const;
    void moveFocusTo(EditBox& box);

    Model& m_model;
    ParameterSink& m_sink;
    const ControlTables& m_tables;
    const ControlRegistry& m_controls;
    MessageService& m_messages;
    SyncHooks& m_hooks;

    QPointer<EditBox> m_current;
    QPointer<EditBox> m_highlighted;
    QString m_savedText;
    bool m_dirty = false;
    int m_wheelFlag = 0;
    bool m_sliderMoving = false;
    LastEdit m_lastEdit;
    std::array<int, 8> m_currentBand{};
};

}  // namespace aec
