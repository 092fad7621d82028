#include "core/offline_edits.h"

#include <charconv>

namespace aec {

std::string OfflineEdits::text() const {
    std::string out;
    for (const OfflineEdit& e : m_edits) {
        out += std::to_string(e.address) + " " + std::to_string(e.value) + "\n";
    }
    return out;
}

void OfflineEdits::recordText(std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);

        int address = 0;
        int32_t value = 0;
        const char* first = line.data();
        const char* last = line.data() + line.size();
        const auto a = std::from_chars(first, last, address);
        if (a.ec != std::errc{} || a.ptr == last || *a.ptr != ' ') {
            continue;
        }
        const auto v = std::from_chars(a.ptr + 1, last, value);
        if (v.ec != std::errc{} || v.ptr != last || address < 0 ||
            !isValidCell(pageOf(address), slotOf(address))) {
            continue;
        }
        record(address, value);
    }
}

}  // namespace aec
