// online-timing: measures, with the editor's real timers, the time from start to on line with
// aec-sim, and the delay from a slider change to its write frame on the wire. Not a test: it
// prints the numbers for the README. Usage: online-timing [runs]
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "app/editor_app.h"
#include "sim/sim_processor.h"
#include "ui/widgets/scripted_messages.h"

namespace {

using Clock = std::chrono::steady_clock;

QStringList only(const QString& port) { return {port}; }

// Milliseconds from a fresh editor to on line with aec-sim published at `port`.
double startToOnLine(const QString& port) {
    QElapsedTimer clock;
    clock.start();
    aec::ScriptedMessages messages;
    aec::EditorApp editor(messages);
    editor.link().setPortSource([port] { return only(port); });
    editor.window().show();
    const bool online =
        QTest::qWaitFor([&editor] { return editor.link().connection().state().onLine(); }, 60000);
    if (!online) {
        std::printf("status %s\n", editor.link().connection().statusText().c_str());
    }
    return online ? static_cast<double>(clock.nsecsElapsed()) / 1e6 : -1;
}

// The simulated processor on a pseudo-terminal in a thread of its own, noting when each write
// frame for `address` has fully arrived.
class TimedProcessor {
  public:
    TimedProcessor() {
        char name[256] = {};
        termios raw{};
        cfmakeraw(&raw);
        openpty(&m_master, &m_slave, name, &raw, nullptr);
        m_path = name;
        m_thread = std::thread([this] { serve(); });
    }
    ~TimedProcessor() {
        m_stop = true;
        m_thread.join();
        close(m_master);
        close(m_slave);
    }
    QString path() const { return QString::fromStdString(m_path); }
    void setAddress(int address) { m_address = address; }
    int seen() const { return m_seen; }
    Clock::time_point lastSeen() {
        std::lock_guard lock(m_mutex);
        return m_last;
    }

  private:
    void serve() {
        std::vector<uint8_t> frame;
        while (!m_stop) {
            uint8_t buffer[4096];
            fd_set set;
            FD_ZERO(&set);
            FD_SET(m_master, &set);
            timeval wait{0, 10000};
            if (select(m_master + 1, &set, nullptr, nullptr, &wait) <= 0) {
                continue;
            }
            const ssize_t n = read(m_master, buffer, sizeof buffer);
            if (n <= 0) {
                continue;
            }
            const auto now = Clock::now();
            note(std::span<const uint8_t>(buffer, static_cast<size_t>(n)), now);
            const aec::Bytes reply = m_sim.feed(std::span<const uint8_t>(buffer, size_t(n)));
            if (!reply.empty()) {
                (void)write(m_master, reply.data(), reply.size());
            }
        }
    }
    // Looks for the write frame of the measured address (F5 B1 06 B7 hi lo ...).
    void note(std::span<const uint8_t> bytes, Clock::time_point now) {
        for (uint8_t b : bytes) {
            m_window.push_back(b);
            if (m_window.size() > 9) {
                m_window.erase(m_window.begin());
            }
            if (m_window.size() == 9 && m_window[0] == 0xF5 && m_window[3] == 0xB7 &&
                m_window[4] * 256 + m_window[5] == m_address) {
                std::lock_guard lock(m_mutex);
                m_last = now;
                ++m_seen;
            }
        }
    }

    std::atomic<int> m_address{-1};
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
    aec::SimProcessor m_sim;
    std::vector<uint8_t> m_window;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_seen{0};
    std::mutex m_mutex;
    Clock::time_point m_last;
};

void sliderToWire(int changes) {
    aec::ScriptedMessages messages;
    aec::EditorApp editor(messages);
    TimedProcessor processor;
    editor.link().setPortSource([&processor] { return only(processor.path()); });
    editor.window().show();
    // Tags are given when the window is first shown.
    auto* slider = editor.window().control<QSlider>("MusEQGainBar1");
    processor.setAddress(editor.model().deviceAddress(aec::tagOf(slider)));
    if (!QTest::qWaitFor([&editor] { return editor.link().connection().state().onLine(); },
                         30000)) {
        std::printf("slider: the editor did not go on line (%s, %s)\n",
                    editor.link().connection().statusText().c_str(),
                    processor.path().toUtf8().constData());
        return;
    }
    std::vector<double> delays;
    for (int i = 0; i < changes; ++i) {
        const int before = processor.seen();
        const auto start = Clock::now();
        slider->setValue(i % 2 == 0 ? 130 : 60);
        if (!QTest::qWaitFor([&] { return processor.seen() > before; }, 5000)) {
            continue;
        }
        delays.push_back(
            std::chrono::duration<double, std::micro>(processor.lastSeen() - start).count());
        QTest::qWait(30);  // the acknowledgement returns; the next change goes out at once
    }
    std::sort(delays.begin(), delays.end());
    if (delays.empty()) {
        return;
    }
    std::printf(
        "slider change to frame on the wire: median %.0f us, 90%% %.0f us, max %.0f us "
        "(%zu changes)\n",
        delays[delays.size() / 2], delays[delays.size() * 9 / 10], delays.back(), delays.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString portDir = runtime.filePath("aec-ports");

    QProcess sim;
    sim.setProgram(QStringLiteral(AEC_SIM_PATH));
    sim.setArguments({"--name", "timing", "--port-dir", portDir});
    sim.start();
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        std::printf("aec-sim did not start\n");
        return 1;
    }
    const QString port = QDir(portDir).filePath("timing");
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(startToOnLine(port));
        std::printf("start to on line with aec-sim: %.0f ms\n", times.back());
    }
    sim.terminate();
    sim.waitForFinished();

    sliderToWire(200);
    return 0;
}
