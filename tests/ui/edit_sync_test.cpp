// Editing values: typed text, arrows, spin buttons, the wheel, sliders and refreshes.
#include <QComboBox>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>

#include "editor_fixture.h"

namespace aec::test {
namespace {

using Sent = std::vector<std::pair<int, int>>;

class EditSyncTest : public EditorTest {
  protected:
    void wheel(QWidget* target, int delta) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    void chooseMode(const char* box, int mode) {
        auto* b = w<QComboBox>(box);
        b->setCurrentIndex(mode);
        emit b->activated(mode);
    }
};

TEST_F(EditSyncTest, TypedFrequenciesTakeTheNearestTableEntry) {
    typeInto("MusFreEdit1", "1000Hz");
    EXPECT_EQ(edit("MusFreEdit1")->text(), "1000Hz");
    EXPECT_EQ(model.param(0, 11), 204);
    EXPECT_EQ(sink.sent, (Sent{{11, 204}}));
    typeInto("MusFreEdit1", "1010");
    EXPECT_EQ(model.param(0, 11), 204);
    typeInto("MusFreEdit1", "1011");
    EXPECT_EQ(model.param(0, 11), 205);
    EXPECT_EQ(edit("MusFreEdit1")->text(), "1020Hz");
}

TEST_F(EditSyncTest, GainsAreLimitedAndTheSliderFollows) {
    typeInto("MusGainEdit2", "-30");
    EXPECT_EQ(edit("MusGainEdit2")->text(), "-24.0dB");
    EXPECT_EQ(model.param(0, 17), 0);
    EXPECT_EQ(w<QSlider>("MusEQGainBar2")->value(), 0);
    EXPECT_EQ(sink.sent.back(), std::make_pair(17, 0));

    selectTab(kTabDynamicEq);
    sink.sent.clear();
    typeInto("DEQGainEdit1", "-30");
    EXPECT_EQ(edit("DEQGainEdit1")->text(), "-12.0dB");
    EXPECT_EQ(model.param(1, 4), 60);
    EXPECT_EQ(w<QSlider>("DEQGainBar1")->value(), 60);
    EXPECT_EQ(sink.sent, (Sent{{0x0104, 60}}));
}

TEST_F(EditSyncTest, RejectedEntriesRestoreTheTextAndSendNothing) {
    EditBox* box = edit("MusGainEdit1");
    QTest::mouseClick(box, Qt::LeftButton);
    const QString before = box->text();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "abc");  // letters never reach the box
    EXPECT_EQ(box->text(), "");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), before);

    box->setText("1-2");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), before);
    box->setText("dB");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), before);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(model.param(0, 12), 120);
}

TEST_F(EditSyncTest, AnEditBoxWithoutDisplayKindReportsAnError) {
    EditBox* box = edit("MusGainEdit1");
    QTest::mouseClick(box, Qt::LeftButton);
    setHint(box, "");
    box->setText("3");
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "error");
    EXPECT_EQ(messages.shown()[0].caption, "Audio Effect Contrller");
    EXPECT_EQ(box->text(), "0.0dB");
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(EditSyncTest, ClickingAnEditBoxSendsNothing) {
    model.setParam(0, 22, 150);
    window->RefreshControls(0);
    QTest::mouseClick(edit("MusGainEdit3"), Qt::LeftButton);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(window->sync().currentEdit(), edit("MusGainEdit3"));
    EXPECT_EQ(window->sync().wheelFlag(), 1);
    EXPECT_EQ(edit("MusGainEdit3")->text(), "6.0dB");
    EXPECT_EQ(model.view(0, 22), 150);
}

TEST_F(EditSyncTest, ArrowsMoveBetweenFrequencyAndGain) {
    EditBox* freq = edit("MusFreEdit2");
    QTest::mouseClick(freq, Qt::LeftButton);
    QTest::keyClick(freq, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), edit("MusGainEdit2"));
    EXPECT_EQ(edit("MusGainEdit2")->text(), "0.2dB");
    EXPECT_EQ(sink.sent, (Sent{{17, 121}}));

    QTest::keyClick(edit("MusGainEdit2"), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), freq);
    EXPECT_EQ(model.param(0, 16), 24);  // default index 25, one table step down
    EXPECT_EQ(sink.sent.back(), std::make_pair(16, 24));
    EXPECT_EQ(model.param(0, 17), 121);
    EXPECT_EQ(freq->text(), "31.3Hz");
}

TEST_F(EditSyncTest, ArrowsInAQBoxStepTheBoxItself) {
    EditBox* q = edit("MusQEdit4");
    QTest::mouseClick(q, Qt::LeftButton);
    QTest::keyClick(q, Qt::Key_Right);
    QTest::keyClick(q, Qt::Key_Up);
    EXPECT_EQ(q->text(), "1.12");
    EXPECT_EQ(model.param(0, 28), 18);
    QTest::keyClick(q, Qt::Key_Down);
    EXPECT_EQ(model.param(0, 28), 17);
}

