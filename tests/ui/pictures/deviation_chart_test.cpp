// The deviation chart where the deviation window puts it and where the
// printed page puts it: frame, columns, grid, labels and markers.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ui/pictures/deviation_chart.h"
#include "ui/surface/recording_surface.h"

#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::PointF;
using surface::TextOp;

constexpr surface::Rgb kRed = 0xFF0000;
constexpr surface::Rgb kGreen = 0x00FF00;

// Where each surface puts the chart, by hand.
struct Placement {
  const char* name;
  const ui::DeviationChartLayout& layout;
  float zeroY;      // 0 dB
  float perDb;      // units down per dB of too much attenuation
  float framePen;   // the frame's pen, then the zero line's, then the rest
  float zeroPen;
  float gridPen;
  bool firstColumn;  // a line at position 0, on the frame's left edge
  float numbersY;
  float labelX;
  PointF caption;
  PointF lessAtten;
  PointF moreAtten;
};

const Placement kPlacements[] = {
    {"deviation window", ui::kDeviationWindowChart, 3500.0f, 2500.0f, 3.0f, 3.0f, 1.0f, true,
     6300.0f, 2200.0f, {5500.0f, 6600.0f}, {1000.0f, 900.0f}, {1000.0f, 5900.0f}},
    {"printed page", ui::kReportChart, 10500.0f, 2000.0f, 16.0f, 4.0f, 2.0f, false, 12800.0f,
     2500.0f, {5500.0f, 13100.0f}, {1200.0f, 8400.0f}, {1200.0f, 12400.0f}},
};

surface::OpList Chart(design::DesignState& state, const Placement& at) {
  surface::RecordingSurface recorder;
  ui::DrawDeviationChart(recorder, state, at.layout);
  return recorder.ops();
}

std::vector<LineOp> Lines(const surface::OpList& ops, LineMode mode, surface::Rgb colour) {
  std::vector<LineOp> found = recorded::Lines(ops);
  std::erase_if(found, [&](const LineOp& line) { return line.mode != mode || line.color != colour; });
  return found;
}

// Vertical lines from the frame's top to its bottom: the position columns.
std::vector<float> Columns(const surface::OpList& ops, const Placement& at) {
  std::vector<float> xs;
  for (const LineOp& line : Lines(ops, LineMode::Line, 0)) {
    if (line.from.x == line.to.x && line.from.y == at.zeroY - at.perDb &&
        line.to.y == at.zeroY + at.perDb) {
      xs.push_back(line.from.x);
    }
  }
  return xs;
}

TEST(DeviationChart, FramesTheChartInItsPensWithItsCaptions) {
  for (const Placement& at : kPlacements) {
    SCOPED_TRACE(at.name);
    design::DesignState state = testing_support::Designed(10000.0f, 11, 2.0f);
    const surface::OpList ops = Chart(state, at);
    recorded::ExpectPrintedOnceAt(
        ops, {{"Position", at.caption}, {"Less atten", at.lessAtten}, {"More atten", at.moreAtten}});
    const std::vector<recorded::PennedLine> penned = recorded::PennedLines(ops, 0.0f);
    ASSERT_GT(penned.size(), 2u);
    EXPECT_EQ(penned[0].line, (LineOp{LineMode::OutlineBox,
                                      {3000.0f, at.zeroY - at.perDb},
                                      {9000.0f, at.zeroY + at.perDb},
                                      0}));
    EXPECT_EQ(penned[0].pen, at.framePen);
    EXPECT_EQ(penned[1].line, (LineOp{LineMode::Line, {3000.0f, at.zeroY}, {9000.0f, at.zeroY}, 0}));
    EXPECT_EQ(penned[1].pen, at.zeroPen);
    for (std::size_t i = 2; i < penned.size(); ++i) {
      EXPECT_EQ(penned[i].pen, at.gridPen) << penned[i].line;
    }
  }
}

// Columns from x = 3000 to 9000, numbered from 1, each number 100 units left
// of its column; two positions make one column on the left edge.
TEST(DeviationChart, SpacesOneColumnPerPositionAcrossTheFrame) {
  struct Row {
    int16_t positions;
    std::size_t columns;
    float spacing;  // 6000 / (N - 2)
  };
  const Row rows[] = {{11, 10, 666.6667f}, {3, 2, 6000.0f}, {25, 24, 260.86957f}, {2, 1, 0.0f}};
  for (const Placement& at : kPlacements) {
    for (const Row& row : rows) {
      SCOPED_TRACE(testing::Message() << at.name << ", " << row.positions << " positions");
      design::DesignState state = testing_support::Designed(10000.0f, row.positions, 2.0f);
      const surface::OpList ops = Chart(state, at);
      recorded::ExpectFiniteCoordinates(ops);
      std::vector<TextOp> numbers = recorded::Texts(ops);
      std::erase_if(numbers, [&](const TextOp& text) { return text.at.y != at.numbersY; });
      ASSERT_EQ(numbers.size(), row.columns);
      EXPECT_EQ(numbers.front().at.x, 2900.0f);
      EXPECT_NEAR(numbers.back().at.x, row.columns == 1 ? 2900.0f : 8900.0f, 0.01f);
      for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(numbers[i].text, " " + std::to_string(i + 1));  // a blank for the plus sign
        if (i > 0) {
          EXPECT_NEAR(numbers[i].at.x - numbers[i - 1].at.x, row.spacing, 0.01f);
        }
      }
      const std::vector<float> xs = Columns(ops, at);
      ASSERT_EQ(xs.size(), row.columns - (at.firstColumn ? 0 : 1));
      for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(xs[i], numbers[i + (at.firstColumn ? 0 : 1)].at.x + 100.0f);
      }
    }
  }
  EXPECT_NEAR(ui::DeviationColumn(1, 11), 3666.667f, 0.001f);  // 3000 + 6000 / 9
}

