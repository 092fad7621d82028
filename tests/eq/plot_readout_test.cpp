// The read-out under the mouse: the plot's inverse mapping, the curve's level between grid
// points, the text, and where the box goes near the plot's edges and its markers.
#include "eq/plot_readout.h"

#include <gtest/gtest.h>

#include <vector>

namespace aec::test {
namespace {

// 2 pixels per grid step and 1 dB per row: the grid's middle is column 462, 0 dB row 12.
const PlotGeometry kPlot(924, 37);

TEST(PlotReadout, InverseMappingAtCornersAndMiddle) {
    BandCurve sum{};
    sum[0] = -2;
    sum[231] = 2;
    sum[232] = 4;
    sum[ResponseGrid::kIntervals] = 5;
    struct Row {
        int column, row;
        double hz, db, curveDb;
    };
    const Row rows[] = {
        {0, 0, 10.0, 12.0, -2.0},     {924, 0, 24000.0, 12.0, 5.0},
        {0, 36, 10.0, -24.0, -2.0},   {924, 36, 24000.0, -24.0, 5.0},
        {462, 12, 489.898, 0.0, 2.0}, {463, 30, 494.042, -18.0, 3.0},  // between two points
    };
    for (const Row& r : rows) {
        const ReadoutValues v = readoutAt(kPlot, sum, r.column, r.row);
        EXPECT_NEAR(v.hz, r.hz, 1e-3 * r.hz) << r.column;
        EXPECT_NEAR(v.db, r.db, 1e-9) << r.row;
        EXPECT_NEAR(v.curveDb, r.curveDb, 1e-6) << r.column;
    }
    // Beyond the grid the end points hold.
    EXPECT_EQ(curveLevelAt(sum, 2.0), -2.0);
    EXPECT_EQ(curveLevelAt(sum, 96000.0), 5.0);
}

TEST(PlotReadout, Text) {
    struct Row {
        ReadoutValues values;
        int language;
        const char* text;
    };
    const Row rows[] = {
        {{1250, -3.2, -1.44}, 0, "1.25kHz  -3.2dB\nCurve -1.4dB"},
        {{45.26, 6, -0.01}, 1, "45.3Hz  6.0dB\n曲线 0.0dB"},
        {{999.96, 12, 0}, 0, "1.00kHz  12.0dB\nCurve 0.0dB"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(readoutText(r.values, r.language), r.text);
    }
}

TEST(PlotReadout, PlacementFlipsAtEdgesAndKeepsClear) {
    const PlotGeometry plot;  // 883 x 268
    const PlotBox whole{0, 0, 883, 268};
    struct Row {
        const char* what;
        int column, row;
        std::vector<PlotBox> keepClear;
        PlotBox box;
    };
    const Row rows[] = {
        {"middle: below right", 400, 100, {}, {412, 112, 100, 30}},
        {"right edge: below left", 850, 100, {}, {738, 112, 100, 30}},
        {"bottom edge: above right", 400, 250, {}, {412, 208, 100, 30}},
        {"bottom-right corner: above left", 870, 260, {}, {758, 218, 100, 30}},
        {"marker below right: above right", 400, 100, {{420, 115, 14, 14}}, {412, 58, 100, 30}},
        {"markers right: below left",
         400,
         100,
         {{420, 115, 14, 14}, {500, 80, 14, 14}},
         {288, 112, 100, 30}},
        {"nowhere clear: first inside", 400, 100, {whole}, {412, 112, 100, 30}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(placeReadout(plot, r.column, r.row, 100, 30, r.keepClear), r.box) << r.what;
    }
    // A plot smaller than the box keeps the box's corner on it.
    EXPECT_EQ(placeReadout(PlotGeometry(80, 20), 40, 10, 100, 30, {}), (PlotBox{0, 0, 100, 30}));
}

}  // namespace
}  // namespace aec::test
