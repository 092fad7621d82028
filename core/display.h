#pragma once
// Display kinds: how a raw value is limited, shown and parsed back.

#include <string>

namespace aec {

struct ValueRange {
    int min = 0;
    int max = 0;
};

// Range to which a raw value of display kind `kind` is limited, for the value at (page, slot).
// Kind 3 is 60..180 on the Dynamic EQ page; kind 4 is 0..24 for a shelf Q slot.
ValueRange displayRange(int kind, int page, int slot);

// Text of raw value r (already limited by the caller) for display kind 1..26.
// The page and slot matter for kinds 3 and 9 only. Unknown kinds give an empty text.
std::string displayText(int kind, double r, int page, int slot);

// Raw value of a number typed into an edit box of display kind 2..5; other kinds return x.
double ParseEditValue(int kind, double x);

// Table texts and numbers by index; indexes outside a table are clamped to it.
const char* frequencyText(int index);
float frequencyValue(int index);
const char* qTableText(int index);
float qTableValue(int index);

}  // namespace aec
