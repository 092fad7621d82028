// Feeds arbitrary bytes to the backup index parser: it either refuses them with no entries or
// gives an index that writes back to text it reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "presets/backup_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const aec::ParsedBackupIndex parsed = aec::parseBackupIndex(text);
    if (!parsed.ok()) {
        if (!parsed.index.entries.empty() || parsed.line < 0) {
            std::abort();
        }
        return 0;
    }
    for (const aec::BackupEntry& e : parsed.index.entries) {
        if (e.mode < 1 || e.mode > 16 || e.file.find('/') != std::string::npos) {
            std::abort();
        }
    }
    const aec::ParsedBackupIndex again = aec::parseBackupIndex(aec::backupIndexText(parsed.index));
    if (!again.ok() || again.index.entries != parsed.index.entries) {
        std::abort();
    }
    return 0;
}
