// Cost of writing and reading a whole preset (1883 lines).
#include <benchmark/benchmark.h>

#include <string>

#include "presets/preset_file.h"

namespace {

aec::Model StartUp() {
    aec::Model model;
    model.ResetEqBands(aec::kAllPages);
    return model;
}

void BM_PresetFileText(benchmark::State& state) {
    const aec::Model model = StartUp();
    for (auto _ : state) {
        benchmark::DoNotOptimize(aec::PresetFileText(model));
    }
}
BENCHMARK(BM_PresetFileText);

void BM_ParsePreset(benchmark::State& state) {
    const std::string text = aec::PresetFileText(StartUp());
    for (auto _ : state) {
        benchmark::DoNotOptimize(aec::ParsePreset(text));
    }
}
BENCHMARK(BM_ParsePreset);

void BM_LoadPresetText(benchmark::State& state) {
    const std::string text = aec::PresetFileText(StartUp());
    aec::Model model;
    for (auto _ : state) {
        benchmark::DoNotOptimize(aec::LoadPresetText(text, model));
    }
}
BENCHMARK(BM_LoadPresetText);

}  // namespace
