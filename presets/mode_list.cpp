#include "presets/mode_list.h"

#include "core/modes.h"

namespace aec {

namespace {

// Length of the numbered prefix of item i: "1-".."9-", "10-".."16-", "MF1-".."MF6-".
size_t prefixLength(int index) {
    if (index < 9) {
        return 2;
    }
    return index < kFirstFactoryMode ? 3 : 4;
}

}  // namespace

std::string modeItemText(int index, std::string_view name) {
    const std::string prefix = index < kFirstFactoryMode
                                   ? std::to_string(index + 1)
                                   : "MF" + std::to_string(index - kFirstFactoryMode + 1);
    return prefix + "-" + std::string(name);
}

std::string modeNameOfItem(int index, std::string_view itemText) {
    const size_t prefix = prefixLength(index);
    return prefix < itemText.size() ? std::string(itemText.substr(prefix)) : std::string();
}

}  // namespace aec
