#include "ui/commands/mode_commands.h"

namespace aec {

namespace {
// User modes 5 to 16 in SysModeBox2 start at mode index 4.
constexpr int kModeBox2First = 4;
}  // namespace

ModeCommands::ModeCommands(const ControlRegistry& controls, const SystemParts& parts,
                           SystemPage& page, const LinkState& link, DeviceCommands& commands)
    : m_parts(parts), m_page(page), m_link(link), m_commands(commands) {
    for (const ControlRegistry::Entry& e : controls.entries()) {
        auto* button = qobject_cast<BmpButton*>(e.control);
        switch (e.handler) {
            case Handler::kLoadMode:
            case Handler::kSaveMode: {
                const bool save = e.handler == Handler::kSaveMode;
                connect(button, &QAbstractButton::clicked, this,
                        [this, save] { SysLoadModeBtnClick(save); });
                break;
            }
            case Handler::kModeButton:
                connect(button, &QAbstractButton::clicked, this,
                        [this, button] { SysModeBtn1Click(*button); });
                break;
            case Handler::kMoreModes:
                connect(static_cast<SelectBox*>(e.control), &QComboBox::activated, this,
                        [this] { SysModeBox2Change(); });
                break;
            default:
                continue;
        }
        e.control->setEnabled(true);
    }
}

void ModeCommands::SysLoadModeBtnClick(bool save) {
    if (save) {
        saveSelectedMode();
    } else {
        loadSelectedMode();
    }
}

void ModeCommands::loadSelectedMode() {
    SelectBox* box = m_parts.modeBox;
    if (box->currentIndex() < 0) {
        return;
    }
    m_commands.loadMode(box->currentIndex(), box->currentText().toStdString());
}

void ModeCommands::saveSelectedMode() {
    SelectBox* box = m_parts.modeBox;
    const std::optional<int> target = m_commands.saveModeTarget(box->currentIndex());
    if (!target) {
        return;
    }
    if (*target != box->currentIndex()) {
        box->setCurrentIndex(*target);
    }
    if (m_beforeSave && !m_beforeSave(*target)) {
        return;
    }
    m_commands.saveMode(*target, m_parts.modeName->text().toStdString());
}

void ModeCommands::SysModeBtn1Click(BmpButton& button) {
    if (!m_link.onLine()) {
        return;
    }
    m_parts.modeBox->setCurrentIndex(tagOf(&button));
    m_page.SysModeBoxChange();
    loadSelectedMode();
}

void ModeCommands::SysModeBox2Change() {
    SelectBox* more = m_parts.moreModes;
    if (more->currentIndex() < 0) {
        return;
    }
    m_parts.modeBox->setCurrentIndex(more->currentIndex() + kModeBox2First);
    m_page.SysModeBoxChange();
    loadSelectedMode();
}

}  // namespace aec
