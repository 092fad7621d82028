#pragma once
// Texts of the mode list of the system column.

#include <string>
#include <string_view>

namespace aec {

// Mode list item i: "<i+1>-name" for user modes, "MF<i-15>-name" for factory modes.
std::string modeItemText(int index, std::string_view name);
// The name part of a mode list item: the text after its numbered prefix.
std::string modeNameOfItem(int index, std::string_view itemText);

}  // namespace aec
