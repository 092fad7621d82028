#include "ui/commands/password_commands.h"

#include "core/addresses.h"
#include "core/pages.h"
#include "presets/system_rules.h"

namespace aec {

namespace {
std::string textOf(const EditBox* box) { return box->text().toStdString(); }
}  // namespace

PasswordCommands::PasswordCommands(TForm1& window, LinkState& link, DeviceCommands& commands)
    : m_window(window),
      m_model(window.model()),
      m_parts(window.parts().system),
      m_link(link),
      m_commands(commands) {
    for (const ControlRegistry::Entry& e : window.controls().entries()) {
        auto* button = qobject_cast<BmpButton*>(e.control);
        switch (e.handler) {
            case Handler::kRightsPassword:
                connect(button, &QAbstractButton::clicked, this, [this] { RzBmpButton118Click(); });
                break;
            case Handler::kPanelPasswordOk:
                connect(button, &QAbstractButton::clicked, this, [this] { RzBmpButton22Click(); });
                break;
            case Handler::kPanelPasswordModify:
                connect(button, &QAbstractButton::clicked, this, [this] { RzBmpButton23Click(); });
                break;
            case Handler::kPanelUnlock:
                connect(button, &QAbstractButton::clicked, this, [this] { RzBmpButton4Click(); });
                break;
            case Handler::kSystemPasswordChange:
                static_cast<EditBox*>(e.control)->setKeyFilter(
                    [this](QChar key) { return SysPanelLabel1KeyPress(key); });
                continue;
            default:
                continue;
        }
        e.control->setEnabled(true);
    }
    connect(&window, &TForm1::controlsRefreshed, this, [this] { checkPanelLock(); });
}

void PasswordCommands::RzBmpButton118Click() {
    EditBox* box = m_parts.passwords.rights;
    const RightsOutcome outcome =
        checkRightsPassword(textOf(box), m_model.systemPassword, m_link.onLine());
    box->clear();
    if (outcome == RightsOutcome::kOpened) {
        m_parts.rights->setEnabled(true);
    } else if (outcome == RightsOutcome::kWrongPassword) {
        tell(kPasswordErrorText.in(m_model.languageFlag()), kSystemCaption);
    }
}

bool PasswordCommands::SysPanelLabel1KeyPress(QChar key) {
    if (!isPasswordKey(key.unicode())) {
        return false;
    }
    const auto& [oldBox, newBox, confirmBox] = m_parts.passwords.systemChange;
    const SystemPasswordStep step =
        systemPasswordStep(textOf(oldBox), textOf(newBox), textOf(confirmBox),
                           m_model.systemPassword, m_link.onLine());
    if (step.enableNew) {
        newBox->setEnabled(true);
    }
    if (step.enableConfirm) {
        confirmBox->setEnabled(true);
    }
    using Outcome = SystemPasswordStep::Outcome;
    const int language = m_model.languageFlag();
    if (step.outcome == Outcome::kChanged &&
        m_commands.sendSystemPassword(textOf(newBox)) != PortError::kNone) {
        tell(kPasswordNotSentText.in(language), kSystemCaption);
    } else if (step.outcome == Outcome::kMismatch) {
        tell(kPasswordMismatchText.in(language), kSystemCaption);
    }
    if (step.reset()) {
        resetSystemChange();
        return false;  // the key that completed the change does not start a new one
    }
    return true;
}

void PasswordCommands::resetSystemChange() {
    const auto& boxes = m_parts.passwords.systemChange;
    for (EditBox* box : boxes) {
        box->clear();
    }
    boxes[1]->setEnabled(false);
    boxes[2]->setEnabled(false);
}

void PasswordCommands::RzBmpButton22Click() {
    const PasswordParts& boxes = m_parts.passwords;
    if (!m_link.onLine()) {
        tell(kPasswordOffLineText.in(m_model.languageFlag()), kSystemCaption);
        return;
    }
    if (panelOldPasswordAccepted(textOf(boxes.panelOld), m_model.panelPassword, true)) {
        boxes.panelNew->setEnabled(true);
        boxes.panelOld->clear();
        boxes.panelNew->setFocus(Qt::OtherFocusReason);
    }
}

void PasswordCommands::RzBmpButton23Click() {
    const PasswordParts& boxes = m_parts.passwords;
    const std::string typed = textOf(boxes.panelNew);
    if (!boxes.panelNew->isEnabled() || !panelNewPasswordAccepted(typed, true)) {
        return;
    }
    const int language = m_model.languageFlag();
    if (!m_link.onLine()) {
        tell(kPasswordOffLineText.in(language), kSystemCaption);
        return;
    }
    if (m_commands.sendPanelPassword(typed) != PortError::kNone) {
        tell(kPasswordNotSentText.in(language), kSystemCaption);
        return;
    }
    boxes.panelNew->clear();
    boxes.panelNew->setEnabled(false);
    boxes.panelOld->clear();
}

void PasswordCommands::RzBmpButton4Click() {
    EditBox* box = m_window.frame().unlockBox;
    const bool accepted = unlockAccepted(textOf(box), m_model.panelPassword);
    box->clear();
    if (accepted) {
        m_window.hidePanelLock();
        tell(kUnlockedText, kApplicationTitle);
    }
}

void PasswordCommands::checkPanelLock() {
    const int panelLock = m_model.view(pageOf(kPanelLockAddress), slotOf(kPanelLockAddress));
    if (!panelLockDue(m_link.lockMarker, panelLock)) {
        return;
    }
    m_link.lockMarker = kLockApplied;
    m_window.showPanelLock();
}

void PasswordCommands::tell(const char* text, const char* caption) {
    m_window.messages().show(QString::fromUtf8(text), QString::fromUtf8(caption),
                             MessageService::Buttons::Ok);
}

}  // namespace aec
