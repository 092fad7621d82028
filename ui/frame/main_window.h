#pragma once
// TForm1: the editor's one main window. It builds the controls from tables, wires their events
// to the synchronisation and command handlers, and runs navigation; the rules live elsewhere.

#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/commands/basic_system_points.h"
#include "ui/commands/channel_commands.h"
#include "ui/frame/call_points.h"
#include "ui/graph/graph_view.h"
#include "ui/rules/tab_selector.h"
#include "ui/sync/control_sync.h"
#include "ui/sync/control_tables.h"
#include "ui/widgets/control_factory.h"
#include "ui/widgets/message_service.h"

class QStackedWidget;
class QTabWidget;

namespace aec {

class TForm1 : public QWidget, private SyncHooks {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 1204;
    static constexpr int kClientHeight = 609;

    TForm1(Model& model, ParameterSink& sink, MessageService& messages, QWidget* parent = nullptr);
    ~TForm1() override;

    // Call points of later parts; null restores the do-nothing defaults.
    void setLinkPoints(LinkPoints* points);
    void setSystemPoints(SystemPoints* points);
    void setGraphPoints(GraphPoints* points);
    void setStripCommands(StripCommands* commands);
    void setLanguagePoints(LanguagePoints* points);

    Model& model() { return m_model; }
    ControlRegistry& controls() { return m_controls; }
    template <class T = QWidget>
    T* control(const QString& name) const {
        return m_controls.get<T>(name);
    }
    ControlTables& tables() { return m_tables; }
    ControlSync& sync() { return *m_sync; }
    ChannelCommands& commands() { return *m_commands; }
    GraphView& graph() { return *m_graph; }
    MessageService& messages() { return m_messages; }
    bool windowShown() const { return m_windowShown; }
    bool keyPreview() const { return m_keyPreview; }
    bool isMaximised() const { return m_maximised; }

    // The first-show steps (tables, band defaults, link start, presets, Music tab, timer).
    void FirstShow();
    // FormMusTabBtnClick: selects the tab of a tab button.
    void FormMusTabBtnClick(ToolButton& button);
    // Tab selector: selection state, shared captions and visibility; returns CurrentView.
    int RunTabSelector(int tab);
    // HintMusBtnClick: one of the hidden page's three sources.
    void HintMusBtnClick(ToolButton& button);
    // LinkLabelDblClick shows the access-code box; SysLogoEditKeyPress runs on its Enter key.
    void LinkLabelDblClick();
    void SysLogoEditKeyPress();
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
    // FormMouseDown: a left press on the window's own surface moves the window.
    void FormMouseDown(QMouseEvent& event);
    // FormCloseQuery: the link's farewell; closing is never refused.
    void FormCloseQuery();
    // The 10 ms graph timer's work.
    void Timer1Timer();

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
    // SyncHooks
    int ActiveSheet() const override;
    void RedrawPage() override;
    void ModeBoxRefreshed(QComboBox& box) override;
    void PhaseToggle(BmpButton& button) override;
    void MuteToggle(BmpButton& button) override;
    void RefreshCommands() override;
    void PanelLockCheck() override;

    // Building (window_build.cpp) and wiring (window_wiring.cpp).
    void buildWindow();
    void buildTitleStrip();
    void buildTabRow(QWidget* editing);
    void buildSheets(QWidget* editing);
    void buildHiddenControls(QWidget* editing);
    void buildPanelLockBox(QWidget* editing);
    void layoutRegions();
    void wireControls();
    void wireEditing();
    void wireNavigation();
    void wireCommands();
    void wireSystemColumn();
    void applyTabLayout(const TabLayout& layout);
    int currentPoint() const;
    bool isOwnKeyEvent(QObject* watched) const;

    Model& m_model;
    ParameterSink& m_sink;
    MessageService& m_messages;
    ControlRegistry m_controls;
    LinkPoints m_noLink;
    BasicSystemPoints m_noSystem{m_sink, m_controls};
    GraphPoints m_noGraph;
    StripCommands m_noStrip;
    LanguagePoints m_noLanguage;
    LinkPoints* m_link = &m_noLink;
    SystemPoints* m_systemPoints = &m_noSystem;
    GraphPoints* m_graphPoints = &m_noGraph;
    StripCommands* m_strip = &m_noStrip;
    LanguagePoints* m_language = &m_noLanguage;

    ControlFactory m_factory{m_controls};
    ControlTables m_tables;
    std::unique_ptr<ControlSync> m_sync;
    std::unique_ptr<GraphView> m_graph;
    std::unique_ptr<ChannelCommands> m_commands;

    QWidget* m_editing = nullptr;
    QStackedWidget* m_pages = nullptr;
    QTabWidget* m_systemTabs = nullptr;
    QTimer m_timer;
    bool m_windowShown = false;
    bool m_keyPreview = true;
    bool m_maximised = false;
    QRect m_normalGeometry;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

}  // namespace aec
