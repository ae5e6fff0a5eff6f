// Kestrix's own start-up, as main() runs it, with a report once the opening
// window's first frame is done; and a tour of every window for peak memory.
// Usage: kestrix_probe first-frame | tour
//   first-frame  prints "first-frame-ms T" (T counted from timed_exec's
//                launch) when the opening window has painted, and
//                "peak-kib N", the peak memory by then, and exits;
//   tour         clicks Start, Display, Deviation and Return, waiting for
//                each window to paint, then prints "peak-kib N" and exits.
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "app/opening_window.h"
#include "app/startup.h"
#include "tools/probe.h"
#include "ui/windows/navigation.h"

namespace {

// The one shown top-level window called `name`, or nullptr.
QWidget* ShownWindow(const char* name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->objectName() == QLatin1String(name)) return window;
  }
  return nullptr;
}

void Finish(const char* line) {
  std::fputs(line, stdout);
  std::fflush(stdout);
  QCoreApplication::exit(0);
}

// Clicks `button` on `window`, then carries on with `next` once the window
// named `then` has painted again.
void ClickAndAwait(QWidget* window, const char* button, const char* then,
                   std::function<void()> next) {
  auto* control = window->findChild<QPushButton*>(QString::fromLatin1(button));
  if (!control) return Finish("tour-failed\n");
  control->click();
  QWidget* shown = ShownWindow(then);
  if (!shown) return Finish("tour-failed\n");
  new bench::FirstFrameWatch(shown, std::move(next));
  // Display leaves the same window up and only asks for a repaint.
  shown->update();
}

void Tour(QWidget* opening) {
  ClickAndAwait(opening, "cmdStart", "frmDesign", [] {
    ClickAndAwait(ShownWindow("frmDesign"), "cmdDisplay", "frmDesign", [] {
      ClickAndAwait(ShownWindow("frmDesign"), "cmdExamine", "frmExamine", [] {
        ClickAndAwait(ShownWindow("frmExamine"), "cmdExit", "frmDesign", [] {
          char line[64];
          std::snprintf(line, sizeof line, "peak-kib %ld\n", bench::PeakResidentKiB());
          Finish(line);
        });
      });
    });
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool tour = argc > 1 && std::strcmp(argv[1], "tour") == 0;
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  auto* opening = new app::frmOpening;
  new bench::FirstFrameWatch(opening, [tour, opening] {
    if (tour) return Tour(opening);
    const double milliseconds = bench::MillisecondsSinceLaunch();
    char line[96];
    std::snprintf(line, sizeof line, "first-frame-ms %.3f\npeak-kib %ld\n", milliseconds,
                  bench::PeakResidentKiB());
    Finish(line);
  });
  ui::ShowOwnWindow(opening);
  return application.exec();
}
