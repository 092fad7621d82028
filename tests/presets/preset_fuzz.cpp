// Feeds arbitrary bytes to the preset loader; a load must either apply or leave the Model alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "presets/preset_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    aec::Model model;
    model.diagnosticLog.append("before");
    const aec::Store before = model.paramStore();
    const aec::PresetResult result = aec::loadPresetText(text, model);
    if (!result.ok()) {
        if (model.paramStore() != before || model.diagnosticLog.lines().size() != 1) {
            std::abort();
        }
        return 0;
    }
    // An accepted file logs one line per record and saves back to a file that loads the same.
    const aec::ParsedPreset parsed = aec::parsePreset(text);
    if (model.diagnosticLog.lines().size() != parsed.records.size()) {
        std::abort();
    }
    aec::Model again;
    if (!aec::loadPresetText(aec::presetFileText(model), again).ok()) {
        std::abort();
    }
    if (again.param(30, 20) != model.param(30, 20)) {
        std::abort();
    }
    return 0;
}
