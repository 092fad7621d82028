#include "ui/rules/edit_decision.h"

#include <charconv>
#include <cmath>

#include "core/display.h"
#include "core/number_format.h"
#include "core/pages.h"
#include "core/scale_tables.h"

namespace aec {

namespace {

constexpr int kShelfModes = 2;  // band modes from LSEQ up use the shelf Q

// The limit of a band's Q box: shelf bands stop at the shelf Q table's end.
int QLimit(const Model& model, int address) {
    const int modeSlot = address - BandOf(address).subSlot;
    return model.view(pageOf(modeSlot), slotOf(modeSlot)) >= kShelfModes ? kShelfQMax : kQMax;
}

// A Hint read as a whole number, blanks around it allowed.
std::optional<int> readWholeNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

EditDecision decideEdit(const Model& model, const EditRequest& r) {
    EditDecision d;
    if (!r.kind) {
        return d;
    }
    const int k = *r.kind;
    if (r.target == EditTarget::kValuePane && k <= kKindLastEditBox) {
        return d;
    }
    d.applies = true;
    d.address = model.QSlotOf(r.tag);
    const int page = pageOf(d.address);
    const int slot = slotOf(d.address);

    if (r.target == EditTarget::kEditBox && k == kKindQ && r.refresh) {
        d.value = model.view(page, slot);
        if (d.value > kQMax) {
            d.value = kQMax;
            d.viewClamp = kQMax;
        }
    } else {
        const int qLimit = k == kKindQ ? QLimit(model, d.address) : kQMax;
        d.value = limitValue(k, r.step, r.refresh, r.x, page, qLimit);
    }

    switch (r.target) {
        case EditTarget::kSelectBox:
            if (k == kKindMode) {
                d.itemIndex = static_cast<int>(d.value);
            }
            break;
        case EditTarget::kEditBox:
            if (k >= kKindFrequency && k <= kKindLastEditBox) {
                d.text = displayText(k, d.value, page, slot);
                d.becomesCurrent = k == kKindFrequency;
                d.highlightsBand = true;
            }
            break;
        case EditTarget::kValuePane:
            if (k <= kKindLast) {
                // Output level panes read their text by the output on show.
                const int context = k == kKindOutputLevel ? model.selection.curOutputPage : page;
                d.text = displayText(k, d.value, context, slot);
            }
            break;
    }

    d.stored = static_cast<int>(std::trunc(d.value));
    d.sliderPosition = static_cast<int>(roundHalfEven(d.value));
    if (r.refresh) {
        d.road = k <= kKindQ ? ValueRoad::kStore : ValueRoad::kNone;
    } else {
        d.road = model.refreshing() ? ValueRoad::kStore : ValueRoad::kSend;
    }
    d.recordsLastEdit = kindRecordsLastEdit(k) && !model.redrawsSuspended();
    return d;
}

CommitDecision decideCommit(std::string_view text, std::string_view hint) {
    CommitDecision d;
    const std::string t = numberCharacters(text);
    if (t.empty()) {
        return d;
    }
    d.showError = hint.empty();
    const std::optional<int> kind = readWholeNumber(hint);
    const std::optional<double> number = readDecimal(t);
    if (!number || !kind) {
        return d;
    }
    d.apply = true;
    d.x = ParseEditValue(*kind, *number);
    return d;
}

}  // namespace aec
