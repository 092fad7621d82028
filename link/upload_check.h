#pragma once
// Which values an upload writes, and where the processor's copy of them differs from the
// editor's.

#include <string>
#include <vector>

#include "core/model.h"

namespace aec {

// One value the processor holds otherwise than the editor.
struct ValueDifference {
    int page = 0;
    int slot = 0;
    // The editor's value as it goes on the wire, and what the processor answered.
    int expected = 0;
    int found = 0;
    bool operator==(const ValueDifference&) const = default;
};

// The slots a verification compares: those the page frames of an upload write and a page
// request reads back. Each channel page's highest slot, which follows an upload one by one,
// is in no page reply, so it cannot be checked.
bool uploadWrites(int page, int slot);

// The value a 16-bit frame field carries for a stored value (−1 goes out as 255).
int wireValue(int value);

// Differences over pages 0 to 29 in the slots compared, in address order.
std::vector<ValueDifference> compareUpload(const Store& editor, const Store& processor);

// One difference for a person, in the language of the flag: channel, field, and both values as
// the window shows them.
std::string differenceText(const ValueDifference& difference, int languageFlag);

}  // namespace aec
