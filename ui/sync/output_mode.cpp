#include "ui/sync/output_mode.h"

#include <QSlider>

#include "core/pages.h"

namespace aec {

namespace {
constexpr int kLastOutputSlot = 70;
}  // namespace

void OutputMode::ApplyOutputMode(bool enabled) {
    for (int s = 0; s <= kLastOutputSlot; ++s) {
        QWidget* cell[] = {
            m_tables.control(kPageMain, s),      m_tables.display(kPageMain, s),
            m_tables.companion(kPageMain, s, 0), m_tables.companion(kPageMain, s, 1),
            m_tables.companion(kPageMain, s, 2), m_tables.companion(kPageMain, s, 3)};
        for (QWidget* w : cell) {
            if (qobject_cast<QSlider*>(w)) {
                w->setEnabled(enabled);
            }
        }
    }
    const StripParts& strip = m_parts.strip;
    const OutputParts& out = m_parts.output;
    QWidget* const locked[] = {strip.automatic,    out.leftMute,   out.rightMute,
                               out.rightDelayBar,  out.levelGroup, out.limiterGroup,
                               out.crossoverGroup, out.bandGroup,  out.panScroll};
    for (QWidget* w : locked) {
        w->setEnabled(enabled);
    }
    for (BmpButton* mode : m_tables.musicModeButtons()) {
        mode->setEnabled(enabled);
    }
    if (pageOf(m_model.selection.currentView) >= kPageMain) {
        strip.copyGroup->setEnabled(enabled);
        strip.passGroup->setEnabled(enabled);
    }
    applyEqResetRule();
}

void OutputMode::applyEqResetRule() {
    const StripParts& strip = m_parts.strip;
    const bool passed = hintOf(strip.eqPass) == "1";
    strip.eqReset->setEnabled(!passed && strip.passGroup->isEnabled());
}

}  // namespace aec
