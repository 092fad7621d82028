// Marker drags on the design-size plot: edges, the Dynamic EQ floor, the nearest table entry and
// the 3-pixel Q step.
#include "eq/point_drag.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

// The marker of a band at 1 kHz and 0 dB on the 883 x 268 plot.
constexpr int kLeft = 515;
constexpr int kTop = 82;

struct DragCase {
    const char* name;
    int dx, dy;
    MarkerMotion motion;
    double floorDb;
    MarkerDrag expected;
};

TEST(PointDrag, MarkerStepsStopAtThePlotAndReadBackItsCentre) {
    const PlotGeometry g;
    const DragCase cases[] = {
        {"far left stops at 19.5 Hz", -2000, 0, MarkerMotion::kFree, -24, {69, 82, 1, 120}},
        {"far right stops at 20600 Hz", 2000, 0, MarkerMotion::kFree, -24, {859, 82, 361, 120}},
        {"above the top is +12 dB", 0, -2000, MarkerMotion::kFree, -24, {515, -7, 204, 180}},
        {"below the bottom is -24 dB", 0, 2000, MarkerMotion::kFree, -24, {515, 261, 204, 0}},
        {"Dynamic EQ floor is -12 dB", 0, 2000, MarkerMotion::kFree, -12, {515, 171, 204, 60}},
        {"crossover keeps its row", -2000, 90, MarkerMotion::kHorizontal, -24, {69, 82, 1, 120}},
        {"fixed marker keeps its box", 40, 40, MarkerMotion::kFixed, -24, {515, 82, 204, 120}},
    };
    for (const DragCase& c : cases) {
        const MarkerDrag d = dragMarker(g, kLeft, kTop, c.dx, c.dy, c.motion, c.floorDb);
        EXPECT_EQ(d.left, c.expected.left) << c.name;
        EXPECT_EQ(d.top, c.expected.top) << c.name;
        EXPECT_EQ(d.frequencyIndex, c.expected.frequencyIndex) << c.name;
        EXPECT_EQ(d.gainCode, c.expected.gainCode) << c.name;
    }
}

TEST(PointDrag, NearestFrequencyEntryTiesGoLow) {
    const struct {
        double hz;
        int index;
    } cases[] = {
        {10, 0},       // below the table
        {20, 1},       // 20.1 is nearer than 19.7
        {100, 84},     // halfway between 99 and 101
        {1001, 204},   // 1000
        {30000, 361},  // above the table
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nearestFrequencyIndex(c.hz), c.index) << c.hz;
    }
}

TEST(PointDrag, OneQStepForEveryThreePixels) {
    EXPECT_EQ(qStepFor(100, 102), QStepDirection::kNone);
    EXPECT_EQ(qStepFor(100, 103), QStepDirection::kUp);
    EXPECT_EQ(qStepFor(100, 98), QStepDirection::kNone);
    EXPECT_EQ(qStepFor(100, 97), QStepDirection::kDown);
}

}  // namespace
}  // namespace aec
