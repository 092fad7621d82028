// The spectrum analyser in the window: PinPPBtn and PinDCFBtn clicked, captured blocks stepped
// through the graph timer, and the bars looked for in the plot.
#include <QtMath>

#include "editor_fixture.h"
#include "eq/spectrum_picture.h"
#include "ui/widgets/graph_image.h"

namespace aec::test {
namespace {

constexpr int kOneKiloHertzColumn = 519;  // a bar column of the band around 1 kHz
constexpr int kFlatCurveRow = 89;

// A 1 kHz sine of `amplitude` (1 is full scale) as unsigned 8-bit samples.
QByteArray sine(double amplitude) {
    QByteArray block(kBlockSamples, Qt::Uninitialized);
    for (int n = 0; n < kBlockSamples; ++n) {
        block[n] = static_cast<char>(
            qRound(128 + 127 * amplitude * std::sin(2 * M_PI * 1000 * n / 48000.0)));
    }
    return block;
}

class SpectrumTest : public EditorTest {
  protected:
    void click(const char* name) { QTest::mouseClick(w(name), Qt::LeftButton); }
    BmpButton* spectrumButton() { return w<BmpButton>("PinPPBtn"); }
    // A captured block, then the 11 graph timer ticks that compute and draw its frame.
    void frame(const QByteArray& block) {
        audio.deliver(block);
        for (int t = 0; t < 11; ++t) {
            window->Timer1Timer();
        }
    }
    const QImage& plot() { return w<GraphImage>("Image1")->picture(); }
    int barTop(int x) {
        for (int y = 0; y < plot().height(); ++y) {
            if (plot().pixel(x, y) == kSpectrumBarColour) {
                return y;
            }
        }
        return plot().height();
    }
    int barColumns() {
        int n = 0;
        for (int x = 0; x < plot().width(); ++x) {
            n += barTop(x) < plot().height() ? 1 : 0;
        }
        return n;
    }
    void expectReleased() {
        EXPECT_EQ(spectrumButton()->look(), BmpButton::Look::Released);
        EXPECT_EQ(hintOf(spectrumButton()), "0");
        EXPECT_FALSE(window->spectrum().analyser().on());
    }

    FakeAudioCapture noDevice{false};
};

TEST_F(SpectrumTest, BarsLieUnderTheCurveUntilSwitchedOff) {
    click("PinPPBtn");
    EXPECT_EQ(spectrumButton()->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(barColumns(), 0);  // the first frame comes with the timer
    frame(sine(1.0));
    EXPECT_LE(barTop(kOneKiloHertzColumn), 3);
    EXPECT_NE(plot().pixel(kOneKiloHertzColumn, kFlatCurveRow), kSpectrumBarColour);  // the curve
    selectTab(kTabMicA);  // a full redraw keeps the bars
    EXPECT_LE(barTop(kOneKiloHertzColumn), 3);

    click("PinPPBtn");
    expectReleased();
    EXPECT_EQ(barColumns(), 0);
}

TEST_F(SpectrumTest, LowLevelScaleRaisesQuietBarsFromTheNextFrame) {
    click("PinPPBtn");
    frame(sine(2.0 / 127));
    const int normal = barTop(kOneKiloHertzColumn);
    click("PinDCFBtn");
    EXPECT_EQ(w<BmpButton>("PinDCFBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(barTop(kOneKiloHertzColumn), normal);
    frame(sine(2.0 / 127));
    EXPECT_LT(barTop(kOneKiloHertzColumn), normal - 20);
}

TEST_F(SpectrumTest, WithoutAudioEveryClickTellsAndTheButtonStaysReleased) {
    window.reset();
    window = std::make_unique<TForm1>(model, sink, messages, noDevice);
    window->show();
    const struct {
        int language;
        const char* text;
    } cases[] = {{1, "没检测到音频设备"}, {0, "Audio device is not detected"}};
    for (const auto& c : cases) {
        model.setLanguageFlag(c.language);
        messages.clear();
        click("PinPPBtn");
        ASSERT_EQ(messages.shown().size(), 1U) << c.text;
        EXPECT_EQ(messages.shown()[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(messages.shown()[0].caption, kApplicationTitle);
        expectReleased();
    }
}

TEST_F(SpectrumTest, ALostDeviceSwitchesTheAnalyserOffWithoutAMessage) {
    click("PinPPBtn");
    frame(sine(1.0));
    ASSERT_GT(barColumns(), 100);
    audio.fail();
    expectReleased();
    EXPECT_EQ(barColumns(), 0);
    EXPECT_TRUE(messages.shown().empty());
    click("PinPPBtn");  // audio stays unavailable
    EXPECT_EQ(messages.shown().size(), 1U);
    expectReleased();
}

}  // namespace
}  // namespace aec::test
