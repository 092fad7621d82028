#include "eq/point_drag.h"

#include <algorithm>
#include <cmath>

#include "core/scale_tables.h"

namespace aec {

namespace {

constexpr double kGainSteps = 5;  // gain codes per dB
constexpr int kQStepPixels = 2;   // travel beyond this takes a step

}  // namespace

MarkerDrag dragMarker(const PlotGeometry& g, int left, int top, int dx, int dy, MarkerMotion motion,
                      double floorDb) {
    MarkerDrag d{left, top, 0, 0};
    if (motion != MarkerMotion::kFixed) {
        d.left += dx;
    }
    if (motion == MarkerMotion::kFree) {
        d.top += dy;
    }
    d.top = std::clamp(d.top, -kMarkerHalf, g.height() - kMarkerHalf);
    if (d.left < g.x(kDragLowestHz) - kMarkerHalf) {
        d.left = pixelRound(g.x(kDragLowestHz)) - kMarkerHalf;
    }
    double hz = std::nearbyint(g.f(d.left + kMarkerHalf));
    if (hz > kDragHighestHz) {
        hz = kDragHighestHz;
        d.left = pixelRound(g.x(kDragHighestHz) - kMarkerHalf);
    }
    double db = std::clamp(g.v(d.top + kMarkerHalf), double(kLevelBottom), double(kLevelTop));
    if (db < floorDb) {
        db = floorDb;
        d.top = pixelRound(g.y(floorDb) - kMarkerHalf);
    }
    d.frequencyIndex = nearestFrequencyIndex(hz);
    d.gainCode = static_cast<int>(std::nearbyint((db - kLevelBottom) * kGainSteps));
    return d;
}

int nearestFrequencyIndex(double hz) {
    const auto above = std::find_if(kFreqTable.begin(), kFreqTable.end(),
                                    [hz](const ScaleEntry& e) { return e.value >= hz; });
    if (above == kFreqTable.end()) {
        return kFreqMax;
    }
    const int i = static_cast<int>(above - kFreqTable.begin());
    if (i > 0 && hz - kFreqTable[i - 1].value <= above->value - hz) {
        return i - 1;
    }
    return i;
}

QStepDirection qStepFor(int lastStepX, int x) {
    if (x - lastStepX > kQStepPixels) {
        return QStepDirection::kUp;
    }
    if (lastStepX - x > kQStepPixels) {
        return QStepDirection::kDown;
    }
    return QStepDirection::kNone;
}

}  // namespace aec
