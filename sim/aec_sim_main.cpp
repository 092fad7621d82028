// aec-sim: the simulated processor on a pseudo-terminal, published where the editor looks
// for serial ports, serving until SIGINT or SIGTERM.

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "core/program_info.h"
#include "link/port_names.h"
#include "sim/frame_description.h"
#include "sim/pty_link.h"
#include "sim/sim_processor.h"

namespace {

using Clock = std::chrono::steady_clock;
using aec::Bytes;

struct Options {
    std::string name = "aec-sim";
    std::string portDir;
    std::string stateFile;
    std::string logFile;
    aec::SimFaults faults;
    int delayMs = 0;
    bool refuseOpen = false;
};

std::optional<Options> parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulated audio effect processor on a pseudo-terminal, for the editor and its tests.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption name("name", "Name of the published port (default aec-sim).", "name",
                                  "aec-sim");
    const QCommandLineOption portDir(
        "port-dir", "Directory to publish the port in (default <runtime dir>/aec-ports).", "dir");
    const QCommandLineOption state("state", "Keep memory, modes and passwords in this file.",
                                   "file");
    const QCommandLineOption log("log", "Write every frame in and out to this file.", "file");
    const QCommandLineOption stopAfter("stop-after", "Stop answering after N frames.", "n");
    const QCommandLineOption dropAcks("drop-acks", "Never acknowledge writes.");
    const QCommandLineOption dropAckOf(
        "drop-ack-of", "Withhold the acknowledgement of frame N (counted from 1; repeatable).",
        "n");
    const QCommandLineOption ignoreWriteOf(
        "ignore-write-of",
        "Acknowledge write frame N (counted from 1; repeatable) but do not apply it.", "n");
    const QCommandLineOption refuseOpen(
        "refuse-open", "Every open of the port fails, as for a port another program holds.");
    const QCommandLineOption corrupt("corrupt-checksums", "Send frames with wrong checksums.");
    const QCommandLineOption delay("delay-ms", "Hold every reply for this long.", "ms", "0");
    parser.addOptions({name, portDir, state, log, stopAfter, dropAcks, dropAckOf, ignoreWriteOf,
                       refuseOpen, corrupt, delay});
    parser.process(app);

    Options o;
    o.name = parser.value(name).toStdString();
    o.portDir = parser.isSet(portDir)
                    ? parser.value(portDir).toStdString()
                    : QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
                          .filePath(QString::fromLatin1(aec::kVirtualPortFolder))
                          .toStdString();
    o.stateFile = parser.value(state).toStdString();
    o.logFile = parser.value(log).toStdString();
    o.faults.dropAcks = parser.isSet(dropAcks);
    o.faults.corruptChecksums = parser.isSet(corrupt);
    o.refuseOpen = parser.isSet(refuseOpen);
    bool ok = true;
    if (parser.isSet(stopAfter)) {
        o.faults.stopAfterFrames = parser.value(stopAfter).toInt(&ok);
    }
    if (ok) {
        o.delayMs = parser.value(delay).toInt(&ok);
    }
    for (const QString& frame : parser.values(dropAckOf)) {
        const int n = ok ? frame.toInt(&ok) : 0;
        ok = ok && n > 0;
        o.faults.dropAckOfFrames.push_back(n);
    }
    for (const QString& frame : parser.values(ignoreWriteOf)) {
        const int n = ok ? frame.toInt(&ok) : 0;
        ok = ok && n > 0;
        o.faults.ignoreWriteOfFrames.push_back(n);
    }
    if (!ok || o.delayMs < 0) {
        std::cerr << "aec-sim: --stop-after, --drop-ack-of, --ignore-write-of and --delay-ms take "
                     "a whole number\n";
        return std::nullopt;
    }
    return o;
}

// A missing file starts a fresh box; an unreadable one stops the simulator, so that a good
// state is never overwritten by defaults.
std::optional<aec::SimState> loadState(const std::string& file) {
    if (file.empty() || !std::filesystem::exists(file)) {
        return aec::defaultSimState();
    }
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    auto state = aec::parseState(text.str());
    if (!state) {
        std::cerr << "aec-sim: " << file << " is not a simulator state file\n";
    }
    return state;
}

