// The read-out over the graph in the window: hovering shows it beside the pointer in the
// window's language; leaving the plot or pressing a marker hides it.
#include <QLabel>

#include "editor_fixture.h"

namespace aec::test {
namespace {

TEST_F(EditorTest, GraphReadoutFollowsHoverAndHidesOnLeaveAndDrag) {
    QLabel* readout = window->graphReadout().label();
    QWidget* image = w("Image1");
    EXPECT_EQ(readout->objectName(), "GraphReadout");
    EXPECT_FALSE(readout->isVisible());
    // The top-left pixel is 10 Hz at +12 dB; the flat curve is at 0 dB there. (A move to a
    // widget's (0, 0) would go to its centre; the window's position of it does not.)
    QTest::mouseMove(window.get(), image->mapTo(window.get(), QPoint(0, 0)));
    ASSERT_TRUE(readout->isVisible());
    EXPECT_EQ(readout->text(), QString::fromUtf8("10.0Hz  12.0dB\n曲线 0.0dB"));
    EXPECT_EQ(readout->pos(), QPoint(12, 12));

    // Near the bottom-right corner it flips above and to the left.
    model.setLanguageFlag(0);
    const QPoint corner(image->width() - 3, image->height() - 3);
    QTest::mouseMove(image, corner);
    EXPECT_TRUE(readout->text().endsWith("\nCurve 0.0dB"));
    EXPECT_EQ(readout->geometry().bottomRight() + QPoint(1, 1), corner - QPoint(12, 12));

    // Over a marker: shown, and clear of it; pressed, hidden while it is dragged.
    QWidget* ep2 = w("EP2");
    QTest::mouseMove(ep2, QPoint(7, 7));
    EXPECT_TRUE(readout->isVisible());
    EXPECT_FALSE(readout->geometry().intersects(ep2->geometry()));
    QTest::mousePress(ep2, Qt::LeftButton, {}, QPoint(7, 7));
    QTest::mouseMove(ep2, QPoint(27, 7));
    EXPECT_FALSE(readout->isVisible());
    QTest::mouseRelease(ep2, Qt::LeftButton, {}, QPoint(7, 7));
    QTest::mouseMove(image, QPoint(100, 20));
    EXPECT_TRUE(readout->isVisible());

    // Out of the plot, onto the command strip.
    QTest::mouseMove(w("EQResetBtn"), QPoint(3, 3));
    EXPECT_FALSE(readout->isVisible());
}

}  // namespace
}  // namespace aec::test
