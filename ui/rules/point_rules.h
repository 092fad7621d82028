#pragma once
// What a press or drag on a graph marker may do on the sheet on show: which markers move, and
// which band controls a marker's band number names. Read from the stores, no widgets.

#include <optional>

#include "core/model.h"
#include "eq/point_drag.h"

namespace aec {

// How marker `tag` moves on sheet `sheet` (FormPageItem's index); `eqPass` is whether the
// page's equaliser is bypassed ("EQ PASS" shown).
MarkerMotion markerMotion(int sheet, int tag, bool eqPass);

// The main outputs are set up automatically unless the manual flag (page 0 slot 160) is set;
// then their markers neither select nor move.
bool outputsLocked(const Model& model, int sheet);

// Whether the equaliser of the page on show is bypassed, from its stored EQ pass flag.
bool eqPassOn(const Model& model, int page);

// Row of the point labels of `page` in the control tables (the reverb has a row of its own).
int pointLabelRow(const Model& model, int page);

// Base address of sub-slot `subSlot` of the band that point label caption `bandNumber` names for
// marker `tag` on `page` (the Dynamic EQ counts by the tag), or nothing when the band number
// is not one of the page's bands.
std::optional<int> pointBandAddress(int page, int tag, int bandNumber, int subSlot);

}  // namespace aec
