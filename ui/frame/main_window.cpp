#include "ui/frame/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QWindow>

#include "core/pages.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {
constexpr int kGraphTimerMs = 10;
}

TForm1::TForm1(Model& model, ParameterSink& sink, MessageService& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_model(model),
      m_sink(sink),
      m_messages(messages) {
    setWindowTitle(kApplicationTitle);
    resize(kClientWidth, kClientHeight);
    buildWindow();
    SyncHooks& hooks = *this;
    m_sync =
        std::make_unique<ControlSync>(m_model, m_sink, m_tables, m_controls, m_messages, hooks);
    m_graph = std::make_unique<GraphView>(m_model, m_factory);
    m_commands =
        std::make_unique<ChannelCommands>(m_model, m_sink, m_tables, m_controls, *m_sync, *m_graph);
    layoutRegions();
    wireControls();

    // While the window is created: the graph picture and its background, the spectrum capture.
    m_graph->BuildGraphBackground(kBackgroundCreate);
    m_graphPoints->SetUpSpectrum();

    // The hidden log box mirrors the diagnostic lines as they arrive.
    if (auto* log = control<QPlainTextEdit>("Memo2")) {
        log->setMaximumBlockCount(20000);
        m_model.diagnosticLog.setListener([this, log] {
            const auto& lines = m_model.diagnosticLog.lines();
            if (lines.empty()) {
                log->clear();
            } else {
                log->appendPlainText(QString::fromStdString(lines.back()));
            }
        });
    }

    m_timer.setObjectName("Timer1");
    m_timer.setInterval(kGraphTimerMs);
    connect(&m_timer, &QTimer::timeout, this, &TForm1::Timer1Timer);
    qApp->installEventFilter(this);
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    m_model.diagnosticLog.setListener(nullptr);
}

void TForm1::setLinkPoints(LinkPoints* points) { m_link = points ? points : &m_noLink; }
void TForm1::setSystemPoints(SystemPoints* points) {
    m_systemPoints = points ? points : &m_noSystem;
}
void TForm1::setGraphPoints(GraphPoints* points) { m_graphPoints = points ? points : &m_noGraph; }
void TForm1::setStripCommands(StripCommands* commands) {
    m_strip = commands ? commands : &m_noStrip;
}
void TForm1::setLanguagePoints(LanguagePoints* points) {
    m_language = points ? points : &m_noLanguage;
}

void TForm1::FirstShow() {
    m_tables.Build(m_controls, m_model);
    m_sync->Reset();
    m_sync->RefreshControls(m_model.ResetEqBands(kAllPages));
    // The search for the processor starts by itself; a failure here leaves the window usable.
    try {
        if (auto* ports = control<QComboBox>("ComComboBox1")) {
            m_link->FillPortList(*ports);
        }
        m_link->LinkBtnClick(control<QObject>("LinkBtn"));
    } catch (...) {
    }
    m_systemPoints->PreparePresets();
    if (ToolButton* music = m_tables.tabButtons()[kTabMusic]) {
        FormMusTabBtnClick(*music);
    }
    m_timer.start();
    m_windowShown = true;
}

void TForm1::Timer1Timer() {
    if (!m_graphPoints->TimerTick()) {
        return;
    }
    m_graph->Tick(m_sync->lastEdit());
}

// ---- Window events ----

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_windowShown) {
        FirstShow();
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutRegions();
    FormResize();
}

void TForm1::FormResize() { m_graph->Resize(currentPoint()); }

int TForm1::currentPoint() const {
    return m_sync->currentBand(PageKind(MakeAddress(m_graph->page(), 0)));
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    event->accept();  // closing is never refused
}

void TForm1::FormCloseQuery() {
    // The processor is told goodbye by the link when it is on line.
    m_link->CloseRequest();
    m_timer.stop();
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), look::kWhite);
    p.setPen(look::kBorder);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TForm1::mousePressEvent(QMouseEvent* event) { FormMouseDown(*event); }

void TForm1::FormMouseDown(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return;
    }
    // The window's own surface acts as its caption: a drag there moves the window.
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

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_keyPreview && isOwnKeyEvent(watched)) {
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

// ---- SyncHooks ----

int TForm1::ActiveSheet() const { return m_pages ? m_pages->currentIndex() : 0; }

void TForm1::RedrawPage() { m_graph->DrawPageResponse(kAllPoints, m_graph->page()); }

void TForm1::ModeBoxRefreshed(QComboBox& box) { m_commands->MusModeBox1Change(box); }

void TForm1::PhaseToggle(BmpButton& button) { m_commands->EchoEffPhaseBtnClick(button); }

void TForm1::MuteToggle(BmpButton& button) { m_commands->MainLmuteBtnClick(button); }

void TForm1::RefreshCommands() {
    m_commands->RefreshCommandControls();
    m_systemPoints->RefreshSystemPage();
}

void TForm1::PanelLockCheck() { m_systemPoints->PanelLockCheck(); }

}  // namespace aec
