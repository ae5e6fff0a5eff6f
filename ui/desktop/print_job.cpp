// The print job: choosing the printer, opening the page, sending it.
#include "ui/desktop/print_job.h"

#include <QAbstractPrintDialog>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <vector>

#include "ui/desktop/fonts.h"
#include "ui/desktop/message_box.h"
#include "ui/desktop/seams.h"
#include "ui/surface/printer_surface.h"
#include "ui/surface/recording_surface.h"
#include "ui/surface/surface_ops.h"
#include "ui/surface/tee_surface.h"

namespace ui {

std::string ReportDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}
namespace {

// The printer's margins, each widened to at least `mm`.
void WidenMargins(QPrinter& printer, double mm) {
  const QMarginsF now = printer.pageLayout().margins(QPageLayout::Millimeter);
  const QMarginsF wide(std::max(now.left(), mm), std::max(now.top(), mm),
                       std::max(now.right(), mm), std::max(now.bottom(), mm));
  printer.setPageMargins(wide, QPageLayout::Millimeter);
}

// Names the job `fileName`: Qt's own dialog proposes the document's name
// for a PDF file, and other platforms' dialogs name the job or the file by
// it. A printer that can only write PDF (none installed) gets the file
// itself, in the documents folder (home where there is none), so every
// dialog offers it.
void NameJob(QPrinter& printer, const std::string& fileName) {
  const QString name = QString::fromStdString(fileName);
  printer.setDocName(name);
  if (printer.outputFormat() != QPrinter::PdfFormat) return;
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  printer.setOutputFileName(QDir(folder).filePath(name));
}

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

bool PrintOnePage(QWidget* dialogParent, const std::string& fileName, const PageDrawer& draw) {
  return PrintPages(dialogParent, fileName, {draw});
}

bool PrintPages(QWidget* dialogParent, const std::string& fileName,
                const std::vector<PageDrawer>& pages, bool widenMargins) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setCreator(QString::fromLatin1(kApplicationName));
  NameJob(printer, fileName);
  if (pages.empty() || !ChoosePrinter(printer, dialogParent)) return false;
  // The pages are laid out for portrait whatever the dialog was left at,
  // and their dots are the size the pen widths are drawn for.
  printer.setPageOrientation(QPageLayout::Portrait);
  if (widenMargins) WidenMargins(printer, kPagesMarginMm);
  printer.setResolution(kPageDotsPerInch);
  // Every page is drawn before the printer is opened: the printers' jobs
  // cannot be taken back once begun, so a page that is not drawn to the
  // end must never start one. The pages measure their texts on the printer.
  const QFont typeface = PageFont();
  std::vector<surface::RecordingSurface> sheets;
  sheets.reserve(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    sheets.emplace_back(surface::PrinterTextMeasure(printer, typeface));
  }
  std::vector<const surface::RecordingSurface*> drawn;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (pages[i](sheets[i])) {
      drawn.push_back(&sheets[i]);
    } else if (i == 0) {
      return false;
    }
  }
  surface::PrinterSurface page(printer, typeface);
  if (!page.isActive()) return false;
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    if (i > 0 && !page.newPage()) return false;
    if (surface::Surface* recorder = AppSeams().pageRecorder) {
      surface::TeeSurface recorded(page, *recorder);
      surface::Replay(drawn[i]->ops(), recorded);
    } else {
      surface::Replay(drawn[i]->ops(), page);
    }
  }
  return page.finish();
}

}  // namespace ui
