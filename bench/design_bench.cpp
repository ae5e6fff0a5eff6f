// How long a design run's calculation and the notation routines take.
#include <string>

#include <benchmark/benchmark.h>

#include "design/ladder.h"
#include "design/normalise.h"
#include "notation/eng_notation.h"

namespace {

// Normalising the three box texts and the ladder calculation, as a press of
// Display does before drawing.
void BM_DesignRun(benchmark::State& bench, const char* positions) {
  design::DesignState state;
  for (auto _ : bench) {
    design::BoxTexts boxes{"10k", positions, "2"};
    design::NormaliseInputs(state, boxes, nullptr);
    design::CalculateLadder(state);
    benchmark::DoNotOptimize(state.Atten5Pct);
  }
}
BENCHMARK_CAPTURE(BM_DesignRun, positions_11, "11");
BENCHMARK_CAPTURE(BM_DesignRun, positions_25, "25");

void BM_ParseEng(benchmark::State& bench) {
  for (auto _ : bench) {
    std::string text = " 4,7 kohm ";
    float value = 0;
    notation::ParseEng(text, value);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_ParseEng);

void BM_FormatEng(benchmark::State& bench) {
  const float value = 2056.71777f;
  std::string text;
  for (auto _ : bench) {
    notation::FormatEng(value, text);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatEng);

}  // namespace