bool saveState(const std::string& file, const aec::SimState& state) {
    const std::string temp = file + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        out << aec::serializeState(state);
        if (!out.flush()) {
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    return !ec;
}

// Replies waiting for their time when replies are delayed.
struct Pending {
    Clock::time_point due;
    Bytes bytes;
};

class Server {
  public:
    Server(aec::PtyLink& link, aec::SimProcessor& sim, const Options& options, int signalFd)
        : m_link(link), m_sim(sim), m_options(options), m_signalFd(signalFd) {}

    void runWith() {
        while (!m_stop) {
            std::array<pollfd, 2> fds = {pollfd{m_link.masterFd(), POLLIN, 0},
                                         pollfd{m_signalFd, POLLIN, 0}};
            const int ready = poll(fds.data(), fds.size(), nextTimeoutMs());
            if (ready < 0 && errno != EINTR) {
                break;
            }
            if (fds[1].revents & POLLIN) {
                m_stop = true;
            }
            if (fds[0].revents & POLLIN) {
                readLine();
            }
            sendDue();
            saveIfQuiet();
        }
        if (!m_options.stateFile.empty()) {
            saveState(m_options.stateFile, m_sim.state());
        }
    }

  private:
    static constexpr auto kSaveQuiet = std::chrono::milliseconds(500);

    int nextTimeoutMs() const {
        auto wait = std::chrono::milliseconds(1000);
        const auto now = Clock::now();
        if (!m_pending.empty()) {
            wait = std::min(wait, std::chrono::duration_cast<std::chrono::milliseconds>(
                                      m_pending.front().due - now));
        }
        return static_cast<int>(std::max<long long>(wait.count(), 0) + 1);
    }

    void readLine() {
        std::array<uint8_t, 4096> buffer;
        const ssize_t n = read(m_link.masterFd(), buffer.data(), buffer.size());
        if (n <= 0) {
            return;
        }
        Bytes reply = m_sim.feed(std::span<const uint8_t>(buffer.data(), static_cast<size_t>(n)));
        if (m_sim.changeCount() != m_savedChanges) {
            m_lastChange = Clock::now();
        }
        if (reply.empty()) {
            return;
        }
        m_pending.push_back(
            {Clock::now() + std::chrono::milliseconds(m_options.delayMs), std::move(reply)});
    }

    // Bytes that do not fit the line (nobody reading it) are lost, as on a real wire.
    void sendDue() {
        const auto now = Clock::now();
        while (!m_pending.empty() && m_pending.front().due <= now) {
            const Bytes& bytes = m_pending.front().bytes;
            size_t done = 0;
            while (done < bytes.size()) {
                const ssize_t n =
                    write(m_link.masterFd(), bytes.data() + done, bytes.size() - done);
                if (n <= 0) {
                    break;
                }
                done += static_cast<size_t>(n);
            }
            m_pending.pop_front();
        }
    }

    void saveIfQuiet() {
        if (m_options.stateFile.empty() || m_sim.changeCount() == m_savedChanges) {
            return;
        }
        if (Clock::now() - m_lastChange < kSaveQuiet) {
            return;
        }
        if (saveState(m_options.stateFile, m_sim.state())) {
            m_savedChanges = m_sim.changeCount();
        }
    }

    aec::PtyLink& m_link;
    aec::SimProcessor& m_sim;
    const Options& m_options;
    int m_signalFd;
    bool m_stop = false;
    std::deque<Pending> m_pending;
    uint64_t m_savedChanges = 0;
    Clock::time_point m_lastChange = Clock::now();
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("aec-sim");
    const std::string_view version = aec::programVersion();
    QCoreApplication::setApplicationVersion(
        QString::fromUtf8(version.data(), static_cast<qsizetype>(version.size())));
    const std::optional<Options> options = parseOptions(app);
    if (!options) {
        return 2;
    }
    std::optional<aec::SimState> state = loadState(options->stateFile);
    if (!state) {
        return 2;
    }

    // Signals arrive as readable bytes, so the serving loop stops between two frames.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const int signalFd = signalfd(-1, &stopSignals, SFD_CLOEXEC);

    std::string error;
    const auto link = aec::PtyLink::open(options->portDir, options->name, error);
    if (!link) {
        std::cerr << "aec-sim: " << error << '\n';
        return 1;
    }
    if (options->refuseOpen && !link->setOpenRefused(true)) {
        std::cerr << "aec-sim: cannot lock the pseudo-terminal\n";
        return 1;
    }

    aec::SimProcessor sim(std::move(*state));
    sim.faults() = options->faults;
    std::ofstream log;
    if (!options->logFile.empty()) {
        log.open(options->logFile, std::ios::app);
        sim.setLogger([&log](std::string_view direction, std::span<const uint8_t> unit) {
            log << aec::logLine(direction, unit) << std::endl;
        });
    }

    std::cout << "aec-sim ready " << link->linkPath() << ' ' << link->slavePath() << std::endl;
    Server(*link, sim, *options, signalFd).runWith();
    close(signalFd);
    std::cout << "aec-sim stopped" << std::endl;
    return 0;
}
