// TForm1's navigation: tabs and the tab selector, the hidden page, volume keys, window buttons.
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>
#include <QWindow>

#include "core/pages.h"
#include "ui/frame/main_window.h"
#include "ui/rules/edit_rules.h"
#include "ui/rules/sync_rules.h"
#include "ui/sync/language_switch.h"

namespace aec {

namespace {

// The volume keys' bars by VolumeKeyStep::bar: music, microphone, effect.
constexpr VolumeSource kKeyBars[3] = {kMusicVolume, kMicVolume, kEffectVolume};
constexpr int kEffectPages[3] = {kPageEchoA, kPageEchoB, kPageReverb};
constexpr int kReverbButton = 2;

QString utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void TForm1::FormMusTabBtnClick(ToolButton& button) {
    const auto& tabs = m_tables.tabButtons();
    if (panelLocked() && &button != tabs[kTabMusic]) {
        button.setSelected(false);
        return;
    }
    const int tab = tagOf(&button);
    CommandLooks::toolGroupLook(tabs, tab);
    m_model.selection.currentTab = tab;
    const int view = runTabSelector(tab);
    m_frame.pages->setCurrentIndex(viewSheet(view));
    if (tab == kTabEffect) {
        // The effect source last used is chosen again.
        if (ToolButton* effect = m_tables.effectButtons()[m_lastEffect]) {
            EchoAToolButtonClick(*effect);
        }
    } else {
        RefreshControls(viewPage(view));
    }
    m_graph->DrawPageResponse(kAllPoints, viewPage(m_model.selection.currentView));
    m_sync->setWheelFlag(0);
    m_frame.focusPark->setFocus(Qt::OtherFocusReason);
    m_parts.strip.eqPass->setVisible(m_frame.pages->currentIndex() != kSheetDynamicEq);
}

int TForm1::runTabSelector(int tab) {
    const TabLayout layout = selectTab(m_model.selection, tab, m_commandLooks->manualFlag());
    m_model.selection.currentView = layout.currentView;
    applyTabLayout(layout);
    return layout.currentView;
}

void TForm1::chooseTab(int tab) {
    CommandLooks::toolGroupLook(m_tables.tabButtons(), tab);
    m_model.selection.currentTab = tab;
    m_frame.pages->setCurrentIndex(viewSheet(runTabSelector(tab)));
}

void TForm1::showCurrentView() {
    const int page = viewPage(runTabSelector(m_model.selection.currentTab));
    RefreshControls(page);
    m_graph->DrawPageResponse(currentPoint(), page);
}

void TForm1::applyTabLayout(const TabLayout& layout) {
    const int language = m_model.languageFlag();
    const auto texts = [&](QWidget* w, const TextPair& pair) {
        setBilingual(w, utf8(pair.cn), utf8(pair.en), language);
    };
    const StripParts& strip = m_parts.strip;
    const OutputParts& out = m_parts.output;
    strip.copyGroup->setVisible(layout.copyGroupShown);
    strip.modeGroup->setVisible(layout.singleDiscoShown);
    strip.feedbackGroup->setVisible(layout.feedbackShown);
    if (m_feedback) {
        m_feedback->showOnTab(layout.feedbackShown);
    }
    const auto& pair = m_tables.pairButtons();
    if (layout.leftButton) {
        texts(pair[kPairLeft], *layout.leftButton);
    }
    if (layout.rightButton) {
        texts(pair[kPairRight], *layout.rightButton);
    }
    texts(out.limiterGroup, layout.limiterTitle);
    texts(out.crossoverGroup, layout.crossoverTitle);
    texts(out.leftMute, layout.leftMute);
    texts(out.leftDelayLabel, layout.leftDelay);
    if (layout.micLimiterTitle) {
        texts(m_parts.micLimiterGroup, *layout.micLimiterTitle);
    }
    if (layout.micNoiseTitle) {
        texts(m_parts.micNoiseGroup, *layout.micNoiseTitle);
    }
    for (QWidget* right : std::initializer_list<QWidget*>{out.rightMute, out.rightDelayLabel,
                                                          out.rightDelayBar, out.rightDelayPane}) {
        right->setVisible(layout.rightChannelShown);
    }
    out.leftMute->move(layout.leftMuteX, out.leftMute->y());
    strip.copyGroup->setEnabled(layout.commandGroupsEnabled);
    strip.passGroup->setEnabled(layout.commandGroupsEnabled);
}

void TForm1::EchoAToolButtonClick(ToolButton& button) {
    const int t = std::clamp(tagOf(&button), 0, 2);
    CommandLooks::toolGroupLook(m_tables.effectButtons(), t);
    m_model.selection.curEffectPage = kEffectPages[t];
    m_lastEffect = t;
    m_parts.effectPages->setCurrentIndex(t == kReverbButton ? 1 : 0);
    const int page = t == kReverbButton ? kPageReverb : kPageEchoA;
    m_model.selection.currentView = makeView(page, kSheetEffect);
    RefreshControls(page);
    m_graph->DrawPageResponse(kAllPoints, page);
}

void TForm1::HintMusBtnClick(ToolButton& button) {
    const int t = std::clamp(tagOf(&button), 0, 2);
    CommandLooks::toolGroupLook(m_tables.hintButtons(), t);
    m_model.selection.curHintPage = kPageHint + t;
    m_model.selection.currentView = makeView(kPageHint, kSheetHint);
    RefreshControls(kPageHint);
    m_graph->DrawPageResponse(kAllPoints, kPageHint);
}

void TForm1::LinkLabelDblClick() {
    m_frame.accessLabel->show();
    EditBox* code = m_frame.accessCode;
    code->clear();
    code->show();
    code->setFocus(Qt::OtherFocusReason);
}

void TForm1::SysLogoEditKeyPress() {
    EditBox* code = m_frame.accessCode;
    if (isAccessCode(code->text().toStdString())) {
        m_frame.hintTab->show();
        m_frame.accessLabel->hide();
        code->hide();
    } else {
        m_frame.hintTab->hide();
    }
}

void TForm1::FormMusTabBtnMouseDown(ToolButton& button) { button.setOpaque(true); }

void TForm1::RzToolButton11MouseUp(ToolButton& button) { button.setOpaque(false); }

void TForm1::RzToolButton11Click(ToolButton& button) {
    const int language = tagOf(&button);
    setTag(&button, 1 - language);
    if (language != m_model.languageFlag()) {
        m_model.setLanguageFlag(language);
        exchangeLanguage(m_controls);
        emit languageChanged();
    }
    RefreshControls(viewPage(runTabSelector(m_model.selection.currentTab)));
}

// ---- Window buttons ----

void TForm1::RzBmpButton2Click() { showMinimized(); }

void TForm1::RzBmpButton1Click() {
    if (m_maximised) {
        m_maximised = false;
        setGeometry(m_normalGeometry);
        return;
    }
    m_normalGeometry = geometry();
    m_maximised = true;
    // The available area leaves the task bar uncovered.
    QScreen* screen = windowHandle() ? windowHandle()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        setGeometry(screen->availableGeometry());
    }
}

void TForm1::RzBmpButton3Click() { close(); }

// ---- Volume keys ----

bool TForm1::FormKeyDown(int key) {
    const std::optional<VolumeKeyStep> step = volumeKey(key);
    // The panel lock holds the volumes too.
    if (!step || panelLocked()) {
        return false;
    }
    QSlider* bar = m_parts.system.volumes[kKeyBars[step->bar]].bars[0];
    bar->setValue(bar->value() + step->delta);
    return true;
}

bool TForm1::panelLocked() const { return !m_frame.lockBox->isHidden(); }

void TForm1::AdvPageControl1Change(int index) { m_keyPreview = index == 0; }

}  // namespace aec
