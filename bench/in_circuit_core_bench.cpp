// How long the in-circuit analysis takes on its own, today's design and the
// largest string, and how much the rounding optimiser gains over a sweep of
// designs (reported as counters). Needs no Qt.
#include <algorithm>

#include <benchmark/benchmark.h>

#include "circuit/string_analysis.h"
#include "design/design_state.h"
#include "design/ladder.h"

namespace {

design::DesignState Design(float total, int positions, float step) {
  design::DesignState state;
  state.TotalOhms = total;
  state.NumPositions = static_cast<int16_t>(positions);
  state.StepSize = step;
  design::CalculateLadder(state);
  return state;
}

// The whole analysis of a design into 47k with the defaults: both loaded
// sets, the compensated string, both optimised roundings, the band and the
// impedances.
void BM_InCircuitArithmetic(benchmark::State& bench) {
  const design::DesignState state = Design(10e3f, static_cast<int>(bench.range(0)), 2.0f);
  circuit::CircuitAnalysis analysis;
  for (auto _ : bench) {
    circuit::AnalyseInCircuit(state, circuit::CircuitInputs{}, analysis);
    benchmark::DoNotOptimize(analysis);
  }
}
BENCHMARK(BM_InCircuitArithmetic)->Arg(11)->Arg(25)->Unit(benchmark::kMicrosecond);

// The largest string: 64 positions of a law of 1 dB then 2 dB steps,
// E192 then E24, balanced into 47k from 100 ohms. Goal: below 2 ms.
void BM_LargestStringBalanced(benchmark::State& bench) {
  circuit::StringSpec spec;
  spec.TotalOhms = 10e3;
  spec.Targets = circuit::EqualSteps(64, 2.0);
  for (int p = 1; p <= 20; ++p) spec.Targets[p] = p;
  for (std::size_t p = 21; p < spec.Targets.size(); ++p) spec.Targets[p] = spec.Targets[p - 1] + 1.5;
  spec.Inputs = circuit::CircuitInputs{47e3, 100.0, 100e-12, 1.0};
  spec.RoundedIn = {&design::kE192, &design::kE24};
  spec.Balanced = true;
  circuit::CircuitAnalysis analysis;
  for (auto _ : bench) {
    circuit::AnalyseString(spec, analysis);
    benchmark::DoNotOptimize(analysis);
  }
}
BENCHMARK(BM_LargestStringBalanced)->Unit(benchmark::kMicrosecond);

// The optimiser against rounding each resistor alone, over every N from 3 to
// 25, steps of 0.5 to 4 dB, totals of 10k to 100k and loads of 10k to 100k.
// Counters: designs, how many improved, and the mean and largest fall of the
// worst deviation (dB), for the series of the argument.
void BM_OptimiserGainOverSweep(benchmark::State& bench) {
  const design::Series& series = bench.range(0) == 96 ? design::kE96 : design::kE24;
  int designs = 0, improved = 0;
  double sum = 0.0, largest = 0.0, smallest = 1e9, before = 0.0, after = 0.0;
  for (auto _ : bench) {
    designs = improved = 0;
    sum = largest = before = after = 0.0;
    smallest = 1e9;
    for (int n = 3; n <= 25; ++n) {
      for (double step : {0.5, 1.0, 2.0, 3.0, 4.0}) {
        const circuit::TargetColumn targets = circuit::EqualSteps(n, step);
        for (double total : {10e3, 25e3, 50e3, 100e3}) {
          for (double load : {10e3, 47e3, 100e3}) {
            const circuit::Surroundings around{0.0, load};
            circuit::OhmsColumn ideal;
            circuit::CompensatedString(total, targets, around, ideal);
            circuit::RoundedString alone;
            circuit::RoundEach(ideal, series, alone);
            circuit::RoundedString better = alone;
            circuit::ImproveRounding(better, targets, around, series);
            const double worstAlone = circuit::WorstDeviation(alone.Ohms, targets, around).Db;
            const double worstBetter = circuit::WorstDeviation(better.Ohms, targets, around).Db;
            const double gain = worstAlone - worstBetter;
            before += worstAlone;
            after += worstBetter;
            ++designs;
            if (gain > 0.0) ++improved;
            sum += gain;
            largest = std::max(largest, gain);
            smallest = std::min(smallest, gain);
          }
        }
      }
    }
  }
  bench.counters["designs"] = designs;
  bench.counters["improved"] = improved;
  bench.counters["mean_gain_dB"] = sum / designs;
  bench.counters["mean_worst_alone_dB"] = before / designs;
  bench.counters["mean_worst_optimised_dB"] = after / designs;
  bench.counters["largest_gain_dB"] = largest;
  bench.counters["smallest_gain_dB"] = smallest;
}
BENCHMARK(BM_OptimiserGainOverSweep)->Arg(96)->Arg(24)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
