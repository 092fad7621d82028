#include "ui/commands/channel_commands.h"

#include "core/pages.h"

namespace aec {

namespace {

// Slots of the three dynamic bands' work types on the Dynamic EQ page.
constexpr int kDynamicTypeSlots[3] = {1, 11, 21};
constexpr int kQSubSlot = 3;

int flipped(const BmpButton& button) { return hintOf(&button) == "1" ? 0 : 1; }

}  // namespace

void ChannelCommands::MusModeBox1Change(QComboBox& box) {
    const int a = tagOf(&box);
    const int m = box.currentIndex();
    m_looks.showBandMode(box);
    if (m < 0) {
        return;
    }
    m_sink.SetParameter(a, m);
    const bool typeBox = kindOf(m_tables.companionAt(a, 0)) == ControlKind::BmpButton;
    if (!typeBox) {
        if (auto* q = qobject_cast<EditBox*>(m_tables.controlAt(a + kQSubSlot))) {
            m_sync.setCurrentEdit(q);
            const int slot = m_model.QSlotOf(a + kQSubSlot);
            m_sync.ApplyControlValue(q, EditStep::kApply, true,
                                     m_model.view(pageOf(slot), slotOf(slot)));
        }
    }
    // The graph redraws the band whose mode changed.
    m_sync.recordLastEdit(a, m);
}

void ChannelCommands::MusPEQtn1Click(QWidget& label) {
    auto* box = qobject_cast<QComboBox*>(m_tables.controlAt(tagOf(&label)));
    if (!box) {
        return;
    }
    box->setCurrentIndex(hintNumber(&label, 0));
    MusModeBox1Change(*box);
}

void ChannelCommands::DEQTYpeOffBtn1Click(BmpButton& button) {
    for (int slot : kDynamicTypeSlots) {
        for (int j = 0; j < kCompanionCount; ++j) {
            if (m_tables.companion(kPageDynamicEq, slot, j) != &button) {
                continue;
            }
            if (auto* box = qobject_cast<QComboBox*>(m_tables.control(kPageDynamicEq, slot))) {
                box->setCurrentIndex(tagOf(&button));
                MusModeBox1Change(*box);
            }
            return;
        }
    }
}

void ChannelCommands::MainHPTypeBoxChange(QComboBox& box) {
    const int a = tagOf(&box);
    m_sink.SetParameter(a, box.currentIndex());
    const int bands = pageBands(pageOf(a));
    const bool highPass = hintNumber(&box) == kKindHighPassType;
    m_graph.DrawPageResponse(highPass ? bands : bands + 1, m_graph.page());
}

void ChannelCommands::EchoEffPhaseBtnClick(BmpButton& button) {
    button.setText(QString());
    const int state = flipped(button);
    CommandLooks::showToggle(button, state);
    m_sink.SetParameter(tagOf(&button), state);
}

void ChannelCommands::MainLmuteBtnClick(BmpButton& button) {
    const int state = flipped(button);
    CommandLooks::showToggle(button, state);
    m_sink.SetParameter(tagOf(&button), state);
}

}  // namespace aec