TEST_F(EditSyncTest, ShelfQStopsAt160AndPeakingQAt128) {
    chooseMode("MusModeBox1", 2);  // LSEQ: the Q box edits the shelf slot
    EXPECT_EQ(edit("MusQEdit1")->text(), "0.71");
    model.setParam(0, 14, 24);
    window->RefreshControls(0);
    auto* spin = w<SpinButtons>("MusQUpDownBtn1");
    spin->upButton()->click();
    spin->upButton()->click();
    EXPECT_EQ(model.param(0, 14), 24);
    EXPECT_EQ(edit("MusQEdit1")->text(), "1.60");

    chooseMode("MusModeBox1", 1);
    model.setParam(0, 13, 99);
    window->RefreshControls(0);
    spin->upButton()->click();
    spin->upButton()->click();
    EXPECT_EQ(model.param(0, 13), 100);
    EXPECT_EQ(edit("MusQEdit1")->text(), "128.00");
    spin->downButton()->click();
    EXPECT_EQ(model.param(0, 13), 99);
}

TEST_F(EditSyncTest, ShelfModesEditTheShelfQSlot) {
    chooseMode("MusModeBox1", 2);
    EXPECT_EQ(sink.sent, (Sent{{10, 2}}));
    EXPECT_EQ(w<Label>("MusLSQBtn1")->fill(), QColor(Qt::white));
    EXPECT_NE(w<Label>("MusPEQBtn1")->fill(), QColor(Qt::white));
    typeInto("MusQEdit1", "1.2");
    EXPECT_EQ(model.param(0, 14), 20);  // "1.26", the next Q at or above 1.2
    EXPECT_EQ(model.param(0, 13), 16);
    chooseMode("MusModeBox1", 1);
    EXPECT_EQ(edit("MusQEdit1")->text(), "1.00");
    typeInto("MusQEdit1", "50");
    EXPECT_EQ(model.param(0, 13), 84);  // "51.00"
    EXPECT_EQ(model.param(0, 14), 20);
}

TEST_F(EditSyncTest, ModeLabelsChooseTheBandMode) {
    w<Label>("MusHSQBtn5")->clicked();
    EXPECT_EQ(w<QComboBox>("MusModeBox5")->currentText(), "HSEQ");
    EXPECT_EQ(sink.sent, (Sent{{30, 3}}));
}

TEST_F(EditSyncTest, AfterASliderMovesTheWheelChangesNothing) {
    QTest::mouseClick(edit("MusGainEdit1"), Qt::LeftButton);
    wheel(edit("MusGainEdit1"), 120);
    EXPECT_EQ(model.param(0, 12), 121);
    w<QSlider>("MusPitchBar")->setValue(9);
    EXPECT_EQ(w<QLabel>("MusPitchPane")->text(), "2");
    EXPECT_EQ(window->sync().currentEdit(), window->tables().example());
    sink.sent.clear();
    wheel(edit("MusGainEdit1"), -120);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(model.param(0, 12), 121);
}

TEST_F(EditSyncTest, GainSlidersWriteTheirBandGain) {
    w<QSlider>("MusEQGainBar1")->setValue(150);
    EXPECT_EQ(edit("MusGainEdit1")->text(), "6.0dB");
    EXPECT_EQ(sink.sent, (Sent{{12, 150}}));
    EXPECT_EQ(window->sync().currentEdit(), edit("MusGainEdit1"));

    selectTab(kTabDynamicEq);
    w<QSlider>("DEQGainBar3")->setValue(10);
    EXPECT_EQ(w<QSlider>("DEQGainBar3")->value(), 60);
    EXPECT_EQ(edit("DEQGainEdit3")->text(), "-12.0dB");
}

TEST_F(EditSyncTest, SpinButtonsOfTheInputVolumes) {
    auto* spin = w<SpinButtons>("MusGain2UpDown");
    spin->upButton()->click();
    EXPECT_EQ(edit("MusGain2Edit")->text(), "-9.5dB");
    EXPECT_EQ(sink.sent, (Sent{{1, 1}}));
}

TEST_F(EditSyncTest, HighlightingFollowsTheEditedBandAndScrollsTheStrip) {
    QTest::mouseClick(edit("MusFreEdit3"), Qt::LeftButton);
    EXPECT_TRUE(w<Label>("MusEQPointLabel3")->isOpaque());
    EXPECT_FALSE(w<Label>("MusEQPointLabel1")->isOpaque());
    EXPECT_EQ(window->sync().currentBand(KindOfPage::kMusic), 2);
    window->sync().clickRule(edit("MusFreEdit13"));
    EXPECT_EQ(w<QSlider>("MusPanScrollBar")->value(), 4);
    EXPECT_TRUE(w<Label>("MusEQPointLabel13")->isOpaque());
    EXPECT_FALSE(w<Label>("MusEQPointLabel3")->isOpaque());
    window->sync().clickRule(edit("MusFreEdit2"));
    EXPECT_EQ(w<QSlider>("MusPanScrollBar")->value(), 1);
}

