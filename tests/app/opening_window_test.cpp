// The opening window as it first appears, and what start-up sets before it;
// checked again in a second process at a device pixel ratio of 2 under a
// German locale.
#include <string>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QProcess>
#include <QtMath>

#include <gtest/gtest.h>

#include "app/background.h"
#include "app/opening_window.h"
#include "app/startup.h"
#include "notation/eng_notation.h"

#include "tests/support/window_layout.h"

namespace {

TEST(OpeningWindow, PlacesAndColoursItsLabelsAndButtons) {
  app::frmOpening window;
  const struct {
    const char* name;
    QRectF units;
  } places[] = {
      {"Label1", {150, 1410, 11700, 1335}}, {"Label2", {150, 3000, 11700, 368}},
      {"Label3", {150, 3360, 11700, 368}},  {"Label5", {150, 3840, 11700, 368}},
      {"Label4", {150, 4440, 11700, 368}},  {"cmdStart", {5100, 5800, 1500, 340}},
      {"cmdExit", {5100, 6400, 1500, 340}},
  };
  for (const auto& place : places) {
    ExpectPlacedAt(window, window.findChild<QWidget*>(QString::fromLatin1(place.name)),
                   place.units);
  }
  // Light cyan text; the title four times the 12-point size of the lines below.
  const auto label = [&window](const char* name) {
    return window.findChild<QLabel*>(QString::fromLatin1(name));
  };
  for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
    EXPECT_EQ(label(name)->palette().color(QPalette::WindowText), QColor(192, 255, 255)) << name;
  }
  EXPECT_DOUBLE_EQ(label("Label1")->font().pointSizeF() / label("Label5")->font().pointSizeF(),
                   4.0);
}

// Grabbed before it is ever shown, the window must already show the rows of
// its background, one device pixel row per row whatever the pixel ratio.
// A column left of every label is compared with the background painted on
// its own, allowing a row's colour to land one device row off.
TEST(OpeningWindow, ShowsTheBackgroundFromTheFirstFrame) {
  app::frmOpening window;
  const QImage shot = window.grab().toImage();
  const double ratio = shot.devicePixelRatio();
  const QRectF content = window.contentRect();
  QImage expected(1, qRound(content.height() * ratio), QImage::Format_RGB32);
  expected.fill(Qt::black);
  app::PaintBackground(expected, app::BackgroundColours(), 1.0);
  const int x = qFloor((content.x() + content.width() * 75.0 / 12000.0) * ratio);
  const int top = qRound(content.y() * ratio);
  ASSERT_LE(top + expected.height(), shot.height() + 1);
  int differing = 0;
  for (int row = 0; row < expected.height() && top + row < shot.height(); ++row) {
    const QRgb shown = shot.pixel(x, top + row);
    bool near = false;
    for (int off = -1; off <= 1; ++off) {
      const int r = qBound(0, row + off, expected.height() - 1);
      near = near || shown == expected.pixel(0, r);
    }
    differing += !near;
  }
  EXPECT_EQ(differing, 0) << "at a device pixel ratio of " << ratio;
  EXPECT_EQ(qBlue(shot.pixel(x, top + expected.height() - 2)), 255) << "the bottom is full blue";
}

// Start-up takes the separator of the user's locale, whichever the program
// had before.
TEST(StartUp, TakesTheUsersDecimalSeparator) {
  const QString point = QLocale::system().decimalPoint();
  ASSERT_TRUE(point == QStringLiteral(".") || point == QStringLiteral(",")) << point.toStdString();
  const char user = point.at(0).toLatin1();
  const char before = notation::DecimalSeparator();
  notation::SetDecimalSeparator(user == '.' ? ',' : '.');
  app::PrepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  EXPECT_EQ(notation::DecimalSeparator(), user);
  EXPECT_EQ(notation::FormatEng(1.5f), std::string("1") + user + "5 ");
  // The name of the installed menu entry, so the desktop matches the windows to it.
  EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "example.kestrix.Kestrix");
  notation::SetDecimalSeparator(before);
}

// The tests above once more in a process of their own on a screen of twice
// the pixel density, with a comma as the user's decimal separator.
TEST(OpeningWindowElsewhere, PassesAtPixelRatioTwoUnderACommaLocale) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
  QProcess again;
  again.setProcessEnvironment(environment);
  again.setProcessChannelMode(QProcess::MergedChannels);
  again.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=OpeningWindow.*:StartUp.*")});
  ASSERT_TRUE(again.waitForFinished(120000));
  const std::string output = again.readAll().toStdString();
  EXPECT_EQ(again.exitCode(), 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 3 tests."), std::string::npos) << output;
}

}  // namespace
