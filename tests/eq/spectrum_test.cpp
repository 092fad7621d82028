// The analyser's maths: the transform of known blocks, levels to rows, bands of any plot width,
// bar heights, frame timing and which blocks are kept.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "eq/spectrum_analyser.h"

namespace aec {
namespace {

using Block = std::array<std::uint8_t, kBlockSamples>;

Block filled(std::uint8_t value) {
    Block b;
    b.fill(value);
    return b;
}

Block impulse() {
    Block b = filled(128);
    b[0] = 255;
    return b;
}

float magnitude(const SpectrumBins& bins, int k) { return std::abs(bins[k]); }

TEST(SpectrumTransform, KnownBlocksWithTheLowBinTaper) {
    // Bins 0, 1, 2, 3, 1024, 2045 and 2047. A constant 0.5 over 1024 of 2048 points has no even
    // bins but 0, and |X(k)| = 1 / (2 sin(pi k / 2048)) for odd k; an impulse is flat. The upper
    // half mirrors the lower, untapered.
    const std::array<int, 7> bins = {0, 1, 2, 3, 1024, 2045, 2047};
    const struct {
        const char* name;
        Block block;
        std::array<float, 7> expected;
    } cases[] = {
        {"constant 0.5", filled(192), {0, 32.594945F, 0, 108.650158F, 0, 108.650158F, 325.94945F}},
        {"impulse",
         impulse(),
         {0, 0.09921875F, 0.79375F, 0.9921875F, 0.9921875F, 0.9921875F, 0.9921875F}},
        {"silence after both", filled(128), {0, 0, 0, 0, 0, 0, 0}},
    };
    SpectrumTransform transform;  // one transform for all: nothing carries over between blocks
    for (const auto& c : cases) {
        transform.ComputeSpectrum(c.block);
        for (size_t i = 0; i < bins.size(); ++i) {
            EXPECT_NEAR(magnitude(transform.output(), bins[i]), c.expected[i], 2e-3F)
                << c.name << ", bin " << bins[i];
        }
    }
}

TEST(SpectrumTransform, AFullScaleSineLandsOnItsBin) {
    // 64 periods in 2048 points: the block holds the first 1024 samples, 32 periods.
    Block b;
    for (int i = 0; i < kBlockSamples; ++i) {
        b[static_cast<size_t>(i)] = static_cast<std::uint8_t>(
            std::lround(127.5 + 127.5 * std::sin(2 * M_PI * 64 * i / (2 * kBlockSamples))));
    }
    SpectrumTransform transform;
    transform.ComputeSpectrum(b);
    int loudest = 4;
    for (int k = 4; k < kBlockSamples; ++k) {
        if (magnitude(transform.output(), k) > magnitude(transform.output(), loudest)) {
            loudest = k;
        }
    }
    EXPECT_EQ(loudest, 64);
    EXPECT_GT(magnitude(transform.output(), 64), 100 * magnitude(transform.output(), 200));
}

TEST(SpectrumBars, LevelRows) {
    const struct {
        float m;
        LevelScale scale;
        double row;
    } cases[] = {
        {0, LevelScale::kNormal, 266},             // silence sits on the floor, row H - 2
        {0.2F, LevelScale::kNormal, 266},          // -56 dB is below the normal floor...
        {0.2F, LevelScale::kLow, 233.1406},        // ...and above the low one
        {6.4151966F, LevelScale::kNormal, 132.5},  // -26 dB
        {6.4151966F, LevelScale::kLow, 107.46875},
        {1000, LevelScale::kNormal, 1.8783},  // limited to 120, -0.56 dB
        {1000, LevelScale::kLow, 1.3386},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(LevelRow(c.m, 268, c.scale), c.row, 1e-3) << c.m;
    }
}

TEST(SpectrumBars, EveryPlotWidthHasBandsInsideTheTransform) {
    const struct {
        int width;
        int band;
        int lastBin;
    } cases[] = {{2, 1, 1043}, {119, 1, 1043}, {240, 2, 1078}, {883, 7, 1062}, {1920, 16, 1078}};
    const SpectrumBins silence{};
    BarTops tops;
    for (const auto& c : cases) {
        const PlotGeometry g(c.width, 100);
        EXPECT_EQ(bandWidth(c.width), c.band) << c.width;
        EXPECT_EQ(bandBin(g, c.width - c.width % c.band), c.lastBin) << c.width;
        computeBars(g, silence, LevelScale::kNormal, tops);
        ASSERT_EQ(tops.size(), static_cast<size_t>(c.width + 1));
        // One-column bands have no gap; wider ones keep at least one column of bar.
        EXPECT_TRUE(tops[0].has_value()) << c.width;
        EXPECT_EQ(tops[c.band - 1].has_value(), c.band == 1) << c.width;
    }
}

TEST(SpectrumBars, WeightsShortenBarsAndSilenceStaysAStub) {
    const PlotGeometry g;  // 883 x 268, bands of 7 columns
    SpectrumBins loud;
    loud.fill({200, 0});
    SpectrumBins silence{};
    BarTops tops;
    computeBars(g, loud, LevelScale::kNormal, tops);
    const struct {
        int band;
        int loudTop;
    } cases[] = {{0, 160}, {2, 200}, {46, 5}, {47, 2}, {125, 2}};
    for (const auto& c : cases) {
        const int start = 7 * c.band;
        for (int col = start; col < std::min(start + 7, 884); ++col) {
            if (col - start < 5) {
                EXPECT_EQ(tops[col], c.loudTop) << "band " << c.band << ", column " << col;
            } else {
                EXPECT_FALSE(tops[col].has_value()) << "gap column " << col;
            }
        }
    }
    // Silence: the floor's 2-pixel stub on every band, weighted or not.
    computeBars(g, silence, LevelScale::kNormal, tops);
    for (int col = 0; col <= 883; ++col) {
        EXPECT_EQ(tops[col], col % 7 < 5 ? std::optional<int>(266) : std::nullopt) << col;
    }
}

TEST(SpectrumAnalyser, OneFrameEvery11TicksFrozenWhileOffOrDragged) {
    SpectrumAnalyser a;
    using Step = SpectrumClock::Step;
    EXPECT_EQ(a.tick(false), Step::kNone);  // off: the counter stays
    a.setOn(true);
    std::vector<std::pair<int, Step>> steps;
    for (int t = 1; t <= 22; ++t) {
        if (t == 3) {
            EXPECT_EQ(a.tick(true), Step::kNone);  // a drag freezes the counter too
        }
        if (const Step s = a.tick(false); s != Step::kNone) {
            steps.emplace_back(t, s);
        }
    }
    const std::vector<std::pair<int, Step>> expected = {
        {5, Step::kCompute}, {11, Step::kDraw}, {16, Step::kCompute}, {22, Step::kDraw}};
    EXPECT_EQ(steps, expected);
}

TEST(SpectrumAnalyser, KeepsOnlyWholeBlocksWhileOnAndNotDragged) {
    const struct {
        const char* name;
        bool on;
        bool dragging;
        size_t size;
        bool kept;
    } cases[] = {
        {"whole block", true, false, kBlockSamples, true},
        {"analyser off", false, false, kBlockSamples, false},
        {"marker dragged", true, true, kBlockSamples, false},
        {"short block", true, false, kBlockSamples - 1, false},
        {"long block", true, false, kBlockSamples + 1, false},
        {"empty", true, false, 0, false},
    };
    std::vector<std::uint8_t> bytes(kBlockSamples + 1, 128);
    bytes[0] = 255;
    for (const auto& c : cases) {
        SpectrumAnalyser a;
        a.setOn(c.on);
        a.OnAudioBlock(std::span(bytes.data(), c.size), c.dragging);
        a.ComputeSpectrum();
        EXPECT_NEAR(magnitude(a.output(), 100), c.kept ? 0.9921875F : 0.0F, 1e-4F) << c.name;
    }
}

}  // namespace
}  // namespace aec
