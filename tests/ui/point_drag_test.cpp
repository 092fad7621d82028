// Dragging the graph's markers in the window: values go through the bound controls, markers
// stop at the plot's edges, sheets, "EQ PASS" and automatic outputs hold markers still, and
// every release ends the drag.
#include "editor_fixture.h"
#include "ui/widgets/point_image.h"

namespace aec::test {
namespace {

constexpr QPoint kCentre{7, 7};

// Music band 1's frequency, gain and Q slots; the high-pass frequency slot.
constexpr int kMusFreq1 = 11;
constexpr int kMusGain1 = 12;
constexpr int kMusQ1 = 13;
constexpr int kMusFreq2 = 16;
constexpr int kMusGain2 = 17;
constexpr int kMusHighPassFreq = 5;

class PointDragTest : public EditorTest {
  protected:
    PointImage* marker(const char* name) { return w<PointImage>(name); }
    // A press at the marker's centre, one move by `by`, a release where the mouse went.
    void drag(const char* name, QPoint by, Qt::MouseButton button = Qt::LeftButton) {
        PointImage* m = marker(name);
        QTest::mousePress(m, button, {}, kCentre);
        QTest::mouseMove(m, kCentre + by);
        QTest::mouseRelease(m, button, {}, kCentre);
    }
    bool sentTo(int address) const {
        for (const auto& [a, v] : sink.sent) {
            if (a == address) {
                return true;
            }
        }
        return false;
    }
    QString current() const {
        EditBox* e = window->sync().currentEdit();
        return e ? e->objectName() : QString();
    }
};

TEST_F(PointDragTest, BandDragsStopAtThePlotEdges) {
    // One after another from 1 kHz (marker at 515, 82) and 0 dB.
    const struct {
        const char* name;
        QPoint by;
        int freq, gain;
        QPoint at;
    } cases[] = {
        {"far left", {-2000, 0}, 1, 120, {69, 82}},
        {"far right", {2000, 0}, 361, 120, {859, 82}},
        {"above", {0, -2000}, 361, 180, {859, -7}},
        {"below", {0, 2000}, 361, 0, {859, 261}},
    };
    for (const auto& c : cases) {
        drag("EP1", c.by);
        EXPECT_EQ(model.view(0, kMusFreq1), c.freq) << c.name;
        EXPECT_EQ(model.view(0, kMusGain1), c.gain) << c.name;
        EXPECT_EQ(marker("EP1")->pos(), c.at) << c.name;
        EXPECT_EQ(current(), "MusFreEdit1") << c.name;  // the release selects it again
    }
    // Applied like a typed value: shown in the band's box and slider, and sent.
    EXPECT_EQ(edit("MusGainEdit1")->text(), "-24.0dB");
    EXPECT_EQ(w<QSlider>("MusEQGainBar1")->value(), 0);
    EXPECT_EQ(sink.sent.back(), std::make_pair(kMusGain1, 0));
}

TEST_F(PointDragTest, DynamicEqBandsStopAtMinus12dB) {
    selectTab(kTabDynamicEq);
    sink.sent.clear();
    drag("EP1", {0, 2000});
    EXPECT_EQ(model.view(kPageDynamicEq, 4), 60);
    EXPECT_EQ(marker("EP1")->y(), 171);
}

TEST_F(PointDragTest, CrossoverMovesOnlySideways) {
    const int top = marker("HPF")->y();
    drag("HPF", {120, 80});
    EXPECT_EQ(marker("HPF")->y(), top);
    ASSERT_FALSE(sink.sent.empty());
    for (const auto& [address, value] : sink.sent) {
        EXPECT_EQ(address, kMusHighPassFreq);
    }
    EXPECT_GT(model.view(0, kMusHighPassFreq), 0);
}

TEST_F(PointDragTest, EqPassHoldsMusicMarkersButNotMicCrossovers) {
    const struct {
        int tab;
        int passSlot;
        const char* marker;
        bool moves;
    } cases[] = {
        {kTabMusic, 9, "EP1", false},
        {kTabMusic, 9, "HPF", false},
        {kTabMicA, 14, "EP1", false},
        {kTabMicA, 14, "HPF", true},
    };
    for (const auto& c : cases) {
        selectTab(c.tab);
        const int page = window->graph().page();
        model.setView(page, c.passSlot, 1);
        sink.sent.clear();
        const QPoint before = marker(c.marker)->pos();
        drag(c.marker, {60, 40});
        EXPECT_EQ(marker(c.marker)->pos() != before, c.moves) << c.tab << c.marker;
        EXPECT_EQ(!sink.sent.empty(), c.moves) << c.tab << c.marker;
        model.setView(page, c.passSlot, 0);
    }
}

TEST_F(PointDragTest, AutomaticOutputsHoldTheirMarkers) {
    selectTab(kTabMain);
    sink.sent.clear();
    const QString before = current();
    const QPoint at = marker("EP1")->pos();
    drag("EP1", {50, 50});
    drag("EP1", {5, 0}, Qt::RightButton);
    EXPECT_EQ(marker("EP1")->pos(), at);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(current(), before);

    model.setView(kPageMusic, 160, 1);  // manual set-up
    drag("EP1", {50, 50});
    EXPECT_NE(marker("EP1")->pos(), at);
    EXPECT_FALSE(sink.sent.empty());
}

TEST_F(PointDragTest, RightDragStepsQEveryThreePixelsAndReselectsTheQBox) {
    const struct {
        int dx;
        int steps;
    } cases[] = {{2, 0}, {3, 1}, {-3, -1}};
    for (const auto& c : cases) {
        const int q = model.view(0, kMusQ1);
        PointImage* m = marker("EP1");
        QTest::mousePress(m, Qt::RightButton, {}, kCentre);
        EXPECT_EQ(current(), "MusQEdit1");
        QTest::mouseMove(m, kCentre + QPoint(c.dx, 0));
        QTest::mouseRelease(m, Qt::RightButton, {}, kCentre + QPoint(c.dx, 0));
        EXPECT_EQ(model.view(0, kMusQ1), q + c.steps) << c.dx;
        EXPECT_FALSE(window->pointEditor().rightMode());
        EXPECT_EQ(current(), "MusQEdit1");
    }
    // A crossover has no Q to step.
    QTest::mousePress(marker("HPF"), Qt::RightButton, {}, kCentre);
    EXPECT_FALSE(window->pointEditor().rightMode());
    QTest::mouseRelease(marker("HPF"), Qt::RightButton, {}, kCentre);
}

TEST_F(PointDragTest, BandTwoAfterBandOneAppliesItsOwnDrop) {
    drag("EP1", {2000, -2000});
    drag("EP2", {2000, -2000});
    EXPECT_EQ(model.view(0, kMusFreq2), 361);
    EXPECT_EQ(model.view(0, kMusGain2), 180);
    EXPECT_TRUE(sentTo(kMusFreq2));
}

TEST_F(PointDragTest, OnlyALeftPressStartsADragAndEveryReleaseEndsIt) {
    PointImage* m = marker("EP1");
    const QPoint at = m->pos();
    for (Qt::MouseButton button : {Qt::MiddleButton, Qt::RightButton}) {
        QTest::mousePress(m, button, {}, kCentre);
        EXPECT_FALSE(model.dragging()) << button;
        QTest::mouseMove(m, kCentre + QPoint(40, 40));
        QTest::mouseRelease(m, button, {}, kCentre + QPoint(40, 40));
        EXPECT_EQ(m->pos(), at) << button;
    }
    QTest::mousePress(m, Qt::LeftButton, {}, kCentre);
    EXPECT_TRUE(model.dragging());
    QTest::mouseRelease(m, Qt::MiddleButton, {}, kCentre);
    EXPECT_FALSE(model.dragging());
}

TEST_F(PointDragTest, CurveAndCaptionFollowADragWhileTheTimerLeavesTheMarker) {
    PointImage* m = marker("EP1");
    auto* caption = w<QLabel>("EQlabel");
    const PointsPolyline flat = window->graph().graph().points();
    QTest::mousePress(m, Qt::LeftButton, {}, kCentre);
    const QString pressed = caption->text();
    QTest::mouseMove(m, kCentre + QPoint(30, -30));
    EXPECT_NE(window->graph().graph().points(), flat);
    EXPECT_NE(caption->text(), pressed);
    const QPoint dropped = m->pos();
    window->Timer1Timer();
    EXPECT_EQ(m->pos(), dropped);
    QTest::mouseRelease(m, Qt::LeftButton, {}, kCentre);
    window->Timer1Timer();
    EXPECT_TRUE(caption->isVisible());
}

TEST_F(PointDragTest, PointLabelsThatNameNoBandStartNothing) {
    Label* label = w<Label>("MusEQPointLabel1");
    for (const char* caption : {"x", "16", "0"}) {
        label->setText(caption);
        const QString before = current();
        const QPoint at = marker("EP1")->pos();
        drag("EP1", {40, 40});
        EXPECT_EQ(marker("EP1")->pos(), at) << caption;
        EXPECT_TRUE(sink.sent.empty()) << caption;
        EXPECT_EQ(current(), before) << caption;
    }
}

}  // namespace
}  // namespace aec::test
