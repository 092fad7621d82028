// RefreshControls: the stores put back into the controls of one base page or of all of them.
#include <QComboBox>
#include <QSlider>
#include <algorithm>

#include "core/pages.h"
#include "ui/rules/sync_rules.h"
#include "ui/sync/control_sync.h"

namespace aec {

namespace {
constexpr int kAllPagesTarget = 100;
}

void ControlSync::showMuteState(BmpButton* button, int value) {
    if (!button) {
        return;
    }
    SetHint(button, value == 0 ? "1" : "0");  // the handler flips it back to the stored state
    m_hooks.MuteToggle(*button);
}

void ControlSync::refreshCell(int page, int slot) {
    QWidget* c = m_tables.control(page, slot);
    const int v = m_model.view(page, slot);
    switch (KindOf(c)) {
        case ControlKind::Slider: {
            auto* slider = static_cast<QSlider*>(c);
            const bool moves =
                std::clamp(v, slider->minimum(), slider->maximum()) != slider->value();
            slider->setValue(v);
            // A pane shows its value even when the position did not change; output panes also
            // depend on the selected output page, so they are always redrawn.
            if (!moves || page == kPageMain) {
                emit slider->valueChanged(slider->value());
            }
            break;
        }
        case ControlKind::BmpButton: {
            auto* button = static_cast<BmpButton*>(c);
            if (button->role() == BmpButton::Role::Phase) {
                SetHint(button, v == 0 ? "1" : "0");
                m_hooks.PhaseToggle(*button);
            } else {
                auto* eqPass = m_controls.get<BmpButton>("MusEQAllpassBtn");
                if (!eqPass || button->text() != eqPass->text()) {
                    showMuteState(button, v);
                }
            }
            break;
        }
        case ControlKind::SelectBox: {
            auto* box = static_cast<QComboBox*>(c);
            box->setCurrentIndex(v >= 0 && v < box->count() ? v : -1);
            const ControlKind first = KindOf(m_tables.companion(page, slot, 0));
            if (first == ControlKind::Label || first == ControlKind::BmpButton) {
                m_hooks.ModeBoxRefreshed(*box);
            }
            break;
        }
        case ControlKind::EditBox:
            ApplyControlValue(c, EditStep::kApply, true, v);
            break;
        default:
            break;
    }
}

void ControlSync::refreshRightChannel() {
    const std::optional<int> right = RightChannelPage(m_model.selection.curOutputPage);
    if (!right) {
        return;
    }
    if (auto* bar = m_controls.get<QSlider>("MainRdelayBar")) {
        const int v = m_model.view(*right, 10);
        const bool moves = std::clamp(v, bar->minimum(), bar->maximum()) != bar->value();
        bar->setValue(v);
        if (!moves) {
            emit bar->valueChanged(bar->value());
        }
    }
    showMuteState(m_controls.get<BmpButton>("MainRmuteBtn"), m_model.view(*right, 11));
}

void ControlSync::RefreshControls(int target) {
    {
        const ScopedState::Scope refreshing = m_model.beginRefresh();
        {
            const ScopedState::Scope quiet = m_model.suspendRedraws();
            m_model.SyncView();
            if (const std::optional<int> right =
                    RightChannelPage(m_model.selection.curOutputPage)) {
                SetTag(m_controls.find("MainRdelayBar"), MakeAddress(*right, 10));
                SetTag(m_controls.find("MainRdelayPane"), MakeAddress(*right, 10));
                SetTag(m_controls.find("MainRmuteBtn"), MakeAddress(*right, 11));
            }
            ReadMusicMode(m_model);

            // Refreshed frequency boxes and sliders must not take the user's place as the
            // current box.
            const QPointer<EditBox> current = m_current;
            for (int b : kBasePages) {
                if (target != kAllPagesTarget && b != target) {
                    continue;
                }
                const int count = PageSlotCount(b);
                for (int s = 0; s < count; ++s) {
                    refreshCell(b, s);
                }
            }
            refreshRightChannel();
            m_current = current;
            ReadPairStates(m_model);
            m_hooks.RefreshCommands();
        }
        m_hooks.RedrawPage();
    }
    m_hooks.PanelLockCheck();
}

}  // namespace aec
