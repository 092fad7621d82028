#include "ui/sync/system_looks.h"

#include <QSignalBlocker>

#include "core/addresses.h"
#include "core/pages.h"
#include "presets/mode_list.h"
#include "ui/widgets/controls.h"

namespace aec {

void SystemLooks::rebuildModeList() {
    SelectBox* box = m_parts.modeBox;
    const int selected = box->currentIndex();
    const QSignalBlocker quiet(box);
    for (int i = 0; i < kModeCount; ++i) {
        const auto index = static_cast<size_t>(i);
        const QString text = QString::fromStdString(modeItemText(i, m_model.modeNames[index]));
        if (i < box->count()) {
            box->setItemText(i, text);
        } else {
            box->addItem(text);
        }
    }
    box->setCurrentIndex(selected);
}

void SystemLooks::showSwitch(int address, int value) {
    for (BmpButton* b : m_parts.switches) {
        if (tagOf(b) == address) {
            b->setLook(hintNumber(b, -1) == value ? BmpButton::Look::Pressed
                                                  : BmpButton::Look::Released);
        }
    }
}

void SystemLooks::refreshSystemPage() {
    rebuildModeList();
    const int mode = m_model.param(kPageSystem, slotOf(kLoadModeAddress));
    if (mode >= 0 && mode < kModeCount) {
        const QSignalBlocker quiet(m_parts.modeBox);
        m_parts.modeBox->setCurrentIndex(mode);
    }
    const auto viewOf = [&](int address) { return m_model.view(pageOf(address), slotOf(address)); };
    showSwitch(kUserLevelAddress, viewOf(kUserLevelAddress));
    // The user/manager choice opens again only with the system password.
    m_parts.rights->setEnabled(false);
    showSwitch(kPanelLockAddress, viewOf(kPanelLockAddress));
    showSwitch(kVolumeFollowAddress, viewOf(kVolumeFollowAddress));
    showSwitch(kRemoteAddress, m_model.param(pageOf(kRemoteAddress), slotOf(kRemoteAddress)));
    m_parts.deviceId->setText(QString::fromStdString(m_model.deviceIdentity));
}

}  // namespace aec
