// The kept window image, the printer page and the window typeface.
#include <functional>

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/fonts.h"
#include "ui/schematic.h"
#include "ui/surface/printer_surface.h"
#include "ui/surface/recording_surface.h"
#include "ui/surface/tee_surface.h"
#include "ui/surface/window_surface.h"

namespace {

using surface::LineMode;

QImage Blank(QSize size) {
  QImage blank(size, QImage::Format_ARGB32_Premultiplied);
  blank.fill(Qt::white);
  return blank;
}

void DrawSample(surface::Surface& target) {
  target.setScale({0.0f, 0.0f, 12000.0f, 9000.0f});
  target.clear();
  ui::DrawResistorSymbol(target, 6300.0f, 800.0f, 1.5f, 0);
  target.setFontSize(6.0f);
  target.setTextPosition({6840.0f, 695.0f});
  target.printText("0  dB");
}

TEST(WindowSurface, KeepsWhatWasDrawn) {
  surface::WindowSurface picture(ui::WindowFont());
  picture.resize(QSize(792, 566), 96.0 / 72.0, 1.0);
  EXPECT_EQ(picture.image(), Blank(QSize(792, 566)));
  DrawSample(picture);
  EXPECT_NE(picture.image(), Blank(QSize(792, 566)));
}

TEST(WindowSurface, DrawsTheSamePictureAgainAtANewSize) {
  surface::WindowSurface resized(ui::WindowFont());
  resized.resize(QSize(792, 566), 96.0 / 72.0, 1.0);
  DrawSample(resized);
  resized.resize(QSize(1584, 1132), 2 * 96.0 / 72.0, 2.0);

  surface::WindowSurface fresh(ui::WindowFont());
  fresh.resize(QSize(1584, 1132), 2 * 96.0 / 72.0, 2.0);
  DrawSample(fresh);
  EXPECT_NE(resized.image(), Blank(QSize(1584, 1132)));
  EXPECT_EQ(resized.image(), fresh.image());
}

TEST(WindowSurface, ClearingEmptiesThePictureForGood) {
  surface::WindowSurface picture(ui::WindowFont());
  picture.resize(QSize(400, 300), 1.0, 1.0);
  DrawSample(picture);
  picture.clear();
  picture.resize(QSize(800, 600), 2.0, 2.0);
  EXPECT_EQ(picture.image(), Blank(QSize(800, 600)));
}

// One painter serves a run of operations; each must still draw as it would
// on a painter of its own, whatever the operation before it set.
struct OpPair {
  const char* name;
  std::function<void(surface::Surface&)> first;
  std::function<void(surface::Surface&)> second;
};

void Line(surface::Surface& target) {
  target.setPenWidth(3.0f);
  target.line(LineMode::Line, {1000.0f, 1000.0f}, {9000.0f, 7000.0f}, 0xFF0000);
}
// Edges between pixels: smoothed edges would show on it.
void Box(surface::Surface& target) {
  target.line(LineMode::FilledBox, {1015.0f, 1015.0f}, {4015.0f, 4015.0f}, 0x00FF00);
}
void Outline(surface::Surface& target) {
  target.line(LineMode::OutlineBox, {2015.0f, 1015.0f}, {6015.0f, 5015.0f}, 0x0000FF);
}
void Text(surface::Surface& target) {
  target.setFontSize(12.0f);
  target.setTextPosition({3000.0f, 3000.0f});
  target.printText("1.5k ohms");
}

const OpPair kOpPairs[] = {
    {"line, then filled box", Line, Box},
    {"text, then filled box", Text, Box},
    {"outline, then filled box", Outline, Box},
    {"filled box, then line", Box, Line},
    {"line, then text", Line, Text},
    {"text, then outline", Text, Outline},
};

TEST(WindowSurface, DrawsEachOperationAsIfOnAFreshPainter) {
  for (const OpPair& row : kOpPairs) {
    SCOPED_TRACE(row.name);
    surface::WindowSurface together(ui::WindowFont());
    surface::WindowSurface apart(ui::WindowFont());
    for (surface::WindowSurface* picture : {&together, &apart}) {
      picture->resize(QSize(400, 300), 96.0 / 72.0, 1.0);
      picture->setScale({0.0f, 0.0f, 12000.0f, 9000.0f});
      picture->clear();
    }
    row.first(together);
    row.second(together);
    row.first(apart);
    ASSERT_NE(apart.image(), Blank(QSize(400, 300)));  // reading ends its painter
    row.second(apart);
    EXPECT_EQ(together.image(), apart.image());
  }
}

TEST(TeeSurface, RecorderSeesDrawingButNotRedrawing) {
  surface::RecordingSurface recorder;
  surface::WindowSurface picture(ui::WindowFont());
  surface::TeeSurface both(picture, recorder);
  DrawSample(both);
  EXPECT_NE(picture.image(), Blank(picture.image().size()));
  const std::size_t drawn = recorder.ops().size();
  picture.resize(QSize(1000, 700), 1.0, 1.0);
  EXPECT_EQ(recorder.ops().size(), drawn);
}

TEST(PrinterSurface, PrintsAPage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  surface::PrinterSurface page(printer);
  ASSERT_TRUE(page.isActive());
  page.setScale({0.0f, -1000.0f, 12000.0f, 16000.0f});
  page.setPenWidth(8.0f);
  ui::DrawResistorSymbol(page, 2500.0f, 800.0f, 0.9f, 0);
  page.line(LineMode::OutlineBox, {3000.0f, 8500.0f}, {9000.0f, 12500.0f}, 0);
  page.setFontSize(8.0f);
  page.setTextPosition({5500.0f, 13100.0f});
  page.printText("Position");
  EXPECT_TRUE(page.finish());
  EXPECT_FALSE(page.isActive());
  EXPECT_GT(QFileInfo(path).size(), 0);
}

TEST(PrinterSurface, AbandonedPageLeavesNoFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("abandoned.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  {
    surface::PrinterSurface page(printer);
    ASSERT_TRUE(page.isActive());
    page.line(LineMode::Line, {0.0f, 0.0f}, {1.0f, 1.0f}, 0);
  }
  EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(WindowFont, StandsInWithAnInstalledSans) {
  const QFont font = ui::WindowFont(6.0);
  EXPECT_TRUE(font.bold());
  const QString shown = QFontInfo(font).family();
  if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
    EXPECT_EQ(shown.toStdString(), "Liberation Sans");
  } else {
    EXPECT_EQ(shown.toStdString(), "DejaVu Sans");
  }
}

}  // namespace
