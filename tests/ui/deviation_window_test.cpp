// The deviation chart as recorded while the window loads, and the window's
// place between the design windows.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "design/design_state.h"
#include "design/ladder.h"
#include "ui/desktop/seams.h"
#include "ui/pictures/deviation_chart.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/deviation_window.h"

#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"
#include "tests/support/window_layout.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::Op;
using surface::TextOp;

constexpr surface::Rgb kRed = 0xFF0000;
constexpr surface::Rgb kGreen = 0x00FF00;

void Design(float total, int16_t positions, float step) {
  testing_support::DesignInProgram(total, positions, step);
}

class DeviationChartTest : public testing::Test {
 protected:
  void SetUp() override { ui::AppSeams().windowRecorder = &recorder_; }
  void TearDown() override {
    window_.reset();
    ui::AppSeams() = {};
    design::modMain() = {};
  }

  // Opens the window and returns what its load drew.
  const surface::OpList& chart() {
    window_ = std::make_unique<ui::frmExamine>();
    return recorder_.ops();
  }
  std::vector<LineOp> lines(LineMode mode, surface::Rgb colour) const {
    std::vector<LineOp> found = recorded::Lines(recorder_.ops());
    std::erase_if(found,
                  [&](const LineOp& line) { return line.mode != mode || line.color != colour; });
    return found;
  }
  // Vertical black lines inside the frame: the position columns.
  std::vector<float> columns() const {
    std::vector<float> xs;
    for (const LineOp& line : lines(LineMode::Line, 0x000000)) {
      if (line.from.x == line.to.x && line.from.y == 1000.0f && line.to.y == 6000.0f) {
        xs.push_back(line.from.x);
      }
    }
    return xs;
  }
  std::vector<TextOp> texts() const { return recorded::Texts(recorder_.ops()); }
  // The texts printed at y = 6300: the position numbers.
  std::vector<std::string> numbers() const {
    std::vector<std::string> found;
    for (const TextOp& text : texts()) {
      if (text.at.y == 6300.0f) found.push_back(text.text);
    }
    return found;
  }

  surface::RecordingSurface recorder_;
  std::unique_ptr<ui::frmExamine> window_;
};

TEST_F(DeviationChartTest, SpacesOneColumnPerPositionAcrossTheFrame) {
  struct Row {
    int16_t positions;
    std::size_t columns;
    float spacing;  // units between neighbouring columns
  };
  const Row rows[] = {{11, 10, 6000.0f / 9.0f}, {3, 2, 6000.0f}, {25, 24, 6000.0f / 23.0f}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.positions);
    recorder_.forget();
    Design(10000.0f, row.positions, 2.0f);
    chart();
    const std::vector<float> xs = columns();
    ASSERT_EQ(xs.size(), row.columns);
    EXPECT_EQ(xs.front(), 3000.0f);
    EXPECT_NEAR(xs.back(), 9000.0f, 0.01f);
    for (std::size_t i = 1; i < xs.size(); ++i) EXPECT_NEAR(xs[i] - xs[i - 1], row.spacing, 0.01f);

    const std::vector<std::string> labels = numbers();
    ASSERT_EQ(labels.size(), row.columns);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      EXPECT_EQ(labels[i], " " + std::to_string(i + 1));  // a blank where the plus sign goes
    }
  }
}

TEST_F(DeviationChartTest, DefaultDesignPutsPositionTwoAtTwoThirdsOfAThousand) {
  Design(10000.0f, 11, 2.0f);
  chart();
  const std::vector<float> xs = columns();
  ASSERT_GE(xs.size(), 2u);
  EXPECT_NEAR(xs[1], 3666.667f, 0.001f);
  // Numbers stand 100 units left of their column.
  for (const TextOp& text : texts()) {
    if (text.text == " 2") {
      EXPECT_NEAR(text.at.x, 3566.667f, 0.001f);
    }
  }
}

