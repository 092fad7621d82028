#include "ui/sheets/sheet_rows.h"

#include "core/pages.h"
#include "core/scale_tables.h"
#include "ui/rules/edit_rules.h"

namespace aec {

namespace {
constexpr int kPhaseWidth = 15;  // the phase buttons are told apart by this width
}

SliderRow buildSliderRow(ControlFactory& f, RowPlace& at, const SliderRowSpec& plan) {
    const RowGeometry& g = at.g;
    const int address = makeAddress(at.page, plan.slot);
    auto* label =
        f.label(at.parent, plan.labelName, QRect(at.x, at.y, g.label, g.height), plan.cn, plan.en);
    const int barX = at.x + g.label + g.gap;
    auto* bar = f.slider(at.parent, plan.bar, QRect(barX, at.y, g.bar, g.height), plan.max);
    f.bind(f.serve(bar, Handler::kParameterBar), address);
    const int paneX = barX + g.bar + g.gap;
    auto* pane =
        f.pane(at.parent, plan.pane, QRect(paneX, at.y + 1, g.pane, g.height - 2), plan.kind);
    f.bind(pane, address, Cell::kDisplay);
    if (plan.phase) {
        auto* phase = f.button(
            at.parent, plan.phase,
            QRect(paneX + g.pane + g.gap + 1, at.y + 1, kPhaseWidth, g.height - 2), "", "0");
        phase->setRole(BmpButton::Role::Phase);
        f.bind(f.serve(phase, Handler::kPhase), address + 1);
        f.bindPlaceholder(address + 1, Cell::kDisplay);
    }
    at.y += at.step;
    return {label, bar, pane};
}

void buildCrossoverRows(ControlFactory& f, RowPlace at, const CrossoverSpec& plan) {
    const RowGeometry& g = at.g;
    const QStringList types = items(kFilterTypeItems);
    const int boxX = at.x + g.label + g.gap;
    const int boxWidth = g.bar + g.gap + g.pane;
    const auto typeRow = [&](int slot, const char* labelName, const char* cn, const char* en,
                             const char* box, int kind) {
        f.label(at.parent, labelName, QRect(at.x, at.y, g.label, g.height), cn, en);
        auto* select = f.select(at.parent, box, QRect(boxX, at.y, boxWidth, g.height), types,
                                QString::number(kind));
        const int address = makeAddress(at.page, slot);
        f.bind(f.serve(select, Handler::kCrossoverType), address);
        f.bindPlaceholder(address, Cell::kDisplay);
        at.y += at.step;
    };
    const auto freqRow = [&](int slot, const char* labelName, const char* cn, const char* en,
                             const char* bar, const char* pane) {
        buildSliderRow(f, at, {slot, labelName, cn, en, bar, 361, pane, 6});
    };
    const int s = plan.firstSlot;
    typeRow(s, plan.hpTypeLabel, "高通", "HP", plan.hpType, kKindHighPassType);
    freqRow(s + 1, plan.hpFreqLabel, "高通", "HPF", plan.hpBar, plan.hpPane);
    typeRow(s + 2, plan.lpTypeLabel, " 低通", "LP", plan.lpType, kKindLowPassType);
    freqRow(s + 3, plan.lpFreqLabel, plan.lpFreqCn, "LPF", plan.lpBar, plan.lpPane);
}

}  // namespace aec
