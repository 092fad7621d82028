#include "link/device_commands.h"

#include "core/pages.h"
#include "link/frame.h"

namespace aec {

namespace {

constexpr int kLevelSlot = 8;  // page 30: 0 user, 1 manager
constexpr int kManager = 1;

constexpr BilingualText kLoadQuestion{"模式切换为", "Load Mode to"};
constexpr BilingualText kSaveQuestion{"保存当前模式为 ", "Save Mode to "};
constexpr BilingualText kSaveRefused{"用户模式无法执行保存操作!",
                                     "Users can not perform the save operation mode!"};

}  // namespace

void DeviceCommands::refuse(const BilingualText& text) {
    m_messages.tell(text.in(m_model.languageFlag()), link_text::kConfirmCaption);
}

// Off line (or while another mode command waits) the write would only change the stored
// current mode, and no reload would follow.
CommandOutcome DeviceCommands::loadMode(int index, std::string_view itemText) {
    if (!m_state.onLine()) {
        refuse(link_text::kLoadOffLineText);
        return CommandOutcome::kOffLine;
    }
    const std::string question =
        kLoadQuestion.in(m_model.languageFlag()) + std::string(itemText) + "?";
    if (!m_messages.ask(question, link_text::kConfirmCaption)) {
        return CommandOutcome::kDeclined;
    }
    m_sink.SetParameter(kLoadModeAddress, index);
    return CommandOutcome::kGiven;
}

std::optional<int> DeviceCommands::saveModeTarget(int selectedIndex) {
    if (m_model.view(kPageSystem, kLevelSlot) != kManager) {
        refuse(kSaveRefused);
        return std::nullopt;
    }
    if (selectedIndex >= kFirstFactoryMode || selectedIndex < 0) {
        return 0;
    }
    return selectedIndex;
}

CommandOutcome DeviceCommands::saveMode(int index, std::string_view name) {
    if (!m_state.onLine()) {
        refuse(link_text::kSaveOffLineText);
        return CommandOutcome::kOffLine;
    }
    if (index < 0 || index >= kFirstFactoryMode) {
        return CommandOutcome::kNotAUserMode;
    }
    const int language = m_model.languageFlag();
    const std::string question =
        kSaveQuestion.in(language) + std::to_string(index + 1) + "-" + std::string(name) + "?";
    if (!m_messages.ask(question, link_text::kConfirmCaption)) {
        return CommandOutcome::kDeclined;
    }
    const Bytes record = saveModeText(index, name);
    const PortError error = m_sender.SendTextFrame(
        kSaveModeAddress,
        std::string_view(reinterpret_cast<const char*>(record.data()), record.size()));
    if (error != PortError::kNone) {
        m_messages.tell(link_text::kSaveFailedText.in(language),
                        link_text::kNoticeCaption.in(language));
        return CommandOutcome::kWriteFailed;
    }
    m_model.modeNames[static_cast<size_t>(index)] = std::string(name);
    // The save completes at the first transmit tick after the processor acknowledges the
    // record; an acknowledgement of earlier traffic must not report it as saved.
    m_state.awaitAcknowledgement();
    m_state.ready = false;
    m_state.pendingAction = PendingAction::kSaveDone;
    m_events.ShowLinkStatus(link_text::kSaving.zh, link_text::kSaving.en);
    m_state.link = LinkStatus::kOffLine;
    m_state.missCounter = 0;
    return CommandOutcome::kGiven;
}

PortError DeviceCommands::sendSystemPassword(std::string_view password) {
    const PortError error = m_sender.SendTextFrame(kSystemPasswordAddress, password);
    if (error == PortError::kNone) {
        m_model.systemPassword = std::string(password);
    }
    return error;
}

PortError DeviceCommands::sendPanelPassword(std::string_view password) {
    const PortError error = m_sender.SendTextFrame(kPanelPasswordAddress, password);
    if (error == PortError::kNone) {
        m_model.panelPassword = std::string(password);
    }
    return error;
}

}  // namespace aec
