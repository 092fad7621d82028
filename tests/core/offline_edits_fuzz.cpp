// Feeds arbitrary bytes to the off-line edits reader: whatever it keeps is a kept setting, and
// writing the edits out and reading them again gives the same edits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/offline_edits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    aec::OfflineEdits edits;
    edits.recordText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const aec::OfflineEdit& e : edits.edits()) {
        if (!aec::OfflineEdits::keeps(e.address) || e.address < 0) {
            std::abort();
        }
    }
    aec::OfflineEdits again;
    again.recordText(edits.text());
    if (again.edits() != edits.edits()) {
        std::abort();
    }
    return 0;
}
