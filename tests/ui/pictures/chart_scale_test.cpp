// The circuit charts' 1-2-5 dB scale, and the as-built chart keeping a
// channel difference of more than 1 dB on its frame.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "tests/support/recorded_ops.h"
#include "ui/pictures/as_built_chart.h"
#include "ui/pictures/chart_scale.h"

namespace {

TEST(ChartScale, HalfRangeIsTheNextOneTwoOrFiveWithARoundGrid) {
  const struct {
    double largest, least, half, step;
  } rows[] = {
      {1, 1, 1, 0.2},
      {1.2, 1, 2, 0.5},
      {3, 1, 5, 1},
      {7, 1, 10, 2},
      {0, 1, 1, 0.2},
      {120, 1, 200, 50},
      {0.03, 0.1, 0.1, 0.02},
      {0.15, 0.1, 0.2, 0.05},
      {std::numeric_limits<double>::quiet_NaN(), 1, 1, 0.2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.largest << " from " << row.least);
    const double half = ui::ScaleHalfRange(row.largest, row.least);
    EXPECT_DOUBLE_EQ(half, row.half);
    EXPECT_DOUBLE_EQ(ui::ScaleGridStep(half), row.step);
  }
}

// Five positions, 2 dB steps; the right channel 3 dB down at position 1, so
// it deviates by +3 dB and the difference is -3 dB there. The scale takes
// ±5 dB: on a frame 1000 .. 4000 high, 300 units a dB from the middle 2500,
// +3 dB at 3400 and -3 dB at 1600.
TEST(AsBuiltChart, KeepsAThreeDecibelDifferenceInsideTheFrame) {
  circuit::AsBuiltAnalysis a;
  a.N = 5;
  a.Target = {0, 2, 4, 6};
  a.Db[0] = {0, 2, 4, 6, 0};
  a.Db[1] = {0, 5, 4, 6, 0};
  a.DifferenceDb = {0, -3, 0, 0, 0};
  EXPECT_EQ(ui::AsBuiltHalfRangeDb(a), 5.0);

  ui::AsBuiltChartLayout layout;
  layout.left = 1000;
  layout.right = 7000;
  layout.top = 1000;
  layout.bottom = 4000;
  surface::RecordingSurface chart;
  ui::DrawAsBuiltChart(chart, a, layout, ',');
  const float legendRow = 4000.0f + 2.1f * layout.textPoints * layout.unitsPerPoint;
  int inside = 0;
  bool rightAt3 = false, differenceAtMinus3 = false;
  for (const surface::LineOp& line : recorded::Lines(chart.ops())) {
    const float y = (line.from.y + line.to.y) / 2.0f;
    if (line.color == ui::kDifferenceColour && line.mode == surface::LineMode::Line &&
        std::fabs(line.to.x - line.from.x) == 2.0f * layout.marker) {
      differenceAtMinus3 = differenceAtMinus3 || std::fabs(y - 1600.0f) < 0.01f;
    }
    if (line.mode == surface::LineMode::Line) continue;
    if (line.color != ui::kLeftColour && line.color != ui::kRightColour) continue;
    if (std::fabs(y - legendRow) < 0.01f) continue;  // the legend's sample
    EXPECT_GE(y, layout.top);
    EXPECT_LE(y, layout.bottom);
    ++inside;
    rightAt3 = rightAt3 || (line.color == ui::kRightColour && std::fabs(y - 3400.0f) < 0.01f);
  }
  EXPECT_EQ(inside, 6);  // positions 1 .. 3 of each channel
  EXPECT_TRUE(rightAt3);
  EXPECT_TRUE(differenceAtMinus3);
  EXPECT_EQ(recorded::Strings(recorded::Texts(chart.ops()))[1], "5");
}

}  // namespace