TEST_F(EditSyncTest, ScrollSliderMovesTheBandStripBy65Pixels) {
    w<QSlider>("MusPanScrollBar")->setValue(6);
    EXPECT_EQ(w<ScrollBox>("MusScrollBox")->horizontalScrollBar()->value(), 390);
    selectTab(kTabMain);
    w<QSlider>("MainPanScrollBar")->setValue(5);
    EXPECT_EQ(w<ScrollBox>("MainScrollBox")->horizontalScrollBar()->value(), 325);
}

TEST_F(EditSyncTest, PointLabelClickFollowsTheLabelsTagAndHint) {
    // Band 1's label of the Music page names slot 1: the second input volume.
    QTest::mouseClick(w("MusEQPointLabel1"), Qt::LeftButton);
    EXPECT_EQ(window->sync().currentEdit(), edit("MusGain2Edit"));
    EXPECT_EQ(QApplication::focusWidget(), edit("MusGain2Edit"));
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(EditSyncTest, RefreshStoresLimitedValuesWithoutSending) {
    model.setParam(0, 11, 400);
    model.setParam(0, 13, 150);
    model.setParam(1, 4, 10);
    window->RefreshControls(100);
    EXPECT_EQ(model.param(0, 11), 361);
    EXPECT_EQ(model.view(0, 13), 100);
    EXPECT_EQ(edit("MusFreEdit1")->text(), "20600Hz");
    EXPECT_EQ(edit("MusQEdit1")->text(), "128.00");
    EXPECT_EQ(model.param(1, 4), 60);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_FALSE(model.refreshing());
    EXPECT_FALSE(model.redrawsSuspended());
}

TEST_F(EditSyncTest, RefreshOnDynamicEqLeavesOtherGainsAlone) {
    model.setParam(0, 12, 10);
    selectTab(kTabDynamicEq);
    window->RefreshControls(100);
    EXPECT_EQ(model.param(0, 12), 10);
    EXPECT_EQ(edit("MusGainEdit1")->text(), "-22.0dB");
}

TEST_F(EditSyncTest, RefreshShowsTogglesAndRightChannel) {
    model.setParam(4, 1, 1);
    model.setParam(9, 10, 125);
    model.setParam(9, 11, 1);
    selectTab(kTabEffect);
    EXPECT_EQ(hintOf(w<BmpButton>("EchoEffPhaseBtn")), "1");
    EXPECT_EQ(w<BmpButton>("EchoEffPhaseBtn")->look(), BmpButton::Look::Pressed);
    selectTab(kTabMain);
    EXPECT_EQ(w<QSlider>("MainRdelayBar")->value(), 125);
    EXPECT_EQ(w<QLabel>("MainRdelayPane")->text(), "12.5ms");
    EXPECT_EQ(hintOf(w<BmpButton>("MainRmuteBtn")), "1");
    EXPECT_EQ(tagOf(w<BmpButton>("MainRmuteBtn")), 0x090B);
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(EditSyncTest, OutputPanesFollowTheSelectedChannel) {
    model.setParam(6, 0, 100);
    model.setParam(21, 0, 100);
    selectTab(kTabMain);
    EXPECT_EQ(w<QLabel>("MainMusLevelPane")->text(), "100%");
    selectTab(kTabSub);  // same position, but the Sub music level shows doubled
    EXPECT_EQ(w<QLabel>("MainMusLevelPane")->text(), "200%");
}

TEST_F(EditSyncTest, PhaseAndMuteTogglesStoreTheirState) {
    model.setParam(kPageMusic, 160, 1);  // manual set-up: the output controls are usable
    selectTab(kTabMain);
    w<BmpButton>("MainMicPhaseBtn")->click();
    w<BmpButton>("MainLmuteBtn")->click();
    EXPECT_EQ(sink.sent, (Sent{{0x0603, 1}, {0x060B, 1}}));
    w<BmpButton>("MainLmuteBtn")->click();
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x060B, 0));
}

TEST_F(EditSyncTest, DynamicTypeButtonsChooseTheType) {
    selectTab(kTabDynamicEq);
    w<BmpButton>("DEQTYpeAboveBtn2")->click();
    EXPECT_EQ(w<QComboBox>("DEQTypeBox2")->currentText(), "Above");
    EXPECT_EQ(w<BmpButton>("DEQTYpeAboveBtn2")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("DEQTYpeOffBtn2")->look(), BmpButton::Look::Released);
    EXPECT_EQ(sink.sent, (Sent{{0x010B, 2}}));
}

}  // namespace
}  // namespace aec::test
