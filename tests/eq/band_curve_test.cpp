// Response curves of bands and crossovers: the shapes, their placement and the identities.
#include "eq/band_curve.h"

#include <gtest/gtest.h>

#include <cmath>

namespace aec::test {
namespace {

constexpr float kDb = 0.01f;
constexpr int kN = ResponseGrid::kIntervals;

BandCurve curve(int type, int hz, float q = 1.0f, float gain = 0.0f) {
    BandCurve c;
    c.fill(-1234.0f);
    ComputeBandCurve(c, type, hz, q, gain);
    return c;
}

BandCurve peakWithoutRemap(int hz, float q, float gain) {
    BandCurve shape;
    BandCurve out;
    sampleSection(peakingSection(q, gain), SampleGrid::kPlain, false, shape);
    placeShape(shape, snapFrequency(hz), out);
    return out;
}

int argMax(const BandCurve& c) { return int(std::max_element(c.begin(), c.end()) - c.begin()); }

TEST(ResponseGrid, MapsFrequenciesBothWays) {
    EXPECT_NEAR(FreqToGridIndex(10), 0.0, 1e-9);
    EXPECT_NEAR(FreqToGridIndex(24000), 462.0, 1e-9);
    EXPECT_DOUBLE_EQ(FreqToGridIndex(0.25), FreqToGridIndex(1));  // below 1 Hz counts as 1 Hz
    EXPECT_NEAR(GridIndexToFreq(FreqToGridIndex(1234.5)), 1234.5, 1e-9);
    EXPECT_EQ(snapFrequency(1000), 994);
    EXPECT_EQ(centreIndex(994), 273);
    EXPECT_EQ(centreIndex(snapFrequency(20600)), 453);
    for (int hz : {-5, 0, 1, 5, 10}) {
        EXPECT_EQ(centreIndex(snapFrequency(hz)), 0) << hz;
    }
}

TEST(BandCurve, FlatTypesAreZeroEverywhere) {
    for (int type : {0, 4, 50, 99, 100, 200}) {
        const BandCurve c = curve(type, 1000, 1.0f, 9.0f);
        for (float v : c) {
            ASSERT_EQ(v, 0.0f) << "type " << type;
        }
    }
    for (float v : curve(kBandPeaking, 1000, 2.0f, 0.0f)) {
        ASSERT_EQ(v, 0.0f);
    }
}

TEST(BandCurve, PeakingBandAt1kHz) {
    const BandCurve c = curve(kBandPeaking, 1000, 1.0f, 12.0f);
    EXPECT_EQ(argMax(c), 273);
    EXPECT_NEAR(c[273], 12.0f, kDb);
    EXPECT_LE(c[247], 6.0f);
    EXPECT_GT(c[248], 6.0f);
    EXPECT_GT(c[298], 6.0f);
    EXPECT_LE(c[299], 6.0f);
    EXPECT_NEAR(c[0], 0.0f, kDb);
}

TEST(BandCurve, LargestQValuesAreRemappedOnce) {
    EXPECT_EQ(remapQ(102), 98);
    EXPECT_EQ(remapQ(108), 100);
    EXPECT_EQ(remapQ(114), 101);
    EXPECT_EQ(remapQ(121), 102);
    EXPECT_EQ(remapQ(128), 103);
    EXPECT_EQ(remapQ(96), 96);
    // Compared with the unremapped section, since 102 itself is remapped again.
    EXPECT_EQ(curve(kBandPeaking, 500, 128, 6), peakWithoutRemap(500, 103, 6));
    EXPECT_EQ(curve(kBandPeaking, 500, 121, 6), peakWithoutRemap(500, 102, 6));
    EXPECT_EQ(curve(kBandPeaking, 500, 102, 6), peakWithoutRemap(500, 98, 6));
    EXPECT_NE(curve(kBandPeaking, 500, 121, 6), peakWithoutRemap(500, 98, 6));
}

TEST(BandCurve, ShelfSlopeStopsAtFour) {
    for (int type : {kBandLowShelf, kBandHighShelf}) {
        EXPECT_EQ(curve(type, 800, 12.0f, -9.0f), curve(type, 800, 4.0f, -9.0f));
        EXPECT_NE(curve(type, 800, 2.0f, -9.0f), curve(type, 800, 4.0f, -9.0f));
    }
}

TEST(BandCurve, ShapeIsCentredOnTheFrequency) {
    EXPECT_EQ(argMax(curve(kBandPeaking, 8, 4.0f, 12.0f)), 0);
    EXPECT_NEAR(curve(kBandPeaking, 8, 4.0f, 12.0f)[0], 12.0f, kDb);
    EXPECT_EQ(argMax(curve(kBandPeaking, 20600, 4.0f, 12.0f)), 453);
}

TEST(BandCurve, ShelvesReachHalfGainAtTheirCentre) {
    const int e = centreIndex(snapFrequency(1000));
    const BandCurve low = curve(kBandLowShelf, 1000, 1.0f, 12.0f);
    EXPECT_NEAR(low[0], 12.0f, kDb);
    EXPECT_NEAR(low[e], 6.0f, kDb);
    EXPECT_NEAR(low[462], 0.0f, kDb);
    const BandCurve high = curve(kBandHighShelf, 1000, 1.0f, 12.0f);
    EXPECT_NEAR(high[0], 0.0f, kDb);
    EXPECT_NEAR(high[e], 6.0f, kDb);
    EXPECT_NEAR(high[462], 12.0f, kDb);
}

TEST(BandCurve, HighPassLevelsAtCentreAndFarLeft) {
    const int e = centreIndex(snapFrequency(1000));
    const BandCurve butterworth = curve(kHighPassBase + kXoButterworth12, 1000);
    EXPECT_NEAR(butterworth[e], -3.01f, kDb);
    EXPECT_NEAR(butterworth[0], -98.7f, 0.05f);
    EXPECT_NEAR(butterworth[462], 0.0f, kDb);
    EXPECT_NEAR(curve(kHighPassBase + kXoLinkwitzRiley24, 1000)[e], -6.02f, kDb);
    EXPECT_NEAR(curve(kLowPassBase + kXoButterworth12, 1000)[e], -3.01f, kDb);
}

TEST(BandCurve, LowPassZeroGuardRepeatsTheLeftNeighbour) {
    // The stretched grid reaches Nyquist at j = 462 - 126, where a low-pass numerator is 0.
    const Biquad lp = secondOrderSection(FilterSide::kLowPass, butterworthQ());
    BandCurve guarded;
    BandCurve raw;
    sampleSection(lp, SampleGrid::kCrossover, true, guarded);
    sampleSection(lp, SampleGrid::kCrossover, false, raw);
    EXPECT_TRUE(std::isinf(raw[336]));
    EXPECT_EQ(guarded[336], guarded[335]);
    for (int c = 0; c < kXoTypeCount; ++c) {
        for (int hz : {19, 1000, 20600}) {
            for (float v : curve(kLowPassBase + c, hz)) {
                ASSERT_TRUE(std::isfinite(v)) << c;
            }
            for (float v : curve(kHighPassBase + c, hz)) {
                ASSERT_TRUE(std::isfinite(v)) << c;
            }
        }
    }
}

TEST(BandCurve, LinkwitzRileyIsTwiceItsSection) {
    for (int base : {kHighPassBase, kLowPassBase}) {
        const BandCurve first = curve(base + kXoFirstOrder6, 640);
        const BandCurve lr12 = curve(base + kXoLinkwitzRiley12, 640);
        const BandCurve bw = curve(base + kXoButterworth12, 640);
        const BandCurve lr24 = curve(base + kXoLinkwitzRiley24, 640);
        for (int i = 0; i <= kN; ++i) {
            ASSERT_EQ(lr12[i], 2 * first[i]) << base << " at " << i;
            ASSERT_EQ(lr24[i], 2 * bw[i]) << base << " at " << i;
        }
    }
}

TEST(BandCurve, ThirtySixDbLinkwitzRileyIsTwiceOrderThreeAndFirstOrder) {
    EXPECT_FLOAT_EQ(butterworthSectionQ(3, 0), 1.0f);
    EXPECT_NEAR(butterworthSectionQ(4, 0), 1.3066f, 1e-4);
    EXPECT_NEAR(butterworthSectionQ(4, 1), 0.5412f, 1e-4);
    for (FilterSide side : {FilterSide::kHighPass, FilterSide::kLowPass}) {
        const bool guard = side == FilterSide::kLowPass;
        BandCurve r1;
        BandCurve r2;
        sampleSection(secondOrderSection(side, butterworthSectionQ(3, 0)), SampleGrid::kCrossover,
                      guard, r1);
        sampleSection(firstOrderSection(side), SampleGrid::kCrossover, guard, r2);
        BandCurve shape;
        for (int j = 0; j <= kN; ++j) {
            shape[j] = 2 * (r1[j] + r2[j]);
        }
        BandCurve expected;
        placeShape(shape, snapFrequency(3000), expected);
        const int base = side == FilterSide::kHighPass ? kHighPassBase : kLowPassBase;
        EXPECT_EQ(curve(base + kXoLinkwitzRiley36, 3000), expected);
    }
}

TEST(BandCurve, UnknownCrossoverTypesLeaveTheCurve) {
    for (int c = 13; c <= 19; ++c) {
        for (int base : {kHighPassBase, kLowPassBase}) {
            for (float v : curve(base + c, 1000)) {
                ASSERT_EQ(v, -1234.0f) << base + c;
            }
        }
    }
    // The code travels as a byte: 256 + 1 is a peaking band.
    EXPECT_EQ(curve(257, 1000, 1.0f, 6.0f), curve(kBandPeaking, 1000, 1.0f, 6.0f));
}

TEST(placeShape, RepeatsTheShapeEndsAndNeverUsesTheLastSample) {
    BandCurve shape;
    for (int j = 0; j <= kN; ++j) {
        shape[j] = float(j);
    }
    BandCurve out;
    placeShape(shape, 10, out);  // centre 0
    EXPECT_EQ(out[0], 231.0f);
    EXPECT_EQ(out[230], 461.0f);
    EXPECT_EQ(out[231], 461.0f);
    EXPECT_EQ(out[462], 461.0f);
    placeShape(shape, 24000, out);  // centre 462
    EXPECT_EQ(out[230], 0.0f);
    EXPECT_EQ(out[231], 0.0f);
    EXPECT_EQ(out[232], 1.0f);
    EXPECT_EQ(out[462], 231.0f);
}

TEST(placeShape, CentreBeyondTheGridWritesOnlyGridPoints) {
    struct Guarded {
        BandCurve curve;
        std::array<float, 64> after;
    } g{};
    g.after.fill(7.0f);
    ComputeBandCurve(g.curve, kBandPeaking, 96000, 1.0f, 6.0f);
    for (float v : g.after) {
        ASSERT_EQ(v, 7.0f);
    }
    EXPECT_NEAR(g.curve[462], 0.0f, 0.5f);
}

}  // namespace
}  // namespace aec::test
