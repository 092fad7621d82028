// Undo, redo and the A/B comparison in the window: each kind of change is one step, steps put
// the stores, the controls and the processor back, and A/B sends only what differs.
#include <QAction>
#include <QMenu>
#include <functional>

#include "editor_fixture.h"
#include "eq/response_curve.h"
#include "presets/preset_file.h"
#include "ui/widgets/point_image.h"

namespace aec::test {
namespace {

constexpr int kMusGain1 = 12;  // music band 1's gain slot
constexpr int kMusGain2 = 17;
constexpr int kZeroDb = 120;

class UndoTest : public EditorTest {
  protected:
    void quiet() {
        for (int i = 0; i <= EditHistory::kQuietTicks; ++i) {
            window->Timer1Timer();
        }
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        QTest::keyClick(window.get(), k, m);
    }
    int gain(int slot) const { return model.param(kPageMusic, slot); }
    QString lastMessage() const {
        return messages.shown().empty() ? QString() : messages.shown().back().text;
    }
};

TEST_F(UndoTest, ATypedValueIsUndoneOnScreenAndSentAndRedone) {
    typeInto("MusGainEdit1", "6");
    quiet();
    sink.deviceSent.clear();
    key(Qt::Key_Z);
    EXPECT_EQ(gain(kMusGain1), kZeroDb);
    EXPECT_EQ(edit("MusGainEdit1")->text(), "0.0dB");
    EXPECT_EQ(sink.deviceSent, (std::vector<std::pair<int, int>>{{kMusGain1, kZeroDb}}));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(gain(kMusGain1), 150);
    EXPECT_EQ(edit("MusGainEdit1")->text(), "6.0dB");
    key(Qt::Key_Z);
    key(Qt::Key_Y);  // the other redo key
    EXPECT_EQ(gain(kMusGain1), 150);
}

TEST_F(UndoTest, AWholeDragAndAnEqResetAreOneStepEach) {
    // A drag with pauses longer than a step's quiet time, all while the button is held.
    auto* marker = w<PointImage>("EP1");
    QTest::mousePress(marker, Qt::LeftButton, {}, {7, 7});
    for (int y : {-20, -40, -60}) {
        QTest::mouseMove(marker, QPoint(7, 7 + y));
        quiet();
    }
    QTest::mouseRelease(marker, Qt::LeftButton, {}, {7, 7});
    quiet();
    ASSERT_GT(gain(kMusGain1), kZeroDb);

    typeInto("MusGainEdit2", "-3");
    quiet();
    const Store before = model.paramStore();
    QTest::mouseClick(w("EQResetBtn"), Qt::LeftButton);
    quiet();
    ASSERT_EQ(gain(kMusGain1), kZeroDb);

    key(Qt::Key_Z);  // the reset, every band at once
    EXPECT_EQ(model.paramStore(), before);
    key(Qt::Key_Z);  // the typed value
    key(Qt::Key_Z);  // the whole drag
    EXPECT_EQ(gain(kMusGain1), kZeroDb);
    EXPECT_EQ(gain(kMusGain2), kZeroDb);
    EXPECT_FALSE(model.history.canUndo());
}

TEST_F(UndoTest, EachKindOfChangeIsOneStepUndoneAndRedoneWhole) {
    Model other;
    other.setParam(kPageMusic, kMusGain1, 150);
    other.setParam(kPageMicA, 110, 2);
    ASSERT_TRUE(savePresetFile(window->presetFiles().directory() / "club.Kvpx", other).ok());
    window->presetFiles().refreshList();
    const struct {
        const char* kind;
        std::function<void()> setUp;
        std::function<void()> change;
    } cases[] = {
        {"channel command",
         [&] {
             model.setParam(kPageMusic, 160, 1);  // manual set-up: the outputs are usable
             selectTab(kTabMain);
         },
         [&] { w<BmpButton>("MainLmuteBtn")->click(); }},
        {"type buttons", [&] { selectTab(kTabDynamicEq); },
         [&] { w<BmpButton>("DEQTYpeAboveBtn2")->click(); }},
        {"pair command", [&] { selectTab(kTabMusic); },
         [&] { QTest::mouseClick(w("SameBtn"), Qt::LeftButton); }},
        {"preset load", [] {},
         [&] {
             w<QLineEdit>("FileEdit")->setText("club");
             QTest::mouseClick(w("RzBmpButton119"), Qt::LeftButton);
         }},
    };
    for (const auto& c : cases) {
        c.setUp();
        quiet();
        const Store before = model.paramStore();
        c.change();
        quiet();
        const Store after = model.paramStore();
        ASSERT_NE(after, before) << c.kind;
        key(Qt::Key_Z);
        EXPECT_EQ(model.paramStore(), before) << c.kind;
        key(Qt::Key_Y);
        EXPECT_EQ(model.paramStore(), after) << c.kind;
    }
}

TEST_F(UndoTest, WithNothingLeftTheMessageSaysWhereTheHistoryStarts) {
    const struct {
        HistoryStart start;
        const char* english;
    } cases[] = {
        {HistoryStart::kFresh, "There is nothing to undo."},
        {HistoryStart::kLinked, "when it linked"},
        {HistoryStart::kModeLoaded, "with a mode"},
    };
    model.setLanguageFlag(0);
    for (const auto& c : cases) {
        model.history.restart(model.paramStore(), c.start);
        key(Qt::Key_Z);
        EXPECT_TRUE(lastMessage().contains(c.english)) << lastMessage().toStdString();
    }
}

TEST_F(UndoTest, ABSendsOnlyTheDifferencesAndDrawsTheOtherCurve) {
    QTest::mouseClick(w("CompareBtn"), Qt::LeftButton);  // B, a copy of A
    EXPECT_TRUE(sink.deviceSent.empty());
    EXPECT_EQ(w<BmpButton>("CopyCompareBtn")->text(), "B→A");
    typeInto("MusGainEdit1", "6");
    typeInto("MusGainEdit2", "-3");
    sink.deviceSent.clear();

    QTest::mouseClick(w("CompareBtn"), Qt::LeftButton);  // back to A
    EXPECT_EQ(sink.deviceSent,
              (std::vector<std::pair<int, int>>{{kMusGain1, kZeroDb}, {kMusGain2, kZeroDb}}));
    EXPECT_EQ(edit("MusGainEdit1")->text(), "0.0dB");
    EXPECT_EQ(w<BmpButton>("CopyCompareBtn")->text(), "A→B");
    const QImage& plot = window->graph().graph().plot();
    bool otherCurveDrawn = false;
    for (int x = 0; x < plot.width() && !otherCurveDrawn; ++x) {
        for (int y = 0; y < plot.height() && !otherCurveDrawn; ++y) {
            otherCurveDrawn = plot.pixel(x, y) == kComparisonColour;
        }
    }
    EXPECT_TRUE(otherCurveDrawn);

    // Each slot undoes its own edits: B's two values are not A's to take back.
    key(Qt::Key_Z);
    EXPECT_EQ(gain(kMusGain1), kZeroDb);
    QTest::mouseClick(w("CopyCompareBtn"), Qt::LeftButton);  // A into B: nothing differs
    sink.deviceSent.clear();
    QTest::mouseClick(w("CompareBtn"), Qt::LeftButton);
    EXPECT_TRUE(sink.deviceSent.empty());
}

TEST_F(UndoTest, TheToolsMenuSpeaksBothLanguagesAndDisablesWhatIsMissing) {
    for (const auto& [language, undo] : {std::pair{1, "撤销"}, std::pair{0, "Undo"}}) {
        const auto menu = window->toolsMenu().build(language, window.get());
        auto* action = menu->findChild<QAction*>("UndoAction");
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(undo));
        EXPECT_TRUE(action->isEnabled());
    }
    window->toolsMenu().set("ImportFiltersAction", {});
    const auto menu = window->toolsMenu().build(0, window.get());
    EXPECT_FALSE(menu->findChild<QAction*>("ImportFiltersAction")->isEnabled());
}

}  // namespace
}  // namespace aec::test
