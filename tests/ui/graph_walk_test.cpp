// The response graph on the window: the page it draws and the markers it shows on every tab,
// and the redraw of the last edit by the graph timer.
#include "editor_fixture.h"
#include "eq/graph_layout.h"

namespace aec::test {
namespace {

using GraphTest = EditorTest;

TEST_F(GraphTest, EveryTabDrawsItsPageWithItsMarkers) {
    w("FormHintTabBtn")->show();
    struct Expect {
        int tab;
        int page;
        int bands;
        bool crossovers;
    };
    const Expect walk[] = {{kTabMusic, 0, 15, true},    {kTabDynamicEq, 1, 3, false},
                           {kTabMicA, 2, 20, true},     {kTabMicB, 2, 20, true},
                           {kTabEffect, 4, 7, true},    {kTabMain, 6, 10, true},
                           {kTabSurround, 6, 10, true}, {kTabCenter, 6, 10, true},
                           {kTabSub, 6, 10, true},      {kTabHint, 25, 5, false}};
    for (const Expect& e : walk) {
        selectTab(e.tab);
        GraphView& graph = window->graph();
        EXPECT_EQ(graph.page(), e.page) << e.tab;
        EXPECT_EQ(graph.graph().counts().bands, e.bands) << e.tab;
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(window->parts().graph.markers[i]->isVisible(), i < e.bands)
                << e.tab << " EP" << i + 1;
        }
        EXPECT_EQ(w("HPF")->isVisible(), e.crossovers) << e.tab;
        EXPECT_EQ(w("LPF")->isVisible(), e.crossovers) << e.tab;
        EXPECT_FALSE(w("EQlabel")->isVisible());
        EXPECT_EQ(window->graph().image()->picture(), graph.graph().plot());
    }
}

TEST_F(GraphTest, AxisLabelsSitAroundThePlot) {
    auto* top = w<QLabel>("EQLabelY6");
    auto* bottom = w<QLabel>("EQLabelY0");
    EXPECT_EQ(top->text(), "12dB");
    EXPECT_EQ(bottom->text(), "-24dB");
    EXPECT_EQ(top->parentWidget(), w("AdvPanel1"));
    EXPECT_EQ(top->x(), 48 - 34);
    EXPECT_EQ(w<QLabel>("EQLabelX16")->text(), "1KHz");
    EXPECT_EQ(w("EQLabelX16")->y(), 35 + 268);
}

TEST_F(GraphTest, TheTimerRedrawsTheLastEditedBand) {
    const QPoint before = w("EP3")->pos();
    typeInto("MusGainEdit3", "6");
    EXPECT_EQ(w("EP3")->pos(), before);  // nothing moves until the timer runs
    window->Timer1Timer();
    const PlotGeometry& g = window->graph().graph().geometry();
    EXPECT_EQ(w("EP3")->x(), before.x());
    EXPECT_EQ(w("EP3")->y(), pixelRound(g.y(6) - kMarkerHalf));
    EXPECT_TRUE(w("EQlabel")->isVisible());
    EXPECT_TRUE(w<QLabel>("EQlabel")->text().startsWith("6.0dB\nQ:1.00\n"));
    // The caption sits below a point at 0 dB or more.
    EXPECT_EQ(w("EQlabel")->y(), w("EP3")->y() + kMarkerSize);
}

TEST_F(GraphTest, CrossoverSlidersMoveTheirMarkers) {
    const int before = w("HPF")->x();
    w<QSlider>("MusHPFREBar")->setValue(120);
    window->Timer1Timer();
    EXPECT_GT(w("HPF")->x(), before);
}

TEST_F(GraphTest, ResizeRebuildsThePlotAndKeepsTheCurrentPointCaption) {
    typeInto("MusGainEdit2", "-3");
    window->Timer1Timer();
    window->resize(1400, 700);
    EXPECT_EQ(w("AdvPanel2")->size(), QSize(883 + 196, 268 + 91));
    EXPECT_EQ(window->graph().graph().plot().size(), w("AdvPanel2")->size());
    EXPECT_TRUE(w("EQlabel")->isVisible());
    EXPECT_TRUE(w<QLabel>("EQlabel")->text().startsWith("-3.0dB"));
    const PlotGeometry& g = window->graph().graph().geometry();
    EXPECT_EQ(w("EP2")->y(), pixelRound(g.y(-3) - kMarkerHalf));
    // Below 0 dB the caption sits above the point.
    EXPECT_EQ(w("EQlabel")->y(), w("EP2")->y() - w("EQlabel")->height() - 1);
}

}  // namespace
}  // namespace aec::test
