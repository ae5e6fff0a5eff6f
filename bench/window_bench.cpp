// How long the windows' drawing takes: the opening window's background, by
// the fast painter and by drawing its 9000 lines one by one.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <benchmark/benchmark.h>

#include "app/background.h"

namespace {

// Client areas of the opening window on 1024 x 768 and 1920 x 1080 screens
// (the window fits 90% of the screen's height, title bar included).
const QSize kSizes[] = {QSize(911, 651), QSize(1304, 932)};

void BM_PaintBackground(benchmark::State& bench) {
  const QSize size = kSizes[bench.range(0)];
  const app::BackgroundRows rows = app::BackgroundColours();
  QImage image(size, QImage::Format_RGB32);
  for (auto _ : bench) {
    app::PaintBackground(image, rows, 1.0e6);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintBackground)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BackgroundLineByLine(benchmark::State& bench) {
  const QSize size = kSizes[bench.range(0)];
  const app::BackgroundRows rows = app::BackgroundColours();
  QImage image(size, QImage::Format_RGB32);
  for (auto _ : bench) {
    QPainter painter(&image);
    for (int y = 1; y <= app::kBackgroundRows; ++y) {
      const double row = y * static_cast<double>(size.height()) / app::kBackgroundRows;
      painter.setPen(QPen(QColor::fromRgb(rows[static_cast<std::size_t>(y - 1)]), 1));
      painter.drawLine(QPointF(0, row), QPointF(size.width(), row));
    }
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_BackgroundLineByLine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
