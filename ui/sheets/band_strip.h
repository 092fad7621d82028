#pragma once
// A strip of equaliser band columns: point label, mode box, frequency, gain, gain slider with
// the mode letters, and Q with its spin buttons. One description per strip, one column per band.

#include <QWidget>

#include "ui/widgets/control_factory.h"

namespace aec {

class TrackBar;
class ScrollBox;

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
    int page = 0;  // base page of the bands
    BandNames names;
    BandRowLabels rowLabels;
    int pointRow = 0;                 // row of the EQ point label list (the page kind)
    int firstBand = 1;                // number of the first column's band
    int bands = 1;                    // columns in the strip
    int visible = 1;                  // columns in view at once
    bool spinOnShelf = false;         // spin buttons bound to the shelf Q slot
    bool dynamic = false;             // Dynamic EQ bands: their mode items and gain handler
    const char* scrollBox = nullptr;  // scrolling strips only
    const char* scrollBar = nullptr;
    int scrollMax = 0;
    bool keepScrollLook = false;  // the scroll slider looks the same while disabled
};

inline constexpr int kBandColumnWidth = 65;  // also the scroll step of the strips
inline constexpr int kBandRowLabelWidth = 38;

// A strip that scrolls: its slider, the box it moves and how many bands show at once.
struct ScrollStrip {
    int sheet = 0;
    TrackBar* slider = nullptr;
    ScrollBox* box = nullptr;
    int visible = 0;
};

// What building a strip made: its width and, for scrolling strips, the scroll parts.
struct BuiltStrip {
    int width = 0;
    ScrollStrip scroll;
};

// Builds the strip at (x, y) in `parent`, `height` pixels high (the scroll slider included).
BuiltStrip buildBandStrip(ControlFactory& f, QWidget* parent, int x, int y, int height,
                          const BandStripSpec& plan);

}  // namespace aec
