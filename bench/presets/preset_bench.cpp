// Cost of writing and reading a whole preset (1883 lines).
#include <benchmark/benchmark.h>

#include <string>

#include "presets/preset_file.h"

namespace {

aec::Model startUp() {
    aec::Model model;
    model.ResetEqBands(aec::kAllPages);
    return model;
}

void BM_PresetFileText(benchmark::State& state) {
    const aec::Model model = startUp();
    for (auto _ : state) {
        benchmark::DoNotOptimize(aec::presetFileText(model));
    }
}
BENCHMARK(BM_PresetFileText);

void BM_ParsePreset(benchmark::State& state) {
    const std::string text = aec::presetFileText(startUp());
    for (auto _ : state) {
        benchmark::DoNotOptimize(aec::parsePreset(text));
    }
}
BENCHMARK(BM_ParsePreset);

void BM_LoadPresetText(benchmark::State& state) {
    const std::string text = aec::presetFileText(startUp());
    aec::Model model;
    for (auto _ : state) {
        benchmark::DoNotOptimize(aec::loadPresetText(text, model));
    }
}
BENCHMARK(BM_LoadPresetText);

}  // namespace
