// Drawing on the printer's page.
#include "ui/surface/printer_surface.h"

#include <QFile>
#include <QFont>
#include <QPrinter>

namespace surface {
namespace {

constexpr double kPointsPerInch = 72.0;

double DotsPerPoint(const QPrinter& printer) { return printer.resolution() / kPointsPerInch; }

QSizeF PrintableDots(const QPrinter& printer) {
  return printer.pageRect(QPrinter::DevicePixel).size();
}

}  // namespace

TextMeasure PrinterTextMeasure(const QPrinter& printer, const QFont& typeface) {
  return [&printer, typeface](const std::string& text, float points, const Scale& scale) {
    const double pixels =
        DeviceTextWidth(typeface, TextPixelSize(points, DotsPerPoint(printer)), text, &printer);
    return static_cast<float>(pixels * scale.width / PrintableDots(printer).width());
  };
}

PrinterSurface::PrinterSurface(QPrinter& printer, const QFont& typeface)
    : PainterSurface(typeface), printer_(printer) {
  painter_.begin(&printer_);
}

// A page left unfinished is abandoned, not sent. The PDF writer cannot
// abort: ending the painter writes the file anyway, so it is removed again.
PrinterSurface::~PrinterSurface() {
  if (!painter_.isActive()) return;
  const bool aborted = printer_.abort();
  painter_.end();
  const QString file = printer_.outputFileName();
  if (!aborted && printer_.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
    QFile::remove(file);
  }
}

bool PrinterSurface::finish() {
  if (!painter_.isActive()) return false;
  return painter_.end();
}

bool PrinterSurface::newPage() { return painter_.isActive() && printer_.newPage(); }

void PrinterSurface::paint(const std::function<void(QPainter&)>& draw) {
  if (painter_.isActive()) draw(painter_);
}

QSizeF PrinterSurface::deviceSize() const { return PrintableDots(printer_); }

double PrinterSurface::dotsPerPoint() const { return DotsPerPoint(printer_); }

const QPaintDevice* PrinterSurface::paintDevice() const { return &printer_; }

}  // namespace surface
