// How long the analysis of the largest ladder and relay ladder takes, both
// rounded sets improved. Goal: each below 2 ms. Needs no Qt.
#include <benchmark/benchmark.h>

#include "circuit/analysis.h"

namespace {

void Run(benchmark::State& bench, const circuit::KindSpec& spec) {
  circuit::KindAnalysis analysis;
  int sets = 0;
  // A spec the analysis refuses would time nothing.
  if (!circuit::AnalyseKind(spec, analysis) || analysis.Sets.size() != 2) {
    bench.SkipWithError("the analysis refused these inputs");
    return;
  }
  for (auto _ : bench) {
    circuit::AnalyseKind(spec, analysis);
    benchmark::DoNotOptimize(analysis);
  }
  for (const circuit::PartSet& set : analysis.Sets) {
    for (const int steps : set.Parts.Steps) sets += steps != 0;
  }
  bench.counters["moved_parts"] = sets;
  bench.counters["worst_first_dB"] = analysis.Sets[0].Worst.Db;
}

// 64 positions of 1 dB then 1.5 dB steps, E192 then E24, into 47k from
// 100 ohms.
void BM_LargestLadder(benchmark::State& bench) {
  circuit::KindSpec spec;
  spec.What = circuit::Kind::Ladder;
  spec.Ohms = 10e3;
  spec.Targets.assign(63, 0.0);
  for (int p = 1; p < 63; ++p) spec.Targets[p] = spec.Targets[p - 1] + (p <= 20 ? 1.0 : 1.5);
  spec.Inputs = circuit::CircuitInputs{47e3, 100.0, 100e-12, 1.0};
  spec.RoundedIn = {&design::kE192, &design::kE24};
  Run(bench, spec);
}
BENCHMARK(BM_LargestLadder)->Unit(benchmark::kMicrosecond);

// Eight relays of 0.5 dB (256 codes), E192 then E24, into 47k from 100 ohms.
void BM_LargestRelayLadder(benchmark::State& bench) {
  circuit::KindSpec spec;
  spec.What = circuit::Kind::RelayLadder;
  spec.Ohms = 10e3;
  spec.Stages = 8;
  spec.StepDb = 0.5;
  spec.Inputs = circuit::CircuitInputs{47e3, 100.0, 100e-12, 1.0};
  spec.RoundedIn = {&design::kE192, &design::kE24};
  Run(bench, spec);
}
BENCHMARK(BM_LargestRelayLadder)->Unit(benchmark::kMicrosecond);

}  // namespace
