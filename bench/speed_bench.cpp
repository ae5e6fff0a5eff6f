// The in-process speed figures, each beside a reference timed in the same run,
// as "name value" lines for bench/speed.sh. Times are medians, in ms.
// Usage: speed_bench design | gradient | print
//   design    RunDesign at 25 positions plus the window's repaint; beside it
//             the run alone and the repaint alone.
//   gradient  the opening window's background, painted and stretched across
//             the client area at the size the window really has on this
//             screen; reference: its 9000 lines drawn one by one.
//   print     the Print button through the printer seam to a PDF file;
//             reference: an empty PDF page. "n/a" when no PDF appears.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/background.h"
#include "app/opening_window.h"
#include "app/startup.h"
#include "tools/probe.h"
#include "ui/desktop/seams.h"
#include "ui/windows/design_window.h"

namespace {

// Median wall time of `runs` calls of `work`, in milliseconds.
template <typename Work>
double MedianMs(int runs, Work&& work) {
  std::vector<double> times;
  times.reserve(static_cast<std::size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto stop = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<std::size_t>(runs / 2)];
}

void Report(const char* name, double milliseconds) { std::printf("%s %.4f\n", name, milliseconds); }

int DesignFigure() {
  ui::frmDesign window;
  window.show();
  if (!bench::AwaitFirstFrame(&window)) return 1;
  window.Text2->setText(QStringLiteral("25"));
  window.RunDesign();
  window.repaint();
  Report("design-ms", MedianMs(400, [&window] {
           window.RunDesign();
           window.repaint();
         }));
  // The two halves on their own: the run draws into the kept image, the
  // repaint puts that image and the controls on screen.
  Report("run-ms", MedianMs(400, [&window] { window.RunDesign(); }));
  Report("repaint-ms", MedianMs(400, [&window] { window.repaint(); }));
  return 0;
}

int GradientFigure() {
  // The window lays itself out for its screen as it is built.
  const app::frmOpening window;
  const QSize size = window.contentRect().size().toSize();
  const app::BackgroundRows rows = app::BackgroundColours();
  QImage screen(size, QImage::Format_RGB32);
  QImage column(1, size.height(), QImage::Format_RGB32);
  std::printf("gradient-size %dx%d\n", size.width(), size.height());
  // As the window does it: the rows into one column of pixels, then that
  // column stretched across the client area when it is painted.
  Report("gradient-ms", MedianMs(400, [&] {
           app::PaintBackground(column, rows, 1.0e6);
           QPainter painter(&screen);
           painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), column);
         }));
  Report("lines-ms", MedianMs(40, [&] {
           QPainter painter(&screen);
           for (int y = 1; y <= app::kBackgroundRows; ++y) {
             const double row = y * static_cast<double>(size.height()) / app::kBackgroundRows;
             painter.setPen(QPen(QColor::fromRgb(rows[static_cast<std::size_t>(y - 1)]), 1));
             painter.drawLine(QPointF(0, row), QPointF(size.width(), row));
           }
         }));
  return 0;
}

int PrintFigure() {
  QTemporaryDir folder;
  if (!folder.isValid()) return 1;
  const QString page = folder.filePath(QStringLiteral("design.pdf"));
  ui::AppSeams().choosePrinter = [&page](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(page);
    return true;
  };
  const auto printed = [&page] {
    const QFileInfo file(page);
    return file.exists() && file.size() > 0;
  };

  ui::frmDesign window;
  window.show();
  if (!bench::AwaitFirstFrame(&window)) return 1;
  window.cmdPrint->click();
  if (printed()) {
    Report("print-ms", MedianMs(30, [&] {
             QFile::remove(page);
             window.cmdPrint->click();
           }));
    if (!printed()) std::printf("print-ms n/a\n");
  } else {
    std::printf("print-ms n/a\n");
  }

  const QString empty = folder.filePath(QStringLiteral("empty.pdf"));
  Report("empty-page-ms", MedianMs(30, [&empty] {
           QPrinter printer;
           printer.setOutputFormat(QPrinter::PdfFormat);
           printer.setOutputFileName(empty);
           QPainter painter;
           painter.begin(&printer);
           painter.end();
         }));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const char* figure = argc > 1 ? argv[1] : "";
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  std::printf("qt-version %s\nplatform %s\n", qVersion(),
              qPrintable(QGuiApplication::platformName()));
  if (std::strcmp(figure, "design") == 0) return DesignFigure();
  if (std::strcmp(figure, "gradient") == 0) return GradientFigure();
  if (std::strcmp(figure, "print") == 0) return PrintFigure();
  std::fprintf(stderr, "usage: speed_bench design | gradient | print\n");
  return 2;
}
