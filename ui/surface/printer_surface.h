// The printed page as a drawing surface: the same operations on a QPrinter.
#pragma once

#include <QPainter>

#include "ui/surface/painter_surface.h"

class QPrinter;

namespace surface {

// How wide text sets on `printer` in `typeface`, as a PrinterSurface on it
// will print it: for laying a page out before the job is opened. The
// printer's resolution, paper and margins must be set first; `printer` must
// outlive the measure.
TextMeasure PrinterTextMeasure(const QPrinter& printer, const QFont& typeface = QFont());

// Opens the print job on construction; the logical scale covers the printable
// area of the page, pen widths are printer dots and points are true points.
// Text is set in `typeface` (the application's default font when none is given).
// If the printer cannot be opened every operation does nothing; a surface
// destroyed before finish() abandons the job.
class PrinterSurface : public PainterSurface {
 public:
  explicit PrinterSurface(QPrinter& printer, const QFont& typeface = QFont());
  ~PrinterSurface() override;

  bool isActive() const { return painter_.isActive(); }
  // Ends the job: the page goes to the printer. Returns false when the
  // printer could not be opened or failed.
  bool finish();
  // Starts the next page; false when the printer is not open or refuses.
  bool newPage();

 protected:
  void paint(const std::function<void(QPainter&)>& draw) override;
  QSizeF deviceSize() const override;
  double dotsPerPoint() const override;
  double dotsPerPenDot() const override { return 1.0; }
  const QPaintDevice* paintDevice() const override;

 private:
  QPrinter& printer_;
  QPainter painter_;
};

}  // namespace surface
