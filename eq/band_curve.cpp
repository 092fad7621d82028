#include "eq/band_curve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace aec {

namespace {

constexpr int kN = ResponseGrid::kIntervals;
constexpr int kShelfMargin = 108;      // round(462 * 120 / 512)
constexpr int kCrossoverMargin = 126;  // round(462 * 140 / 512)

// Design frequency pi/2 as a single, with its sine and cosine computed rather than taken as
// 1 and 0: the cosine's small residue is part of the coefficients.
struct Design {
    float w0 = static_cast<float>(std::numbers::pi / 2);
    float s = static_cast<float>(std::sin(double(w0)));
    float c = static_cast<float>(std::cos(double(w0)));
};

const Design& designPoint() {
    static const Design d;
    return d;
}

// p = (2 sin(w/2))^2 for every point of the three grids, computed once.
using PTable = std::array<float, ResponseGrid::kPoints>;

float pTerm(double u) {
    const double half = u * std::numbers::pi / kN / 2.0;
    const double twoSin = 2.0 * std::sin(half);
    return static_cast<float>(twoSin * twoSin);
}

PTable plainGrid() {
    PTable t{};
    for (int j = 0; j <= kN; ++j) {
        t[j] = pTerm(j);
    }
    return t;
}

// Maps the points margin..N-margin onto 0..pi; the rest stays one step inside either end.
PTable stretchedGrid(int margin, bool inclusiveLowerTest) {
    PTable t{};
    const double h = kN / 2.0;
    for (int j = 0; j <= kN; ++j) {
        double u = 0;
        if (j <= h) {
            const bool inside = inclusiveLowerTest ? j >= margin : j > margin;
            u = inside ? (j - margin) / (h - margin) * h : 1.0;
        } else {
            u = j <= kN - margin ? h + h * (j - h) / (h - margin) : kN - 1.0;
        }
        t[j] = pTerm(u);
    }
    return t;
}

struct Grids {
    PTable plain = plainGrid();
    PTable shelf = stretchedGrid(kShelfMargin, true);
    PTable crossover = stretchedGrid(kCrossoverMargin, false);
};

const PTable& gridTable(SampleGrid grid) {
    static const Grids g;
    switch (grid) {
        case SampleGrid::kShelf:
            return g.shelf;
        case SampleGrid::kCrossover:
            return g.crossover;
        case SampleGrid::kPlain:
            break;
    }
    return g.plain;
}

float amplitude(float gainDb) { return static_cast<float>(std::pow(10.0, gainDb / 40.0)); }

// The sections of one crossover type and how their curves combine: w1 * r1 + w2 * r2.
enum class Section { kNone, kBypass, kFirst, kBessel, kButterworth, kBw4k0, kBw4k1, kBw3k0 };

struct Recipe {
    Section first;
    Section second;
    float w1;
    float w2;
};

constexpr std::array<Recipe, kXoTypeCount> kRecipes = {{
    {Section::kBypass, Section::kNone, 1, 0},
    {Section::kFirst, Section::kNone, 1, 0},
    {Section::kBessel, Section::kNone, 1, 0},
    {Section::kButterworth, Section::kNone, 1, 0},
    {Section::kFirst, Section::kFirst, 1, 1},
    {Section::kBessel, Section::kFirst, 1, 1},
    {Section::kButterworth, Section::kFirst, 1, 1},
    {Section::kBessel, Section::kBessel, 1, 1},
    {Section::kBw4k0, Section::kBw4k1, 1, 1},
    {Section::kButterworth, Section::kButterworth, 1, 1},
    {Section::kBessel, Section::kBessel, 1, 2},
    {Section::kBw4k0, Section::kBw4k1, 1, 2},
    {Section::kBw3k0, Section::kFirst, 2, 2},
}};

Biquad crossoverSection(Section kind, FilterSide side) {
    switch (kind) {
        case Section::kFirst:
            return firstOrderSection(side);
        case Section::kBessel:
            return secondOrderSection(side, besselQ());
        case Section::kButterworth:
            return secondOrderSection(side, butterworthQ());
        case Section::kBw4k0:
            return secondOrderSection(side, butterworthSectionQ(4, 0));
        case Section::kBw4k1:
            return secondOrderSection(side, butterworthSectionQ(4, 1));
        case Section::kBw3k0:
            return secondOrderSection(side, butterworthSectionQ(3, 0));
        case Section::kNone:
        case Section::kBypass:
            break;
    }
    return bypassSection();
}

void sampleCrossover(Section kind, FilterSide side, BandCurve& shape) {
    sampleSection(crossoverSection(kind, side), SampleGrid::kCrossover,
                  side == FilterSide::kLowPass, shape);
}

void computeCrossover(BandCurve& out, FilterSide side, int c, int snappedHz) {
    const Recipe& recipe = kRecipes[c];
    BandCurve r1;
    sampleCrossover(recipe.first, side, r1);
    if (recipe.second != Section::kNone) {
        BandCurve r2;
        sampleCrossover(recipe.second, side, r2);
        // 2 * (r1 + r2) equals 2 * r1 + 2 * r2 exactly in binary floating point.
        for (int j = 0; j <= kN; ++j) {
            r1[j] = recipe.w1 * r1[j] + recipe.w2 * r2[j];
        }
    }
    placeShape(r1, snappedHz, out);
}

}  // namespace

