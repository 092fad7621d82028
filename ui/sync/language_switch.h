#pragma once
// The language switch: every captioned control carries its caption in the language on show and
// the other language beside it (the Hint, or for bitmap buttons, whose Hint holds state, the
// property "OtherCaption"); switching exchanges the two.

#include "ui/widgets/control_factory.h"

namespace aec {

// Exchanges the two texts of every label, AdvGroupBox, tool button, tab sheet and worded bitmap
// button of the window. Controls whose other text is empty keep their caption, so no caption
// goes blank and two switches restore every text. Band-type letters, point labels, value panes,
// edit boxes, bars and lists hold data and are left alone.
void exchangeLanguage(const ControlRegistry& controls);

}  // namespace aec
