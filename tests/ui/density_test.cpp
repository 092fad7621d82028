// The window at twice the pixel density (this program runs with QT_SCALE_FACTOR=2): the layout
// is the same in logical pixels and the graph picture holds two device pixels per logical one.
#include "editor_fixture.h"

namespace aec::test {
namespace {

using DensityTest = EditorTest;

TEST_F(DensityTest, GraphIsDrawnAtTheScreensDensityInAnUnchangedLayout) {
    ASSERT_EQ(window->devicePixelRatioF(), 2.0);
    EXPECT_EQ(window->size(), QSize(TForm1::kClientWidth, TForm1::kClientHeight));
    EXPECT_EQ(w("AdvPanel2")->size(), QSize(883, 268));
    const QImage& picture = window->graph().image()->picture();
    EXPECT_EQ(picture.size(), QSize(1766, 536));
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    // The markers keep their logical places.
    const MarkerPlacement& first = window->graph().graph().markers()[0];
    EXPECT_EQ(window->parts().graph.markers[0]->pos(), QPoint(first.left, first.top));

    window->RzBmpButton1Click();  // maximised: a larger plot, still at the screen's density
    const QSize plot = w("AdvPanel2")->size();
    EXPECT_EQ(window->graph().image()->picture().size(), plot * 2);
    window->RzBmpButton1Click();
    EXPECT_EQ(window->graph().image()->picture().size(), QSize(1766, 536));
}

TEST_F(DensityTest, APictureOfAnotherDensityIsDrawnAgain) {
    // As after a move from a screen of another scale: the picture was drawn for ratio 1.
    ResponseGraph& graph = window->graph().graph();
    graph.setDevicePixelRatio(1.0);
    graph.resizePlot(w("AdvPanel2")->size());
    window->graph().BuildGraphBackground(kBackgroundRebuild);
    ASSERT_EQ(window->graph().image()->picture().devicePixelRatio(), 1.0);
    window->graph().image()->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->graph().image()->picture().devicePixelRatio(), 2.0);
    EXPECT_EQ(window->graph().image()->picture().size(), QSize(1766, 536));
}

}  // namespace
}  // namespace aec::test
