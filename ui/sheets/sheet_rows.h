#pragma once
// Rows of controls that many sheets share: a labelled slider with its value pane, and the
// high-pass / low-pass crossover block.

#include <QWidget>

#include "ui/widgets/control_factory.h"

namespace aec {

// Widths of a row: caption, slider (or the start of a selection box), value pane.
struct RowGeometry {
    int label = 68;
    int bar = 56;
    int pane = 42;
    int height = 20;
    int gap = 2;
    int width() const { return label + bar + pane + 2 * gap; }
};

struct SliderRowSpec {
    const char* labelName;
    const char* cn;
    const char* en;
    const char* bar;
    int max;
    const char* pane;
    int kind;
    const char* phase = nullptr;  // phase toggle after the pane, 15 px wide
};

// Label, slider and pane at (x, y); returns the y of the next row.
int BuildSliderRow(ControlFactory& f, QWidget* parent, int x, int y, const RowGeometry& g,
                   const SliderRowSpec& plan, int step);

// Label and selection box spanning the slider and pane columns.
struct SelectRowSpec {
    const char* labelName;
    const char* cn;
    const char* en;
    const char* box;
};

// Names of a crossover block: type box, frequency slider and pane for each filter, and the
// four caption labels (high-pass type, high-pass frequency, low-pass type, low-pass frequency).
struct CrossoverSpec {
    const char* hpType;
    const char* hpBar;
    const char* hpPane;
    const char* lpType;
    const char* lpBar;
    const char* lpPane;
    const char* hpTypeLabel;
    const char* hpFreqLabel;
    const char* lpTypeLabel;
    const char* lpFreqLabel;
    const char* lpFreqCn = " 低通";  // one sheet writes it without the leading blank
};

// The four crossover rows from (x, y), `step` apart.
void BuildCrossoverRows(ControlFactory& f, QWidget* parent, int x, int y, const RowGeometry& g,
                        const CrossoverSpec& plan, int step);

// A group box holding rows: its inner rows start at x + kGroupInset, y + kGroupTitle.
inline constexpr int kGroupInset = 6;
inline constexpr int kGroupTitle = 16;

}  // namespace aec
