#include "tools/preset_commands.h"

#include <ostream>

#include "core/model.h"
#include "presets/preset_file.h"

namespace aec::tool {

namespace {

constexpr int kEnglish = 0;

int Report(const PresetResult& result, std::ostream& err) {
    err << PresetMessage(result.error, kEnglish) << '\n';
    return kExitFailed;
}

}  // namespace

int RunInit(const std::filesystem::path& file, std::ostream& err) {
    Model model;
    model.ResetEqBands(kAllPages);
    const PresetResult result = SavePresetFile(file, model);
    return result.ok() ? kExitOk : Report(result, err);
}

int RunShow(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    const ParsedPreset parsed = ParsePresetFile(file);
    if (!parsed.result.ok()) return Report(parsed.result, err);
    for (const PresetRecord& record : parsed.records) {
        out << PageOf(record.address) << ' ' << SlotOf(record.address) << ' ' << record.value
            << '\n';
    }
    return kExitOk;
}

}  // namespace aec::tool
