#pragma once
// What applying a raw value to a bound control does, decided without widgets: the limited
// value, the text shown, where sliders go, whether the value is stored or sent, and whether the
// graph hears of it. The window's handlers apply the decision to their widgets.

#include <optional>
#include <string>
#include <string_view>

#include "core/model.h"
#include "ui/rules/edit_rules.h"

namespace aec {

// Base address and raw value of the latest edit that moves the graph.
struct LastEdit {
    int address = 0;
    int value = 0;
    bool operator==(const LastEdit&) const = default;
};

// The kinds of bound controls a value is applied to.
enum class EditTarget { kEditBox, kValuePane, kSelectBox };

struct EditRequest {
    EditTarget target = EditTarget::kEditBox;
    // Display kind from the control's Hint; nothing for a selection box without one.
    std::optional<int> kind;
    int tag = 0;  // the control's base address
    EditStep step = EditStep::kApply;
    // The value comes from the store: it is shown (and put back limited), never stepped or sent.
    bool refresh = false;
    double x = 0;  // raw value
};

// Where a value goes after it is shown.
enum class ValueRoad {
    kNone,   // nowhere
    kStore,  // into the stores only
    kSend,   // into the stores and to the processor (SetParameter)
};

struct EditDecision {
    bool applies = false;          // false: nothing is shown and nothing changes
    int address = 0;               // the slot of the value: a band's Q box follows the band's mode
    double value = 0;              // the limited value
    int stored = 0;                // its whole part: the raw value stored and sent
    std::optional<int> itemIndex;  // selection boxes of band modes
    std::optional<std::string> text;  // edit boxes and value panes
    bool becomesCurrent = false;      // a frequency box becomes the current edit box
    bool highlightsBand = false;      // an edit box highlights its band
    int sliderPosition = 0;           // the slider bound at the address follows
    std::optional<int> viewClamp;     // a refreshed Q above the table is put back in ViewStore
    ValueRoad road = ValueRoad::kNone;
    bool recordsLastEdit = false;  // the graph redraws the band of the address
};

// ApplyControlValue's decisions for one request. Inside a refresh (the model's refreshing
// scope) a value is stored but never sent.
EditDecision decideEdit(const Model& model, const EditRequest& request);

// What committing the typed text of an edit box does.
struct CommitDecision {
    bool apply = false;      // false: the box shows its saved text again, nothing changes
    bool showError = false;  // the box has no display kind: the "error" message shows
    double x = 0;            // raw value to apply
};

// CommitEdit's decisions for the typed text of a box whose Hint (its display kind) is `hint`.
CommitDecision decideCommit(std::string_view text, std::string_view hint);

}  // namespace aec
