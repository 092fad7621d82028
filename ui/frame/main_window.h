#pragma once
// TForm1: the editor's one main window. It builds the controls from their descriptions, wires
// each control's events to the handler its description names, and runs navigation; the rules
// live in the rooms it holds.

#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/commands/channel_commands.h"
#include "ui/commands/curve_commands.h"
#include "ui/commands/filter_commands.h"
#include "ui/commands/preset_files.h"
#include "ui/commands/strip_commands.h"
#include "ui/commands/system_page.h"
#include "ui/commands/undo_commands.h"
#include "ui/frame/tools_menu.h"
#include "ui/graph/compare_overlay.h"
#include "ui/graph/feedback_view.h"
#include "ui/graph/graph_readout.h"
#include "ui/graph/graph_view.h"
#include "ui/graph/point_editor.h"
#include "ui/graph/spectrum_view.h"
#include "ui/rules/tab_selector.h"
#include "ui/sheets/sheets.h"
#include "ui/sync/command_looks.h"
#include "ui/sync/control_refresh.h"
#include "ui/sync/control_sync.h"
#include "ui/sync/control_tables.h"
#include "ui/sync/output_mode.h"
#include "ui/sync/system_looks.h"
#include "ui/widgets/control_factory.h"
#include "ui/widgets/message_service.h"

class QComboBox;
class QPlainTextEdit;
class QStackedWidget;

namespace aec {

// The window's own frame: title strip, tab row, page container, hidden helpers, lock box.
struct FrameParts {
    QWidget* titleStrip = nullptr;
    std::array<BmpButton*, 3> windowButtons{};  // minimise, maximise/restore, close
    Label* accessLabel = nullptr;
    EditBox* accessCode = nullptr;
    RzGroupBox* editing = nullptr;
    RzGroupBox* tabRow = nullptr;
    Label* statusLabel = nullptr;
    BmpButton* linkButton = nullptr;
    BmpButton* unlinkButton = nullptr;
    ToolButton* hintTab = nullptr;
    ToolButton* languageButton = nullptr;
    QStackedWidget* pages = nullptr;
    EditBox* focusPark = nullptr;
    QComboBox* portList = nullptr;
    QPlainTextEdit* log = nullptr;
    RzGroupBox* lockBox = nullptr;
    EditBox* unlockBox = nullptr;
    QWidget* systemColumn = nullptr;
};

class TForm1 : public QWidget, private ViewHost {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 1204;
    static constexpr int kClientHeight = 609;

    // `audio` is the sound card's input for the spectrum analyser; it must outlive the window.
    TForm1(Model& model, ParameterSink& sink, MessageService& messages, AudioCapture& audio,
           QWidget* parent = nullptr);
    ~TForm1() override;

    Model& model() { return m_model; }
    const ControlRegistry& controls() const { return m_controls; }
    template <class T = QWidget>
    T* control(const QString& name) const {
        return m_controls.get<T>(name);
    }
    const FrameParts& frame() const { return m_frame; }
    const WindowParts& parts() const { return m_parts; }
    ControlTables& tables() { return m_tables; }
    ControlSync& sync() { return *m_sync; }
    CommandLooks& commandLooks() { return *m_commandLooks; }
    SystemLooks& systemLooks() { return *m_systemLooks; }
    ChannelCommands& commands() { return *m_commands; }
    StripCommands& stripCommands() { return *m_stripCommands; }
    FilterCommands& filterCommands() { return *m_filterCommands; }
    SystemPage& systemPage() { return *m_systemPage; }
    PresetFiles& presetFiles() { return *m_presetFiles; }
    UndoCommands& undoCommands() { return *m_undo; }
    ToolsMenu& toolsMenu() { return m_toolsMenu; }
    CurveCommands& curveCommands() { return *m_curveCommands; }
    GraphReadout& graphReadout() { return *m_readout; }
    GraphView& graph() { return *m_graph; }
    PointEditor& pointEditor() { return *m_points; }
    SpectrumView& spectrum() { return *m_spectrum; }
    FeedbackView& feedback() { return *m_feedback; }
    MessageService& messages() { return m_messages; }
    bool windowShown() const { return m_windowShown; }
    bool keyPreview() const { return m_keyPreview; }
    bool isMaximised() const { return m_maximised; }
    // Whether the window follows the mouse itself after a caption press; the system's own
    // move (where it has one) leaves this false.
    bool dragging() const { return m_dragging; }

