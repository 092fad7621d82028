#include "tests/e2e/online_fixture.h"

#include <signal.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

namespace aec::test {

void OnlineTest::SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "e2e_online";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: the windows of every test share it.
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

void OnlineTest::SetUp() {
    ASSERT_TRUE(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    portDir = runtime.filePath("aec-ports");
    ASSERT_TRUE(QDir().mkpath(portDir));
    simName = QStringLiteral("sim-%1").arg(QCoreApplication::applicationPid());
    stateFile = runtime.filePath("sim-state");
    logFile = runtime.filePath("sim.log");
}

void OnlineTest::TearDown() {
    editor.reset();
    stopSim();
}

bool OnlineTest::startSim(const QStringList& extra) {
    sim.setProgram(QStringLiteral(AEC_SIM_PATH));
    sim.setArguments(QStringList{"--name", simName, "--port-dir", portDir, "--state", stateFile,
                                 "--log", logFile} +
                     extra);
    sim.start();
    if (!sim.waitForStarted(kPatienceMs)) {
        return false;
    }
    while (!sim.canReadLine()) {
        if (!sim.waitForReadyRead(kPatienceMs)) {
            return false;
        }
    }
    return QString::fromUtf8(sim.readLine()).startsWith("aec-sim ready ");
}

void OnlineTest::stopSim() {
    if (sim.state() == QProcess::NotRunning) {
        return;
    }
    ::kill(static_cast<pid_t>(sim.processId()), SIGCONT);  // in case a test paused it
    sim.terminate();
    sim.waitForFinished(kPatienceMs);
}

std::optional<SimState> OnlineTest::savedSimState() const {
    QFile file(stateFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return parseState(file.readAll().toStdString());
}

void OnlineTest::writeSimState(const SimState& state) const {
    QFile file(stateFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray::fromStdString(serializeState(state)));
}

QString OnlineTest::simLog() const {
    QFile file(logFile);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void OnlineTest::startEditor() {
    editor = std::make_unique<EditorApp>(messages, capture);
    TForm3& link = editor->link();
    link.setManualTicks(true);
    editor->verify().setManualTicks(true);
    // Only the simulators of this test: no system port is ever touched.
    const QString dir = portDir;
    link.setPortSource([dir] {
        QStringList ports;
        for (const QFileInfo& entry :
             QDir(dir).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
            if (entry.exists()) {
                ports << entry.absoluteFilePath();
            }
        }
        return ports;
    });
    window().presetFiles().setDirectory(runtime.filePath("presets").toStdString());
    editor->backups().setFolder(runtime.filePath("backups").toStdString());
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
}

bool OnlineTest::search() {
    TForm3& link = editor->link();
    for (int tick = 0; tick < 10 && connection().timer1Enabled(); ++tick) {
        link.Timer1Timer();
        if (connection().timer1Enabled() && link.ComPort().isOpen()) {
            (void)QTest::qWaitFor([this] { return state().deviceAnswered; }, kReplyPatienceMs);
        }
    }
    return connection().timer2Enabled();
}

bool OnlineTest::transfer() {
    TForm3& link = editor->link();
    const auto answered = [this] { return connection().stepAnswered(); };
    for (int tick = 0; tick < 1000 && connection().timer2Enabled(); ++tick) {
        link.Timer2Timer();
        // A step just went out (or out again); the first one of a transfer went out before
        // this loop, with the search's last tick or the event that started it.
        const int ticks = connection().tickCounter();
        const bool justSent = ticks == 0 || (ticks == 1 && connection().stepIndex() == 0);
        if (connection().timer2Enabled() && justSent &&
            QTest::qWaitFor(answered, kReplyPatienceMs)) {
            // A reply of two frames (page 0) is taken whole before the next step.
            QTest::qWait(2);
        } else {
            QCoreApplication::processEvents();
        }
    }
    return state().onLine();
}

void OnlineTest::hold(int ticks) {
    for (int i = 0; i < ticks; ++i) {
        editor->link().HoldTimerTimer();
        QCoreApplication::processEvents();
    }
}

bool OnlineTest::waitReady() {
    return QTest::qWaitFor([this] { return state().ready; }, kPatienceMs);
}

bool OnlineTest::drain() {
    while (waitReady()) {
        if (state().queue.empty()) {
            return true;
        }
        hold(1);
    }
    return false;
}

Store OnlineTest::simMemoryAfterClose() {
    window().close();
    stopSim();
    const std::optional<SimState> saved = savedSimState();
    return saved ? saved->memory : Store{};
}

int OnlineTest::closeInsideEventLoop(int afterMs) {
    constexpr int kCloseLimitMs = 1000;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &watchdog,
                     [] { QCoreApplication::exit(kStillRunning); });
    auto* close = w<BmpButton>("RzBmpButton3");
    QTimer::singleShot(afterMs, close, [close, &watchdog] {
        watchdog.start(kCloseLimitMs);
        close->click();
    });
    return QApplication::exec();
}

QString OnlineTest::statusText() const {
    auto* label = editor->window().control<QLabel>("LinkLabel");
    return label ? label->text() : QString();
}

bool OnlineTest::Shown(const char* text) const {
    for (const ScriptedMessages::Shown& box : messages.shown()) {
        if (box.text == QString::fromUtf8(text)) {
            return true;
        }
    }
    return false;
}

}  // namespace aec::test
