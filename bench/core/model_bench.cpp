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

}  // namespace