TEST_F(DeviationChartTest, TwoPositionsDrawOneColumnOnTheLeftEdge) {
  Design(10000.0f, 2, 2.0f);
  const surface::OpList& ops = chart();
  EXPECT_EQ(columns(), std::vector<float>{3000.0f});
  EXPECT_EQ(numbers(), std::vector<std::string>{" 1"});
  // Both markers sit on the zero line at the left edge; nothing is placed at
  // a non-finite coordinate.
  ASSERT_EQ(lines(LineMode::OutlineBox, kRed).size(), 1u);
  EXPECT_EQ(lines(LineMode::OutlineBox, kRed)[0].from, (surface::PointF{2955.0f, 3455.0f}));
  EXPECT_EQ(lines(LineMode::FilledBox, kGreen)[0].to, (surface::PointF{3030.0f, 3530.0f}));
  for (const Op& op : ops) {
    if (const auto* line = std::get_if<LineOp>(&op)) {
      EXPECT_TRUE(std::isfinite(line->from.x) && std::isfinite(line->from.y) &&
                  std::isfinite(line->to.x) && std::isfinite(line->to.y));
    }
  }
  EXPECT_EQ(ui::DeviationColumn(0, 2), 3000.0f);
}

TEST_F(DeviationChartTest, LabelsTheGridFromMinusOneDownToOne) {
  Design(10000.0f, 11, 2.0f);
  chart();
  std::vector<std::string> labels;
  std::vector<float> tops;
  for (const TextOp& text : texts()) {
    if (text.at.x == 2200.0f) {
      labels.push_back(text.text);
      tops.push_back(text.at.y);
    }
  }
  const std::vector<std::string> expected = {"-1 ",  "-0.8 ", "-0.6 ", "-0.4 ", "-0.2 ", "0  dB",
                                             "0.2 ", "0.4 ",  "0.6 ",  "0.8 ",  "1 "};
  EXPECT_EQ(labels, expected);
  ASSERT_EQ(tops.size(), 11u);
  for (std::size_t i = 0; i < tops.size(); ++i) {
    EXPECT_NEAR(tops[i], 900.0f + 500.0f * static_cast<float>(i), 0.01f) << i;
  }

  // Eleven grid lines across the frame, the +1 dB one included.
  std::size_t grid = 0;
  for (const LineOp& line : lines(LineMode::Line, 0x000000)) {
    if (line.from.x == 3000.0f && line.to.x == 9000.0f && line.from.y == line.to.y) ++grid;
  }
  EXPECT_EQ(grid, 12u);  // the zero line of the frame, then the eleven grid lines
}

TEST_F(DeviationChartTest, PlacesMarkersByDeviationWithoutClipping) {
  struct Row {
    float realisedMinusTarget;  // dB
    float centreY;              // units
  };
  const Row rows[] = {{0.4f, 4500.0f}, {-0.4f, 2500.0f}, {1.2f, 6500.0f}, {-1.6f, -500.0f}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.realisedMinusTarget);
    recorder_.forget();
    Design(10000.0f, 3, 2.0f);
    design::DesignState& state = design::modMain();
    state.Atten5Pct[1] = state.TargetAtten[1] + row.realisedMinusTarget;
    state.Atten1Pct[1] = state.TargetAtten[1] + row.realisedMinusTarget;
    chart();
    const std::vector<LineOp> red = lines(LineMode::OutlineBox, kRed);
    const std::vector<LineOp> green = lines(LineMode::FilledBox, kGreen);
    ASSERT_EQ(red.size(), 2u);
    ASSERT_EQ(green.size(), 2u);
    EXPECT_NEAR((red[1].from.y + red[1].to.y) / 2.0f, row.centreY, 0.01f);
    EXPECT_NEAR(red[1].to.x - red[1].from.x, 90.0f, 0.001f);
    EXPECT_NEAR((green[1].from.y + green[1].to.y) / 2.0f, row.centreY, 0.01f);
    EXPECT_NEAR(green[1].to.x - green[1].from.x, 60.0f, 0.001f);
    EXPECT_EQ(red[1].from.x + 45.0f, 9000.0f);
  }
}

