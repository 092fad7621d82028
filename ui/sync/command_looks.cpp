#include "ui/sync/command_looks.h"

#include <algorithm>

#include "core/addresses.h"
#include "core/pages.h"
#include "ui/rules/strip_rules.h"
#include "ui/rules/tab_selector.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {

// Chosen mode label: white ground, grey text; the others grey ground, white text.
const QColor kChosenLabelText(80, 80, 80);
const QColor kOtherLabelFill(150, 150, 150);

}  // namespace

void CommandLooks::showToggle(BmpButton& button, int state) {
    setHint(&button, state == 1 ? "1" : "0");
    button.setLook(state == 1 ? BmpButton::Look::Pressed : BmpButton::Look::Released);
}

void CommandLooks::modeLabelLook(int address, int mode) {
    for (int j = 0; j < kCompanionCount; ++j) {
        auto* label = qobject_cast<Label*>(m_tables.companionAt(address, j));
        if (!label) {
            continue;
        }
        if (j == mode) {
            label->setOpaque(true, look::kWhite, kChosenLabelText, kChosenLabelText);
        } else {
            label->setOpaque(true, kOtherLabelFill, look::kWhite);
        }
    }
}

void CommandLooks::dynamicTypeLook(int address, int type) {
    for (int j = 0; j < kCompanionCount; ++j) {
        auto* button = qobject_cast<BmpButton*>(m_tables.companionAt(address, j));
        if (!button) {
            continue;
        }
        button->setLook(tagOf(button) == type ? BmpButton::Look::Pressed
                                              : BmpButton::Look::Released);
    }
}

void CommandLooks::showBandMode(QComboBox& box) {
    const int a = tagOf(&box);
    const int m = box.currentIndex();
    QWidget* companion = m_tables.companionAt(a, m);
    if (kindOf(companion) == ControlKind::BmpButton) {
        dynamicTypeLook(a, std::min(m, 2));
    } else if (kindOf(companion) == ControlKind::Label) {
        modeLabelLook(a, std::min(m, 3));
    }
}

void CommandLooks::threeWayLook(const std::array<BmpButton*, 3>& group, int chosen) {
    for (int i = 0; i < 3; ++i) {
        if (group[i]) {
            group[i]->setLook(i == chosen ? BmpButton::Look::Pressed : BmpButton::Look::StayDown);
        }
    }
}

void CommandLooks::showPairState() {
    const Selection& sel = m_model.selection;
    const int page = pageOf(sel.currentView);
    int state = -1;
    if (page == kPageMusic) {
        state = sel.musicPairState;
    }
    if (page == kPageMicA) {
        state = sel.micPairState;
    }
    if (sel.currentTab == kTabMain) {
        state = sel.mainPairState;
    }
    if (sel.currentTab == kTabSurround) {
        state = sel.surroundPairState;
    }
    if (state >= 0) {
        threeWayLook(m_tables.pairButtons(), state);
    }
}

void CommandLooks::twoWayLook(BmpButton& chosen, BmpButton& other) {
    chosen.setLook(BmpButton::Look::Pressed);
    other.setLook(BmpButton::Look::Disabled);
}

// A page without an EQ pass flag (Dynamic EQ) shows it off and keeps the button's last Tag.
void CommandLooks::showEqPass() {
    BmpButton* button = m_parts.strip.eqPass;
    const std::optional<int> address = eqPassAddress(pageOf(m_model.selection.currentView));
    if (address) {
        setTag(button, *address);
    }
    const bool on = address && m_model.view(pageOf(*address), slotOf(*address)) != 0;
    showToggle(*button, on ? 1 : 0);
    m_parts.graph.passLabel->setVisible(on);
}

void CommandLooks::refreshCommandControls() {
    m_manualFlag = m_model.view(pageOf(kManualOutputsAddress), slotOf(kManualOutputsAddress)) != 0;
    showPairState();
    showEqPass();
    const StripParts& strip = m_parts.strip;
    if (m_manualFlag) {
        twoWayLook(*strip.manual, *strip.automatic);
    } else {
        twoWayLook(*strip.automatic, *strip.manual);
    }
    threeWayLook(m_tables.musicModeButtons(), m_model.selection.musicMode);
}

}  // namespace aec
