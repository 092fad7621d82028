#include "presets/volume_rules.h"

#include <algorithm>
#include <cmath>

#include "core/number_format.h"

namespace aec {

namespace {
constexpr double kMarkerScale = 1.89;
}  // namespace

int volumeMarkerPosition(int position) {
    return static_cast<int>(std::lround(position * kMarkerScale + kMarkerLeftmost));
}

int volumeBarPositionOfMarker(int x) {
    return static_cast<int>(roundHalfEven((x - kMarkerLeftmost) / kMarkerScale));
}

int draggedMarkerX(int markerX, int pressX, int pointerX) {
    return std::clamp(markerX, kMarkerLeftmost, kMarkerRightmost) + (pointerX - pressX);
}

// Positions are read afresh after every move: a move runs the moved bar's own handling first,
// which sends that bar's value, so every bar that ends up adjusted reaches the processor.
void volumeBarChange(VolumeGroup& group, VolumeRole role, Model& model, ParameterSink& sink) {
    const auto pos = [&](VolumeRole r) { return group.position(r); };
    if (!model.refreshing()) {
        // The normal volume may fall freely but rises by at most one step per change.
        if (role == VolumeRole::kNormal) {
            const int shown = group.displayedValue(VolumeRole::kNormal);
            if (pos(VolumeRole::kNormal) > shown) {
                group.setPosition(VolumeRole::kNormal, shown + 1);
            }
        }
        const auto limit = [&](VolumeRole r) {
            if (pos(r) > pos(VolumeRole::kMaximum)) {
                group.setPosition(r, pos(VolumeRole::kMaximum));
            }
        };
        if (role == VolumeRole::kNormal || role == VolumeRole::kStart) {
            limit(role);
        } else {
            limit(VolumeRole::kStart);
            limit(VolumeRole::kNormal);
        }
    }
    group.showValue(role, pos(role));
    group.setDisplayedValue(role, pos(role));
    group.placeMarkers(volumeMarkerPosition(pos(VolumeRole::kStart)),
                       volumeMarkerPosition(pos(VolumeRole::kMaximum)));
    if (role != VolumeRole::kNormal) {
        group.showLabelValue(pos(role));
    }
    if (model.refreshing()) {
        model.StoreValue(group.address(role), pos(role));
    } else {
        sink.SetParameter(group.address(role), pos(role));
    }
}

}  // namespace aec
