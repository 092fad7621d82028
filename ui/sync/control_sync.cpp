#include "ui/sync/control_sync.h"

#include <algorithm>
#include <cmath>

#include "core/pages.h"
#include "ui/rules/sync_rules.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {

bool isArrow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

}  // namespace

ControlSync::ControlSync(Model& model, ParameterSink& sink, const ControlTables& tables,
                         const WindowParts& parts, const QStackedWidget& pages,
                         MessageService& messages)
    : m_model(model),
      m_sink(sink),
      m_tables(tables),
      m_parts(parts),
      m_pages(pages),
      m_messages(messages) {}

void ControlSync::reset() {
    m_current = editAt(makeAddress(kPageMusic, BandSlot(firstEqSlot(kPageMusic), 0, 1)));
    m_highlighted = m_tables.example();
    m_savedText.clear();
    m_dirty = false;
    m_wheelFlag = 0;
    m_currentBand = {};
}

int ControlSync::currentBand(KindOfPage kind) const {
    const auto k = static_cast<size_t>(kindIndex(kind));
    return k < m_currentBand.size() ? m_currentBand[k] : 0;
}

EditBox* ControlSync::editAt(int address) const {
    return qobject_cast<EditBox*>(m_tables.controlAt(address));
}

void ControlSync::setSliderQuietly(QSlider& slider, int position) {
    const bool was = m_sliderMoving;
    m_sliderMoving = true;
    slider.setValue(position);
    m_sliderMoving = was;
}

void ControlSync::recordLastEdit(int address, int value) {
    if (!m_model.redrawsSuspended()) {
        m_lastEdit = {address, value};
    }
}

namespace {

// The request ApplyControlValue makes of a bound control, or nothing for other controls.
std::optional<EditRequest> requestOf(const QWidget* c) {
    EditRequest r;
    switch (kindOf(c)) {
        case ControlKind::EditBox:
            r.target = EditTarget::kEditBox;
            r.kind = hintNumber(c, 0);
            break;
        case ControlKind::ValuePane:
            r.target = EditTarget::kValuePane;
            r.kind = hintNumber(c, 0);
            break;
        case ControlKind::SelectBox:
            r.target = EditTarget::kSelectBox;
            if (!hintOf(c).isEmpty()) {
                r.kind = hintNumber(c, 0);
            }
            break;
        default:
            return std::nullopt;
    }
    r.tag = tagOf(c);
    return r;
}

}  // namespace

// ---- ApplyControlValue ----

void ControlSync::ApplyControlValue(QWidget* c, EditStep step, bool refresh, double x) {
    std::optional<EditRequest> request = requestOf(c);
    if (!request) {
        return;
    }
    request->step = step;
    request->refresh = refresh;
    request->x = x;
    const EditDecision d = decideEdit(m_model, *request);
    if (!d.applies) {
        return;
    }
    if (d.viewClamp) {
        m_model.setView(pageOf(d.address), slotOf(d.address), *d.viewClamp);
    }
    if (d.itemIndex) {
        static_cast<QComboBox*>(c)->setCurrentIndex(*d.itemIndex);
    }
    if (d.text) {
        const QString text = QString::fromStdString(*d.text);
        if (auto* box = qobject_cast<EditBox*>(c)) {
            // An unchanged text is left alone, so a click keeps the caret where it was put.
            if (box->text() != text) {
                box->setText(text);
            }
        } else {
            static_cast<QLabel*>(c)->setText(text);
        }
    }
    if (d.becomesCurrent) {
        if (EditBox* bound = editAt(d.address)) {
            m_current = bound;
        }
    }
    if (d.highlightsBand) {
        highlightBand(*static_cast<EditBox*>(c), PageKind(d.address));
    }
    if (auto* slider = qobject_cast<QSlider*>(m_tables.controlAt(d.address))) {
        setSliderQuietly(*slider, d.sliderPosition);
    } else if (auto* companion = qobject_cast<QSlider*>(m_tables.companionAt(d.address, 0))) {
        setSliderQuietly(*companion, d.sliderPosition);
    }
    switch (d.road) {
        case ValueRoad::kSend:
            m_sink.SetParameter(d.address, d.stored);
            break;
        case ValueRoad::kStore:
            m_model.StoreValue(d.address, d.stored);
            break;
        case ValueRoad::kNone:
            break;
    }
    if (d.recordsLastEdit) {
        m_lastEdit = {d.address, d.stored};
    }
}

