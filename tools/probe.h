// What the start-up and memory probes share: when a window's first frame is
// done, how long since the launch, and the process's peak memory.
#pragma once

#include <functional>

#include <QObject>

class QEvent;
class QWidget;

namespace bench {

// Calls `then` once, from the event loop, after `window` has painted for the
// first time: by then the whole window, children included, has been drawn
// and handed to the platform.
class FirstFrameWatch : public QObject {
 public:
  FirstFrameWatch(QWidget* window, std::function<void()> then);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> then_;
  bool seen_ = false;
};

// Runs the event loop until `window` (shown by the caller) has painted once,
// for at most ten seconds. Returns whether it painted.
bool AwaitFirstFrame(QWidget* window);

// Milliseconds since timed_exec started this process: from the moment in
// KESTRIX_BENCH_T0_NS (CLOCK_MONOTONIC nanoseconds) until now; negative when
// the variable is not set.
double MillisecondsSinceLaunch();

// The process's peak resident memory so far (VmHWM), in KiB; -1 if unknown.
long PeakResidentKiB();

}  // namespace bench
