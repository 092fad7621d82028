#pragma once
// Finding the processor and keeping the editor's mirror of it up to date: the link button, the
// port search, the full load from the processor and the full upload to it, going on line and
// off line, and the status texts and dialog that tell the user where the link stands.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/model.h"
#include "link/connection_view.h"
#include "link/frame_sender.h"
#include "link/link_events.h"
#include "link/link_state.h"
#include "link/receiver.h"
#include "link/serial_port.h"
#include "link/transmit_scheduler.h"

namespace aec {

// Which control pressed the link button handler.
enum class LinkSender { kLinkBtn, kUnLinkBtn };

enum class TransferDirection : int { kFromProcessor = 0, kToProcessor = 1 };

// A port the search could not open, and why.
struct PortOpenFailure {
    std::string port;
    PortError error = PortError::kNone;
    // The system's own words for it.
    std::string systemText;
};

class Connection : public LinkEvents {
  public:
    // Steps of a full load: 30 pages, the mode names (one step repeated), 7 system values.
    static constexpr int kLoadSteps = 38;
    // Steps of a full upload: pages 0 to 29, the last one with the input select value.
    static constexpr int kUploadSteps = 29;
    // The step that asks for the mode names, one per reply.
    static constexpr int kNameStep = 30;
    // Timer2 ticks: the first step is sent again after 11 silent ticks, any step after 21
    // more, and the transfer fails 100 ticks after that.
    static constexpr int kFirstRetryTicks = 10;
    static constexpr int kSecondRetryTicks = 20;
    static constexpr int kGiveUpTicks = 100;

    Connection(Model& model, SerialPort& port, LinkPlatform& platform);

    // The window and the status dialog; null leaves the connection without them.
    void setView(ConnectionView* view);
    void setStatusDialog(StatusDialogView* dialog);

    // LinkBtnClick: LinkBtn while not on line starts a search; otherwise the user unlinks.
    void LinkBtnClick(LinkSender sender);
    // One tick of the 1000 ms search timer.
    void Timer1Timer();
    // One tick of the 100 ms transfer timer.
    void Timer2Timer();
    // One tick of the 20 ms transmit timer.
    void HoldTimerTimer() { m_scheduler.HoldTimerTimer(); }
    // Sends what one step of a transfer needs; what failed when a frame could not be written.
    PortError TransferStep(int step, TransferDirection direction);
    // Bytes arrived on the port: the receiver takes them all.
    void ComPortRxChar();
    // The main window is closing: the processor is told goodbye when on line.
    void closeRequest();
    // Lists the ports present again and selects the first.
    void fillPortList();
    // The language was switched: the status texts and the dialog's label follow.
    void languageChanged();
    // Called when every page of an upload is acknowledged and its tail is on its way.
    void setUploadListener(std::function<void()> listener) {
        m_uploadListener = std::move(listener);
    }

    // LinkEvents
    void LinkEvent(LinkEventKind kind) override;
    void ShowLinkStatus(const std::string& chinese, const std::string& english) override;
    void holdTimerChanged(bool enabled) override;

    LinkState& state() { return m_state; }
    const LinkState& state() const { return m_state; }
    FrameSender& sender() { return m_sender; }
    Receiver& receiver() { return m_receiver; }
    TransmitScheduler& scheduler() { return m_scheduler; }
    SerialPort& port() { return m_port; }

    bool timer1Enabled() const { return m_timer1; }
    bool timer2Enabled() const { return m_timer2; }
    int stepIndex() const { return m_stepIndex; }
    int stepCount() const { return m_stepCount; }
    TransferDirection direction() const { return m_direction; }
    int tickCounter() const { return m_tickCounter; }
    int scanIndex() const { return m_scanIndex; }
    // The step in progress has its answer: a whole frame for a load, an acknowledgement of
    // each of its frames for an upload.
    bool stepAnswered() const;
    // The status label's text in the active language.
    std::string statusText() const;
    const StatusDialogState& dialog() const { return m_dialogState; }
    const std::vector<std::string>& ports() const { return m_ports; }
    int selectedPort() const { return m_selectedPort; }
    // The ports the search in progress, or the last one, could not open (each port once).
    const std::vector<PortOpenFailure>& openFailures() const { return m_openFailures; }

  private:
    // The retries of an unanswered transfer step: the first step is sent again after the
    // first wait, any step after the second, and the transfer fails after the last.
    enum class StepWait { kFirst, kSecond, kLast };

    void startSearch();
    void unlink();
    void tryNextPort();
    void noteOpenFailure(const std::string& name, PortError error);
    void startTransferFromProcessor(bool reload);
    void startUpload();
    void goOnLine();
    void goOffLine(bool lost);
    void saveDone();
    void startStep();
    void sendStep();
    void nextStep();
    void finishTransfer();
    void sendUploadTail();
    void offerOfflineEdits();
    void refreshAllControls();
    void failTransfer();
    PortError sendPageUpload(int page);

    void setTimer(LinkTimer timer, bool enabled);
    void selectPort(int index);
    void setColour(StatusColour colour) { m_view->setLinkStatusColour(colour); }
    // Copies the status text and the transfer's percentage to the dialog and shows or hides it.
    void updateDialog(bool visible);
    int percent() const;

    Model& m_model;
    SerialPort& m_port;
    LinkPlatform& m_platform;
    HeadlessView m_noView;
    ConnectionView* m_view = &m_noView;
    StatusDialogView* m_dialog = nullptr;

    LinkState m_state;
    FrameSender m_sender{m_port};
    Receiver m_receiver{m_model, m_state};
    TransmitScheduler m_scheduler{m_model, m_state, m_sender, *this};

    bool m_timer1 = false;
    bool m_timer2 = false;
    std::vector<std::string> m_ports;
    int m_selectedPort = -1;
    std::vector<PortOpenFailure> m_openFailures;
    int m_scanIndex = 0;
    int m_lastSelected = 0;
    int m_stepIndex = 0;
    int m_stepCount = kLoadSteps;
    TransferDirection m_direction = TransferDirection::kFromProcessor;
    // Whether the load in progress follows a mode load rather than a link.
    bool m_reload = false;
    int m_tickCounter = 0;
    StepWait m_wait = StepWait::kFirst;
    // Acknowledgements received before the current step went out (last sent).
    uint64_t m_acksAtStep = 0;
    // Mode index the next name request carries.
    int m_namePayload = 0;
    // Counts transfers, so a deferred second frame of page 0 never joins a later transfer.
    uint64_t m_transferNumber = 0;
    std::string m_statusZh = "设备未连接";
    std::string m_statusEn;
    StatusDialogState m_dialogState;
    std::function<void()> m_uploadListener;
};

}  // namespace aec
