// The scale rule and the size the design window takes on screens of all sizes.
#include <algorithm>

#include <gtest/gtest.h>

#include "ui/desktop/window_scale.h"

namespace {

struct ScreenCase {
  int width;
  int height;
  float unitsAcross;
  float unitsDown;
};

TEST(ScreenScaleUnits, GivesTheClientAreaInUnitsOfTheScaleRule) {
  const ScreenCase cases[] = {
      {800, 600, 12000.0f, 9000.0f},
      {1024, 768, 9375.0f, 7031.25f},
      {1280, 1024, 7500.0f, 5273.4375f},
      {1600, 1200, 6000.0f, 4500.0f},
  };
  for (const ScreenCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    const ui::ScaleUnits units = ui::ScreenScaleUnits(c.width, c.height);
    EXPECT_EQ(units.width, c.unitsAcross);
    EXPECT_EQ(units.height, c.unitsDown);
  }
}

struct OpeningCase {
  QSize screen;
  QSize available;
  double dpi;
};

const OpeningCase kScreens[] = {
    {{800, 600}, {800, 600}, 96.0},      {{800, 600}, {800, 570}, 96.0},
    {{1024, 768}, {1024, 740}, 96.0},    {{1280, 1024}, {1280, 1000}, 96.0},
    {{1366, 768}, {1366, 728}, 96.0},    {{1920, 1080}, {1920, 1040}, 96.0},
    {{2560, 1440}, {2560, 1400}, 120.0}, {{3840, 2160}, {3840, 2120}, 96.0},
    {{1920, 1080}, {1920, 1050}, 144.0},
};

TEST(OpeningPixelsPerTwip, WindowFitsTheAvailableAreaWithItsFrame) {
  for (const OpeningCase& c : kScreens) {
    SCOPED_TRACE(testing::Message()
                 << c.screen.width() << "x" << c.screen.height() << " at " << c.dpi << " dpi");
    const double perTwip = ui::OpeningPixelsPerTwip(c.screen, c.available, c.dpi);
    EXPECT_LE(ui::kClientTwipsWide * perTwip, c.available.width() * 0.9);
    EXPECT_LE(ui::kClientTwipsHigh * perTwip + 40.0, c.available.height() * 0.9 + 1e-9);
    // Usable: at least half the laid-out size.
    EXPECT_GE(perTwip, c.dpi / ui::kTwipsPerInch * 0.5);
  }
}

TEST(OpeningPixelsPerTwip, GrowsWithTheScreenNoFasterThanTheScaleRule) {
  for (const OpeningCase& c : kScreens) {
    SCOPED_TRACE(testing::Message() << c.screen.width() << "x" << c.screen.height());
    const double perTwip = ui::OpeningPixelsPerTwip(c.screen, c.available, c.dpi);
    const double growth = std::min(c.screen.width() / 800.0, c.screen.height() / 600.0);
    EXPECT_LE(perTwip, c.dpi / ui::kTwipsPerInch * growth + 1e-12);
  }
}

// Worked by hand: 90% of the available height, less 40 pixels of frame, over
// the 8490 twips of the client area; the width has room to spare.
TEST(OpeningPixelsPerTwip, TakesNinetyPercentOfTheAvailableHeight) {
  struct Row {
    QSize screen;
    QSize available;
    double perTwip;
  };
  const Row rows[] = {
      {{800, 600}, {800, 600}, 500.0 / 8490.0},
      {{1024, 768}, {1024, 768}, 651.2 / 8490.0},
      {{1920, 1080}, {1920, 1040}, 896.0 / 8490.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.screen.width() << "x" << row.screen.height());
    EXPECT_NEAR(ui::OpeningPixelsPerTwip(row.screen, row.available, 96.0), row.perTwip, 1e-12);
  }
}

TEST(FittingPixelsPerTwip, KeepsTheLaidOutProportions) {
  struct Row {
    QSizeF client;
    double perTwip;
  };
  const Row rows[] = {
      {{792.0, 566.0}, 1.0 / 15.0},    // laid-out size at 96 dpi
      {{1584.0, 566.0}, 1.0 / 15.0},   // wider: height decides
      {{792.0, 1132.0}, 1.0 / 15.0},   // taller: width decides
      {{1584.0, 1132.0}, 2.0 / 15.0},  // twice the size
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.client.width() << "x" << row.client.height());
    EXPECT_NEAR(ui::FittingPixelsPerTwip(row.client), row.perTwip, 1e-12);
  }
}

TEST(UnitsToPixels, MapsTheWholeLayoutOntoTheClientArea) {
  const QRectF whole = ui::UnitsToPixels(QRectF(0, 0, 12000, 9000), 1.0 / 15.0);
  EXPECT_DOUBLE_EQ(whole.width(), 792.0);
  EXPECT_DOUBLE_EQ(whole.height(), 566.0);
  const QRectF exitButton = ui::UnitsToPixels(QRectF(840, 7200, 1500, 340), 2.0 / 15.0);
  EXPECT_DOUBLE_EQ(exitButton.x(), 110.88);
  EXPECT_DOUBLE_EQ(exitButton.y(), 905.6);
}

}  // namespace