TEST_F(DeviationChartTest, PutsCaptionsPensAndControlsInTheirPlaces) {
  Design(10000.0f, 11, 2.0f);
  const surface::OpList& ops = chart();
  recorded::ExpectPrintedOnceAt(ops, {{"Position", {5500.0f, 6600.0f}},
                                      {"Less atten", {1000.0f, 900.0f}},
                                      {"More atten", {1000.0f, 5900.0f}}});

  // The frame and the zero line in the 3-pixel pen, all the rest in 1 pixel.
  const std::vector<recorded::PennedLine> penned = recorded::PennedLines(ops, 1.0f);
  ASSERT_GT(penned.size(), 2u);
  EXPECT_EQ(penned[0].line,
            (LineOp{LineMode::OutlineBox, {3000.0f, 1000.0f}, {9000.0f, 6000.0f}, 0}));
  EXPECT_EQ(penned[1].line, (LineOp{LineMode::Line, {3000.0f, 3500.0f}, {9000.0f, 3500.0f}, 0}));
  EXPECT_EQ(penned[0].pen, 3.0f);
  EXPECT_EQ(penned[1].pen, 3.0f);
  for (std::size_t i = 2; i < penned.size(); ++i) EXPECT_EQ(penned[i].pen, 1.0f) << penned[i].line;

  const struct {
    const char* name;
    QRectF units;
  } places[] = {{"cmdExit", {850, 7120, 1500, 340}},
                {"Label1", {30, 255, 11700, 615}},
                {"Label2", {4240, 7120, 1935, 375}},
                {"Label3", {6300, 7120, 1935, 375}}};
  for (const auto& place : places) {
    ExpectPlacedAt(*window_, window_->findChild<QWidget*>(QString::fromLatin1(place.name)),
                   place.units);
  }
}

TEST_F(DeviationChartTest, DrawsEveryOnePercentMarkerAfterTheFivePercentOnes) {
  Design(4700.0f, 12, 1.5f);
  const surface::OpList& ops = chart();
  std::ptrdiff_t lastRed = -1;
  std::ptrdiff_t firstGreen = -1;
  std::size_t reds = 0;
  std::size_t greens = 0;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const auto* line = std::get_if<LineOp>(&ops[i]);
    if (!line) continue;
    if (line->color == kRed) {
      lastRed = static_cast<std::ptrdiff_t>(i);
      ++reds;
    }
    if (line->color == kGreen) {
      if (firstGreen < 0) firstGreen = static_cast<std::ptrdiff_t>(i);
      ++greens;
    }
  }
  EXPECT_EQ(reds, 11u);
  EXPECT_EQ(greens, 11u);
  EXPECT_LT(lastRed, firstGreen);
}

TEST_F(DeviationChartTest, IgnoresTheToleranceShownOnTheDesignWindow) {
  Design(4700.0f, 12, 1.5f);
  surface::OpList first;
  for (int16_t tolerance : {0, 1, 5}) {
    SCOPED_TRACE(tolerance);
    recorder_.forget();
    design::modMain().TolType = tolerance;
    const surface::OpList& ops = chart();
    if (first.empty()) first = ops;
    EXPECT_EQ(ops, first);
  }
}

TEST_F(DeviationChartTest, LeavesTheDesignAsItWas) {
  Design(4700.0f, 12, 1.5f);
  design::DesignState before = design::modMain();
  chart();
  testing_support::ExpectSameDesign(before, design::modMain());
}

TEST_F(DeviationChartTest, ShowsReturnAndTheLegendsOnEveryScreen) {
  Design(10000.0f, 11, 2.0f);
  chart();
  window_->show();
  for (const QSize size : {QSize(400, 300), QSize(1600, 900), QSize(1900, 1400)}) {
    SCOPED_TRACE(size.width());
    window_->resize(size);
    QApplication::processEvents();
    for (const char* name : {"cmdExit", "Label2", "Label3"}) {
      const QWidget* control = window_->findChild<QWidget*>(QString::fromLatin1(name));
      ASSERT_NE(control, nullptr);
      EXPECT_TRUE(window_->rect().contains(control->geometry())) << name;
    }
  }
}

}  // namespace
