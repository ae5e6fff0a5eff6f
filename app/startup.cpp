// Application set-up shared by the program and its start-up benchmark.
#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QString>
#include <QStyleFactory>

#include "notation/eng_notation.h"
#include "ui/fonts.h"
#include "ui/message_seam.h"

namespace app {
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

void PrepareApplication(QApplication& application) {
  application.setApplicationName(QString::fromLatin1(ui::kApplicationName));
  // Lets the desktop match the windows to the installed menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.kestrix.Kestrix"));
  // Every size a title bar or task switcher asks for, each drawn at its own
  // size (compiled in from data/kestrix.qrc). The 128 and 256 pixel pictures
  // stay with the installed icon theme: handing them to the window system
  // with every window costs some 5 ms before the first frame.
  QIcon icon;
  for (int pixels : {16, 24, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/icons/kestrix-%1.png").arg(pixels));
  }
  QApplication::setWindowIcon(icon);
  // One look on every desktop, so the grey buttons and white frames match.
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(style);
  }
  UseLocaleDecimalSeparator();
  ui::InstallFontSubstitutions();
}

}  // namespace app
