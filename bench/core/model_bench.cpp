// Cost of the store operations that run on every refresh and edit.
#include <benchmark/benchmark.h>

#include "core/display.h"
#include "core/model.h"

namespace {

void BM_SyncView(benchmark::State& state) {
    aec::Model m;
    m.selection.curOutputPage = 16;
    for (auto _ : state) {
        m.SyncView();
        benchmark::DoNotOptimize(m.view(6, 21));
    }
}
BENCHMARK(BM_SyncView);

void BM_DisplayTextGain(benchmark::State& state) {
    int r = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(aec::displayText(3, r, 0, 12));
        r = (r + 1) % 181;
    }
}
BENCHMARK(BM_DisplayTextGain);

// The undo history's share of each 10 ms graph tick while nothing changes.
void BM_HistoryQuietTick(benchmark::State& state) {
    aec::Model m;
    m.history.restart(m.paramStore(), aec::HistoryStart::kFresh);
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.history.tick(m.paramStore(), false));
    }
}
BENCHMARK(BM_HistoryQuietTick);

// Closing the step of one typed value: the whole store compared with the step's start.
void BM_HistoryCloseOneEdit(benchmark::State& state) {
    aec::Model m;
    m.history.restart(m.paramStore(), aec::HistoryStart::kFresh);
    int v = 0;
    for (auto _ : state) {
        m.setParam(0, 12, ++v % 181);
        benchmark::DoNotOptimize(m.history.close(m.paramStore()));
    }
}
BENCHMARK(BM_HistoryCloseOneEdit);

}  // namespace
