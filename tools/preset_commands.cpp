#include "tools/preset_commands.h"

#include <cstdio>
#include <ostream>

#include "core/model.h"
#include "eq/curve_sources.h"
#include "presets/preset_file.h"
#include "tools/page_view.h"

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
    if (!parsed.result.ok()) {
        return Report(parsed.result, err);
    }
    for (const PresetRecord& record : parsed.records) {
        out << PageOf(record.address) << ' ' << SlotOf(record.address) << ' ' << record.value
            << '\n';
    }
    return kExitOk;
}

std::optional<int> ParsePage(const std::string& text) {
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

std::string PageProblem(int page, bool right) {
    if (GraphBasePage(page) < 0) {
        return "page " + std::to_string(page) + " has no response graph (pages 0 to 27 have)";
    }
    if (right && !HasRightSet(page)) {
        return "--right needs page 0 (music) or 1 (Dynamic EQ)";
    }
    return {};
}

bool LoadForGraph(const std::filesystem::path& file, Model& model, std::ostream& err) {
    const PresetResult result = LoadPresetFile(file, model);
    if (!result.ok()) {
        Report(result, err);
    }
    return result.ok();
}

int RunCurve(const std::filesystem::path& file, int page, bool right, std::ostream& out,
             std::ostream& err) {
    Model model;
    model.ResetEqBands(kAllPages);
    if (!LoadForGraph(file, model, err)) {
        return kExitFailed;
    }
    const int base = ShowDevicePage(model, page, right);
    CurveSourceTable table{};
    const BandCurve sum = SumCurves(table, ComputePageCurves(model, base, table));
    char line[64];
    for (int g = 0; g < ResponseGrid::kPoints; ++g) {
        std::snprintf(line, sizeof line, "%.2f\t%.3f\n", GridIndexToFreq(g), double{sum[g]});
        out << line;
    }
    return kExitOk;
}

}  // namespace aec::tool
