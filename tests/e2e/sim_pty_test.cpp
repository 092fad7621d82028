// End to end: aec-sim in a child process on a pseudo-terminal, found in the virtual port
// directory and driven through the Qt serial port adapter.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "core/model.h"
#include "link/frame_sender.h"
#include "link/port_enumeration.h"
#include "link/qt_serial_port.h"
#include "link/receiver.h"
#include "sim/sim_state.h"

namespace aec::test {
namespace {

// Generous: the machine may be busy building; nothing here measures speed.
constexpr int kPatienceMs = 20000;

class SimPtyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        m_portDir = m_runtime.filePath("aec-ports");
        m_name = QStringLiteral("e2e-%1").arg(QCoreApplication::applicationPid());
        m_port.setDataReceived([this](int) { m_receiver.readFrom(m_port); });
        m_receiver.setFrameListener([this](const ParsedFrame&) { ++m_frames; });
    }

    void TearDown() override {
        m_port.close();
        if (m_sim.state() != QProcess::NotRunning) {
            stopSim();
        }
    }

    // Starts aec-sim and returns the path it published, or an empty string.
    QString startSim(const QStringList& extra = {}) {
        m_sim.setProgram(QStringLiteral(AEC_SIM_PATH));
        m_sim.setArguments(QStringList{"--name", m_name, "--port-dir", m_portDir} + extra);
        m_sim.start();
        if (!m_sim.waitForStarted(kPatienceMs)) {
            return {};
        }
        while (!m_sim.canReadLine()) {
            if (!m_sim.waitForReadyRead(kPatienceMs)) {
                return {};
            }
        }
        const QStringList ready = QString::fromUtf8(m_sim.readLine()).trimmed().split(' ');
        return ready.size() == 4 && ready[1] == "ready" ? ready[2] : QString();
    }

    int stopSim() {
        m_sim.terminate();
        m_sim.waitForFinished(kPatienceMs);
        return m_sim.exitStatus() == QProcess::NormalExit ? m_sim.exitCode() : -1;
    }

    bool connect(const QString& path) {
        m_port.setPortName(path.toStdString());
        if (m_port.open() != PortError::kNone) {
            return false;
        }
        m_sender.SendLinkCode(kProbeCode);
        return QTest::qWaitFor([this] { return m_state.deviceAnswered; }, kPatienceMs);
    }

    bool loadPage(int page, int frames) {
        const int target = m_frames + frames;
        m_sender.sendPageRequest(page);
        return QTest::qWaitFor([&] { return m_frames >= target; }, kPatienceMs);
    }

    int m_argc = 1;
    char m_arg0[8] = "e2e";
    char* m_argv[1] = {m_arg0};
    QCoreApplication m_app{m_argc, m_argv};
    QTemporaryDir m_runtime;
    QString m_portDir;
    QString m_name;
    QProcess m_sim;
    QtSerialPort m_port;
    Model m_model;
    LinkState m_state;
    FrameSender m_sender{m_port};
    Receiver m_receiver{m_model, m_state};
    int m_frames = 0;
};

TEST_F(SimPtyTest, ProbeAcknowledgedAndPageZeroArrivesWhole) {
    const QString path = startSim();
    ASSERT_FALSE(path.isEmpty()) << m_sim.readAllStandardError().toStdString();
    EXPECT_EQ(path, m_portDir + "/" + m_name);
    EXPECT_TRUE(enumeratePorts().contains(path));

    ASSERT_TRUE(connect(path));
    EXPECT_TRUE(m_state.ready);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_model.deviceIdentity.empty(); }, kPatienceMs));
    EXPECT_EQ(m_model.deviceIdentity, "AEC02026");

    ASSERT_TRUE(loadPage(0, 2));
    const SimState expected = defaultSimState();
    for (int slot = 0; slot < pageSlotCount(0); ++slot) {
        EXPECT_EQ(m_model.param(0, slot), expected.memory[0][slot]) << slot;
    }
    for (const std::string& line : m_model.diagnosticLog.lines()) {
        EXPECT_EQ(line.rfind("缓存长度K:C:L=", 0), 0u) << line;  // no checksum complaints
    }

    // The search closes and reopens ports; the line must still work afterwards.
    m_port.close();
    m_state.deviceAnswered = false;
    ASSERT_TRUE(connect(path));

    m_port.close();
    EXPECT_EQ(stopSim(), 0);
    EXPECT_FALSE(QFileInfo(path).isSymLink());  // the link is gone with the simulator
    EXPECT_FALSE(enumeratePorts().contains(path));
}

TEST_F(SimPtyTest, StateAndLogSurviveARestart) {
    const QString state = m_runtime.filePath("sim.state");
    const QString log = m_runtime.filePath("sim.log");
    const QStringList options = {"--state", state, "--log", log};
    QString path = startSim(options);
    ASSERT_FALSE(path.isEmpty());
    ASSERT_TRUE(connect(path));
    m_state.ready = false;
    m_sender.SendValueFrame(kWriteCommand, 0x0203, 77);
    m_sender.SendTextFrame(kPanelPasswordAddress, "9999");
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_state.ready; }, kPatienceMs));
    m_port.close();
    ASSERT_EQ(stopSim(), 0);

    path = startSim(options);
    ASSERT_FALSE(path.isEmpty());
    ASSERT_TRUE(connect(path));
    ASSERT_TRUE(loadPage(2, 1));
    EXPECT_EQ(m_model.param(2, 3), 77);
    m_sender.sendValueRequest(kPanelPasswordAddress);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_model.panelPassword == "9999"; }, kPatienceMs));

    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("in  F5 B1 06 B7 1E 30 11 00 0B  write probe"));
    EXPECT_TRUE(text.contains("out EE BB  ack BB"));
    EXPECT_TRUE(text.contains("write 0x0203 = 77"));
}

TEST_F(SimPtyTest, DroppedAcknowledgementsLeaveTheEditorWaiting) {
    const QString path = startSim({"--drop-acks"});
    ASSERT_FALSE(path.isEmpty());
    m_port.setPortName(path.toStdString());
    ASSERT_EQ(m_port.open(), PortError::kNone);
    m_sender.SendLinkCode(kProbeCode);
    // The identity follows the place of the acknowledgement, so once it is here the
    // acknowledgement would have been too.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_model.deviceIdentity.empty(); }, kPatienceMs));
    EXPECT_FALSE(m_state.deviceAnswered);
    EXPECT_FALSE(m_state.ready);
}

}  // namespace
}  // namespace aec::test
