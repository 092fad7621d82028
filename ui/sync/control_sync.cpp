#include "ui/sync/control_sync.h"

#include <algorithm>
#include <cmath>

#include "core/display.h"
#include "core/number_format.h"
#include "core/pages.h"
#include "ui/rules/sync_rules.h"
#include "ui/rules/tab_selector.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {

constexpr int kQMax = 100;
constexpr int kShelfQMax = 24;
constexpr int kShelfModes = 2;  // modes from LSEQ up use the shelf Q

// Band strips that scroll: the slider, the box it moves and how many bands show at once.
struct Strip {
    int sheet;
    const char* slider;
    const char* box;
    int visible;
};
constexpr Strip kStrips[] = {
    {kSheetMusic, "MusPanScrollBar", "MusScrollBox", 9},
    {kSheetMic, "MicPanScrollBar", "MicScrollBox", 8},
    {kSheetOutput, "MainPanScrollBar", "MainScrollBox", 5},
};
constexpr int kScrollStep = 65;

bool IsArrow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

}  // namespace

ControlSync::ControlSync(Model& model, ParameterSink& sink, const ControlTables& tables,
                         const ControlRegistry& controls, MessageService& messages,
                         SyncHooks& hooks)
    : m_model(model),
      m_sink(sink),
      m_tables(tables),
      m_controls(controls),
      m_messages(messages),
      m_hooks(hooks) {}

void ControlSync::Reset() {
    m_current = m_controls.get<EditBox>("MusFreEdit1");
    m_highlighted = m_tables.example();
    m_savedText.clear();
    m_dirty = false;
    m_wheelFlag = 0;
    m_currentBand = {};
}

int ControlSync::currentBand(int pageKind) const {
    return (pageKind >= 0 && pageKind < int(m_currentBand.size())) ? m_currentBand[pageKind] : 0;
}

EditBox* ControlSync::editAt(int address) const {
    return qobject_cast<EditBox*>(m_tables.controlAt(address));
}

void ControlSync::SetSliderQuietly(QSlider& slider, int position) {
    const bool was = m_sliderMoving;
    m_sliderMoving = true;
    slider.setValue(position);
    m_sliderMoving = was;
}

void ControlSync::RecordLastEdit(int address, int value) {
    if (!m_model.redrawsSuspended()) {
        m_lastEdit = {address, value};
    }
}

// ---- ApplyControlValue ----

void ControlSync::ApplyControlValue(QWidget* c, EditStep step, bool refresh, double x) {
    const ControlKind kind = KindOf(c);
    int k = 0;
    if (kind == ControlKind::EditBox || kind == ControlKind::ValuePane) {
        k = HintNumber(c, 0);
        if (kind == ControlKind::ValuePane && k <= kKindLastEditBox) {
            return;
        }
    } else if (kind == ControlKind::SelectBox && !HintOf(c).isEmpty()) {
        k = HintNumber(c, 0);
    } else {
        return;
    }
    const int u = m_model.QSlotOf(TagOf(c));
    const int page = PageOf(u);
    const int slot = SlotOf(u);

    double X = x;
    if (kind == ControlKind::EditBox && k == kKindQ && refresh) {
        X = m_model.view(page, slot);
        if (X > kQMax) {
            X = kQMax;
            m_model.setView(page, slot, kQMax);
        }
    } else {
        const int modeSlot = u - BandOf(u).subSlot;
        const bool shelf =
            k == kKindQ && m_model.view(PageOf(modeSlot), SlotOf(modeSlot)) >= kShelfModes;
        X = LimitValue(k, step, refresh, x, page, shelf ? kShelfQMax : kQMax);
    }

    if (kind == ControlKind::SelectBox) {
        if (k == kKindMode) {
            static_cast<QComboBox*>(c)->setCurrentIndex(int(X));
        }
    } else if (kind == ControlKind::EditBox && k >= kKindFrequency && k <= kKindLastEditBox) {
        auto* box = static_cast<EditBox*>(c);
        // An unchanged text is left alone, so a click keeps the caret where it was put.
        const QString text = QString::fromStdString(DisplayText(k, X, page, slot));
        if (box->text() != text) {
            box->setText(text);
        }
        if (k == kKindFrequency) {
            if (EditBox* bound = editAt(u)) {
                m_current = bound;
            }
        }
        highlightBand(*box, PageKind(u));
    } else if (kind == ControlKind::ValuePane && k <= kKindLast) {
        const int context = k == 9 ? m_model.selection.curOutputPage : page;
        static_cast<QLabel*>(c)->setText(QString::fromStdString(DisplayText(k, X, context, slot)));
    }

    const int J = int(std::trunc(X));
    const int position = int(RoundHalfEven(X));
    if (auto* slider = qobject_cast<QSlider*>(m_tables.controlAt(u))) {
        SetSliderQuietly(*slider, position);
    } else if (auto* companion = qobject_cast<QSlider*>(m_tables.companionAt(u, 0))) {
        SetSliderQuietly(*companion, position);
    }
    if (k <= kKindQ) {
        m_model.StoreValue(u, J);
    }
    if (!refresh) {
        m_sink.SetParameter(u, J);
    }
    if (KindRecordsLastEdit(k)) {
        RecordLastEdit(u, J);
    }
}

