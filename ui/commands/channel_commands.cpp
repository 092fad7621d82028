#include "ui/commands/channel_commands.h"

#include <QStackedWidget>
#include <algorithm>

#include "core/pages.h"
#include "ui/graph/graph_view.h"
#include "ui/rules/tab_selector.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {

constexpr int kEffectPages[3] = {kPageEchoA, kPageEchoB, kPageReverb};
constexpr int kReverbButton = 2;
constexpr int kManualSlot = 160;

// Chosen mode label: white ground, grey text; the others grey ground, white text.
const QColor kChosenLabelText(80, 80, 80);
const QColor kOtherLabelFill(150, 150, 150);

}  // namespace

int FlipToggle(BmpButton& button) {
    const int state = HintOf(&button) == "1" ? 0 : 1;
    SetHint(&button, QString::number(state));
    button.setLook(state == 1 ? BmpButton::Look::Pressed : BmpButton::Look::Released);
    return state;
}

ChannelCommands::ChannelCommands(Model& model, ParameterSink& sink, const ControlTables& tables,
                                 const ControlRegistry& controls, ControlSync& sync,
                                 GraphView& graph)
    : m_model(model),
      m_sink(sink),
      m_tables(tables),
      m_controls(controls),
      m_sync(sync),
      m_graph(graph) {}

void ChannelCommands::modeLabelLook(int address, int mode) {
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

void ChannelCommands::dynamicTypeLook(int address, int type) {
    for (int j = 0; j < kCompanionCount; ++j) {
        auto* button = qobject_cast<BmpButton*>(m_tables.companionAt(address, j));
        if (!button) {
            continue;
        }
        button->setLook(TagOf(button) == type ? BmpButton::Look::Pressed
                                              : BmpButton::Look::Released);
    }
}

void ChannelCommands::MusModeBox1Change(QComboBox& box) {
    const int a = TagOf(&box);
    const int m = box.currentIndex();
    QWidget* companion = m_tables.companionAt(a, m);
    const bool typeBox = KindOf(m_tables.companionAt(a, 0)) == ControlKind::BmpButton;
    if (KindOf(companion) == ControlKind::BmpButton) {
        dynamicTypeLook(a, std::min(m, 2));
    } else if (KindOf(companion) == ControlKind::Label) {
        modeLabelLook(a, std::min(m, 3));
    }
    if (m_model.refreshing() || m < 0) {
        return;
    }
    m_sink.SetParameter(a, m);
    if (!typeBox) {
        if (auto* q = qobject_cast<EditBox*>(m_tables.controlAt(a + 3))) {
            m_sync.setCurrentEdit(q);
            const int slot = m_model.QSlotOf(a + 3);
            m_sync.ApplyControlValue(q, EditStep::kApply, true,
                                     m_model.view(PageOf(slot), SlotOf(slot)));
        }
    }
    // The graph redraws the band whose mode changed.
    m_sync.RecordLastEdit(a, m);
}

void ChannelCommands::MusPEQtn1Click(QWidget& label) {
    auto* box = qobject_cast<QComboBox*>(m_tables.controlAt(TagOf(&label)));
    if (!box) {
        return;
    }
    box->setCurrentIndex(HintNumber(&label, 0));
    MusModeBox1Change(*box);
}

void ChannelCommands::DEQTYpeOffBtn1Click(BmpButton& button) {
    const QString name = button.objectName();
    auto* box = m_controls.get<QComboBox>(QString("DEQTypeBox") + name.back());
    if (!box) {
        return;
    }
    box->setCurrentIndex(TagOf(&button));
    MusModeBox1Change(*box);
}

void ChannelCommands::MainHPTypeBoxChange(QComboBox& box) {
    const int a = TagOf(&box);
    m_sink.SetParameter(a, box.currentIndex());
    const int bands = PageBands(PageOf(a));
    const bool highPass = HintOf(&box) == "20";
    m_graph.DrawPageResponse(highPass ? bands : bands + 1, m_graph.page());
}

void ChannelCommands::EchoEffPhaseBtnClick(BmpButton& button) {
    button.setText(QString());
    m_sink.SetParameter(TagOf(&button), FlipToggle(button));
}

void ChannelCommands::MainLmuteBtnClick(BmpButton& button) {
    m_sink.SetParameter(TagOf(&button), FlipToggle(button));
}

void ChannelCommands::EchoAToolButtonClick(ToolButton& button) {
    const int t = std::clamp(TagOf(&button), 0, 2);
    ToolGroupLook(m_tables.effectButtons(), t);
    m_model.selection.curEffectPage = kEffectPages[t];
    m_lastEffect = t;
    if (auto* pages = m_controls.get<QStackedWidget>("EffPageControl")) {
        pages->setCurrentIndex(t == kReverbButton ? 1 : 0);
    }
    const int page = t == kReverbButton ? kPageReverb : kPageEchoA;
    m_model.selection.currentView = MakeView(page, kSheetEffect);
    m_sync.RefreshControls(page);
    m_graph.DrawPageResponse(kAllPoints, page);
}

void ChannelCommands::ClickLastEffectButton() {
    if (ToolButton* button = m_tables.effectButtons()[m_lastEffect]) {
        EchoAToolButtonClick(*button);
    }
}

void ChannelCommands::threeWayLook(const std::array<BmpButton*, 3>& group, int chosen) {
    for (int i = 0; i < 3; ++i) {
        if (group[i]) {
            group[i]->setLook(i == chosen ? BmpButton::Look::Pressed : BmpButton::Look::StayDown);
        }
    }
}

void ChannelCommands::showPairState() {
    const Selection& sel = m_model.selection;
    const int page = PageOf(sel.currentView);
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

void ChannelCommands::showEqPass() {
    auto* button = m_controls.get<BmpButton>("MusEQAllpassBtn");
    if (!button) {
        return;
    }
    const int page = PageOf(m_model.selection.currentView);
    const int address = MakeAddress(page, FirstEqSlot(page) - 1);
    SetTag(button, address);
    const bool on = page != kPageDynamicEq && m_model.view(page, SlotOf(address)) != 0;
    SetHint(button, on ? "1" : "0");
    button->setLook(on ? BmpButton::Look::Pressed : BmpButton::Look::Released);
    if (QWidget* label = m_controls.find("EQPassLabel")) {
        label->setVisible(on);
    }
}

void ChannelCommands::RefreshCommandControls() {
    m_manualFlag = m_model.view(kPageMusic, kManualSlot) != 0;
    showPairState();
    showEqPass();
    auto* automatic = m_controls.get<BmpButton>("AutoModeBtn");
    auto* manual = m_controls.get<BmpButton>("ManulModeBtn");
    if (automatic && manual) {
        automatic->setLook(m_manualFlag ? BmpButton::Look::Disabled : BmpButton::Look::Pressed);
        manual->setLook(m_manualFlag ? BmpButton::Look::Pressed : BmpButton::Look::Disabled);
    }
    threeWayLook(m_tables.musicModeButtons(), m_model.selection.musicMode);
}

}  // namespace aec
