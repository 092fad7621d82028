#pragma once
// A strip of equaliser band columns: point label, mode box, frequency, gain, gain slider with
// the mode letters, and Q with its spin buttons. Built from a table, one column per band.

#include <QWidget>

#include "ui/widgets/control_factory.h"

namespace aec {

// Name patterns of a band's controls ("%1" is the band number).
struct BandNames {
    const char* modeBox;
    const char* freqEdit;
    const char* gainEdit;
    const char* qEdit;
    const char* gainBar;
    const char* spin;
    const char* modeLabels[4];  // "BY", "P", "LS", "HS"
    const char* pointLabel;
};

// Names of the four row captions (type, frequency, gain, Q) left of the columns.
struct BandRowLabels {
    const char* type;
    const char* freq;
    const char* gain;
    const char* q;
};

struct BandStripSpec {
    BandNames names;
    BandRowLabels rowLabels;
    int firstBand = 1;                // number of the first column's band
    int bands = 1;                    // columns in the strip
    int visible = 1;                  // columns in view at once
    bool dynamicModes = false;        // Dynamic EQ mode items
    const char* scrollBox = nullptr;  // scrolling strips only
    const char* scrollBar = nullptr;
    int scrollMax = 0;
};

inline constexpr int kBandColumnWidth = 65;  // also the scroll step of the strips
inline constexpr int kBandRowLabelWidth = 38;

// Builds the strip at (x, y) in `parent`, `height` pixels high (the scroll slider included).
// Returns the strip's width.
int BuildBandStrip(ControlFactory& f, QWidget* parent, int x, int y, int height,
                   const BandStripSpec& plan);

}  // namespace aec
