#pragma once
// Names a value of the processor for a person: the channel, the field and the value as the
// window shows it.

#include <string>

namespace aec {

struct ValueName {
    std::string channel;
    std::string field;
    std::string value;
};

// The value at a device address of pages 0 to 29 named in the language of the flag (1 Chinese,
// 0 English); a slot the window does not show is named by its number and shows the raw value.
ValueName nameValue(int page, int slot, int value, int languageFlag);

}  // namespace aec
