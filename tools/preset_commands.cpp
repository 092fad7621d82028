#include "tools/preset_commands.h"

#include <ostream>

#include "core/model.h"
#include "eq/curve_export.h"
#include "presets/preset_file.h"
#include "tools/page_view.h"

namespace aec::tool {

namespace {

constexpr int kEnglish = 0;

int report(const PresetResult& result, std::ostream& err) {
    err << presetMessage(result.error, kEnglish) << '\n';
    return kExitFailed;
}

}  // namespace

int runInit(const std::filesystem::path& file, std::ostream& err) {
    Model model;
    model.ResetEqBands(kAllPages);
    const PresetResult result = savePresetFile(file, model);
    return result.ok() ? kExitOk : report(result, err);
}

int runShow(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    const ParsedPreset parsed = parsePresetFile(file);
    if (!parsed.result.ok()) {
        return report(parsed.result, err);
    }
    for (const PresetRecord& record : parsed.records) {
        out << pageOf(record.address) << ' ' << slotOf(record.address) << ' ' << record.value
            << '\n';
    }
    return kExitOk;
}

std::optional<int> parsePage(const std::string& text) {
    if (text.empty() || text.size() > 2) {
        return std::nullopt;
    }
    int page = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        page = page * 10 + (c - '0');
    }
    if (page >= kPageCount) {
        return std::nullopt;
    }
    return page;
}

std::string pageProblem(int page, bool right) {
    if (graphBasePage(page) < 0) {
        return "page " + std::to_string(page) + " has no response graph (pages 0 to 27 have)";
    }
    if (right && !hasRightSet(page)) {
        return "--right needs page 0 (music) or 1 (Dynamic EQ)";
    }
    return {};
}

bool loadForGraph(const std::filesystem::path& file, Model& model, std::ostream& err) {
    const PresetResult result = loadPresetFile(file, model);
    if (!result.ok()) {
        report(result, err);
    }
    return result.ok();
}

int runCurve(const std::filesystem::path& file, int page, bool right, CurveFormat format,
             std::ostream& out, std::ostream& err) {
    Model model;
    model.ResetEqBands(kAllPages);
    if (!loadForGraph(file, model, err)) {
        return kExitFailed;
    }
    const int base = showDevicePage(model, page, right);
    out << pageCurveText(model, base, format);
    return kExitOk;
}

}  // namespace aec::tool
