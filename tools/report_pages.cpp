// Prints sample reports to PDF files through the windows' Print buttons, for
// looking at: report-default.pdf (the opening design) and report-25.pdf (25
// positions), the in-circuit and as-built pages of the 25-position design
// (in-circuit-25.pdf, as-built-25.pdf) and of a balanced 48-position string
// with a load, a source and a long cable (in-circuit-48.pdf,
// as-built-48.pdf), and of an unloaded gigohm string under a comma decimal
// separator (in-circuit-comma.pdf, as-built-comma.pdf), then that string's
// boxes as a ladder, a shunt and a relay ladder (in-circuit-ladder.pdf, ...).
// Usage: report_pages <output folder>
#include <cstdio>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include "design/design_state.h"
#include "notation/decimal_separator.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/seams.h"
#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_window.h"
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
  const auto printBoth = [&](const QString& name) {
    bool both = PrintTo(inCircuit, folder.filePath(QStringLiteral("in-circuit-%1.pdf").arg(name)));
    ui::StartAsBuilt(inCircuit.analysis());
    ui::frmAsBuilt asBuilt;
    return PrintTo(asBuilt, folder.filePath(QStringLiteral("as-built-%1.pdf").arg(name))) && both;
  };
  printed = printBoth(QStringLiteral("25")) && printed;
  inCircuit.txtLoad->setText(QStringLiteral("4k7"));
  inCircuit.txtSource->setText(QStringLiteral("600"));
  inCircuit.txtCable->setText(QStringLiteral("2n2"));
  inCircuit.txtTotal->setText(QStringLiteral("47k"));
  inCircuit.txtPositions->setText(QStringLiteral("48"));
  inCircuit.txtSteps->setText(QStringLiteral("10x0.5 1.5"));
  inCircuit.chkBalanced->setChecked(true);
  inCircuit.recompute();
  printed = printBoth(QStringLiteral("48")) && printed;
  notation::SetDecimalSeparator(',');
  inCircuit.txtLoad->setText(QStringLiteral("0"));
  inCircuit.txtTotal->setText(QStringLiteral("1G"));
  inCircuit.txtPositions->setText(QStringLiteral("26"));
  inCircuit.txtSteps->setText(QStringLiteral("1,5"));
  inCircuit.recompute();
  printed = printBoth(QStringLiteral("comma")) && printed;
  // Every other kind, from the string's boxes as the window hands them on.
  notation::SetDecimalSeparator('.');
  const char* const kinds[] = {"ladder", "shunt", "relay-ladder"};
  for (int kind = 1; kind <= 3; ++kind) {
    inCircuit.cboKind->setCurrentIndex(kind);
    emit inCircuit.cboKind->activated(kind);  // as a user's choice
    const QString name = QStringLiteral("in-circuit-%1.pdf").arg(QLatin1String(kinds[kind - 1]));
    printed = PrintTo(inCircuit, folder.filePath(name)) && printed;
  }
  return printed ? 0 : 1;
}
