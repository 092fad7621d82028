// Curve sources read from ViewStore, and the pure placement rules of the graph.
#include "eq/curve_sources.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/model.h"
#include "eq/graph_layout.h"

namespace aec::test {
namespace {

// A model whose bands hold their defaults, as after start-up.
struct DefaultModel : Model {
    DefaultModel() {
        ResetEqBands(kAllPages);
        SyncView();
    }
};

TEST(CurveSources, PageTable) {
    struct Row {
        int page;
        PageCurveCounts counts;
        int highPassTypeSlot;
    };
    const Row rows[] = {{0, {15, 2}, 4},  {1, {3, 0}, -1}, {2, {20, 2}, 9}, {3, {20, 2}, 9},
                        {4, {7, 2}, 9},   {24, {7, 2}, 9}, {5, {7, 2}, 6},  {6, {10, 2}, 16},
                        {25, {5, 0}, -1}, {29, {0, 0}, -1}};
    const DefaultModel model;
    for (const Row& r : rows) {
        CurveSourceTable table{};
        EXPECT_EQ(CurveSourcesOfPage(model, kAllPoints, r.page, table), r.counts) << r.page;
        ASSERT_EQ(highPassTypeSlot(r.page), r.highPassTypeSlot) << r.page;
        if (r.highPassTypeSlot < 0) {
            continue;
        }
        // The crossover frequency pane is recorded at its entry and at the HPF / LPF point.
        for (int e : {r.counts.bands, kHighPassPoint}) {
            EXPECT_EQ(table[e].frequencyControl.address,
                      makeAddress(r.page, r.highPassTypeSlot + 1));
            EXPECT_TRUE(table[e].frequencyControl.display);
            EXPECT_FALSE(table[e].gainControl.bound());
        }
        EXPECT_EQ(table[kLowPassPoint].frequencyControl.address,
                  makeAddress(r.page, r.highPassTypeSlot + 3));
    }
}

TEST(CurveSources, BandsAndCrossoversOfTheMusicPage) {
    DefaultModel model;
    model.setView(0, 15, kBandLowShelf);  // band 1: shelf Q comes from the fifth slot
    model.setView(0, 17, 130);
    model.setView(0, 18, 50);
    model.setView(0, 19, 4);
    model.setView(0, 4, 3);  // high-pass type, frequency index still 0
    model.setView(0, 6, 9);  // low-pass type
    model.setView(0, 7, 361);
    CurveSourceTable table{};
    CurveSourcesOfPage(model, kAllPoints, 0, table);
    EXPECT_EQ(table[0].type, kBandPeaking);
    EXPECT_FLOAT_EQ(table[0].frequency, 20.5f);
    EXPECT_FLOAT_EQ(table[0].gain, 0.0f);
    EXPECT_FLOAT_EQ(table[0].q, 1.0f);
    EXPECT_EQ(table[0].frequencyControl.address, 11);
    EXPECT_EQ(table[0].gainControl.address, 12);
    EXPECT_EQ(table[0].qControl.address, 13);
    EXPECT_EQ(table[1].type, kBandLowShelf);
    EXPECT_FLOAT_EQ(table[1].gain, 2.0f);
    EXPECT_FLOAT_EQ(table[1].q, 0.5f);
    EXPECT_EQ(table[15].type, kHighPassBase);  // frequency index 0 means bypass at 19 Hz
    EXPECT_FLOAT_EQ(table[15].frequency, 19.0f);
    EXPECT_EQ(table[16].type, kLowPassBase);  // 20600 Hz means bypass
    EXPECT_FLOAT_EQ(table[16].frequency, 20600.0f);
    model.setView(0, 5, 1);
    model.setView(0, 7, 360);
    CurveSourcesOfPage(model, kAllPoints, 0, table);
    EXPECT_EQ(table[15].type, kHighPassBase + 3);
    EXPECT_FLOAT_EQ(table[15].frequency, 20.1f);
    EXPECT_EQ(table[16].type, kLowPassBase + 9);
}

TEST(CurveSources, OneIndexFillsOnlyThatBand) {
    DefaultModel model;
    CurveSourceTable table{};
    CurveSourcesOfPage(model, kAllPoints, 0, table);
    model.setView(0, 10 + 5 * 2 + 2, 150);
    model.setView(0, 10 + 5 * 5 + 2, 150);
    model.setView(0, 5, 100);
    CurveSourcesOfPage(model, 2, 0, table);
    EXPECT_FLOAT_EQ(table[2].gain, 6.0f);
    EXPECT_FLOAT_EQ(table[5].gain, 0.0f);
    EXPECT_FLOAT_EQ(table[15].frequency, 135.0f);  // crossovers always follow
}

TEST(CurveSources, FollowTheSelectedOutputChannel) {
    DefaultModel model;
    model.setParam(16, 21 + 2, 60);  // Surround right, music mode 1: band 0 at -12 dB
    model.selection.musicMode = 1;
    model.selection.curOutputPage = 16;
    model.SyncView();
    CurveSourceTable table{};
    CurveSourcesOfPage(model, kAllPoints, kPageMain, table);
    EXPECT_FLOAT_EQ(table[0].gain, -12.0f);
}

TEST(CurveSources, DefaultPagesSumToAFlatLine) {
    const DefaultModel model;
    CurveSourceTable table{};
    for (int page : {0, 1, 2, 4, 5, 6, 25}) {
        const PageCurveCounts counts = computePageCurves(model, page, table);
        for (float v : sumCurves(table, counts)) {
            ASSERT_EQ(v, 0.0f) << page;
        }
    }
}

TEST(CurveSources, TableFrequencyIsRoundedHalfToEven) {
    CurveSource half;
    half.type = kBandPeaking;
    half.frequency = 20.5f;
    half.q = 4.0f;
    half.gain = 6.0f;
    computeEntryCurve(half);
    BandCurve expected;
    ComputeBandCurve(expected, kBandPeaking, 20, 4.0f, 6.0f);
    EXPECT_EQ(half.curve, expected);
}

TEST(GraphLayout, GeometryMapsBothWays) {
    for (auto [w, h] : {std::pair{883, 268}, std::pair{400, 100}}) {
        const PlotGeometry g(w, h);
        EXPECT_NEAR(g.x(10), 0.0, 1e-9);
        EXPECT_NEAR(g.x(24000), w, 1e-9);
        EXPECT_NEAR(g.f(g.x(1234.0)), 1234.0, 1e-6);
        EXPECT_DOUBLE_EQ(g.y(12), 0.0);
        EXPECT_DOUBLE_EQ(g.y(-24), h - 1);
        EXPECT_DOUBLE_EQ(g.y(0), (h - 1) / 3.0);
        EXPECT_NEAR(g.v(g.y(-7.5)), -7.5, 1e-12);
    }
}

TEST(GraphLayout, AxisLabelsAtDesignSize) {
    const AxisLabels labels = placeAxisLabels(PlotGeometry(), 48, 35);
    struct Expect {
        int i;
        const char* name;
        const char* text;
        int left;
        int top;
    };
    const Expect rows[] = {
        {0, "EQLabelY0", "-24dB", 14, 296},   {4, "EQLabelY4", "0dB", 14, 118},
        {6, "EQLabelY6", "12dB", 14, 29},     {7, "EQLabelX11", "20Hz", 109, 303},
        {12, "EQLabelX16", "1KHz", 552, 303}, {16, "EQLabelX20", "20KHz", 892, 303}};
    for (const Expect& e : rows) {
        EXPECT_EQ(labels[e.i].name, e.name);
        EXPECT_EQ(labels[e.i].text, e.text);
        EXPECT_EQ(labels[e.i].left, e.left) << e.name;
        EXPECT_EQ(labels[e.i].top, e.top) << e.name;
    }
    EXPECT_EQ(labels[0].align, AxisLabel::Align::kRight);
    EXPECT_EQ(labels[7].width, 36);
}

TEST(GraphLayout, MarkersShownByPage) {
    MarkerPlacements markers{};
    showPageMarkers({3, 0}, markers);
    for (int i = 0; i < kPointCount; ++i) {
        EXPECT_EQ(markers[i].visible, i < 3) << markerName(i);
    }
    showPageMarkers({15, 2}, markers);
    for (int i = 0; i < kPointCount; ++i) {
        EXPECT_EQ(markers[i].visible, i < 15 || i >= 20) << i;
    }
    EXPECT_EQ(markerName(0), "EP1");
    EXPECT_EQ(markerName(19), "EP20");
    EXPECT_EQ(markerName(kHighPassPoint), "HPF");
    EXPECT_EQ(markerOfEntry(15, {15, 2}), kHighPassPoint);
    EXPECT_EQ(markerOfEntry(21, {20, 2}), kLowPassPoint);
}

TEST(GraphLayout, CaptionTextAndPlacement) {
    CurveSource s;
    s.gain = -3.5f;
    s.q = 1.4f;
    s.frequency = 1000.0f;
    EXPECT_EQ(captionText(PointKind::kBand, s), "-3.5dB\rQ:1.40\r1000.00Hz");
    EXPECT_EQ(captionDisplayText("a\rb"), "a\nb");
    s.frequency = 19.0f;
    EXPECT_EQ(captionText(PointKind::kHighPass, s), "HPF:19.00Hz");
    s.frequency = 20600.0f;
    EXPECT_EQ(captionText(PointKind::kLowPass, s), "LPF:20600.00Hz");

    CaptionPlacement c;
    placeCaption({true, 100, 50}, 41, 39, 0.0f, c);
    EXPECT_EQ(c.left, 100 + 7 - 20);
    EXPECT_EQ(c.top, 64);
    placeCaption({true, 100, 50}, 41, 39, -0.2f, c);
    EXPECT_EQ(c.top, 50 - 39 - 1);
}

TEST(GraphLayout, CurvePointsAreNotClamped) {
    BandCurve sum{};
    sum[10] = 30.0f;
    sum[20] = -60.0f;
    PointsPolyline points{};
    curvePoints(PlotGeometry(), sum, points);
    EXPECT_EQ(points[0], (PlotPoint{0, 89}));
    EXPECT_EQ(points[10].y, -134);  // (12 - 30) / 36 * 267 = -133.5, half to even
    EXPECT_EQ(points[20].y, 534);
    EXPECT_EQ(points[462].x, 883);
    EXPECT_EQ(pixelRound(std::nan("")), 0);
}

}  // namespace
}  // namespace aec::test
