#include "presets/volume_rules.h"

#include <cmath>

#include "core/number_format.h"

namespace aec {

namespace {
constexpr double kMarkerScale = 1.89;
constexpr int kMarkerOrigin = 53;
}  // namespace

int VolumeMarkerPosition(int position) {
    return static_cast<int>(std::lround(position * kMarkerScale + kMarkerOrigin));
}

int VolumeBarPositionOfMarker(int x) {
    return static_cast<int>(RoundHalfEven((x - kMarkerOrigin) / kMarkerScale));
}

// Positions are read afresh after every move: a move runs the moved bar's own handling first,
// which sends that bar's value, so every bar that ends up adjusted reaches the processor.
void VolumeBarChange(VolumeGroup& group, VolumeRole role, Model& model, ParameterSink& sink) {
    const auto pos = [&](VolumeRole r) { return group.Position(r); };
    if (!model.refreshing()) {
        // The normal volume may fall freely but rises by at most one step per change.
        if (role == VolumeRole::kNormal) {
            const int shown = group.DisplayedValue(VolumeRole::kNormal);
            if (pos(VolumeRole::kNormal) > shown) {
                group.SetPosition(VolumeRole::kNormal, shown + 1);
            }
        }
        const auto limit = [&](VolumeRole r) {
            if (pos(r) > pos(VolumeRole::kMaximum)) {
                group.SetPosition(r, pos(VolumeRole::kMaximum));
            }
        };
        if (role == VolumeRole::kNormal || role == VolumeRole::kStart) {
            limit(role);
        } else {
            limit(VolumeRole::kStart);
            limit(VolumeRole::kNormal);
        }
    }
    group.ShowValue(role, pos(role));
    group.SetDisplayedValue(role, pos(role));
    group.PlaceMarkers(VolumeMarkerPosition(pos(VolumeRole::kStart)),
                       VolumeMarkerPosition(pos(VolumeRole::kMaximum)));
    if (role != VolumeRole::kNormal) {
        group.ShowLabelValue(pos(role));
    }
    if (model.refreshing()) {
        model.StoreValue(group.Address(role), pos(role));
    } else {
        sink.SetParameter(group.Address(role), pos(role));
    }
}

}  // namespace aec