void ControlSync::highlightBand(EditBox& box, int pageKind) {
    if (m_model.redrawsSuspended() || pageKind > 7) {
        return;
    }
    const BandRef ref = BandOf(TagOf(&box));
    const int band = ref.isBand() ? ref.band : 0;
    m_currentBand[pageKind] = band;
    if (m_highlighted != m_current) {
        const int row =
            (pageKind == 2 && m_model.selection.curEffectPage == kPageReverb) ? 5 : pageKind;
        const int count = HighlightBandCount(pageKind);
        for (int i = 0; i < count; ++i) {
            if (Label* label = m_tables.pointLabel(row, i)) {
                label->setOpaque(i == band, look::kOrange, look::kWhite);
            }
        }
        if (m_current) {
            if (EditBox* e = editAt(TagOf(m_current))) {
                e->setBackground(look::kEditCurrent);
            }
        }
        if (m_highlighted) {
            if (EditBox* e = editAt(TagOf(m_highlighted))) {
                e->setBackground(look::kEditIdle);
            }
        }
        m_highlighted = m_current;
    }
    scrollToBand(band);
}

void ControlSync::scrollToBand(int band) {
    const int sheet = m_hooks.ActiveSheet();
    for (const Strip& strip : kStrips) {
        if (strip.sheet != sheet) {
            continue;
        }
        if (auto* slider = m_controls.get<QSlider>(strip.slider)) {
            slider->setValue(ScrollToShowBand(slider->value(), band, strip.visible));
        }
    }
}

// ---- Committing typed text ----

void ControlSync::CommitEdit(EditStep step) {
    EditBox* e = m_current;
    if (!e || e == m_tables.example()) {
        return;
    }
    const std::string t = NumberCharacters(e->text().toStdString());
    if (t.empty()) {
        e->setText(m_savedText);
        return;
    }
    const std::optional<double> number = ReadDecimal(t);
    if (HintOf(e).isEmpty()) {
        m_messages.Show("error", kApplicationTitle, MessageService::Buttons::Ok);
    }
    bool kindOk = false;
    const int k = HintNumber(e, 0, &kindOk);
    if (!number || !kindOk) {
        e->setText(m_savedText);
        return;
    }
    ApplyControlValue(e, step, false, ParseEditValue(k, *number));
    m_savedText = e->text();
}

// ---- Edit box events ----

void ControlSync::moveFocusTo(EditBox& box) {
    // The box being left commits its own typing while it is still the current one.
    box.setFocus(Qt::OtherFocusReason);
    m_current = &box;
}

void ControlSync::ClickRule(QWidget* target) {
    auto* e = qobject_cast<EditBox*>(target);
    if (!e) {
        return;
    }
    m_wheelFlag = 1;
    moveFocusTo(*e);
    m_savedText = e->text();
    const ScopedState::Scope refreshing = m_model.beginRefresh();
    CommitEdit(EditStep::kApply);
}

void ControlSync::MusFreEdit1Click(EditBox& box) { ClickRule(m_tables.controlAt(TagOf(&box))); }

