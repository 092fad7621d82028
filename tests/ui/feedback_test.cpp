// The feedback finder in the window: the toggle on the microphone tabs only, proposals drawn
// before anything is sent, Apply as one undo step, and the cases where nothing may change.
#include "../eq/feedback_signal.h"
#include "editor_fixture.h"
#include "eq/response_curve.h"

namespace aec::test {
namespace {

class FeedbackTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        selectTab(kTabMicA);
    }
    void quiet() {
        for (int i = 0; i <= EditHistory::kQuietTicks; ++i) {
            window->Timer1Timer();
        }
    }
    void play(double seconds, std::initializer_list<Tone> tones) {
        const auto bytes = asBytes(feedbackSound(seconds, tones));
        for (size_t at = 0; at + kBlockSamples <= bytes.size(); at += kBlockSamples) {
            audio.deliver(
                QByteArray(reinterpret_cast<const char*>(bytes.data() + at), kBlockSamples));
        }
    }
    void click(const char* name) { QTest::mouseClick(w(name), Qt::LeftButton); }
    int proposalPixels() const {
        const QImage& plot = window->graph().graph().plot();
        int n = 0;
        for (int y = 0; y < plot.height(); ++y) {
            for (int x = 0; x < plot.width(); ++x) {
                n += plot.pixel(x, y) == (kProposalColour | 0xFF000000U) ? 1 : 0;
            }
        }
        return n;
    }
    QString lastMessage() const {
        return messages.shown().empty() ? QString() : messages.shown().back().text;
    }
};

TEST_F(FeedbackTest, ShownOnTheMicrophoneTabsOnly) {
    const struct {
        int tab;
        bool shown;
    } cases[] = {{kTabMicA, true}, {kTabMusic, false}, {kTabMicB, true}, {kTabMain, false}};
    for (const auto& c : cases) {
        selectTab(c.tab);
        EXPECT_EQ(w("FeedbackBtn")->isVisible(), c.shown) << c.tab;
        // It takes the place of the music modes, which never show beside it.
        EXPECT_FALSE(c.shown && w("SingleDiscoGrop")->isVisible()) << c.tab;
    }
    selectTab(kTabMicA);
    click("FeedbackBtn");
    EXPECT_TRUE(w("FeedbackApplyBtn")->isVisible());
    selectTab(kTabMusic);  // leaving the microphones switches the finder off
    selectTab(kTabMicB);
    EXPECT_FALSE(window->feedback().on());
    EXPECT_FALSE(w("FeedbackApplyBtn")->isVisible());
}

TEST_F(FeedbackTest, ProposalsShowFirstAndApplyIsOneUndoStep) {
    quiet();
    const Store before = model.paramStore();
    click("FeedbackBtn");
    play(1.5, {{1000.0, 0.2}, {3000.0, 0.15}});
    ASSERT_EQ(window->feedback().proposals().cuts.size(), 2U);
    EXPECT_EQ(w<Label>("FeedbackCountLabel")->text(), QString::fromUtf8("待处理: 2"));
    EXPECT_GT(proposalPixels(), 20);
    EXPECT_TRUE(sink.sent.empty());  // nothing sent before Apply
    EXPECT_EQ(model.paramStore(), before);

    click("FeedbackApplyBtn");
    EXPECT_EQ(sink.sent.size(), 6U);  // frequency, Q and gain of each; the mode stays PEQ
    EXPECT_NE(model.paramStore(), before);
    EXPECT_EQ(w<Label>("FeedbackCountLabel")->text(), QString::fromUtf8("待处理: 0"));
    quiet();
    const auto gains = [this] {
        std::vector<int> g;
        for (const FinderCut& c : window->feedback().proposals().cuts) {
            g.push_back(c.gain);
        }
        return g;
    };
    play(1.5, {{1000.0, 0.2}, {3000.0, 0.15}});  // still howling: both cuts deeper
    EXPECT_EQ(gains(), (std::vector<int>{90, 90}));

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model.paramStore(), before);
    EXPECT_FALSE(model.history.canUndo());
    EXPECT_EQ(gains(), (std::vector<int>{105, 105}));  // planned again: the cuts are gone
}

TEST_F(FeedbackTest, NothingChangesWhenNoBandIsFreeOrTheCaptureFails) {
    for (int b = 0; b < pageBands(kPageMicA); ++b) {
        model.setParam(kPageMicA, bandSlot(kPageMicA, b, 2), 125);
    }
    model.setLanguageFlag(0);
    click("FeedbackBtn");
    play(1.5, {{1000.0, 0.2}});
    const Store full = model.paramStore();
    click("FeedbackApplyBtn");  // disabled: no proposal
    window->feedback().FeedbackApplyBtnClick();
    EXPECT_EQ(lastMessage(), "No free EQ band (PEQ at 0 dB): nothing was changed");
    EXPECT_EQ(model.paramStore(), full);

    model.setLanguageFlag(1);
    audio.fail();
    EXPECT_FALSE(window->feedback().on());
    EXPECT_TRUE(lastMessage().startsWith(QString::fromUtf8("录音中断")));
    click("FeedbackBtn");  // no audio any more: it stays off
    EXPECT_FALSE(window->feedback().on());
    EXPECT_EQ(lastMessage(), QString::fromUtf8("没检测到音频设备"));
    EXPECT_TRUE(sink.sent.empty());
}

}  // namespace
}  // namespace aec::test
