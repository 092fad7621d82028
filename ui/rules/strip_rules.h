#pragma once
// Rules of the command strip above the graph that need no widgets: what a pair button does on
// the view on show, and where a page keeps its EQ pass flag.

#include <optional>

#include "core/selection.h"

namespace aec {

// A pair button's choice, made on the view on show.
struct PairChoice {
    int flagAddress = 0;
    int flagValue = 0;       // 1 links the channels, 0 separates them
    bool copy = false;       // the right set becomes a copy of the left
    std::optional<int> tab;  // the microphone tab that follows the choice
};

// Choice s (0 left, 1 linked, 2 right) of the pair buttons: the pair state of the block on show
// becomes s (the Dynamic EQ keeps its own) and the result says what to send, copy and show.
// Linking copies so that the right set starts equal; unlinking copies so that both sides start
// from what the linked pair played. Nothing on views without a link flag.
std::optional<PairChoice> choosePair(Selection& selection, int s);

// Address of a page's EQ pass flag (the slot before its first EQ slot); nothing for the
// Dynamic EQ page, whose slot before its bands belongs to no flag, and for pages without bands.
std::optional<int> eqPassAddress(int page);

}  // namespace aec
