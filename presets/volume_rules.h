#pragma once
// The system volume bars: each source (music, microphone, effect) has a normal, a start and a
// maximum bar. The normal volume rises one step per change, start and normal never exceed the
// maximum, and the start and maximum markers follow their bars.

#include "core/model.h"
#include "core/parameter_sink.h"

namespace aec {

// The bar's Hint gives its role.
enum class VolumeRole : int { kNormal = 0, kStart = 1, kMaximum = 2 };

inline constexpr int kVolumeBarMax = 84;

// Left pixel of a marker for a bar position: position * 1.89 + 53, rounded.
int volumeMarkerPosition(int position);
// The bar position a marker at x stands for, rounded with halves to even.
int volumeBarPositionOfMarker(int x);

// Usable left pixels of a marker in its group.
inline constexpr int kMarkerLeftmost = 53;
inline constexpr int kMarkerRightmost = 211;
// A marker dragged: brought back into its range first, then moved by the pointer's travel
// since the press (pointer positions in the marker's own coordinates).
int draggedMarkerX(int markerX, int pressX, int pointerX);

// One source's three bars with their value displays, markers and value label.
class VolumeGroup {
  public:
    virtual ~VolumeGroup() = default;
    virtual int position(VolumeRole role) const = 0;
    // Moves a bar; a change of position raises that bar's change handling at once.
    virtual void setPosition(VolumeRole role, int position) = 0;
    // The value the bar's display showed last (its Hint as a number).
    virtual int displayedValue(VolumeRole role) const = 0;
    virtual void setDisplayedValue(VolumeRole role, int value) = 0;
    // Shows a position in the bar's display.
    virtual void showValue(VolumeRole role, int value) = 0;
    virtual void placeMarkers(int startX, int maximumX) = 0;
    // The value label shown while a marker is dragged.
    virtual void showLabelValue(int value) = 0;
    // The bar's parameter address (its Tag).
    virtual int address(VolumeRole role) const = 0;
};

// The change handling of one bar of a group. During a refresh the bars show what the stores
// hold: nothing is limited and the value is only stored, never sent.
void volumeBarChange(VolumeGroup& group, VolumeRole role, Model& model, ParameterSink& sink);

}  // namespace aec
