#include "ui/rules/point_rules.h"

#include <array>

#include "core/addresses.h"
#include "core/pages.h"
#include "ui/rules/control_spec.h"
#include "ui/rules/strip_rules.h"
#include "ui/rules/tab_selector.h"

namespace aec {

namespace {

// Per sheet: the last band marker, and whether the markers after it keep still (or only move
// sideways, as crossovers do).
struct SheetMarkers {
    int sheet;
    int lastBand;
    bool othersFixed;
};
constexpr std::array<SheetMarkers, 6> kSheetMarkers = {{
    {kSheetMusic, 14, false},
    {kSheetMic, 19, false},
    {kSheetEffect, 6, false},
    {kSheetOutput, 9, false},
    {kSheetHint, 4, true},
    {kSheetDynamicEq, 2, true},
}};

}  // namespace

MarkerMotion markerMotion(int sheet, int tag, bool eqPass) {
    for (const SheetMarkers& s : kSheetMarkers) {
        if (s.sheet != sheet) {
            continue;
        }
        // The music sheet's bypass also holds its crossovers.
        if (eqPass && (tag <= s.lastBand || sheet == kSheetMusic)) {
            return MarkerMotion::kFixed;
        }
        if (tag <= s.lastBand) {
            return MarkerMotion::kFree;
        }
        return s.othersFixed ? MarkerMotion::kFixed : MarkerMotion::kHorizontal;
    }
    return MarkerMotion::kFree;
}

bool outputsLocked(const Model& model, int sheet) {
    return sheet == kSheetOutput &&
           model.view(pageOf(kManualOutputsAddress), slotOf(kManualOutputsAddress)) == 0;
}

bool eqPassOn(const Model& model, int page) {
    const std::optional<int> address = eqPassAddress(page);
    return address && model.view(pageOf(*address), slotOf(*address)) != 0;
}

int pointLabelRow(const Model& model, int page) {
    const KindOfPage kind = PageKind(makeAddress(page, 0));
    if (kind == KindOfPage::kEffect && model.selection.curEffectPage == kPageReverb) {
        return kReverbPointRow;
    }
    return kindIndex(kind);
}

std::optional<int> pointBandAddress(int page, int tag, int bandNumber, int subSlot) {
    if (bandNumber < 1 || bandNumber > pageBands(page)) {
        return std::nullopt;
    }
    const int band = page == kPageDynamicEq ? tag : bandNumber - 1;
    return makeAddress(page, BandSlot(firstEqSlot(page), band, subSlot));
}

}  // namespace aec
