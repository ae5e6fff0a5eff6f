// How long the in-circuit window's recompute and redraw take (the analysis
// on its own is in in_circuit_core_bench).
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include "design/design_state.h"
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
