#include "eq/store_curve.h"

#include <memory>

#include "core/model.h"
#include "eq/curve_sources.h"

namespace aec {

BandCurve storeResponse(const Store& params, const Selection& selection, int page) {
    // A model of its own: the curve sources read ViewStore, which SyncView fills from the
    // store through the selection exactly as the window's does.
    auto scratch = std::make_unique<Model>();
    for (int p = 0; p < kPageCount; ++p) {
        for (int s = 0; s < kSlotCount; ++s) {
            scratch->setParam(p, s, params[p][s]);
        }
    }
    scratch->selection = selection;
    scratch->SyncView();
    CurveSourceTable table{};
    return sumCurves(table, computePageCurves(*scratch, page, table));
}

}  // namespace aec
