#pragma once
// What importing a filter list does to the bands of the channel on show: the raw values each
// band gets and a line for everything that does not fit exactly.

#include <string>
#include <vector>

#include "presets/filter_parse.h"

namespace aec {

// The five raw values of one equaliser band.
struct BandValues {
    int mode = 1;  // 0 BYPSS, 1 PEQ, 2 LSEQ, 3 HSEQ
    int freq = 0;  // frequency table index
    int gain = 120;
    int q = 16;       // Q table index
    int shelfQ = 10;  // Q table index, 0 .. kShelfQMax
    bool operator==(const BandValues&) const = default;
};

// The bands a filter list is imported into.
struct ImportTarget {
    std::vector<BandValues> defaults;  // one per band: a band without a filter takes these
    int gainMin = 0;                   // raw gain range of the page's bands
    int gainMax = 180;
    std::vector<std::string> channels;  // Channel: names that mean the channel on show
};

enum class IssueKind {
    TooLarge,            // the file was refused unread
    NoFilters,           // nothing in the file can become a band
    Unreadable,          // text: the line
    UnsupportedCommand,  // text: the line
    UnsupportedType,     // text: the filter type
    TooManyFilters,      // text: the filter type
    OtherChannel,        // text: the channels the filter is for
    Preamp,              // before: the preamp gain in dB
    FilterOff,           // the band is bypassed with the filter's values
    FreqClamped,         // before/after in Hz
    FreqRounded,
    QClamped,  // before/after as Q
    QRounded,
    GainClamped,  // before/after in dB
    GainRounded,
    NoQ,           // after: the Q used
    ShelfVariant,  // text: the shelf type played as the band's shelf
    Defaults,      // before/after: first and last band number (1-based) set to defaults
};

struct ImportIssue {
    int line = 0;  // 1-based, 0 when the issue belongs to no line
    IssueKind kind = IssueKind::Unreadable;
    std::string text;
    double before = 0;
    double after = 0;
};

struct PlannedBand {
    int band = 0;  // 0-based
    int line = 0;  // line of the filter, 0 for a band set to its defaults
    BandValues values;
};

struct FilterPlan {
    FilterFormat format = FilterFormat::Unknown;
    std::vector<PlannedBand> bands;  // every band of the target when anything is imported
    std::vector<ImportIssue> issues;
    int imported = 0;  // filters that became bands
    bool applicable() const { return imported > 0; }
};

// Maps the filters onto the target's bands in file order. Nothing is planned for a file that
// gives no band; every filter, line or value that does not fit exactly gets an issue.
FilterPlan planFilterImport(const FilterFile& file, const ImportTarget& target);

// Nearest table entries by logarithmic distance; values beyond the table take its ends.
int nearestFreqIndex(double hz);
int nearestQIndex(double q, int maxIndex);

}  // namespace aec
