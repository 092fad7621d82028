#include "link/connection.h"

#include <algorithm>
#include <cmath>

#include "core/music_mode.h"
#include "core/pages.h"
#include "link/frame.h"
#include "link/link_texts.h"
#include "link/port_error_text.h"

namespace aec {

namespace {
// The music mode the processor reports at page 0 slot 161 selects one of three output sets.
}  // namespace

Connection::Connection(Model& model, SerialPort& port, LinkPlatform& platform)
    : m_model(model), m_port(port), m_platform(platform) {}

void Connection::setView(ConnectionView* view) { m_view = view ? view : &m_noView; }

void Connection::setStatusDialog(StatusDialogView* dialog) { m_dialog = dialog; }

// ---- The link button ----

void Connection::LinkBtnClick(LinkSender sender) {
    if (sender == LinkSender::kLinkBtn && !m_state.onLine()) {
        startSearch();
    } else {
        unlink();
    }
}

void Connection::startSearch() {
    m_state.deviceAnswered = false;
    m_scanIndex = 0;
    m_openFailures.clear();
    m_state.lockMarker = 0;
    m_receiver.reset();
    // A mode command left waiting by an earlier link must not complete on the new one.
    m_state.pendingAction = PendingAction::kNone;

    // Ports come and go (USB adapters); the list is taken afresh for every search.
    fillPortList();

    setTimer(LinkTimer::kTimer1, true);
    m_view->setLinkButtonLook(true);
    setTimer(LinkTimer::kTimer2, false);
    m_scheduler.stopHoldTimer();

    m_state.queue.discard();
    // A write of the old link is never repeated on the new one.
    m_state.forgetAwaitedAcknowledgements();
    m_state.lastFrameIsWrite = false;
    ShowLinkStatus(link_text::kSearch.zh, link_text::kSearch.en);

    m_stepIndex = 0;
    m_stepCount = kLoadSteps;
    updateDialog(true);
}

void Connection::unlink() {
    m_state.link = LinkStatus::kOffLine;
    m_view->setLinkButtonLook(false);
    setTimer(LinkTimer::kTimer1, false);
    setTimer(LinkTimer::kTimer2, false);
    m_scheduler.stopHoldTimer();

    m_sender.SendLinkCode(kDisconnectCode);

    ShowLinkStatus(link_text::kOffLine.zh, link_text::kOffLine.en);
    m_stepCount = kUploadSteps;
    updateDialog(false);
}

void Connection::ComPortRxChar() { m_receiver.readFrom(m_port); }

void Connection::closeRequest() {
    if (m_state.onLine()) {
        m_sender.SendLinkCode(kDisconnectCode);
    }
}

// ---- The search ----

void Connection::fillPortList() {
    m_ports = m_platform.listPorts();
    m_view->showPortList(m_ports);
    selectPort(0);
}

void Connection::selectPort(int index) {
    m_selectedPort = index >= 0 && index < static_cast<int>(m_ports.size()) ? index : -1;
    m_view->showSelectedPort(m_selectedPort);
}

void Connection::Timer1Timer() {
    if (!m_timer1) {
        return;
    }
    updateDialog(true);
    if (m_state.deviceAnswered) {
        LinkEvent(LinkEventKind::kLinking);
        return;
    }
    if (m_scanIndex > m_lastSelected + 1 || m_selectedPort < 0) {
        m_scanIndex = 0;
        LinkEvent(LinkEventKind::kLinkFailed);
        return;
    }
    tryNextPort();
    ++m_scanIndex;
}

// Probes the port at the scan index; a port that will not open is simply passed over.
void Connection::tryNextPort() {
    m_port.close();
    selectPort(m_scanIndex);
    const std::string name = m_selectedPort >= 0 ? m_ports[m_selectedPort] : std::string();
    m_port.setPortName(name);
    m_dialogState.portName = name;
    m_lastSelected = m_selectedPort;
    const PortError error = m_port.open();
    if (error == PortError::kNone) {
        m_sender.SendLinkCode(kProbeCode);
    } else {
        noteOpenFailure(name, error);
    }
    updateDialog(true);
}

void Connection::noteOpenFailure(const std::string& name, PortError error) {
    const bool known = std::any_of(m_openFailures.begin(), m_openFailures.end(),
                                   [&](const PortOpenFailure& f) { return f.port == name; });
    if (!known && !name.empty()) {
        m_openFailures.push_back({name, error, m_port.openErrorText()});
    }
}

// ---- Link events ----

void Connection::LinkEvent(LinkEventKind kind) {
    switch (kind) {
        case LinkEventKind::kLinking:
            startTransferFromProcessor(false);
            break;
        case LinkEventKind::kReload:
            startTransferFromProcessor(true);
            break;
        case LinkEventKind::kUpload:
            if (m_state.onLine()) {
                startUpload();
            }
            break;
        case LinkEventKind::kOnLine:
            goOnLine();
            break;
        case LinkEventKind::kLinkLost:
            goOffLine(true);
            break;
        case LinkEventKind::kLinkFailed:
            goOffLine(false);
            break;
        case LinkEventKind::kSaveDone:
            saveDone();
            break;
    }
}

// Linking after a probe was answered, or reloading after the processor loaded a mode. Both
// wait for the first page like for any other step, so a processor that sends no page is asked
// again and finally given up.
void Connection::startTransferFromProcessor(bool reload) {
    setTimer(LinkTimer::kTimer1, false);
    setTimer(LinkTimer::kTimer2, true);
    m_scheduler.stopHoldTimer();
    m_stepIndex = 0;
    m_stepCount = kLoadSteps;
    m_direction = TransferDirection::kFromProcessor;
    ++m_transferNumber;
    m_state.link = LinkStatus::kOffLine;
    m_reload = reload;
    if (reload) {
        ShowLinkStatus(link_text::kLoading.zh, link_text::kLoading.en);
    } else {
        setColour(StatusColour::kBlack);
        ShowLinkStatus(link_text::kLinking.zh, link_text::kLinking.en);
    }
    startStep();
}

// Each page waits for its own acknowledgements; one standing from earlier traffic answers
// nothing.
void Connection::startUpload() {
    setTimer(LinkTimer::kTimer1, false);
    setTimer(LinkTimer::kTimer2, true);
    m_scheduler.stopHoldTimer();
    m_stepIndex = 0;
    m_stepCount = kUploadSteps;
    m_direction = TransferDirection::kToProcessor;
    ++m_transferNumber;
    ShowLinkStatus(link_text::kUpload.zh, link_text::kUpload.en);
    m_state.link = LinkStatus::kOffLine;
    startStep();
}

void Connection::goOnLine() {
    followStoredMusicMode(m_model);
    if (m_state.lockMarker == 0) {
        m_state.lockMarker = 1;
    }

    refreshAllControls();

    m_state.link = LinkStatus::kOnLine;
    setColour(StatusColour::kDarkBlue);
    m_view->setLinkButtonLook(true);
    ShowLinkStatus(link_text::kOnLine.zh, link_text::kOnLine.en);

    updateDialog(false);
    m_view->showMainWindow();
    m_scheduler.startHoldTimer();
    offerOfflineEdits();
}

// Every control from the stores, the page on show last, as the tab selector leaves it.
void Connection::refreshAllControls() {
    m_view->RefreshControls(kAllPages);
    const int currentView = m_view->runTabSelector(m_model.selection.currentTab);
    m_view->RefreshControls(pageOf(currentView));
}

// Link lost (no acknowledgement on line) or link failed (search or transfer without answer).
// The stores keep whatever arrived.
void Connection::goOffLine(bool lost) {
    setTimer(LinkTimer::kTimer2, false);
    setTimer(LinkTimer::kTimer1, false);
    m_state.link = LinkStatus::kOffLine;
    ShowLinkStatus(link_text::kOffLine.zh, link_text::kOffLine.en);
    setColour(StatusColour::kRed);
    m_view->setLinkButtonLook(false);
    updateDialog(false);
    const BilingualText& text = lost ? link_text::kLostText : link_text::kFailedText;
    const int language = m_model.languageFlag();
    std::string message = text.in(language);
    if (!lost) {
        // Ports that would not open for a reason the user can remove are named with the remedy,
        // once for all the ports of one reason.
        for (const PortError reason : {PortError::kPermission, PortError::kBusy}) {
            std::string ports;
            for (const PortOpenFailure& f : m_openFailures) {
                if (f.error == reason) {
                    ports += (ports.empty() ? "" : ", ") + f.port;
                }
            }
            if (!ports.empty()) {
                message += "\n\n" + portErrorMessage(reason, ports, {}).in(language);
            }
        }
    }
    m_view->tell(message, link_text::kNoticeCaption.in(language));
}

void Connection::saveDone() {
    m_view->rebuildModeList();
    m_state.link = LinkStatus::kOnLine;
    ShowLinkStatus(link_text::kOnLine.zh, link_text::kOnLine.en);
    setColour(StatusColour::kDarkBlue);
    const int language = m_model.languageFlag();
    m_view->tell(link_text::kSavedText.in(language), link_text::kNoticeCaption.in(language));
}

void Connection::ShowLinkStatus(const std::string& chinese, const std::string& english) {
    m_statusZh = chinese;
    m_statusEn = english;
    if (m_model.languageFlag() == 1) {
        m_view->setLinkStatus(chinese, english);
    } else {
        m_view->setLinkStatus(english, chinese);
    }
}

void Connection::languageChanged() {
    ShowLinkStatus(m_statusZh, m_statusEn);
    updateDialog(m_dialogState.visible);
}

void Connection::holdTimerChanged(bool enabled) {
    m_platform.setTimer(LinkTimer::kHoldTimer, enabled);
}

std::string Connection::statusText() const {
    return m_model.languageFlag() == 1 ? m_statusZh : m_statusEn;
}

// ---- Timers and the dialog ----

void Connection::setTimer(LinkTimer timer, bool enabled) {
    bool& flag = timer == LinkTimer::kTimer1 ? m_timer1 : m_timer2;
    if (flag == enabled) {
        return;
    }
    flag = enabled;
    m_platform.setTimer(timer, enabled);
}

int Connection::percent() const {
    if (m_stepCount <= 0) {
        return 0;
    }
    return static_cast<int>(std::lround(100.0 * m_stepIndex / m_stepCount));
}

void Connection::updateDialog(bool visible) {
    m_dialogState.text = statusText();
    m_dialogState.percent = percent();
    m_dialogState.visible = visible;
    if (m_dialog) {
        m_dialog->showStatus(m_dialogState);
    }
}

}  // namespace aec
