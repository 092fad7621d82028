#pragma once
// The edit path from the window's controls to the stores: typed text, arrow keys, the wheel,
// spin buttons, sliders and point labels become limited, shown, stored and sent values.

#include <QPointer>
#include <QStackedWidget>
#include <QString>
#include <array>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/rules/edit_decision.h"
#include "ui/sheets/sheets.h"
#include "ui/sync/control_tables.h"
#include "ui/widgets/message_service.h"

namespace aec {

inline constexpr char kApplicationTitle[] = "Audio Effect Contrller";

class ControlSync : public EditBoxHandler {
  public:
    // `pages` is FormPageItem, whose sheet on show decides which band strip scrolls.
    ControlSync(Model& model, ParameterSink& sink, const ControlTables& tables,
                const WindowParts& parts, const QStackedWidget& pages, MessageService& messages);

    // Start state once the tables exist: the Music page's first frequency box current, nothing
    // highlighted.
    void reset();

    // Limits, shows, stores and (unless `refresh`) sends raw value x for control c.
    void ApplyControlValue(QWidget* c, EditStep step, bool refresh, double x);
    // Applies the text of the current edit box, moved by `step`.
    void CommitEdit(EditStep step);

    // Edit box events (one handler for every value edit box).
    void MusFreEdit1Click(EditBox& box) override;
    void MusFreEdit1KeyDown(EditBox& box, int key) override;
    bool MusFreEdit1KeyPress(EditBox& box, QChar ch) override;
    void MusFreEdit1Exit(EditBox& box) override;
    // The click rule for the control bound at an address (used by arrows and point labels).
    void clickRule(QWidget* target);

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
    void setSliderQuietly(QSlider& slider, int position);
    // Records a change that moves the graph outside the edit boxes (band mode changes).
    void recordLastEdit(int address, int value);

    EditBox* currentEdit() const { return m_current; }
    void setCurrentEdit(EditBox* box) { m_current = box; }
    EditBox* highlightedEdit() const { return m_highlighted; }
    const QString& savedText() const { return m_savedText; }
    int wheelFlag() const { return m_wheelFlag; }
    void setWheelFlag(int flag) { m_wheelFlag = flag; }
    bool editDirty() const { return m_dirty; }
    bool sliderMoving() const { return m_sliderMoving; }
    LastEdit lastEdit() const { return m_lastEdit; }
    // Band last highlighted on a kind of page.
    int currentBand(KindOfPage kind) const;

  private:
    void highlightBand(EditBox& box, KindOfPage kind);
    void scrollToBand(int band);
    EditBox* editAt(int address) const;
    void moveFocusTo(EditBox& box);

    Model& m_model;
    ParameterSink& m_sink;
    const ControlTables& m_tables;
    const WindowParts& m_parts;
    const QStackedWidget& m_pages;
    MessageService& m_messages;

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
