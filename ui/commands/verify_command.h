#pragma once
// Verification: the processor's pages read back and compared with the editor's, on demand from
// VerifyBtn and after every upload; the differences can be sent again. A verification only
// reads, can be cancelled, and shows its progress.

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

#include "link/connection.h"
#include "link/read_back.h"
#include "link/upload_check.h"
#include "ui/commands/verify_dialog.h"
#include "ui/frame/main_window.h"

namespace aec {

class VerifyCommand : public QObject {
  public:
    // The tick of the read-back, as the link's transfer timer.
    static constexpr int kTickMs = 100;

    // Wires VerifyBtn and the end of every upload, and enables the button.
    VerifyCommand(TForm1& window, Connection& connection);

    // VerifyBtn: a verification on demand; off line it says why it cannot.
    void VerifyBtnClick();
    // An upload's pages are all in: its result is checked once its last writes are answered.
    // Skipped while `busy` says so: a backup or restore checks its own uploads.
    void uploadFinished() {
        if (!m_busy || !m_busy()) {
            start();
        }
    }
    void setBusy(std::function<bool()> busy) { m_busy = std::move(busy); }
    // One tick of the read-back; the outcome is shown when it ends.
    void tick();
    // Sends each difference again, paced, and verifies again.
    void sendAgain();
    // Cancel or the dialog closed while reading.
    void cancel();

    // With manual ticks the timer never runs; a test calls tick() itself.
    void setManualTicks(bool manual);
    const ReadBack& readBack() const { return m_readBack; }
    const std::vector<ValueDifference>& differences() const { return m_differences; }
    VerifyDialog& dialog() { return m_dialog; }

  private:
    void start();
    void showOutcome();
    int language() const { return m_window.model().languageFlag(); }

    TForm1& m_window;
    Connection& m_connection;
    ReadBack m_readBack;
    VerifyDialog m_dialog;
    QTimer m_timer;
    bool m_manual = false;
    std::vector<ValueDifference> m_differences;
    std::function<bool()> m_busy;
};

}  // namespace aec
