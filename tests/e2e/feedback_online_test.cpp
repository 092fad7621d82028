// End to end: a recording with a howl, played through the capture interface, becomes a cut in
// the processor's microphone EQ; and the recording source on its own.
#include <QFile>
#include <QTest>

#include "../eq/feedback_signal.h"
#include "core/pages.h"
#include "eq/feedback_cuts.h"
#include "eq/wav_audio_capture.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

TEST(WavAudioCapture, PlaysWholeBlocksThenReportsTheEnd) {
    WavAudioCapture missing(QStringLiteral("/nonexistent/howl.wav"));
    EXPECT_FALSE(missing.start());
    EXPECT_TRUE(missing.fileMissing());

    WavAudioCapture wav(std::vector<uint8_t>(2 * kBlockSamples + 10, 128));
    int blocks = 0;
    int failures = 0;
    QObject::connect(&wav, &AudioCapture::blockCaptured, &wav, [&] { ++blocks; });
    QObject::connect(&wav, &AudioCapture::failed, &wav, [&] { ++failures; });
    ASSERT_TRUE(wav.start());
    while (wav.step()) {
    }
    EXPECT_EQ(blocks, 2);
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(wav.available());
}

class FeedbackOnlineTest : public OnlineTest {};

TEST_F(FeedbackOnlineTest, ACutFromARecordingReachesTheProcessor) {
    const QString path = runtime.filePath(QStringLiteral("howl.wav"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const auto bytes = wavBytes(feedbackSound(3.0, {{2400.0, 0.2}}, 44100), 44100, 2);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    WavAudioCapture wav(path);
    capture = &wav;
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    const Store before = model().paramStore();

    window().FormMusTabBtnClick(*window().tables().tabButtons()[kTabMicB]);
    QTest::mouseClick(w("FeedbackBtn"), Qt::LeftButton);
    // 1.5 s of it: the end of the recording would stop the finder.
    for (int block = 0; block < 70; ++block) {
        ASSERT_TRUE(wav.step());
    }
    ASSERT_EQ(window().feedback().proposals().cuts.size(), 1U);
    const FinderCut cut = window().feedback().proposals().cuts[0];
    EXPECT_EQ(cut.freq, FeedbackCuts::nearestFrequency(2400.0));
    QTest::mouseClick(w("FeedbackApplyBtn"), Qt::LeftButton);
    ASSERT_TRUE(drain());
    const Store memory = simMemoryAfterClose();
    const struct {
        int sub;
        int value;
    } expected[] = {{0, 1}, {1, cut.freq}, {2, 105}, {3, FeedbackCuts::narrowQ()}};
    for (const auto& e : expected) {
        EXPECT_EQ(memory[kPageMicB][bandSlot(kPageMicB, cut.band, e.sub)], e.value) << e.sub;
    }
    // Every other value is as it was.
    int differing = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        differing += memory[kPageMicB][slot] != before[kPageMicB][slot] ? 1 : 0;
    }
    EXPECT_EQ(differing, 3);
}

}  // namespace
}  // namespace aec::test
