// Application set-up shared by the program and its start-up benchmark.
#include "app/startup.h"

#include <cstdlib>
#include <string_view>

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QString>
#include <QStyleFactory>

#include "notation/eng_notation.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/message_box.h"

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

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

bool DisplayReachable(int argc, char** argv) {
  if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "-platform" || argument == "--platform") return true;
  }
  return false;
}

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
