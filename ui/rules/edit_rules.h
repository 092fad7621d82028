#pragma once
// Rules of the value edit boxes that need no widgets: typed text, key filter and limits.

#include <optional>
#include <string>
#include <string_view>

namespace aec {

// Step argument of the editing operations.
enum class EditStep : int { kApply = 0, kUp = 1, kDown = 11 };

// Display kinds with a role of their own in the editing rules.
enum DisplayKind : int {
    kKindNone = 0,
    kKindMode = 1,
    kKindFrequency = 2,
    kKindGain = 3,
    kKindQ = 4,
    kKindInputVolume = 5,
    kKindLastEditBox = 5,  // kinds up to this one are edit boxes
    kKindOutputLevel = 9,  // read by the output on show
    kKindHighPassType = 20,
    kKindLowPassType = 21,
    kKindLast = 26,
};

// The characters of a typed text that can form a number ('-', '.', digits), in their order.
std::string numberCharacters(std::string_view text);

// A plain decimal number: an optional minus, digits with at most one point, at least one digit.
std::optional<double> readDecimal(std::string_view text);

// Whether a typed character reaches an edit box: backspace, Enter, '-', '.' and digits.
bool editKeyAllowed(char32_t ch);

// x moved by one step (up for kUp, down for kDown, unchanged for kApply).
double steppedValue(double x, EditStep step);

// Limits the raw value x of a control of display kind `kind` before it is shown.
// Edit boxes (kinds 2 to 5) are stepped first unless `refresh`; `qLimit` is the Q limit of the
// band (24 for shelves, else 100); `page` is the base page of the value (Dynamic EQ gains
// never fall below -12 dB). Kind 4 with `refresh` returns x: the caller reads it from the view.
double limitValue(int kind, EditStep step, bool refresh, double x, int page, int qLimit);

// Whether an edit of this kind moves the graph (recorded as the last edit).
bool kindRecordsLastEdit(int kind);

// The hidden page's access code check: exact and case-sensitive.
bool isAccessCode(std::string_view text);

}  // namespace aec
