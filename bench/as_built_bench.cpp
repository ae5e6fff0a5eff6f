// The as-built window's search for the best single change, at its largest.
#include <benchmark/benchmark.h>

#include "circuit/as_built.h"

namespace {

// 64 positions balanced into 47k from 100 ohms, first set in E192, with four
// legs fitted slightly apart: 4 x 63 resistors x 7 values tried. Goal:
// below 20 ms.
void BM_BestSingleChangeBalancedE192(benchmark::State& bench) {
  circuit::StringSpec spec;
  spec.TotalOhms = 10e3;
  spec.Targets = circuit::EqualSteps(64, 1.0);
  spec.Inputs = circuit::CircuitInputs{47e3, 100.0, 100e-12, 1.0};
  spec.RoundedIn = {&design::kE192, &design::kE24};
  spec.Balanced = true;
  circuit::CircuitAnalysis circuit;
  circuit::AnalyseString(spec, circuit);
  circuit::FittedStrings fitted;
  circuit::DesignedFitted(circuit, fitted);
  for (std::size_t k = 1; k < fitted[0].size(); k += 5) fitted[k % 4][k] *= 1.007;
  for (auto _ : bench) {
    auto best = circuit::BestSingleChange(circuit, fitted);
    benchmark::DoNotOptimize(best);
  }
}
BENCHMARK(BM_BestSingleChangeBalancedE192)->Unit(benchmark::kMillisecond);

}  // namespace
