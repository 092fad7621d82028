// The feedback finder: which peaks of synthesized sound it finds and where, and which cuts it
// proposes for them on a microphone EQ.
#include <gtest/gtest.h>

#include "core/pages.h"
#include "core/scale_tables.h"
#include "eq/feedback_detector.h"
#include "feedback_signal.h"

namespace aec {
namespace {

using test::Tone;

std::vector<FeedbackPeak> findIn(double seconds, std::initializer_list<Tone> tones) {
    FeedbackDetector detector;
    detector.addSamples(test::asBytes(test::feedbackSound(seconds, tones)));
    return detector.found();
}

TEST(FeedbackDetector, FindsSustainedPeaksOnly) {
    const struct {
        const char* name;
        std::initializer_list<Tone> tones;
        std::vector<double> expected;  // found frequencies, in order found
        double tolerance;
    } cases[] = {
        {"music alone", {}, {}, 0},
        {"one howl", {{1234.5, 0.2}}, {1234.5}, 3},
        {"a low and a high howl", {{317.0, 0.15}, {6420.0, 0.1, 0.4}}, {317.0, 6420.0}, 4},
        {"a short burst", {{2500.0, 0.3, 1.0, 1.3}}, {}, 0},
        {"a burst that outlasts the sustain", {{2500.0, 0.3, 0.5, 1.6}}, {2500.0}, 3},
        // 2000 and 2150 Hz lie 1/9.6 octave apart: one peak, at the stronger.
        {"two close howls", {{2000.0, 0.2}, {2150.0, 0.1}}, {2000.0}, 3},
    };
    for (const auto& c : cases) {
        const auto found = findIn(2.5, c.tones);
        ASSERT_EQ(found.size(), c.expected.size()) << c.name;
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(found[i].hz, c.expected[i], c.tolerance) << c.name;
            EXPECT_GE(found[i].riseDb, 15.0) << c.name;
        }
    }
}

TEST(FeedbackDetector, ClearForgetsAndTheHowlMustPersistAgain) {
    FeedbackDetector detector;
    const auto sound = test::asBytes(test::feedbackSound(2.0, {{880.0, 0.2}}));
    const auto half = std::span(sound).first(sound.size() / 2);
    detector.addSamples(sound);
    ASSERT_EQ(detector.found().size(), 1U);
    detector.clear();
    detector.addSamples(half.first(half.size() / 2));  // 0.5 s: not yet
    EXPECT_TRUE(detector.found().empty());
    detector.addSamples(half);
    EXPECT_EQ(detector.found().size(), 1U);
}

class FeedbackCutsTest : public ::testing::Test {
  protected:
    void SetUp() override { m_model.ResetEqBands(kAllPages); }
    void set(int band, int sub, int value) {
        m_model.setParam(kPageMicA, bandSlot(kPageMicA, band, sub), value);
    }
    void write(const CutPlan& plan) {
        for (const FinderCut& c : plan.cuts) {
            set(c.band, 1, c.freq);
            set(c.band, 2, c.gain);
            set(c.band, 3, c.q);
        }
        m_cuts.applied(kPageMicA, plan);
    }
    CutPlan plan(std::vector<FeedbackPeak> peaks) { return m_cuts.plan(m_model, kPageMicA, peaks); }
    Model m_model;
    FeedbackCuts m_cuts;
};

TEST_F(FeedbackCutsTest, NewCutsGoToFreeBandsNearestTheirFrequency) {
    set(5, 2, 130);  // a person's boost
    set(6, 0, 2);    // a person's shelf at 0 dB
    const CutPlan p = plan({{1000.0, 20}, {210.0, 30}});
    ASSERT_EQ(p.cuts.size(), 2U);
    EXPECT_FALSE(p.noFreeBand);
    // The stronger first; each lands on a band whose frequency is closest and is not 5 or 6.
    const int f210 = FeedbackCuts::nearestFrequency(210.0);
    const int f1000 = FeedbackCuts::nearestFrequency(1000.0);
    EXPECT_NEAR(kFreqTable[static_cast<size_t>(f1000)].value, 1000.0, 30.0);
    EXPECT_EQ(p.cuts[0], (FinderCut{4, f210, FeedbackCuts::narrowQ(), 105}));
    EXPECT_EQ(p.cuts[1].freq, f1000);
    EXPECT_NE(p.cuts[1].band, 5);
    EXPECT_NE(p.cuts[1].band, 6);
    EXPECT_FLOAT_EQ(kQTable[static_cast<size_t>(FeedbackCuts::narrowQ())].value, 10.1F);
}

TEST_F(FeedbackCutsTest, RepeatsDeepenTheSameCutDownToTwelveDecibels) {
    const std::vector<int> depths = {105, 90, 75, 60, 60};
    for (const int depth : depths) {
        const CutPlan p = plan({{1500.0, 20}});
        if (depth == 60 && p.cuts.empty()) {
            break;  // already at the floor: nothing more to propose
        }
        ASSERT_EQ(p.cuts.size(), 1U);
        EXPECT_EQ(p.cuts[0].gain, depth);
        EXPECT_EQ(p.cuts[0].band, plan({{1500.0, 20}}).cuts[0].band);
        write(p);
    }
    EXPECT_EQ(m_cuts.own(m_model, kPageMicA).size(), 1U);
    // A person moving the cut makes it theirs: the finder takes a new band.
    set(m_cuts.own(m_model, kPageMicA)[0].band, 2, 100);
    EXPECT_EQ(plan({{1500.0, 20}}).cuts.at(0).gain, 105);
}

TEST_F(FeedbackCutsTest, LimitsAndFullPages) {
    std::vector<FeedbackPeak> many;
    for (int i = 0; i < 8; ++i) {
        many.push_back({200.0 * std::pow(1.5, i), 20.0 + i});
    }
    EXPECT_EQ(plan(many).cuts.size(), static_cast<size_t>(FeedbackCuts::kMaxCuts));

    for (int b = 0; b < pageBands(kPageMicA); ++b) {
        set(b, 2, 110);
    }
    const CutPlan full = plan({{1000.0, 20}});
    EXPECT_TRUE(full.noFreeBand);
    EXPECT_TRUE(full.cuts.empty());
}

}  // namespace
}  // namespace aec