    // The first-show steps (tables, band defaults, link start, Music tab, timer).
    void firstShow();
    // RefreshControls: the stores into the controls of a base page, or of all of them.
    void RefreshControls(int target);
    // The panel-lock box over the editing area: the Music tab is chosen, the box shown with the
    // focus in its password box, and the sheets, the graph and the system column disabled.
    void showPanelLock();
    // The box hidden and the three areas enabled again.
    void hidePanelLock();
    bool panelLocked() const;
    // FormMusTabBtnClick: selects the tab of a tab button.
    void FormMusTabBtnClick(ToolButton& button);
    // Tab selector: selection state, shared captions and visibility; returns CurrentView.
    int runTabSelector(int tab);
    // EchoAToolButtonClick: echo A, echo B or reverb on the effect sheet.
    void EchoAToolButtonClick(ToolButton& button);
    // HintMusBtnClick: one of the hidden page's three sources.
    void HintMusBtnClick(ToolButton& button);
    // LinkLabelDblClick shows the access-code box; SysLogoEditKeyPress runs on its Enter key.
    void LinkLabelDblClick();
    void SysLogoEditKeyPress();
    // RzToolButton11Click: the other language (the button's Tag), then the tab selector and a
    // refresh of the page on show rewrite the texts that follow the selection.
    void RzToolButton11Click(ToolButton& button);
    // Press and release looks of the tool buttons.
    void FormMusTabBtnMouseDown(ToolButton& button);
    void RzToolButton11MouseUp(ToolButton& button);
    // Window buttons: minimise, maximise/restore, close.
    void RzBmpButton2Click();
    void RzBmpButton1Click();
    void RzBmpButton3Click();
    // FormKeyDown: the volume keys while the first system tab shows; true when a bar moved.
    bool FormKeyDown(int key);
    void AdvPageControl1Change(int index);
    // FormResize: new plot size, grid and curves.
    void FormResize();
    // FormMouseDown: a left press on the window's caption moves the window.
    void FormMouseDown(QMouseEvent& event);
    // FormCloseQuery: the link's farewell; closing is never refused.
    void FormCloseQuery();
    // The 10 ms graph timer's work.
    void Timer1Timer();

    // The effect source last chosen (0 echo A, 1 echo B, 2 reverb).
    int lastEffectButton() const { return m_lastEffect; }

  signals:
    // The first show wants the port list filled before it presses the link button.
    void portListWanted();
    // The window is closing.
    void closing();
    // A RefreshControls has ended (the panel lock is checked then).
    void controlsRefreshed();
    // The window's texts were switched to the other language.
    void languageChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building (window_build.cpp) and wiring (window_wiring.cpp).
    void buildWindow();
    void buildTitleStrip();
    void buildTabRow(QWidget* editing);
    void buildSheets(QWidget* editing);
    void buildHiddenControls(QWidget* editing);
    void buildPanelLockBox(QWidget* editing);
    void layoutRegions();
    void wireControls();
    void wire(const ControlRegistry::Entry& entry);
    void wireGraphPlot();
    void applyTabLayout(const TabLayout& layout);
    // ViewHost: the strip's commands choose a tab and show the view again.
    void chooseTab(int tab) override;
    void showCurrentView() override;
    void refreshControls(int target) override;
    void setPanelAreasEnabled(bool enabled);
    void selectEffectPage(int page);
    int currentPoint() const;
    bool isOwnKeyEvent(QObject* watched) const;
    // The window's surface not covered by a control, and the title strip, act as its caption.
    bool isCaption(const QWidget* pressed) const;
    // A box the user types words into (the access code, names, passwords).
    bool isTextBox(const QWidget* focus) const;
    // Undo and redo keys, the Tools menu's entries and the A/B buttons' looks.
    void wireUndo();
    void showCompareLooks();

    Model& m_model;
    ParameterSink& m_sink;
    MessageService& m_messages;
    ControlRegistry m_controls;
    ControlFactory m_factory{m_controls};
    FrameParts m_frame;
    WindowParts m_parts;
    ControlTables m_tables;
    std::unique_ptr<GraphView> m_graph;
    std::unique_ptr<PointEditor> m_points;
    std::unique_ptr<SpectrumView> m_spectrum;
    std::unique_ptr<ControlSync> m_sync;
    std::unique_ptr<CommandLooks> m_commandLooks;
    std::unique_ptr<SystemLooks> m_systemLooks;
    std::unique_ptr<OutputMode> m_outputMode;
    std::unique_ptr<ControlRefresh> m_refresh;
    std::unique_ptr<ChannelCommands> m_commands;
    std::unique_ptr<StripCommands> m_stripCommands;
    std::unique_ptr<FilterCommands> m_filterCommands;
    std::unique_ptr<SystemPage> m_systemPage;
    std::unique_ptr<PresetFiles> m_presetFiles;
    std::unique_ptr<UndoCommands> m_undo;
    std::unique_ptr<CompareOverlay> m_compareOverlay;
    std::unique_ptr<FeedbackView> m_feedback;
    ToolsMenu m_toolsMenu;
    std::unique_ptr<CurveCommands> m_curveCommands;
    std::unique_ptr<GraphReadout> m_readout;

    QTimer m_timer;
    bool m_windowShown = false;
    bool m_keyPreview = true;
    bool m_maximised = false;
    QRect m_normalGeometry;
    bool m_dragging = false;
    QPoint m_dragOffset;
    int m_lastEffect = 0;
};

}  // namespace aec
