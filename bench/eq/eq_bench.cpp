// Cost of the response curves and of the graph redraws that run on every drag step.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "core/model.h"
#include "eq/band_curve.h"
#include "eq/response_graph.h"

namespace {

using namespace aec;

// Painting needs a GUI application; the offscreen platform keeps the benchmark headless.
void ensureGui() {
    static int argc = 1;
    static char name[] = "bench_eq";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QGuiApplication app(argc, argv);
}

// The Music page with every band and both crossovers drawing a real shape.
void shapeMusicPage(Model& m) {
    m.ResetEqBands(kAllPages);
    m.SyncView();
    for (int band = 0; band < 15; ++band) {
        const int s = 10 + 5 * band;
        m.setView(0, s, band % 4 == 3 ? kBandHighShelf : kBandPeaking);
        m.setView(0, s + 2, 60 + 8 * band);
        m.setView(0, s + 3, 10 + 5 * band);
    }
    m.setView(0, 4, kXoLinkwitzRiley24);
    m.setView(0, 5, 40);
    m.setView(0, 6, kXoButterworth36);
    m.setView(0, 7, 300);
}

void BM_PeakingSection(benchmark::State& state) {
    BandCurve shape;
    const Biquad section = peakingSection(1.4f, 7.5f);
    for (auto _ : state) {
        sampleSection(section, SampleGrid::kPlain, false, shape);
        benchmark::DoNotOptimize(shape.data());
    }
}
BENCHMARK(BM_PeakingSection);

void BM_PeakingCurve(benchmark::State& state) {
    BandCurve curve;
    for (auto _ : state) {
        ComputeBandCurve(curve, kBandPeaking, 1000, 1.4f, 7.5f);
        benchmark::DoNotOptimize(curve.data());
    }
}
BENCHMARK(BM_PeakingCurve);

void BM_LowPass36Curve(benchmark::State& state) {
    BandCurve curve;
    for (auto _ : state) {
        ComputeBandCurve(curve, kLowPassBase + kXoButterworth36, 5000, 0, 0);
        benchmark::DoNotOptimize(curve.data());
    }
}
BENCHMARK(BM_LowPass36Curve);

void BM_FullMusicRedraw(benchmark::State& state) {
    ensureGui();
    Model model;
    shapeMusicPage(model);
    ResponseGraph graph(model);
    graph.BuildGraphBackground(kBackgroundCreate);
    for (auto _ : state) {
        graph.DrawPageResponse(kAllPoints, kPageMusic);
        benchmark::DoNotOptimize(graph.plot().constBits());
    }
}
BENCHMARK(BM_FullMusicRedraw)->Unit(benchmark::kMicrosecond);

void BM_DragStep(benchmark::State& state) {
    ensureGui();
    Model model;
    shapeMusicPage(model);
    ResponseGraph graph(model);
    graph.BuildGraphBackground(kBackgroundCreate);
    graph.DrawPageResponse(kAllPoints, kPageMusic);
    model.setDragging(true);
    int gain = 0;
    for (auto _ : state) {
        model.setView(0, 10 + 5 * 6 + 2, gain);
        gain = (gain + 7) % 181;
        graph.DrawPageResponse(6, kPageMusic);
        benchmark::DoNotOptimize(graph.plot().constBits());
    }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

}  // namespace