void ControlSync::highlightBand(EditBox& box, KindOfPage kind) {
    if (m_model.redrawsSuspended() || kind == KindOfPage::kDynamicEq) {
        return;
    }
    const BandRef ref = BandOf(tagOf(&box));
    const int band = ref.isBand() ? ref.band : 0;
    m_currentBand[static_cast<size_t>(kindIndex(kind))] = band;
    if (m_highlighted != m_current) {
        const int row =
            (kind == KindOfPage::kEffect && m_model.selection.curEffectPage == kPageReverb)
                ? kReverbPointRow
                : kindIndex(kind);
        const int count = highlightBandCount(kind);
        for (int i = 0; i < count; ++i) {
            if (Label* label = m_tables.pointLabel(row, i)) {
                label->setOpaque(i == band, look::kOrange, look::kWhite);
            }
        }
        if (m_current) {
            if (EditBox* e = editAt(tagOf(m_current))) {
                e->setBackground(look::kEditCurrent);
            }
        }
        if (m_highlighted) {
            if (EditBox* e = editAt(tagOf(m_highlighted))) {
                e->setBackground(look::kEditIdle);
            }
        }
        m_highlighted = m_current;
    }
    scrollToBand(band);
}

void ControlSync::scrollToBand(int band) {
    const int sheet = m_pages.currentIndex();
    for (const ScrollStrip& strip : m_parts.scrollStrips) {
        if (strip.sheet == sheet) {
            strip.slider->setValue(scrollToShowBand(strip.slider->value(), band, strip.visible));
        }
    }
}

// ---- Committing typed text ----

void ControlSync::CommitEdit(EditStep step) {
    EditBox* e = m_current;
    if (!e || e == m_tables.example()) {
        return;
    }
    const CommitDecision d = decideCommit(e->text().toStdString(), hintOf(e).toStdString());
    if (d.showError) {
        m_messages.show("error", kApplicationTitle, MessageService::Buttons::Ok);
    }
    if (!d.apply) {
        e->setText(m_savedText);
        return;
    }
    ApplyControlValue(e, step, false, d.x);
    m_savedText = e->text();
}

// ---- Edit box events ----

void ControlSync::moveFocusTo(EditBox& box) {
    // The box being left commits its own typing while it is still the current one.
    box.setFocus(Qt::OtherFocusReason);
    m_current = &box;
}

void ControlSync::clickRule(QWidget* target) {
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

void ControlSync::MusFreEdit1Click(EditBox& box) { clickRule(m_tables.controlAt(tagOf(&box))); }

void ControlSync::MusFreEdit1KeyDown(EditBox& box, int key) {
    if (!m_current || m_current == m_tables.example()) {
        return;
    }
    if (!isArrow(key)) {
        m_dirty = true;
        return;
    }
    // Arrows act on the box that has them, even when it was entered without a click.
    if (m_current != &box) {
        m_current = &box;
        m_savedText = box.text();
    }
    const int kind = hintNumber(&box, 0);
    const int tag = tagOf(&box);
    if (kind == kKindFrequency && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        clickRule(m_tables.controlAt(tag + 1));
    } else if (kind == kKindGain && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        clickRule(m_tables.controlAt(tag - 1));
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
    if (!editKeyAllowed(ch.unicode())) {
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

void ControlSync::MusFreUpDownBtn1UpRightClick(QWidget& spin) {
    QWidget* c = m_tables.controlAt(tagOf(&spin));
    if (auto* e = qobject_cast<EditBox*>(c)) {
        moveFocusTo(*e);
        CommitEdit(EditStep::kUp);
    } else if (auto* slider = qobject_cast<QSlider*>(c)) {
        slider->setValue(slider->value() + 1);
    }
}

void ControlSync::MusFreUpDownBtn1DownLeftClick(QWidget& spin) {
    QWidget* c = m_tables.controlAt(tagOf(&spin));
    if (auto* e = qobject_cast<EditBox*>(c)) {
        moveFocusTo(*e);
        CommitEdit(EditStep::kDown);
    } else if (auto* slider = qobject_cast<QSlider*>(c)) {
        slider->setValue(slider->value() - 1);
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
    QWidget* pane = m_tables.displayAt(tagOf(&slider));
    if (kindOf(pane) == ControlKind::ValuePane) {
        ApplyControlValue(pane, EditStep::kApply, false, slider.value());
    }
    m_current = m_tables.example();
}

void ControlSync::MusEQGainBar1Change(QSlider& slider) {
    if (m_sliderMoving) {
        return;
    }
    if (EditBox* e = editAt(tagOf(&slider))) {
        m_current = e;
        ApplyControlValue(e, EditStep::kApply, false, slider.value());
    }
}

void ControlSync::MusPanScrollBarChange(QSlider& slider) {
    for (const ScrollStrip& strip : m_parts.scrollStrips) {
        if (strip.slider == &slider) {
            strip.box->setScrollX(slider.value() * kBandColumnWidth);
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
    const int address = pointLabelAddress(tagOf(&label), band, hintNumber(&label, 0));
    auto* e = qobject_cast<EditBox*>(m_tables.controlAt(address));
    if (e && e->isVisible() && e->isEnabled()) {
        clickRule(e);
    }
}

}  // namespace aec
