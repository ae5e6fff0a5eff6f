// The print job: choosing the printer, opening the page, sending it.
#include "ui/print_job.h"

#include <QAbstractPrintDialog>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

#include "ui/fonts.h"
#include "ui/message_seam.h"
#include "ui/seams.h"
#include "ui/surface/printer_surface.h"

namespace ui {
namespace {

bool ChoosePrinter(QPrinter& printer, QWidget* dialogParent) {
  const PrinterSeam& seam = AppSeams().choosePrinter;
  if (seam) return seam(printer);
  QPrintDialog dialog(&printer, dialogParent);
  // One page: no range, selection or current page to choose; printing to a
  // PDF file stays on offer for machines without a printer.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                    QAbstractPrintDialog::PrintCollateCopies);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool PrintOnePage(QWidget* dialogParent, const PageDrawer& draw) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromLatin1(kApplicationName));
  printer.setCreator(QString::fromLatin1(kApplicationName));
  if (!ChoosePrinter(printer, dialogParent)) return false;

  // The page is laid out for portrait whatever the dialog was left at, and
  // its dots are the size the pen widths are drawn for.
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setResolution(kPageDotsPerInch);

  surface::PrinterSurface page(printer, PageFont());
  if (!page.isActive()) return false;
  page.setMirror(AppSeams().pageRecorder);
  draw(page);
  if (!page.isActive()) return false;  // the printer failed while drawing
  return page.finish();
}

}  // namespace ui
