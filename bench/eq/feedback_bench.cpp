// Cost of the feedback finder per analysed frame (8192-point transform, peak search,
// neighbourhood medians, following): one hop of 2048 samples of music with a howl.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "eq/feedback_detector.h"

namespace {

using namespace aec;

std::vector<uint8_t> howlingMusic(size_t count) {
    std::mt19937 random(3);
    std::normal_distribution<double> white(0.0, 0.15);
    std::vector<uint8_t> out(count);
    double low = 0;
    for (size_t n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / 48000.0;
        low = 0.97 * low + 0.03 * white(random);
        const double v = 3 * low + white(random) + 0.2 * std::sin(2 * std::numbers::pi * 1250 * t);
        out[n] = static_cast<uint8_t>(std::lround(std::clamp(128 + 127 * v, 0.0, 255.0)));
    }
    return out;
}

void BM_FeedbackFrame(benchmark::State& state) {
    FeedbackDetector detector;
    const auto sound = howlingMusic(size_t{48000} * 4);
    size_t at = 0;
    for (auto _ : state) {
        if (at + FeedbackDetector::kHop > sound.size()) {
            at = 0;
        }
        detector.addSamples(std::span(sound).subspan(at, FeedbackDetector::kHop));
        at += FeedbackDetector::kHop;
        benchmark::DoNotOptimize(detector.found().data());
    }
}
BENCHMARK(BM_FeedbackFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
