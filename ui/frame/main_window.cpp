#include "ui/frame/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QWindow>

#include "core/pages.h"
#include "eq/graph_picture.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {
constexpr int kGraphTimerMs = 10;
}

TForm1::TForm1(Model& model, ParameterSink& sink, MessageService& messages, AudioCapture& audio,
               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_model(model),
      m_sink(sink),
      m_messages(messages) {
    setWindowTitle(kApplicationTitle);
    resize(kClientWidth, kClientHeight);
    buildWindow();
    m_graph = std::make_unique<GraphView>(m_model, m_factory, m_parts.graph);
    // Queued: the picture is drawn again after the paint that found it at the wrong density.
    connect(
        m_graph->image(), &GraphImage::pixelRatioChanged, this, [this] { FormResize(); },
        Qt::QueuedConnection);
    m_sync = std::make_unique<ControlSync>(m_model, m_sink, m_tables, m_parts, *m_frame.pages,
                                           m_messages);
    m_points = std::make_unique<PointEditor>(m_model, *m_sync, m_tables, *m_graph, *m_frame.pages,
                                             m_windowShown);
    m_spectrum =
        std::make_unique<SpectrumView>(m_model, *m_graph, m_parts.strip, audio, m_messages);
    m_commandLooks = std::make_unique<CommandLooks>(m_model, m_tables, m_parts);
    m_systemLooks = std::make_unique<SystemLooks>(m_model, m_parts.system);
    m_outputMode = std::make_unique<OutputMode>(m_model, m_tables, m_parts);
    m_refresh =
        std::make_unique<ControlRefresh>(m_model, m_tables, m_parts, *m_sync, *m_commandLooks,
                                         *m_outputMode, *m_systemLooks, *m_graph);
    m_commands = std::make_unique<ChannelCommands>(m_model, m_sink, m_tables, *m_commandLooks,
                                                   *m_sync, *m_graph);
    m_stripCommands =
        std::make_unique<StripCommands>(m_model, m_sink, m_tables, m_parts, *m_commandLooks,
                                        *m_outputMode, static_cast<ViewHost&>(*this));
    m_filterCommands = std::make_unique<FilterCommands>(
        m_model, m_sink, static_cast<ViewHost&>(*this), m_messages, this);
    m_systemPage = std::make_unique<SystemPage>(m_model, m_sink, m_parts.system, *m_systemLooks);
    m_presetFiles = std::make_unique<PresetFiles>(m_model, m_parts.system.presets,
                                                  static_cast<ViewHost&>(*this), m_messages);
    m_undo =
        std::make_unique<UndoCommands>(m_model, m_sink, static_cast<ViewHost&>(*this), m_messages);
    m_compareOverlay = std::make_unique<CompareOverlay>(m_model, *m_graph);
    m_curveCommands = std::make_unique<CurveCommands>(m_model, *m_graph, m_parts.graph, m_messages);
    m_feedback = std::make_unique<FeedbackView>(m_model, m_sink, *m_graph, m_parts.strip, audio,
                                                m_messages, static_cast<ViewHost&>(*this));
    connect(this, &TForm1::languageChanged, this, [this] { m_feedback->showTexts(); });
    connect(this, &TForm1::controlsRefreshed, this, [this] { m_feedback->storesChanged(); });
    layoutRegions();
    wireControls();
    // After the wiring, so its moves over a marker come after the point editor's.
    m_readout = std::make_unique<GraphReadout>(m_model, *m_graph, m_parts.graph);
    wireUndo();

    // While the window is created: the graph picture and its background, then the recording
    // for the spectrum analyser.
    m_graph->BuildGraphBackground(kBackgroundCreate);
    m_spectrum->StartAudioCapture();

    // The hidden log box mirrors the diagnostic lines as they arrive.
    QPlainTextEdit* log = m_frame.log;
    log->setMaximumBlockCount(20000);
    m_model.diagnosticLog.setListener([this, log] {
        const auto& lines = m_model.diagnosticLog.lines();
        if (lines.empty()) {
            log->clear();
        } else {
            log->appendPlainText(QString::fromStdString(lines.back()));
        }
    });

    m_timer.setObjectName("Timer1");
    m_timer.setInterval(kGraphTimerMs);
    connect(&m_timer, &QTimer::timeout, this, &TForm1::Timer1Timer);
    qApp->installEventFilter(this);
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    m_model.diagnosticLog.setListener(nullptr);
}

void TForm1::firstShow() {
    m_presetFiles->PreparePresets();
    m_tables.build(m_controls, m_model);
    m_sync->reset();
    RefreshControls(m_model.ResetEqBands(kAllPages));
    m_undo->restart();
    // The search for the processor starts by itself; a failure here leaves the window usable.
    try {
        emit portListWanted();
        m_frame.linkButton->click();
    } catch (...) {
    }
    if (ToolButton* music = m_tables.tabButtons()[kTabMusic]) {
        FormMusTabBtnClick(*music);
    }
    m_timer.start();
    m_windowShown = true;
}

void TForm1::RefreshControls(int target) {
    m_refresh->RefreshControls(target);
    emit controlsRefreshed();
}

void TForm1::refreshControls(int target) { RefreshControls(target); }

// The panel lock holds everything but the tab row, the language and link buttons and the box.
void TForm1::showPanelLock() {
    if (ToolButton* music = m_tables.tabButtons()[kTabMusic]) {
        FormMusTabBtnClick(*music);
    }
    m_frame.lockBox->show();
    m_frame.lockBox->raise();
    setPanelAreasEnabled(false);
    // A tab click that refreshed into the lock parks the focus when it finishes; the box takes
    // it after that.
    EditBox* box = m_frame.unlockBox;
    box->setFocus(Qt::OtherFocusReason);
    QMetaObject::invokeMethod(
        box, [box] { box->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
}

void TForm1::hidePanelLock() {
    m_frame.lockBox->hide();
    setPanelAreasEnabled(true);
}

void TForm1::setPanelAreasEnabled(bool enabled) {
    m_frame.pages->setEnabled(enabled);
    m_parts.graph.outer->setEnabled(enabled);
    m_parts.system.tabs->setEnabled(enabled);
}

void TForm1::Timer1Timer() {
    // A step of the undo history ends once no button is held and the stores are quiet.
    m_undo->tick(m_model.dragging() || QGuiApplication::mouseButtons() != Qt::NoButton);
    // A drag (of a graph point or a volume marker) applies its own values as it goes.
    if (m_model.dragging()) {
        return;
    }
    m_points->applyPending();
    m_graph->tick(m_sync->lastEdit());
    m_spectrum->tick();
}

// ---- Window events ----

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_windowShown) {
        firstShow();
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutRegions();
    FormResize();
}

void TForm1::FormResize() { m_graph->resize(currentPoint()); }

int TForm1::currentPoint() const {
    return m_sync->currentBand(PageKind(makeAddress(m_graph->page(), 0)));
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    event->accept();  // closing is never refused
}

void TForm1::FormCloseQuery() {
    // The processor is told goodbye by the link when it is on line.
    emit closing();
    m_timer.stop();
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), look::kWhite);
    p.setPen(look::kBorder);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    // Presses that a control leaves unhandled (the graph, a panel, a group) arrive here too;
    // they must not move the window.
    if (isCaption(childAt(event->position().toPoint()))) {
        FormMouseDown(*event);
    }
}

