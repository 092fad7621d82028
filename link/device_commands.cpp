#include "link/device_commands.h"

#include "core/pages.h"
#include "link/frame.h"
#include "link/link_texts.h"

namespace aec {

namespace {

constexpr int kLevelSlot = 8;  // page 30: 0 user, 1 manager
constexpr int kManager = 1;

constexpr BilingualText kLoadQuestion{"模式切换为", "Load Mode to"};
constexpr BilingualText kSaveQuestion{"保存当前模式为 ", "Save Mode to "};
constexpr BilingualText kSaveRefused{"用户模式无法执行保存操作!",
                                     "Users can not perform the save operation mode!"};

}  // namespace

bool DeviceCommands::loadMode(int index, std::string_view itemText) {
    const std::string question =
        kLoadQuestion.in(m_model.languageFlag()) + std::string(itemText) + "?";
    if (!m_messages.ask(question, link_text::kConfirmCaption)) {
        return false;
    }
    m_sink.SetParameter(kLoadModeAddress, index);
    return true;
}

std::optional<int> DeviceCommands::saveModeTarget(int selectedIndex) {
    if (m_model.view(kPageSystem, kLevelSlot) != kManager) {
        m_messages.tell(kSaveRefused.in(m_model.languageFlag()), link_text::kConfirmCaption);
        return std::nullopt;
    }
    if (selectedIndex >= kFirstFactoryMode || selectedIndex < 0) {
        return 0;
    }
    return selectedIndex;
}

bool DeviceCommands::saveMode(int index, std::string_view name) {
    if (index < 0 || index >= kFirstFactoryMode) {
        return false;
    }
    const std::string question = kSaveQuestion.in(m_model.languageFlag()) +
                                 std::to_string(index + 1) + "-" + std::string(name) + "?";
    if (!m_messages.ask(question, link_text::kConfirmCaption)) {
        return false;
    }
    m_model.modeNames[static_cast<size_t>(index)] = std::string(name);
    const Bytes record = saveModeText(index, name);
    (void)m_sender.SendTextFrame(
        kSaveModeAddress,
        std::string_view(reinterpret_cast<const char*>(record.data()), record.size()));
    // The save completes at the first transmit tick after the processor acknowledges the
    // record; an acknowledgement of earlier traffic must not report it as saved.
    m_state.ready = false;
    m_state.pendingAction = PendingAction::kSaveDone;
    m_events.ShowLinkStatus(link_text::kSaving.zh, link_text::kSaving.en);
    m_state.link = LinkStatus::kOffLine;
    m_state.missCounter = 0;
    return true;
}

void DeviceCommands::sendSystemPassword(std::string_view password) {
    m_model.systemPassword = std::string(password);
    (void)m_sender.SendTextFrame(kSystemPasswordAddress, password);
}

void DeviceCommands::sendPanelPassword(std::string_view password) {
    m_model.panelPassword = std::string(password);
    (void)m_sender.SendTextFrame(kPanelPasswordAddress, password);
}

}  // namespace aec
