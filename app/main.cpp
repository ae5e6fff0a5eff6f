// Kestrix start-up: prepares the application and opens the opening window.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QString>
#include <QStyleFactory>

#include "app/opening_window.h"
#include "notation/eng_notation.h"
#include "ui/fonts.h"
#include "ui/message_seam.h"
#include "ui/navigation.h"

namespace {

// Numbers are written with the user's decimal separator when it is one the
// parser can read back.
void UseLocaleDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  if (point == QStringLiteral(".") || point == QStringLiteral(",")) {
    notation::SetDecimalSeparator(point.at(0).toLatin1());
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Every size drawn, so small title bars get the sharp ones.
  QApplication::setWindowIcon([] {
    QIcon icon;
    for (int px : {16, 24, 32, 48, 64, 128, 256}) {
      icon.addFile(QStringLiteral(":/icons/kestrix-%1.png").arg(px));
    }
    return icon;
  }());
  QApplication::setApplicationName(QString::fromLatin1(ui::kApplicationName));
  // Lets the desktop match the windows to the installed menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.kestrix.Kestrix"));
  // One look on every desktop, so the grey buttons and white frames match.
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(style);
  }
  UseLocaleDecimalSeparator();
  ui::InstallFontSubstitutions();

  ui::ShowOwnWindow(new app::frmOpening);
  return application.exec();
}
