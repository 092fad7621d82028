#include "ui/commands/strip_commands.h"

#include <algorithm>

#include "core/addresses.h"
#include "core/pages.h"
#include "ui/rules/strip_rules.h"
#include "ui/rules/tab_selector.h"

namespace aec {

namespace {
constexpr int kMusicModeAddress = makeAddress(kPageMusic, 161);
}  // namespace

void StripCommands::SameBtnClick(BmpButton& button) {
    const int s = std::clamp(tagOf(&button), 0, 2);
    const std::optional<PairChoice> choice = choosePair(m_model.selection, s);
    if (!choice) {
        return;
    }
    if (choice->tab) {
        m_host.chooseTab(*choice->tab);
    }
    CommandLooks::threeWayLook(m_tables.pairButtons(), s);
    m_sink.SetParameter(choice->flagAddress, choice->flagValue);
    if (choice->copy) {
        // The copy reads only the left set, which the flag does not touch, so copying after the
        // flag gives the same stores as copying before it. The processor then gets the copies:
        // a right set it never received would play values the window does not show.
        m_model.CopyLeftToRight(pageOf(m_model.selection.currentView), &m_sink);
    }
    m_host.showCurrentView();
}

void StripCommands::SingModeBtnClick(BmpButton& button) {
    const int v = std::clamp(hintNumber(&button), 0, kMusicModes - 1);
    CommandLooks::threeWayLook(m_tables.musicModeButtons(), v);
    m_sink.SetParameter(kMusicModeAddress, v);
    m_model.selection.musicMode = v;
    m_host.showCurrentView();
}

void StripCommands::AutoModeBtnClick(BmpButton& button) {
    const StripParts& strip = m_parts.strip;
    const bool manual = &button == strip.manual;
    CommandLooks::twoWayLook(manual ? *strip.manual : *strip.automatic,
                             manual ? *strip.automatic : *strip.manual);
    m_sink.SetParameter(kManualOutputsAddress, manual ? 1 : 0);
    m_looks.setManualFlag(manual);
    m_outputMode.ApplyOutputMode(manual);
}

void StripCommands::MusEQAllpassBtnClick(BmpButton& button) {
    // The Dynamic EQ page has no EQ pass flag: the slot before its bands is another page's.
    if (!eqPassAddress(pageOf(m_model.selection.currentView))) {
        return;
    }
    const int v = hintOf(&button) == "1" ? 0 : 1;
    CommandLooks::showToggle(button, v);
    m_sink.SetParameter(tagOf(&button), v);
    m_parts.graph.passLabel->setVisible(v != 0);
    m_outputMode.applyEqResetRule();
}

void StripCommands::EQResetBtnClick() {
    m_model.ResetEqBands(pageOf(m_model.selection.currentView), &m_sink);
    m_host.showCurrentView();
}

}  // namespace aec
