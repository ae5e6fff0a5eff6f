// The reference for the start-up and memory figures: a bare QApplication with
// one empty QWidget, built with the same compiler, flags and Qt as Kestrix.
// Usage: bare_probe
//   prints "first-frame-ms T" once the widget's first frame is done (T counted
//   from timed_exec's launch) and "peak-kib N", the peak memory by then, and
//   exits. An empty widget has nowhere else to go, so this is its tour too.
#include <cstdio>

#include <QApplication>
#include <QWidget>

#include "tools/probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  bench::FirstFrameWatch watch(&window, [] {
    const double milliseconds = bench::MillisecondsSinceLaunch();
    std::printf("first-frame-ms %.3f\npeak-kib %ld\n", milliseconds, bench::PeakResidentKiB());
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });
  window.show();
  return application.exec();
}