Biquad peakingSection(float q, float gainDb) {
    const Design& d = designPoint();
    const float a = amplitude(gainDb);
    const float qPrime = static_cast<float>((q + 0.01) / 0.35714285714285714);
    const float alpha = static_cast<float>(d.s / (2.0 * qPrime));
    const float twoC = static_cast<float>(-2.0 * d.c);
    return {static_cast<float>(1.0 + double(alpha) * a),
            twoC,
            static_cast<float>(1.0 - double(alpha) * a),
            static_cast<float>(1.0 + double(alpha) / a),
            twoC,
            static_cast<float>(1.0 - double(alpha) / a)};
}

Biquad shelfSection(bool high, float q, float gainDb) {
    const Design& d = designPoint();
    const double c = d.c;
    const float slope = static_cast<float>(std::min(q, 4.0f) + 0.001);
    const float a = amplitude(gainDb);
    const double ad = a;
    const float alpha = static_cast<float>(
        d.s / 2.0 * std::sqrt(std::fabs((ad + 1.0 / ad) * (1.0 / slope - 1.0) + 2.0)));
    const float sqrtA = static_cast<float>(std::sqrt(ad));
    const double r = static_cast<float>(2.0 * sqrtA * alpha);
    const double plus = ad + 1.0;
    const double minus = ad - 1.0;
    auto f = [](double v) { return static_cast<float>(v); };
    if (!high) {
        return {f(ad * (plus - minus * c + r)), f(2.0 * ad * (minus - plus * c)),
                f(ad * (plus - minus * c - r)), f(plus + minus * c + r),
                f(-2.0 * (minus + plus * c)),   f(plus + minus * c - r)};
    }
    return {f(ad * (plus + minus * c + r)), f(-2.0 * ad * (minus + plus * c)),
            f(ad * (plus + minus * c - r)), f(plus - minus * c + r),
            f(2.0 * (minus - plus * c)),    f(plus - minus * c - r)};
}

Biquad bypassSection() { return {1, 0, 0, 1, 0, 0}; }

Biquad firstOrderSection(FilterSide side) {
    const Design& d = designPoint();
    const double s = d.s;
    const double c = d.c;
    const auto a0 = static_cast<float>(1.0 + s + c);
    const auto a1 = static_cast<float>(s - c - 1.0);
    if (side == FilterSide::kHighPass) {
        const auto b0 = static_cast<float>(1.0 + c);
        return {b0, -b0, 0, a0, a1, 0};
    }
    return {d.s, d.s, 0, a0, a1, 0};
}

Biquad secondOrderSection(FilterSide side, float q) {
    const Design& d = designPoint();
    const double c = d.c;
    const double alpha = static_cast<float>(d.s / (2.0 * q));
    const auto a0 = static_cast<float>(1.0 + alpha);
    const auto a1 = static_cast<float>(-2.0 * c);
    const auto a2 = static_cast<float>(1.0 - alpha);
    if (side == FilterSide::kHighPass) {
        const auto b0 = static_cast<float>((1.0 + c) / 2.0);
        return {b0, static_cast<float>(-(1.0 + c)), b0, a0, a1, a2};
    }
    const auto b0 = static_cast<float>((1.0 - c) / 2.0);
    return {b0, static_cast<float>(1.0 - c), b0, a0, a1, a2};
}