void ControlSync::MusFreEdit1KeyDown(EditBox& box, int key) {
    if (!m_current || m_current == m_tables.example()) {
        return;
    }
    if (!IsArrow(key)) {
        m_dirty = true;
        return;
    }
    // Arrows act on the box that has them, even when it was entered without a click.
    if (m_current != &box) {
        m_current = &box;
        m_savedText = box.text();
    }
    const int kind = HintNumber(&box, 0);
    const int tag = TagOf(&box);
    if (kind == kKindFrequency && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        ClickRule(m_tables.controlAt(tag + 1));
    } else if (kind == kKindGain && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        ClickRule(m_tables.controlAt(tag - 1));
    }
    m_dirty = true;
    CommitEdit((key == Qt::Key_Up || key == Qt::Key_Right) ? EditStep::kUp : EditStep::kDown);
}

bool ControlSync::MusFreEdit1KeyPress(EditBox& box, QChar ch) {
    if (m_current != &box) {
        m_current = &box;
        m_savedText = box.text();  // so a rejected entry restores this box's own text
    }
    m_dirty = true;
    if (!EditKeyAllowed(ch.unicode())) {
        return false;
    }
    if (ch == QChar('\r')) {
        MusFreEdit1Exit(box);
        return false;
    }
    return true;
}

void ControlSync::MusFreEdit1Exit(EditBox&) {
    EditBox* e = m_current;
    if (!e) {
        return;
    }
    if (!e->text().isEmpty()) {
        if (m_dirty) {
            CommitEdit(EditStep::kApply);
        }
        m_dirty = false;
    } else {
        e->setText(m_savedText);
    }
}

// ---- Spin buttons, wheel, sliders, labels ----

void ControlSync::stepSlider(QSlider& slider, int delta) {
    slider.setValue(slider.value() + delta);
}

void ControlSync::MusFreUpDownBtn1UpRightClick(QWidget& spin) {
    QWidget* c = m_tables.controlAt(TagOf(&spin));
    if (auto* e = qobject_cast<EditBox*>(c)) {
        moveFocusTo(*e);
        CommitEdit(EditStep::kUp);
    } else if (auto* slider = qobject_cast<QSlider*>(c)) {
        stepSlider(*slider, +1);
    }
}

void ControlSync::MusFreUpDownBtn1DownLeftClick(QWidget& spin) {
    QWidget* c = m_tables.controlAt(TagOf(&spin));
    if (auto* e = qobject_cast<EditBox*>(c)) {
        moveFocusTo(*e);
        CommitEdit(EditStep::kDown);
    } else if (auto* slider = qobject_cast<QSlider*>(c)) {
        stepSlider(*slider, -1);
    }
}

bool ControlSync::FormMouseWheel(int delta) {
    if (m_wheelFlag != 1 || delta == 0) {
        return false;
    }
    CommitEdit(delta > 0 ? EditStep::kUp : EditStep::kDown);
    return true;
}

void ControlSync::MicHPFreBarChange(QSlider& slider) {
    if (m_sliderMoving) {
        return;
    }
    QWidget* pane = m_tables.displayAt(TagOf(&slider));
    if (KindOf(pane) == ControlKind::ValuePane) {
        ApplyControlValue(pane, EditStep::kApply, false, slider.value());
    }
    m_current = m_tables.example();
}

void ControlSync::MusEQGainBar1Change(QSlider& slider) {
    if (m_sliderMoving) {
        return;
    }
    if (EditBox* e = editAt(TagOf(&slider))) {
        m_current = e;
        ApplyControlValue(e, EditStep::kApply, false, slider.value());
    }
}

void ControlSync::MusPanScrollBarChange(QSlider& slider) {
    for (const Strip& strip : kStrips) {
        if (slider.objectName() != strip.slider) {
            continue;
        }
        if (auto* box = m_controls.get<ScrollBox>(strip.box)) {
            box->setScrollX(slider.value() * kScrollStep);
        }
    }
}

void ControlSync::MusEQPointLabel1Click(QWidget& label) {
    bool ok = false;
    const int band =
        qobject_cast<QLabel*>(&label) ? static_cast<QLabel&>(label).text().toInt(&ok) : 0;
    if (!ok) {
        return;
    }
    const int address = PointLabelAddress(TagOf(&label), band, HintNumber(&label, 0));
    auto* e = qobject_cast<EditBox*>(m_tables.controlAt(address));
    if (e && e->isVisible() && e->isEnabled()) {
        ClickRule(e);
    }
}

}  // namespace aec
