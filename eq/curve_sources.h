#pragma once
// The curve-source table: what each band and crossover of the page on show contributes to the
// response graph, read from ViewStore so it follows the selected sub-page.

#include <array>

#include "eq/band_curve.h"

namespace aec {

class Model;

// Point indexes: bands 0..19, then the crossover markers; 100 asks for every point.
inline constexpr int kPointCount = 22;
inline constexpr int kHighPassPoint = 20;
inline constexpr int kLowPassPoint = 21;
inline constexpr int kAllPoints = 100;

// A control bound to a slot, named by its base address. `display` marks the slot's second
// control (the value pane beside a crossover frequency slider) rather than its main control.
struct ControlRef {
    int address = -1;
    bool display = false;
    bool bound() const { return address >= 0; }
};

struct CurveSource {
    float gain = 0;       // dB
    float frequency = 0;  // Hz, the table value
    float q = 0;          // table Q; shelves carry their own shelf Q
    int type = 0;         // band type code, or 100 + c / 200 + c for crossovers
    BandCurve curve{};
    // Controls of the entry's frequency, gain and Q slots, which graph editing drives.
    ControlRef frequencyControl;
    ControlRef gainControl;
    ControlRef qControl;
};

using CurveSourceTable = std::array<CurveSource, kPointCount>;

// Entries of a page: bands 0..bands-1, then high-pass at `bands` and low-pass at `bands + 1`.
struct PageCurveCounts {
    int bands = 0;
    int crossovers = 0;  // 0 or 2
    int last() const { return bands - 1 + crossovers; }
    bool operator==(const PageCurveCounts&) const = default;
};

// Slot of the page's high-pass type box (the low-pass box follows two slots later), or -1
// for a page without crossovers on the graph.
int highPassTypeSlot(int page);

// Fills the table from ViewStore: every band for kAllPoints, else only band `index`; the
// crossover entries are always filled. Curves are left as they are.
PageCurveCounts CurveSourcesOfPage(const Model& model, int index, int page,
                                   CurveSourceTable& table);

// What an entry of a page is: an equaliser band, the high-pass or the low-pass filter.
enum class PointKind { kBand, kHighPass, kLowPass };
PointKind kindOfEntry(int entry, const PageCurveCounts& counts);
// Marker that shows an entry: the band's own, or HPF / LPF for the crossovers.
int markerOfEntry(int entry, const PageCurveCounts& counts);

// Recomputes the curve of one entry from its source (frequency rounded to whole Hz).
void computeEntryCurve(CurveSource& source);
// Fills every entry of a page and computes all of its curves.
PageCurveCounts computePageCurves(const Model& model, int page, CurveSourceTable& table);
// Point-by-point sum of the curves of entries 0..counts.last(), in dB.
BandCurve sumCurves(const CurveSourceTable& table, const PageCurveCounts& counts);

}  // namespace aec
