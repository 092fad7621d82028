#pragma once
// The summed response of a page for a store other than the editor's own (the A/B slot not in
// use), seen through the same selection as the page on show.

#include "core/selection.h"
#include "core/store.h"
#include "eq/band_curve.h"

namespace aec {

// Summed curve of base page `page` (0..27) for `params` under `selection`.
BandCurve storeResponse(const Store& params, const Selection& selection, int page);

}  // namespace aec
