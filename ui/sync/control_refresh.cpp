#include "ui/sync/control_refresh.h"

#include <QComboBox>
#include <QSlider>
#include <algorithm>

#include "core/pages.h"
#include "ui/rules/sync_rules.h"

namespace aec {

namespace {
constexpr int kDelaySlot = 10;
constexpr int kMuteSlot = 11;
}  // namespace

// The slider takes the value; its change handler shows and stores it. A pane shows its value
// even when the position did not change (`always` for the output panes, which also depend on
// the output on show).
void ControlRefresh::putSlider(QSlider& slider, int value, bool always) {
    const bool moves = std::clamp(value, slider.minimum(), slider.maximum()) != slider.value();
    slider.setValue(value);
    if (!moves || always) {
        emit slider.valueChanged(slider.value());
    }
}

// A toggle shows the stored state; any value other than 0 counts as on and is stored as 1.
void ControlRefresh::showToggle(BmpButton& button, int value) {
    const int state = value == 0 ? 0 : 1;
    if (button.role() == BmpButton::Role::Phase) {
        button.setText(QString());
    }
    CommandLooks::showToggle(button, state);
    m_model.StoreValue(tagOf(&button), state);
}

void ControlRefresh::refreshCell(int page, int slot) {
    QWidget* c = m_tables.control(page, slot);
    const int v = m_model.view(page, slot);
    switch (kindOf(c)) {
        case ControlKind::Slider:
            putSlider(*static_cast<QSlider*>(c), v, page == kPageMain);
            break;
        case ControlKind::BmpButton: {
            auto* button = static_cast<BmpButton*>(c);
            // The EQ pass button shows its page's state with the command strip.
            if (button != m_parts.strip.eqPass) {
                showToggle(*button, v);
            }
            break;
        }
        case ControlKind::SelectBox: {
            auto* box = static_cast<QComboBox*>(c);
            box->setCurrentIndex(v >= 0 && v < box->count() ? v : -1);
            const ControlKind first = kindOf(m_tables.companion(page, slot, 0));
            if (first == ControlKind::Label || first == ControlKind::BmpButton) {
                m_commands.showBandMode(*box);
            }
            break;
        }
        case ControlKind::EditBox:
            m_sync.ApplyControlValue(c, EditStep::kApply, true, v);
            break;
        default:
            break;
    }
}

// The right delay and mute controls serve the right page of the output on show.
void ControlRefresh::readdressRightChannel() {
    const std::optional<int> right = rightChannelPage(m_model.selection.curOutputPage);
    if (!right) {
        return;
    }
    const OutputParts& out = m_parts.output;
    setTag(out.rightDelayBar, makeAddress(*right, kDelaySlot));
    setTag(out.rightDelayPane, makeAddress(*right, kDelaySlot));
    setTag(out.rightMute, makeAddress(*right, kMuteSlot));
}

void ControlRefresh::refreshRightChannel() {
    const std::optional<int> right = rightChannelPage(m_model.selection.curOutputPage);
    if (!right) {
        return;
    }
    putSlider(*m_parts.output.rightDelayBar, m_model.view(*right, kDelaySlot), false);
    showToggle(*m_parts.output.rightMute, m_model.view(*right, kMuteSlot));
}

void ControlRefresh::RefreshControls(int target) {
    {
        const ScopedState::Scope refreshing = m_model.beginRefresh();
        {
            const ScopedState::Scope quiet = m_model.suspendRedraws();
            m_model.SyncView();
            readdressRightChannel();
            readMusicMode(m_model);

            // Refreshed frequency boxes and sliders must not take the user's place as the
            // current box.
            EditBox* const current = m_sync.currentEdit();
            for (int b : kBasePages) {
                if (target != kAllPages && b != target) {
                    continue;
                }
                const int count = pageSlotCount(b);
                for (int s = 0; s < count; ++s) {
                    refreshCell(b, s);
                }
            }
            refreshRightChannel();
            m_sync.setCurrentEdit(current);
            readPairStates(m_model);
            m_commands.refreshCommandControls();
            m_outputMode.ApplyOutputMode(m_commands.manualFlag());
            m_system.refreshSystemPage();
        }
        m_graph.DrawPageResponse(kAllPoints, m_graph.page());
    }
}

}  // namespace aec
