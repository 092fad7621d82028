#include "ui/sheets/sheet_rows.h"

#include "core/scale_tables.h"
#include "ui/rules/edit_rules.h"

namespace aec {

namespace {
constexpr int kPhaseWidth = 15;  // the phase buttons are told apart by this width
}

int BuildSliderRow(ControlFactory& f, QWidget* parent, int x, int y, const RowGeometry& g,
                   const SliderRowSpec& plan, int step) {
    f.label(parent, plan.labelName, QRect(x, y, g.label, g.height), plan.cn, plan.en);
    const int barX = x + g.label + g.gap;
    f.slider(parent, plan.bar, QRect(barX, y, g.bar, g.height), plan.max);
    const int paneX = barX + g.bar + g.gap;
    f.pane(parent, plan.pane, QRect(paneX, y + 1, g.pane, g.height - 2), plan.kind);
    if (plan.phase) {
        auto* phase =
            f.button(parent, plan.phase,
                     QRect(paneX + g.pane + g.gap + 1, y + 1, kPhaseWidth, g.height - 2), "", "0");
        phase->setRole(BmpButton::Role::Phase);
    }
    return y + step;
}

void BuildCrossoverRows(ControlFactory& f, QWidget* parent, int x, int y, const RowGeometry& g,
                        const CrossoverSpec& plan, int step) {
    const QStringList types = Items(kFilterTypeItems);
    const int boxX = x + g.label + g.gap;
    const int boxWidth = g.bar + g.gap + g.pane;
    const auto typeRow = [&](const char* labelName, const char* cn, const char* en, const char* box,
                             int kind) {
        f.label(parent, labelName, QRect(x, y, g.label, g.height), cn, en);
        f.select(parent, box, QRect(boxX, y, boxWidth, g.height), types, QString::number(kind));
        y += step;
    };
    const auto freqRow = [&](const char* labelName, const char* cn, const char* en, const char* bar,
                             const char* pane) {
        y = BuildSliderRow(f, parent, x, y, g, {labelName, cn, en, bar, 361, pane, 6}, step);
    };
    typeRow(plan.hpTypeLabel, "高通", "HP", plan.hpType, kKindHighPassType);
    freqRow(plan.hpFreqLabel, "高通", "HPF", plan.hpBar, plan.hpPane);
    typeRow(plan.lpTypeLabel, " 低通", "LP", plan.lpType, kKindLowPassType);
    freqRow(plan.lpFreqLabel, plan.lpFreqCn, "LPF", plan.lpBar, plan.lpPane);
}

}  // namespace aec