float besselQ() { return static_cast<float>(1.0 / std::sqrt(3.0)); }
float butterworthQ() { return static_cast<float>(1.0 / std::sqrt(2.0)); }

float butterworthSectionQ(int order, int k) {
    return static_cast<float>(1.0 / (2.0 * std::sin(std::numbers::pi * (k + 0.5) / order)));
}

float remapQ(float q) {
    if (q == 102.0f) {
        return 98.0f;
    }
    if (q == 108.0f) {
        return 100.0f;
    }
    if (q == 114.0f) {
        return 101.0f;
    }
    if (q == 121.0f) {
        return 102.0f;
    }
    if (q == 128.0f) {
        return 103.0f;
    }
    return q;
}

void sampleSection(const Biquad& bq, SampleGrid grid, bool zeroGuard, BandCurve& shape) {
    const PTable& p = gridTable(grid);
    const auto sb =
        static_cast<float>((double(bq.b0) + bq.b1 + bq.b2) * (double(bq.b0) + bq.b1 + bq.b2));
    const auto pb = static_cast<float>((double(bq.b0) + bq.b2) * bq.b1 + 4.0 * bq.b0 * bq.b2);
    const auto sa =
        static_cast<float>((double(bq.a0) + bq.a1 + bq.a2) * (double(bq.a0) + bq.a1 + bq.a2));
    const auto pa = static_cast<float>((double(bq.a0) + bq.a2) * bq.a1 + 4.0 * bq.a0 * bq.a2);
    const double bb = double(bq.b0) * bq.b2;
    const double aa = double(bq.a0) * bq.a2;
    // 10 log10(num) - 10 log10(den), taken as one logarithm of the ratio.
    constexpr double kDbPerNeper = 10.0 / std::numbers::ln10;
    for (int j = 0; j <= kN; ++j) {
        const double pj = p[j];
        const auto num = static_cast<float>((bb * pj - pb) * pj + sb);
        const auto den = static_cast<float>((aa * pj - pa) * pj + sa);
        if (zeroGuard && (num == 0.0f || den == 0.0f)) {
            shape[j] = j > 0 ? shape[j - 1] : 0.0f;
            continue;
        }
        shape[j] = static_cast<float>(kDbPerNeper * std::log(double(num) / double(den)));
    }
}

void placeShape(const BandCurve& shape, int snappedHz, BandCurve& out) {
    constexpr int m = ResponseGrid::kShapeCentre;
    const int e = centreIndex(snappedHz);
    // Above 24 kHz the centre lies beyond the grid; only points on the grid are written.
    for (int i = std::min(e, kN); i >= 0; --i) {
        const int k = m - (e - i);
        out[i] = k >= 0 ? shape[k] : shape[0];
    }
    for (int i = e; i <= kN; ++i) {
        const int k = m + (i - e);
        out[i] = k < kN ? shape[k] : shape[kN - 1];
    }
}

void ComputeBandCurve(BandCurve& out, int type, int frequencyHz, float q, float gainDb) {
    const int code = type & 0xFF;  // the type travels as an unsigned byte
    int snapped = snapFrequency(frequencyHz);
    q = remapQ(q);
    BandCurve shape;
    if (code < kHighPassBase) {
        switch (code) {
            case kBandPeaking:
                sampleSection(peakingSection(q, gainDb), SampleGrid::kPlain, false, shape);
                break;
            case kBandLowShelf:
            case kBandHighShelf:
                sampleSection(shelfSection(code == kBandHighShelf, q, gainDb), SampleGrid::kShelf,
                              false, shape);
                break;
            default:
                // A peaking band at 0 dB has b == a exactly, so it is 0 dB at every point.
                out.fill(0.0f);
                return;
        }
        placeShape(shape, snapped, out);
        return;
    }
    const int c = code % 20;
    if (c >= kXoTypeCount) {
        return;
    }
    const FilterSide side = code < kLowPassBase ? FilterSide::kHighPass : FilterSide::kLowPass;
    computeCrossover(out, side, c, snapped);
}

}  // namespace aec
