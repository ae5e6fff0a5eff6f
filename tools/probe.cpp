// First-frame watch, launch clock and peak memory for the probes.
#include "tools/probe.h"

#include <time.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace bench {

FirstFrameWatch::FirstFrameWatch(QWidget* window, std::function<void()> then)
    : QObject(window), then_(std::move(then)) {
  window->installEventFilter(this);
}

bool FirstFrameWatch::eventFilter(QObject* watched, QEvent* event) {
  if (!seen_ && event->type() == QEvent::Paint) {
    seen_ = true;
    // The window paints itself and then its children in one pass, and the
    // frame is flushed at its end; a zero timer runs after all of that.
    QTimer::singleShot(0, this, [this] { then_(); });
  }
  return QObject::eventFilter(watched, event);
}

bool AwaitFirstFrame(QWidget* window) {
  bool painted = false;
  auto* watch = new FirstFrameWatch(window, [&painted] { painted = true; });
  QElapsedTimer waited;
  waited.start();
  while (!painted && waited.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  delete watch;
  return painted;
}

double MillisecondsSinceLaunch() {
  const char* start = std::getenv("KESTRIX_BENCH_T0_NS");
  if (!start || !*start) return -1.0;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const long long nowNs = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
  return static_cast<double>(nowNs - std::atoll(start)) / 1.0e6;
}

long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      std::istringstream fields(line.substr(6));
      long kib = -1;
      fields >> kib;
      return kib;
    }
  }
  return -1;
}

}  // namespace bench
