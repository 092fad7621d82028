#pragma once
// Where a dragged graph marker goes and what it stands for: the marker's box on the plot, the
// frequency index and gain code it points at, and the Q steps of a right-button drag.

#include "eq/graph_layout.h"
#include "eq/plot_geometry.h"

namespace aec {

// A dragged marker's centre stays between these frequencies.
inline constexpr double kDragLowestHz = 19.5;
inline constexpr double kDragHighestHz = 20600;
// The Dynamic EQ's bands go no lower than this.
inline constexpr double kDynamicEqFloorDb = -12;

// How a marker may follow the mouse on the sheet on show.
enum class MarkerMotion { kFree, kHorizontal, kFixed };

struct MarkerDrag {
    int left = 0;  // the marker's new box
    int top = 0;
    int frequencyIndex = 0;  // nearest frequency table entry of the centre
    int gainCode = 0;        // stored gain code 0..180 of the centre's level
};

// One drag step: the marker at (left, top) moved by (dx, dy) as `motion` allows, kept on the
// plot, its centre read back as a frequency index and gain code. `floorDb` is the lowest level
// a band takes (-24 dB, or -12 dB on the Dynamic EQ).
MarkerDrag dragMarker(const PlotGeometry& g, int left, int top, int dx, int dy, MarkerMotion motion,
                      double floorDb = kLevelBottom);

// Index of the frequency table entry nearest to hz; a tie goes to the lower entry.
int nearestFrequencyIndex(double hz);

// A Q step of the right-button drag: one for every 3 pixels of horizontal travel.
enum class QStepDirection { kNone, kUp, kDown };
QStepDirection qStepFor(int lastStepX, int x);

}  // namespace aec
