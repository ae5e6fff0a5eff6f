// Prints sample reports to PDF files through the design window's Print
// button, for looking at: report-default.pdf (the opening design) and
// report-25.pdf (25 positions), and the in-circuit page of the 25-position
// design, in-circuit-25.pdf. Usage: report_pages <output folder>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include "design/design_state.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/seams.h"
#include "ui/windows/design_window.h"
#include "ui/windows/in_circuit_window.h"

namespace {

bool PrintTo(QWidget& window, const QString& path) {
  ui::AppSeams().choosePrinter = [path](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return true;
  };
  window.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
  ui::AppSeams().choosePrinter = nullptr;
  if (!QFile::exists(path)) {
    std::fprintf(stderr, "no page written to %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::InstallFontSubstitutions();
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  ui::AppSeams().showMessage = [](const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
  };
  ui::frmDesign window;
  bool printed = PrintTo(window, folder.filePath(QStringLiteral("report-default.pdf")));
  window.Text2->setText(QStringLiteral("25"));
  window.cmdDisplay->click();
  printed = PrintTo(window, folder.filePath(QStringLiteral("report-25.pdf"))) && printed;
  ui::frmInCircuit inCircuit;
  printed = PrintTo(inCircuit, folder.filePath(QStringLiteral("in-circuit-25.pdf"))) && printed;
  return printed ? 0 : 1;
}
