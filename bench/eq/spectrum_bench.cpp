// Cost of one spectrum analyser frame: the transform and the bars of a block, and the whole
// standalone frame on the plot (grid, bars, curve).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>

#include "core/model.h"
#include "eq/response_graph.h"
#include "eq/spectrum_analyser.h"
#include "eq/spectrum_picture.h"

namespace {

using namespace aec;

// A block of music-like sound: three tones and a little hash.
std::array<std::uint8_t, kBlockSamples> musicBlock() {
    std::array<std::uint8_t, kBlockSamples> block{};
    for (int n = 0; n < kBlockSamples; ++n) {
        const double t = n / 48000.0;
        const double v = 0.4 * std::sin(2 * M_PI * 110 * t) + 0.2 * std::sin(2 * M_PI * 1250 * t) +
                         0.1 * std::sin(2 * M_PI * 7000 * t) + 0.02 * ((n * 7919) % 13 - 6) / 6.0;
        block[n] = static_cast<std::uint8_t>(std::lround(128 + 127 * v));
    }
    return block;
}

void BM_SpectrumComputeAndBars(benchmark::State& state) {
    SpectrumAnalyser analyser;
    analyser.setOn(true);
    const auto block = musicBlock();
    analyser.OnAudioBlock(block, false);
    const PlotGeometry g;
    for (auto _ : state) {
        analyser.ComputeSpectrum();
        benchmark::DoNotOptimize(analyser.bars(g).data());
    }
}
BENCHMARK(BM_SpectrumComputeAndBars)->Unit(benchmark::kMicrosecond);

void BM_SpectrumStandaloneFrame(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench_eq";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QGuiApplication app(argc, argv);
    Model model;
    model.ResetEqBands(kAllPages);
    model.SyncView();
    SpectrumAnalyser analyser;
    analyser.setOn(true);
    analyser.OnAudioBlock(musicBlock(), false);
    ResponseGraph graph(model);
    graph.setUnderlay(
        [&](QImage& plot, const PlotGeometry& g) { drawSpectrumBars(plot, analyser.bars(g)); });
    graph.BuildGraphBackground(kBackgroundCreate);
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    for (auto _ : state) {
        analyser.ComputeSpectrum();
        graph.redrawUnderlay();
        benchmark::DoNotOptimize(graph.plot().constBits());
    }
}
BENCHMARK(BM_SpectrumStandaloneFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
