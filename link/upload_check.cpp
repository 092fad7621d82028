#include "link/upload_check.h"

#include "core/pages.h"
#include "core/value_names.h"
#include "link/frame.h"

namespace aec {

namespace {
constexpr int kCheckedPages = 30;
}  // namespace

bool uploadWrites(int page, int slot) {
    if (page < 0 || page >= kCheckedPages || slot < 0) {
        return false;
    }
    return slot < pageSlotCount(page);
}

int wireValue(int value) {
    const ByteSplit bytes = splitWord(value);
    return bytes.low | (bytes.high << 8);
}

std::vector<ValueDifference> compareUpload(const Store& editor, const Store& processor) {
    std::vector<ValueDifference> differences;
    for (int page = 0; page < kCheckedPages; ++page) {
        for (int slot = 0; slot < kSlotCount && uploadWrites(page, slot); ++slot) {
            const auto p = static_cast<size_t>(page);
            const auto s = static_cast<size_t>(slot);
            const int expected = wireValue(editor[p][s]);
            if (expected != processor[p][s]) {
                differences.push_back({page, slot, expected, processor[p][s]});
            }
        }
    }
    return differences;
}

std::string differenceText(const ValueDifference& difference, int languageFlag) {
    const int page = difference.page;
    const int slot = difference.slot;
    const ValueName editor = nameValue(page, slot, difference.expected, languageFlag);
    const ValueName processor = nameValue(page, slot, difference.found, languageFlag);
    const bool chinese = languageFlag == 1;
    return editor.channel + " · " + editor.field + (chinese ? "：电脑 " : ": editor ") +
           editor.value + (chinese ? "，设备 " : ", processor ") + processor.value;
}

}  // namespace aec
