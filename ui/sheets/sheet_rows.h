#pragma once
// Rows of controls that many sheets share: a labelled slider with its value pane, and the
// high-pass / low-pass crossover block. Each row description names its controls and the slot
// they are bound to; the builders place them.

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

// A parameter slider with its pane (both bound to `slot`) and, optionally, a phase toggle bound
// to the next slot.
struct SliderRowSpec {
    int slot;
    const char* labelName;
    const char* cn;
    const char* en;
    const char* bar;
    int max;
    const char* pane;
    int kind;
    const char* phase = nullptr;  // phase toggle after the pane, 15 px wide
};

// Where rows go: the base page their slots belong to, the parent, the first row's place and the
// distance between rows.
struct RowPlace {
    int page;
    QWidget* parent;
    int x;
    int y;
    int step;
    RowGeometry g;
};

// What a slider row made.
struct SliderRow {
    Label* label = nullptr;
    TrackBar* bar = nullptr;
    ValuePane* pane = nullptr;
};

// Label, slider and pane of one row at the place's (x, y); moves the place to the next row.
SliderRow buildSliderRow(ControlFactory& f, RowPlace& at, const SliderRowSpec& plan);

// Names of a crossover block and the slot of its high-pass type box; the high-pass frequency,
// low-pass type and low-pass frequency follow in the next three slots. The four caption labels
// belong to the high-pass type, high-pass frequency, low-pass type and low-pass frequency.
struct CrossoverSpec {
    int firstSlot;
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

// The four crossover rows from the place.
void buildCrossoverRows(ControlFactory& f, RowPlace at, const CrossoverSpec& plan);

// A group box holding rows: its inner rows start at x + kGroupInset, y + kGroupTitle.
inline constexpr int kGroupInset = 6;
inline constexpr int kGroupTitle = 16;

}  // namespace aec
