#include "ui/sync/system_looks.h"

#include <QSignalBlocker>

#include "core/addresses.h"
#include "core/pages.h"
#include "presets/mode_list.h"
#include "ui/widgets/controls.h"

namespace aec {

void SystemLooks::RebuildModeList() {
    SelectBox* box = m_parts.modeBox;
    const int selected = box->currentIndex();
    const QSignalBlocker quiet(box);
    for (int i = 0; i < kModeCount; ++i) {
        const auto index = static_cast<size_t>(i);
        const QString text = QString::fromStdString(ModeItemText(i, m_model.modeNames[index]));
        if (i < box->count()) {
            box->setItemText(i, text);
        } else {
            box->addItem(text);
        }
    }
    box->setCurrentIndex(selected);
}

void SystemLooks::ShowSwitch(int address, int value) {
    for (BmpButton* b : m_parts.switches) {
        if (TagOf(b) == address) {
            b->setLook(HintNumber(b, -1) == value ? BmpButton::Look::Pressed
                                                  : BmpButton::Look::Released);
        }
    }
}

void SystemLooks::RefreshSystemPage() {
    RebuildModeList();
    const int mode = m_model.param(kPageSystem, SlotOf(kLoadModeAddress));
    if (mode >= 0 && mode < kModeCount) {
        const QSignalBlocker quiet(m_parts.modeBox);
        m_parts.modeBox->setCurrentIndex(mode);
    }
    const auto viewOf = [&](int address) { return m_model.view(PageOf(address), SlotOf(address)); };
    ShowSwitch(kUserLevelAddress, viewOf(kUserLevelAddress));
    ShowSwitch(kPanelLockAddress, viewOf(kPanelLockAddress));
    ShowSwitch(kVolumeFollowAddress, viewOf(kVolumeFollowAddress));
    ShowSwitch(kRemoteAddress, m_model.param(PageOf(kRemoteAddress), SlotOf(kRemoteAddress)));
}

}  // namespace aec
