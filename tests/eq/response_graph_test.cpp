// The response graph rendered offscreen: background, curve, markers, caption, redraw rules.
#include "eq/response_graph.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "core/model.h"
#include "eq/graph_picture.h"
#include "eq/response_curve.h"
#include "eq/spectrum_picture.h"

namespace aec::test {
namespace {

// One QGuiApplication for the whole binary; fonts and painting need it.
class GuiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { m_app = std::make_unique<QGuiApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

  private:
    int m_argc = 1;
    char m_name[16] = "eq_render_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};
[[maybe_unused]] const auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

bool isCurveColour(QRgb c) { return qRed(c) > 240 && qGreen(c) < 190 && qBlue(c) < 150; }

int bandGainSlot(int band) { return 10 + 5 * band + 2; }

class ResponseGraphTest : public ::testing::Test {
  protected:
    ResponseGraphTest() {
        model.ResetEqBands(kAllPages);
        model.SyncView();
        graph.setCaptionSizer([](const std::string&) { return QSize(41, 39); });
        graph.BuildGraphBackground(kBackgroundCreate);
    }

    Model model;
    ResponseGraph graph{model};
};

TEST_F(ResponseGraphTest, BackgroundGrid) {
    const QImage& bg = graph.background();
    EXPECT_EQ(bg.pixel(30, 40), kGraphBackgroundColour);
    EXPECT_EQ(bg.pixel(30, 0), kStrongGridColour);  // top border, rows 0 and 1
    EXPECT_EQ(bg.pixel(30, 1), kStrongGridColour);
    EXPECT_EQ(bg.pixel(30, 266), kStrongGridColour);  // bottom border, rows H-2 and H-1
    EXPECT_EQ(bg.pixel(30, 267), kStrongGridColour);
    EXPECT_EQ(bg.pixel(30, 89), kStrongGridColour);   // 0 dB
    EXPECT_EQ(bg.pixel(30, 22), kMinorGridColour);    // +9 dB at row 22.25
    EXPECT_EQ(bg.pixel(0, 40), kStrongGridColour);    // left border
    EXPECT_EQ(bg.pixel(521, 40), kStrongGridColour);  // 1 kHz, 2 pixels wide at 522
    EXPECT_EQ(bg.pixel(522, 40), kStrongGridColour);
    EXPECT_EQ(bg.pixel(523, 40), kGraphBackgroundColour);
    EXPECT_EQ(bg.pixel(79, 40), kMinorGridColour);   // 20 Hz
    EXPECT_EQ(bg.pixel(882, 40), kMinorGridColour);  // right border
    EXPECT_TRUE(graph.axisLabelsCreated());
}

TEST_F(ResponseGraphTest, FlatPageIsTheLineAtOneThirdOfTheHeight) {
    for (QSize size : {QSize(883, 268), QSize(400, 100)}) {
        graph.resizePlot(size);
        graph.BuildGraphBackground(kBackgroundRebuild);
        graph.DrawPageResponse(kAllPoints, kPageMusic);
        const int row = (size.height() - 1) / 3;
        for (const PlotPoint& p : graph.points()) {
            ASSERT_EQ(p.y, row);
        }
        EXPECT_TRUE(isCurveColour(graph.plot().pixel(size.width() / 2, row)));
        EXPECT_EQ(graph.plot().pixel(size.width() / 2, row + 4), kGraphBackgroundColour);
    }
    EXPECT_EQ(graph.axisLabels()[0].top, 35 + 99 - 6);  // labels follow the new size
}

TEST_F(ResponseGraphTest, MarkersOfPagesWithAndWithoutCrossovers) {
    graph.DrawPageResponse(kAllPoints, kPageDynamicEq);
    for (int i = 0; i < kPointCount; ++i) {
        EXPECT_EQ(graph.markers()[i].visible, i < 3) << i;
    }
    graph.DrawPageResponse(kAllPoints, kPageHint);
    for (int i = 0; i < kPointCount; ++i) {
        EXPECT_EQ(graph.markers()[i].visible, i < 5) << i;
    }
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    EXPECT_TRUE(graph.markers()[kHighPassPoint].visible);
    EXPECT_TRUE(graph.markers()[kLowPassPoint].visible);
    EXPECT_FALSE(graph.markers()[15].visible);
    EXPECT_FALSE(graph.caption().visible);
}

TEST_F(ResponseGraphTest, BandMarkerAndCaptionPlacement) {
    model.setView(0, bandGainSlot(3), 0);  // -24 dB
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    graph.DrawPageResponse(3, kPageMusic);
    const MarkerPlacement& m = graph.markers()[3];
    EXPECT_EQ(m.top + kMarkerHalf, 267);  // centred on the bottom row
    EXPECT_EQ(m.left, pixelRound(graph.geometry().x(80.3) - 7));
    EXPECT_TRUE(graph.caption().visible);
    EXPECT_EQ(graph.caption().text, "-24.0dB\rQ:1.00\r80.30Hz");
    EXPECT_EQ(graph.caption().top, m.top - 39 - 1);
    EXPECT_EQ(graph.caption().left, m.left + 7 - 20);

    graph.DrawPageResponse(4, kPageMusic);  // 0 dB: below its marker
    EXPECT_EQ(graph.caption().top, graph.markers()[4].top + kMarkerSize);
}

TEST_F(ResponseGraphTest, BypassedCrossoversShowTheirCaptionsAndDrawFlat) {
    model.setView(0, 4, 12);  // high-pass type set, frequency index 0
    model.setView(0, 6, 12);  // low-pass type set, frequency index 361
    model.setView(0, 7, 361);
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    graph.DrawPageResponse(15, kPageMusic);
    EXPECT_EQ(graph.caption().text, "HPF:19.00Hz");
    EXPECT_EQ(graph.markers()[kHighPassPoint].left, pixelRound(graph.geometry().x(19.0) - 7));
    EXPECT_EQ(graph.markers()[kHighPassPoint].top, pixelRound(89.0 - 7));
    graph.DrawPageResponse(16, kPageMusic);
    EXPECT_EQ(graph.caption().text, "LPF:20600.00Hz");
    for (const PlotPoint& p : graph.points()) {
        ASSERT_EQ(p.y, 89);
    }
}

TEST_F(ResponseGraphTest, LevelsBeyondThePlotAreClippedNotClamped) {
    for (int band = 5; band < 8; ++band) {
        model.setView(0, bandGainSlot(band), 180);
    }
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    const auto top = std::min_element(graph.points().begin(), graph.points().end(),
                                      [](PlotPoint a, PlotPoint b) { return a.y < b.y; });
    EXPECT_LT(top->y, -10);
    EXPECT_FALSE(isCurveColour(graph.plot().pixel(top->x, 0)));  // the peak left the plot
}

TEST_F(ResponseGraphTest, DragMovesNoMarkerButUpdatesCurveAndCaption) {
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    graph.DrawPageResponse(2, kPageMusic);
    model.setDragging(true);
    graph.moveMarker(2, 300, 150);
    const MarkerPlacements before = graph.markers();
    const PointsPolyline pointsBefore = graph.points();
    model.setView(0, bandGainSlot(2), 150);
    graph.DrawPageResponse(2, kPageMusic);
    EXPECT_EQ(graph.markers(), before);
    EXPECT_NE(graph.points(), pointsBefore);
    EXPECT_EQ(graph.caption().text.substr(0, 5), "6.0dB");
    EXPECT_EQ(graph.caption().top, 150 + kMarkerSize);  // follows the dragged marker
    model.setDragging(false);
    graph.DrawPageResponse(2, kPageMusic);
    EXPECT_NE(graph.markers()[2].top, 150);
}

TEST_F(ResponseGraphTest, OnlyTheRequestedEntryIsRecomputed) {
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    model.setView(0, bandGainSlot(1), 150);
    model.setView(0, bandGainSlot(6), 150);
    graph.DrawPageResponse(1, kPageMusic);
    EXPECT_NE(graph.sources()[1].curve[100], 0.0f);
    for (float v : graph.sources()[6].curve) {
        ASSERT_EQ(v, 0.0f);
    }
}

TEST_F(ResponseGraphTest, IgnoredRequests) {
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    const PointsPolyline flat = graph.points();
    model.setView(0, bandGainSlot(1), 170);
    graph.DrawPageResponse(101, kPageMusic);
    graph.DrawPageResponse(-1, kPageMusic);
    graph.DrawPageResponse(kAllPoints, kPage28);
    {
        const ScopedState::Scope quiet = model.suspendRedraws();
        graph.DrawPageResponse(kAllPoints, kPageMusic);
        EXPECT_EQ(graph.points(), flat);
    }
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    EXPECT_NE(graph.points(), flat);
}

TEST_F(ResponseGraphTest, UnderlayLiesBetweenGridAndCurve) {
    constexpr QRgb blue = qRgb(62, 62, 255);
    graph.setUnderlay([](QImage& plot, const PlotGeometry&) { plot.fill(blue); });
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    EXPECT_EQ(graph.plot().pixel(30, 40), blue);
    EXPECT_TRUE(isCurveColour(graph.plot().pixel(30, 89)));
}

TEST_F(ResponseGraphTest, PictureOfTheWholeGraph) {
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    const QImage picture = paintGraphPicture(graph);
    EXPECT_EQ(picture.size(), QSize(938, 322));
    EXPECT_EQ(picture.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(48 + 30, 35 + 40), kGraphBackgroundColour);
    const MarkerPlacement& m = graph.markers()[8];
    const QRgb centre = picture.pixel(48 + m.left + 9, 35 + m.top + 9);
    EXPECT_GT(qRed(centre), 200);
    EXPECT_LT(qBlue(centre), 120);
}

// Drawn at the screen's density: a plot of the design size holds `ratio` device pixels per
// logical pixel, grid lines cover whole device pixels, and the curve's edges blend over at most
// one device pixel (an enlarged low-density image would blend over `ratio` of them).
TEST_F(ResponseGraphTest, DrawnAtTheScreensPixelDensity) {
    struct Case {
        qreal ratio;
        QSize plot;      // device pixels of the 883 x 268 plot
        QSize picture;   // device pixels of the 938 x 322 picture
        int minorTop;    // first device row of the +9 dB line (logical row 22)
        int minorRows;   // its device rows
        int solidCurve;  // fully covered device rows of the flat 1.8-pixel curve
    };
    const Case cases[] = {
        {1.0, {883, 268}, {938, 322}, 22, 1, 1},
        {1.5, {1325, 402}, {1407, 483}, 33, 2, 2},
        {2.0, {1766, 536}, {1876, 644}, 44, 2, 2},
        {3.0, {2649, 804}, {2814, 966}, 66, 3, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ratio);
        graph.setDevicePixelRatio(c.ratio);
        graph.resizePlot(QSize(883, 268));
        graph.BuildGraphBackground(kBackgroundRebuild);
        graph.DrawPageResponse(kAllPoints, kPageMusic);
        const QImage& plot = graph.plot();
        EXPECT_EQ(plot.size(), c.plot);
        EXPECT_EQ(plot.devicePixelRatio(), c.ratio);
        EXPECT_EQ(graph.geometry().width(), 883);  // markers and labels stay logical
        const QImage picture = paintGraphPicture(graph);
        EXPECT_EQ(picture.size(), c.picture);

        const int x = static_cast<int>(30 * c.ratio);  // clear of every grid column
        EXPECT_EQ(plot.pixel(x, c.minorTop - 1), kGraphBackgroundColour);
        for (int y = c.minorTop; y < c.minorTop + c.minorRows; ++y) {
            EXPECT_EQ(plot.pixel(x, y), kMinorGridColour) << y;
        }
        EXPECT_EQ(plot.pixel(x, c.minorTop + c.minorRows), kGraphBackgroundColour);

        int solid = 0;
        int blended = 0;
        for (int y = static_cast<int>(80 * c.ratio); y < static_cast<int>(100 * c.ratio); ++y) {
            const QRgb p = plot.pixel(x, y);
            solid += p == kCurveColour ? 1 : 0;
            blended += (p != kCurveColour && p != kGraphBackgroundColour) ? 1 : 0;
        }
        EXPECT_EQ(solid, c.solidCurve);
        EXPECT_LE(blended, 2);  // one device pixel above the curve and one below
    }
}

TEST(SpectrumBars, CoverTheDevicePixelsOfTheirLogicalColumns) {
    struct Case {
        qreal ratio;
        int left;   // first device column of the bar of logical column 10 (columns 9 and 10)
        int right;  // one past its last
        int top;    // device row of its top at logical row 20
    };
    for (const Case& c : {Case{1.0, 9, 11, 20}, Case{1.5, 14, 17, 30}, Case{2.0, 18, 22, 40}}) {
        SCOPED_TRACE(c.ratio);
        QImage plot(static_cast<int>(100 * c.ratio), static_cast<int>(50 * c.ratio),
                    QImage::Format_RGB32);
        plot.setDevicePixelRatio(c.ratio);
        plot.fill(kGraphBackgroundColour);
        BarTops tops(100);
        tops[10] = 20;
        drawSpectrumBars(plot, tops);
        const int bottom = plot.height() - 1;
        EXPECT_EQ(plot.pixel(c.left - 1, bottom), kGraphBackgroundColour);
        EXPECT_EQ(plot.pixel(c.left, bottom), kSpectrumBarColour);
        EXPECT_EQ(plot.pixel(c.right - 1, c.top), kSpectrumBarColour);
        EXPECT_EQ(plot.pixel(c.right, bottom), kGraphBackgroundColour);
        EXPECT_EQ(plot.pixel(c.left, c.top - 1), kGraphBackgroundColour);
    }
}

TEST(cardinalSpline, PassesThroughItsPointsWithScaledTangents) {
    const PlotPoint pts[] = {{0, 0}, {10, 0}, {20, 30}, {30, 30}};
    const QPainterPath path = cardinalSpline(pts, 4, 0.4);
    ASSERT_EQ(path.elementCount(), 1 + 3 * 3);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(QPointF(path.elementAt(3 * i)), QPointF(pts[i].x, pts[i].y)) << i;
    }
    // Between P1 and P2: P1 + 0.4/3 (P2 - P0) and P2 - 0.4/3 (P3 - P1).
    const double k = 0.4 / 3;
    EXPECT_NEAR(path.elementAt(4).x, 10 + k * 20, 1e-9);
    EXPECT_NEAR(path.elementAt(4).y, 0 + k * 30, 1e-9);
    EXPECT_NEAR(path.elementAt(5).x, 20 - k * 20, 1e-9);
    EXPECT_NEAR(path.elementAt(5).y, 30 - k * 30, 1e-9);
}

}  // namespace
}  // namespace aec::test
