// TForm1's navigation: tabs and the tab selector, the hidden page, volume keys, window buttons.
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>
#include <QWindow>

#include "core/pages.h"
#include "ui/frame/main_window.h"
#include "ui/rules/edit_rules.h"
#include "ui/rules/sync_rules.h"

namespace aec {

namespace {

constexpr const char* kVolumeBars[3] = {"SysMusNormalVolBar", "SysMicNormalVolBar",
                                        "SysEffNormalVolBar"};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void TForm1::FormMusTabBtnClick(ToolButton& button) {
    const auto& tabs = m_tables.tabButtons();
    QWidget* lock = control<QWidget>("FirstCheckGrop");
    if (lock && lock->isVisible() && &button != tabs[kTabMusic]) {
        button.setSelected(false);
        return;
    }
    const int tab = TagOf(&button);
    ChannelCommands::ToolGroupLook(tabs, tab);
    m_model.selection.currentTab = tab;
    const int view = RunTabSelector(tab);
    m_pages->setCurrentIndex(ViewSheet(view));
    if (tab == kTabEffect) {
        m_commands->ClickLastEffectButton();
    } else {
        m_sync->RefreshControls(ViewPage(view));
    }
    m_graph->DrawPageResponse(kAllPoints, ViewPage(m_model.selection.currentView));
    m_sync->setWheelFlag(0);
    if (QWidget* park = control<QWidget>("Examplexx")) {
        park->setFocus(Qt::OtherFocusReason);
    }
    if (QWidget* pass = control<QWidget>("MusEQAllpassBtn")) {
        pass->setVisible(ActiveSheet() != kSheetDynamicEq);
    }
}

int TForm1::RunTabSelector(int tab) {
    const TabLayout layout = SelectTab(m_model.selection, tab, m_commands->manualFlag());
    m_model.selection.currentView = layout.currentView;
    applyTabLayout(layout);
    return layout.currentView;
}

void TForm1::applyTabLayout(const TabLayout& layout) {
    const int language = m_model.languageFlag;
    const auto texts = [&](const char* name, const TextPair& pair) {
        if (QWidget* w = control<QWidget>(name)) {
            SetBilingual(w, Utf8(pair.cn), Utf8(pair.en), language);
        }
    };
    control<QWidget>("CopyGrop")->setVisible(layout.copyGroupShown);
    control<QWidget>("SingleDiscoGrop")->setVisible(layout.singleDiscoShown);
    if (layout.leftButton) {
        texts("LeftBtn", *layout.leftButton);
    }
    if (layout.rightButton) {
        texts("RightBtn", *layout.rightButton);
    }
    texts("OutLimiteGroup", layout.limiterTitle);
    texts("OutLHPGroup", layout.crossoverTitle);
    texts("MainLmuteBtn", layout.leftMute);
    texts("OutLDelayLabel", layout.leftDelay);
    if (layout.micLimiterTitle) {
        texts("AdvGroupBox1", *layout.micLimiterTitle);
    }
    if (layout.micNoiseTitle) {
        texts("AdvGroupBox16", *layout.micNoiseTitle);
    }
    for (const char* name : {"MainRmuteBtn", "Label157", "MainRdelayBar", "MainRdelayPane"}) {
        control<QWidget>(name)->setVisible(layout.rightChannelShown);
    }
    QWidget* leftMute = control<QWidget>("MainLmuteBtn");
    leftMute->move(layout.leftMuteX, leftMute->y());
    control<QWidget>("CopyGrop")->setEnabled(layout.commandGroupsEnabled);
    control<QWidget>("EQPassGrop")->setEnabled(layout.commandGroupsEnabled);
}

void TForm1::HintMusBtnClick(ToolButton& button) {
    const int t = std::clamp(TagOf(&button), 0, 2);
    ChannelCommands::ToolGroupLook(m_tables.hintButtons(), t);
    m_model.selection.curHintPage = kPageHint + t;
    m_model.selection.currentView = MakeView(kPageHint, kSheetHint);
    m_sync->RefreshControls(kPageHint);
    m_graph->DrawPageResponse(kAllPoints, kPageHint);
}

void TForm1::LinkLabelDblClick() {
    control<QWidget>("SysLogoLabel")->show();
    auto* code = control<EditBox>("SysLogoEdit");
    code->clear();
    code->show();
    code->setFocus(Qt::OtherFocusReason);
}

void TForm1::SysLogoEditKeyPress() {
    auto* code = control<EditBox>("SysLogoEdit");
    QWidget* hintTab = control<QWidget>("FormHintTabBtn");
    if (IsAccessCode(code->text().toStdString())) {
        hintTab->show();
        control<QWidget>("SysLogoLabel")->hide();
        code->hide();
    } else {
        hintTab->hide();
    }
}

void TForm1::FormMusTabBtnMouseDown(ToolButton& button) { button.setOpaque(true); }

void TForm1::RzToolButton11MouseUp(ToolButton& button) { button.setOpaque(false); }

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
    const std::optional<VolumeKeyStep> step = VolumeKey(key);
    if (!step) {
        return false;
    }
    auto* bar = control<QSlider>(kVolumeBars[step->bar]);
    if (!bar) {
        return false;
    }
    bar->setValue(bar->value() + step->delta);
    return true;
}

void TForm1::AdvPageControl1Change(int index) { m_keyPreview = index == 0; }

}  // namespace aec
