// How long the in-circuit window's recompute and redraw take (the analysis
// on its own is in in_circuit_core_bench).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include "design/design_state.h"
#include "design/ladder.h"
#include "ui/desktop/fonts.h"
#include "ui/windows/circuit_session.h"
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

// The largest string the window designs: 64 positions, an E192 first set,
// balanced, into 47k, set through the window's own boxes and choices.
void BM_InCircuitRecomputeAndRedraw64(benchmark::State& bench) {
  design::modMain() = Design(10e3f, 25, 2.0f);
  ui::KeptCircuitSession() = {};
  ui::frmInCircuit window;
  window.resize(bench.range(0), bench.range(1));
  window.txtPositions->setText(QStringLiteral("64"));
  window.txtSteps->setText(QStringLiteral("20x1 1.5"));
  window.cboFirstSeries->setCurrentText(QStringLiteral("E192"));
  window.chkBalanced->setChecked(true);  // recomputes
  window.show();
  if (window.analysis().N != 64) bench.SkipWithError("not 64 positions");
  for (auto _ : bench) {
    window.recompute();
    window.repaint();
  }
  design::modMain() = {};
  ui::KeptCircuitSession() = {};
}
BENCHMARK(BM_InCircuitRecomputeAndRedraw64)
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
