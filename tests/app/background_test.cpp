// The opening window's background rows and their fast painting.
#include <QImage>
#include <QPainter>
#include <QPen>

#include <gtest/gtest.h>

#include "app/background.h"

namespace {

using app::BackgroundColour;
using app::RowColour;

TEST(BackgroundColour, RisesFromBlackToFullBlueWithHalvesToEven) {
  struct Row {
    float y;
    int16_t blue;
  };
  const Row rows[] = {
      {1, 1},      {2342, 1},    {2343, 2},    {2550, 10},   // 10.5 rounds to the even 10
      {2850, 24},  // 23.5 rounds to the even 24
      {3000, 30},  {6000, 160},  {8180, 254},  {8181, 255}, {9000, 255},
  };
  const app::BackgroundRows colours = app::BackgroundColours();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.y);
    EXPECT_EQ(BackgroundColour(row.y), (RowColour{1, 1, row.blue}));
    EXPECT_EQ(colours[static_cast<std::size_t>(row.y) - 1], 0x010100u | row.blue);
  }
}

TEST(BackgroundColour, NeverFallsBackDownTheWindow) {
  const app::BackgroundRows rows = app::BackgroundColours();
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_GE(rows[i] & 0xFF, rows[i - 1] & 0xFF) << "row " << i + 1;
    ASSERT_EQ(rows[i] >> 8, 0x0101u) << "row " << i + 1;
  }
}

// The slow way: 9000 one-pixel lines, drawn in order.
QImage DrawnLineByLine(QSize size, const app::BackgroundRows& rows, double lineEndX) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  for (int y = 1; y <= app::kBackgroundRows; ++y) {
    const double row = y * static_cast<double>(size.height()) / app::kBackgroundRows;
    painter.setPen(QPen(QColor::fromRgb(rows[static_cast<std::size_t>(y - 1)]), 1));
    painter.drawLine(QPointF(0, row), QPointF(lineEndX, row));
  }
  return image;
}

TEST(PaintBackground, GivesTheSamePixelsAsDrawingEveryLine) {
  struct Row {
    QSize size;
    double lineEndX;  // pixels
  };
  const Row rows[] = {
      {{120, 91}, 1000.0},  // lines past the right edge, as on every usual screen
      {{64, 600}, 100.0},   {{80, 768}, 90.5},  {{50, 1357}, 400.0},
      {{90, 700}, 40.0},    // a screen narrower than the window: lines stop short
      {{90, 700}, 40.6},
  };
  const app::BackgroundRows colours = app::BackgroundColours();
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.size.width() << "x" << row.size.height() << " to "
                                    << row.lineEndX);
    QImage fast(row.size, QImage::Format_RGB32);
    fast.fill(Qt::black);
    app::PaintBackground(fast, colours, row.lineEndX);
    const QImage slow = DrawnLineByLine(row.size, colours, row.lineEndX);
    int differing = 0;
    for (int y = 0; y < row.size.height(); ++y) {
      for (int x = 0; x < row.size.width(); ++x) differing += fast.pixel(x, y) != slow.pixel(x, y);
    }
    EXPECT_EQ(differing, 0);
  }
}

}  // namespace