bool TForm1::isCaption(const QWidget* pressed) const {
    // The model name label lets presses through to the strip beneath it.
    return pressed == nullptr || pressed == m_frame.titleStrip;
}

void TForm1::FormMouseDown(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return;
    }
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    if (windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    m_dragging = true;
    m_dragOffset = event.globalPosition().toPoint() - frameGeometry().topLeft();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
    }
}

void TForm1::mouseReleaseEvent(QMouseEvent*) { m_dragging = false; }

bool TForm1::isOwnKeyEvent(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) {
        return false;
    }
    // Key events travel up the parents when ignored; only the first delivery counts.
    QWidget* focus = QApplication::focusWidget();
    return focus ? widget == focus : widget == this;
}

bool TForm1::isTextBox(const QWidget* focus) const {
    // Value boxes have a handler and discard letters; the focus park is never typed into.
    const auto* box = qobject_cast<const EditBox*>(focus);
    return box != nullptr && box->handler() == nullptr && box != m_frame.focusPark;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Undo and redo keys reach the settings unless a text box has typing of its own to undo.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* box = qobject_cast<QLineEdit*>(watched);
        if (box != nullptr && box->window() == this &&
            ((key->matches(QKeySequence::Undo) && !box->isUndoAvailable()) ||
             (key->matches(QKeySequence::Redo) && !box->isRedoAvailable()) ||
             key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))) {
            return true;
        }
    }
    // Letters typed into a text box are text there, not volume keys.
    if (event->type() == QEvent::KeyPress && m_keyPreview && isOwnKeyEvent(watched) &&
        !isTextBox(QApplication::focusWidget())) {
        FormKeyDown(static_cast<QKeyEvent*>(event)->key());
        return false;  // the key still reaches the focused control
    }
    if (event->type() == QEvent::Wheel) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this &&
            m_sync->FormMouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y())) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::wireUndo() {
    const auto key = [this](const char* keys, auto handler) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromUtf8(keys)), this);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    key("Ctrl+Z", [this] { m_undo->UndoClick(); });
    key("Ctrl+Shift+Z", [this] { m_undo->RedoClick(); });
    key("Ctrl+Y", [this] { m_undo->RedoClick(); });
    m_toolsMenu.set("UndoAction", [this] { m_undo->UndoClick(); });
    m_toolsMenu.set("RedoAction", [this] { m_undo->RedoClick(); });
    m_toolsMenu.set("ImportFiltersAction", [this] { m_filterCommands->ImportFiltersClick(); });
    m_toolsMenu.set("ExportFiltersAction", [this] { m_filterCommands->ExportFiltersClick(); });
    m_toolsMenu.set("ExportCurveCsvAction", [this] { m_curveCommands->ExportCurveCsvClick(); });
    m_toolsMenu.set("ExportCurveFrdAction", [this] { m_curveCommands->ExportCurveFrdClick(); });
    m_toolsMenu.set("ExportGraphPngAction", [this] { m_curveCommands->ExportGraphPngClick(); });
    m_undo->setLooksChanged([this] { showCompareLooks(); });
    showCompareLooks();
}

void TForm1::showCompareLooks() {
    const StripParts& strip = m_parts.strip;
    const bool b = m_model.compare.active() == 1;
    CommandLooks::showToggle(*strip.compare, b ? 1 : 0);
    const QString copy = QString::fromUtf8(b ? "B→A" : "A→B");
    strip.copyCompare->setText(copy);
    setOtherCaption(strip.copyCompare, copy);
}

}  // namespace aec
