// The kept window image, the printer page and the window typeface.
#include <functional>
#include <vector>

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPen>
#include <QPrintEngine>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/desktop/fonts.h"
#include "ui/pictures/schematic.h"
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

// The smallest rectangle of `region` holding every pixel that is not white.
QRect InkWithin(const QImage& image, QRect region) {
  QRect ink;
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

void DrawSample(surface::Surface& target) {
  target.setScale({0.0f, 0.0f, 12000.0f, 9000.0f});
  target.clear();
  target.setPenWidth(3.0f);
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
  // The text hangs below its position (y = 695 units, 43.7 pixels), one
  // 8-pixel line high; right of x = 448 nothing else is drawn.
  const QRect text = InkWithin(picture.image(), QRect(448, 0, 344, 566));
  ASSERT_FALSE(text.isNull());
  EXPECT_GE(text.top(), 43);
  EXPECT_LE(text.bottom(), 43 + 12);
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

// The engines of a printer whose pages go nowhere: they keep, for every
// stroke and text the painter sends, the pen width and the text size in
// device dots. The page is A4 at 720 dpi with no margins.
class StrokeKeepingEngine : public QPaintEngine, public QPrintEngine {
 public:
  struct Stroke {
    double pen;
    const char* kind;
  };

  StrokeKeepingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

  std::vector<Stroke> strokes;
  std::vector<int> textPixels;

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
  }
  void drawLines(const QLineF*, int count) override {
    for (int i = 0; i < count; ++i) keep("line");
  }
  void drawRects(const QRectF*, int count) override {
    for (int i = 0; i < count; ++i) keep("box");
  }
  void drawPath(const QPainterPath&) override { keep("path"); }
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override { keep("polygon"); }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF&, const QTextItem& item) override {
    textPixels.push_back(item.font().pixelSize());
  }
  QPaintEngine::Type type() const override { return QPaintEngine::User; }

  void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
  QVariant property(PrintEnginePropertyKey key) const override {
    if (key == PPK_Resolution) return kDotsPerInch;
    if (key == PPK_QPageLayout) {
      return QVariant::fromValue(
          QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    }
    return {};
  }
  bool newPage() override { return true; }
  bool abort() override { return true; }
  int metric(QPaintDevice::PaintDeviceMetric metric) const override {
    const QSize dots = QPageSize(QPageSize::A4).sizePixels(kDotsPerInch);
    switch (metric) {
      case QPaintDevice::PdmWidth:
        return dots.width();
      case QPaintDevice::PdmHeight:
        return dots.height();
      case QPaintDevice::PdmWidthMM:
        return 210;
      case QPaintDevice::PdmHeightMM:
        return 297;
      case QPaintDevice::PdmDpiX:
      case QPaintDevice::PdmDpiY:
      case QPaintDevice::PdmPhysicalDpiX:
      case QPaintDevice::PdmPhysicalDpiY:
        return kDotsPerInch;
      case QPaintDevice::PdmDevicePixelRatioScaled:
        return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
      case QPaintDevice::PdmNumColors:
        return 1 << 24;
      case QPaintDevice::PdmDepth:
        return 32;
      default:
        return 1;
    }
  }
  QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }

 private:
  static constexpr int kDotsPerInch = 720;
  void keep(const char* kind) {
    if (pen_.style() != Qt::NoPen) strokes.push_back({pen_.widthF(), kind});
  }
  QPen pen_;
};

// The engines come first, so they outlive the printer that uses them.
struct EngineHolder {
  StrokeKeepingEngine engine;
};
class StrokeKeepingPrinter : private EngineHolder, public QPrinter {
 public:
  StrokeKeepingPrinter() { setEngines(&engine, &engine); }
  const StrokeKeepingEngine& kept() const { return engine; }
};

// The page is drawn by replaying the recorded report onto the printer: each
// line and outline must reach the printer in the pen width that was set
// before it, and text at its point size (10 dots a point at 720 dpi).
TEST(PrinterSurface, ReplayKeepsPenWidthsAndTextSizes) {
  surface::RecordingSurface sheet;
  sheet.setScale({0.0f, -1000.0f, 12000.0f, 16000.0f});
  sheet.setFontSize(8.0f);
  const struct {
    float pen;
    LineMode mode;
  } strokes[] = {{8.0f, LineMode::Line},       {16.0f, LineMode::OutlineBox},
                 {4.0f, LineMode::Line},       {2.0f, LineMode::Line},
                 {2.0f, LineMode::OutlineBox}, {1.0f, LineMode::Continued}};
  for (const auto& stroke : strokes) {
    sheet.setPenWidth(stroke.pen);
    sheet.line(stroke.mode, {3000.0f, 8500.0f}, {9000.0f, 12500.0f}, 0);
  }
  sheet.setTextPosition({5500.0f, 13100.0f});
  sheet.printText("Position");
  sheet.setFontSize(6.0f);
  sheet.printText("Kestrix");

  StrokeKeepingPrinter printer;
  surface::PrinterSurface page(printer);
  ASSERT_TRUE(page.isActive());
  surface::Replay(sheet.ops(), page);
  EXPECT_TRUE(page.finish());

  const StrokeKeepingEngine& kept = printer.kept();
  ASSERT_EQ(kept.strokes.size(), std::size(strokes));
  for (std::size_t i = 0; i < std::size(strokes); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(kept.strokes[i].pen, strokes[i].pen);
    EXPECT_STREQ(kept.strokes[i].kind, strokes[i].mode == LineMode::OutlineBox ? "box" : "line");
  }
  EXPECT_EQ(kept.textPixels, (std::vector<int>{80, 60}));
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

TEST(WindowFont, StandsInWithInstalledFaces) {
  const QFont font = ui::WindowFont(6.0);
  EXPECT_TRUE(font.bold());
  const QString shown = QFontInfo(font).family();
  if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
    EXPECT_EQ(shown.toStdString(), "Liberation Sans");
  } else {
    EXPECT_EQ(shown.toStdString(), "DejaVu Sans");
  }
  // The opening window's title face keeps its serifs.
  if (QFontDatabase::hasFamily(QStringLiteral("Liberation Serif"))) {
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Times New Roman"))).family().toStdString(),
              "Liberation Serif");
  }
}

}  // namespace