// Eleven grid lines from -1 dB at the top to +1 dB at the bottom, each
// labelled 100 units above; only the middle label says dB.
TEST(DeviationChart, LabelsTheGridFromMinusOneDownToOne) {
  for (const Placement& at : kPlacements) {
    SCOPED_TRACE(at.name);
    design::DesignState state = testing_support::Designed(10000.0f, 11, 2.0f);
    const surface::OpList ops = Chart(state, at);
    std::vector<float> ys;
    for (const LineOp& line : recorded::Lines(ops)) {
      if (line.from.x == 3000.0f && line.to.x == 9000.0f && line.from.y == line.to.y) {
        ys.push_back(line.from.y);
      }
    }
    ASSERT_EQ(ys.size(), 12u);  // the zero line, then the eleven grid lines
    const std::vector<TextOp> labels = recorded::TextsAt(ops, at.labelX);
    EXPECT_EQ(recorded::Strings(labels),
              (std::vector<std::string>{"-1 ", "-0.8 ", "-0.6 ", "-0.4 ", "-0.2 ", "0  dB", "0.2 ",
                                        "0.4 ", "0.6 ", "0.8 ", "1 "}));
    ASSERT_EQ(labels.size(), 11u);
    for (int i = 0; i < 11; ++i) {
      const float y = at.zeroY + at.perDb * (-1.0f + 0.2f * static_cast<float>(i));
      EXPECT_NEAR(ys[i + 1], y, 0.01f) << "line " << i;
      EXPECT_NEAR(labels[i].at.y, y - 100.0f, 0.01f) << "label " << i;
    }
  }
}

// A 5% marker is a red outline 90 units wide, a 1% marker a green square
// 60 wide, drawn after every red one and centred on the deviation's row,
// outside the frame if need be; a deviation that is not a number is left out.
TEST(DeviationChart, PlacesMarkersByDeviationWithoutClipping) {
  struct Row {
    float realisedMinusTarget;  // dB
    float windowY;              // 3500 + 2500 d
    float pageY;                // 10500 + 2000 d
  };
  const Row rows[] = {{0.4f, 4500.0f, 11300.0f},
                      {-0.4f, 2500.0f, 9700.0f},
                      {1.25f, 6625.0f, 13000.0f},
                      {-1.6f, -500.0f, 7300.0f}};
  for (const Placement& at : kPlacements) {
    const bool window = &at == &kPlacements[0];
    for (const Row& row : rows) {
      SCOPED_TRACE(testing::Message() << at.name << ", " << row.realisedMinusTarget << " dB");
      design::DesignState state = testing_support::Designed(10000.0f, 4, 2.0f);
      state.Atten5Pct[1] = state.TargetAtten[1] + row.realisedMinusTarget;
      state.Atten1Pct[1] = state.TargetAtten[1] + row.realisedMinusTarget;
      state.Atten1Pct[2] = std::nanf("");
      const surface::OpList ops = Chart(state, at);
      recorded::ExpectFiniteCoordinates(ops);
      const float y = window ? row.windowY : row.pageY;
      const std::vector<LineOp> red = Lines(ops, LineMode::OutlineBox, kRed);
      const std::vector<LineOp> green = Lines(ops, LineMode::FilledBox, kGreen);
      ASSERT_EQ(red.size(), 3u);
      ASSERT_EQ(green.size(), 2u);
      EXPECT_EQ(red[0], (LineOp{LineMode::OutlineBox,
                                {2955.0f, at.zeroY - 45.0f},
                                {3045.0f, at.zeroY + 45.0f},
                                kRed}));  // position 0 on the zero line
      EXPECT_EQ(green[0], (LineOp{LineMode::FilledBox,
                                  {2970.0f, at.zeroY - 30.0f},
                                  {3030.0f, at.zeroY + 30.0f},
                                  kGreen}));
      for (const auto& [marker, half] : {std::pair{red[1], 45.0f}, std::pair{green[1], 30.0f}}) {
        EXPECT_EQ(marker.from.x, 6000.0f - half);
        EXPECT_EQ(marker.to.x, 6000.0f + half);
        EXPECT_NEAR(marker.from.y, y - half, 0.01f);
        EXPECT_NEAR(marker.to.y, y + half, 0.01f);
      }
      EXPECT_EQ(red[2].from.x + 45.0f, 9000.0f);
      std::size_t lastRed = 0;
      std::size_t firstGreen = ops.size();
      for (std::size_t i = 0; i < ops.size(); ++i) {
        const auto* line = std::get_if<LineOp>(&ops[i]);
        if (line && line->color == kRed) lastRed = i;
        if (line && line->color == kGreen) firstGreen = std::min(firstGreen, i);
      }
      EXPECT_LT(lastRed, firstGreen);
    }
  }
}

// The chart reads the design and never the set the design window shows, and
// leaves the design as it was.
TEST(DeviationChart, IgnoresTheToleranceShownAndLeavesTheDesign) {
  for (const Placement& at : kPlacements) {
    SCOPED_TRACE(at.name);
    design::DesignState five = testing_support::Designed(4700.0f, 12, 1.5f, 5);
    const design::DesignState before = five;
    const surface::OpList expected = Chart(five, at);
    testing_support::ExpectSameDesign(before, five);
    for (int16_t tolerance : {0, 1}) {
      design::DesignState other = before;
      other.TolType = tolerance;
      EXPECT_EQ(Chart(other, at), expected) << tolerance;
    }
  }
}

}  // namespace
