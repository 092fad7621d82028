#pragma once
// The whole editor on the offscreen platform and aec-sim in a child process on a pseudo-terminal,
// published in a private port folder. The link timers are stepped by the test; only the replies
// of the simulator take real time.

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "app/editor_app.h"
#include "sim/sim_state.h"
#include "ui/widgets/scripted_messages.h"

namespace aec::test {

class OnlineTest : public ::testing::Test {
  protected:
    // Generous: the machine may be busy; nothing here measures speed.
    static constexpr int kPatienceMs = 20000;
    // How long a reply may take before the test lets the ticks run on without it; a silent
    // simulator costs this much per unanswered request.
    static constexpr int kReplyPatienceMs = 3000;

    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Starts aec-sim (with the test's state and log files); false when it did not come up.
    bool startSim(const QStringList& extra = {});
    // Stops it; its state file then holds its memory, modes and passwords.
    void stopSim();
    // The simulator's state as it saved it when it stopped.
    std::optional<SimState> savedSimState() const;
    // Gives the simulator a state to start from.
    void writeSimState(const SimState& state) const;
    QString simLog() const;

    // Creates the editor and shows its window: the search starts by itself.
    void startEditor();
    // Search ticks until the processor answered and linking began; false when it failed.
    bool search();
    // Transfer ticks until the transfer ends, waiting for each reply; false unless on line.
    bool transfer();
    // A whole link: the search and the full load.
    bool linkUp() { return search() && transfer(); }
    // Transmit ticks; after each, the events that arrived are handled.
    void hold(int ticks);
    // Waits until the processor acknowledged what was sent last.
    bool waitReady();
    // Ticks until every queued write went out and was acknowledged.
    bool drain();
    // Closes the window and stops the simulator; its memory as it saved it.
    Store simMemoryAfterClose();
    // Runs QApplication::exec() and clicks the window's close button `afterMs` into it; returns
    // the loop's exit code, or kStillRunning when the loop still ran a second after the click.
    int closeInsideEventLoop(int afterMs);
    static constexpr int kStillRunning = 99;

    Connection& connection() { return editor->link().connection(); }
    LinkState& state() { return connection().state(); }
    TForm1& window() { return editor->window(); }
    Model& model() { return editor->model(); }
    template <class T = QWidget>
    T* w(const char* name) {
        T* found = window().control<T>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString statusText() const;
    bool Shown(const char* text) const;

    QTemporaryDir runtime;
    QString portDir;
    QString simName;
    QString stateFile;
    QString logFile;
    QProcess sim;
    ScriptedMessages messages;
    // A capture source for the editor in place of the sound card, set before startEditor().
    AudioCapture* capture = nullptr;
    std::unique_ptr<EditorApp> editor;
};

}  // namespace aec::test
