// How long the in-circuit analysis takes on its own and with the window's
// recompute and redraw, and how much the rounding optimiser gains over a
// sweep of designs (reported as counters).
#include <algorithm>

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include "design/design_state.h"
#include "design/in_circuit.h"
#include "design/ladder.h"
#include "ui/desktop/fonts.h"
#include "ui/windows/in_circuit_window.h"

namespace {

design::DesignState Design(float total, int positions, float step) {
  design::DesignState state;
  state.TotalOhms = total;
  state.NumPositions = static_cast<int16_t>(positions);
  state.StepSize = step;
  design::CalculateLadder(state);
  return state;
}

// The whole analysis of a 25-position design into 47k with the defaults:
// both loaded sets, the compensated string, both optimised roundings, the
// band and the impedances.
void BM_InCircuitArithmetic(benchmark::State& bench) {
  const design::DesignState state = Design(10e3f, static_cast<int>(bench.range(0)), 2.0f);
  design::CircuitAnalysis analysis;
  for (auto _ : bench) {
    design::AnalyseInCircuit(state, design::CircuitInputs{}, analysis);
    benchmark::DoNotOptimize(analysis);
  }
}
BENCHMARK(BM_InCircuitArithmetic)->Arg(11)->Arg(25)->Unit(benchmark::kMicrosecond);

// Enter in a box: read the boxes, analyse, refill the table, draw the chart,
// and paint the window (offscreen, at the size it opens on a 1024 x 768 or a
// 1920 x 1080 screen; the arithmetic, optimiser included, is part of it).
void BM_InCircuitRecomputeAndRedraw(benchmark::State& bench) {
  design::modMain() = Design(10e3f, 25, 2.0f);
  ui::frmInCircuit window;
  window.resize(bench.range(0), bench.range(1));
  window.show();
  for (auto _ : bench) {
    window.recompute();
    window.repaint();
  }
  design::modMain() = {};
}
BENCHMARK(BM_InCircuitRecomputeAndRedraw)
    ->Args({911, 651})
    ->Args({1304, 932})
    ->Unit(benchmark::kMillisecond);

// The optimiser against rounding each resistor alone, over every N from 3 to
// 25, steps of 0.5 to 4 dB, totals of 10k to 100k and loads of 10k to 100k.
// Counters: designs, how many improved, and the mean and largest fall of the
// worst step error (dB), for E96 and E24.
void BM_OptimiserGainOverSweep(benchmark::State& bench) {
  const design::StandardSeries series =
      bench.range(0) == 96 ? design::kE96Series : design::kE24Series;
  int designs = 0, improved = 0;
  double sum = 0.0, largest = 0.0, smallest = 1e9, before = 0.0, after = 0.0;
  for (auto _ : bench) {
    designs = improved = 0;
    sum = largest = before = after = 0.0;
    smallest = 1e9;
    for (int n = 3; n <= 25; ++n) {
      for (double step : {0.5, 1.0, 2.0, 3.0, 4.0}) {
        for (double total : {10e3, 25e3, 50e3, 100e3}) {
          for (double load : {10e3, 47e3, 100e3}) {
            const design::Surroundings around{0.0, load};
            design::OhmsColumn ideal{}, alone{}, better{};
            design::CompensatedString(total, n, step, around, ideal);
            design::RoundEach(ideal, n, series, alone);
            better = alone;
            design::ImproveRounding(better, n, step, around, series);
            const double worstAlone = design::WorstStepError(alone, n, step, around);
            const double worstBetter = design::WorstStepError(better, n, step, around);
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
BENCHMARK(BM_OptimiserGainOverSweep)
    ->Arg(96)
    ->Arg(24)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ui::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
