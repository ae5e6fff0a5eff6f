// The resistor symbol's strokes and the shared surface bookkeeping.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/pictures/schematic.h"
#include "ui/surface/recording_surface.h"
#include "ui/surface/tee_surface.h"

#include "tests/support/recorded_ops.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::PointF;
using surface::RecordingSurface;

std::vector<LineOp> Lines(const RecordingSurface& recorder) {
  return recorded::Lines(recorder.ops());
}

struct SymbolCase {
  const char* name;
  float x;
  float y;
  float s;
  float height;     // 720 S, worked out by hand
  float halfWidth;  // 60 S
};

// 9 / 6 is also 1.5: seven positions draw the same symbol as two.
const SymbolCase kSymbols[] = {
    {"up to 7 positions", 6300.0f, 800.0f, 1.5f, 1080.0f, 90.0f},
    {"11 positions", 6300.0f, 1448.0f, 0.9f, 648.0f, 54.0f},
    {"25 positions", 6300.0f, 800.0f, 0.375f, 270.0f, 22.5f},
    {"printed page", 2500.0f, 800.0f, 0.9f, 648.0f, 54.0f},
};

TEST(DrawResistor, DrawsTheElevenStrokesAtTheirCoordinates) {
  for (const SymbolCase& c : kSymbols) {
    SCOPED_TRACE(c.name);
    RecordingSurface recorder;
    ui::DrawResistorSymbol(recorder, c.x, c.y, c.s, 0);
    const float x = c.x;
    const float y = c.y;
    const float s = c.s;
    const std::vector<LineOp> expected = {
        {LineMode::Line, {x, y}, {x + 300.0f, y}, 0},
        {LineMode::FilledBox, {x + 270.0f, y - 30.0f}, {x + 330.0f, y + 30.0f}, 0},
        {LineMode::Line, {x, y}, {x, y + 160.0f * s}, 0},
        {LineMode::Continued, {x, y + 160.0f * s}, {x + 60.0f * s, y + 190.0f * s}, 0},
        {LineMode::Continued, {x + 60.0f * s, y + 190.0f * s}, {x - 60.0f * s, y + 260.0f * s}, 0},
        {LineMode::Continued, {x - 60.0f * s, y + 260.0f * s}, {x + 60.0f * s, y + 310.0f * s}, 0},
        {LineMode::Continued, {x + 60.0f * s, y + 310.0f * s}, {x - 60.0f * s, y + 370.0f * s}, 0},
        {LineMode::Continued, {x - 60.0f * s, y + 370.0f * s}, {x + 60.0f * s, y + 430.0f * s}, 0},
        {LineMode::Continued, {x + 60.0f * s, y + 430.0f * s}, {x - 60.0f * s, y + 490.0f * s}, 0},
        {LineMode::Continued, {x - 60.0f * s, y + 490.0f * s}, {x, y + 520.0f * s}, 0},
        {LineMode::Continued, {x, y + 520.0f * s}, {x, y + 720.0f * s}, 0},
    };
    EXPECT_EQ(Lines(recorder), expected);
  }
}

TEST(DrawResistor, HasTheSizeOfItsScaleButAFixedTapAndContact) {
  for (const SymbolCase& c : kSymbols) {
    SCOPED_TRACE(c.name);
    RecordingSurface recorder;
    ui::DrawResistorSymbol(recorder, c.x, c.y, c.s, 0);
    const std::vector<LineOp> lines = Lines(recorder);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_FLOAT_EQ(lines.back().to.y - c.y, c.height);
    float left = c.x;
    float right = c.x;
    for (std::size_t i = 2; i < lines.size(); ++i) {
      left = std::min(left, lines[i].to.x);
      right = std::max(right, lines[i].to.x);
    }
    EXPECT_FLOAT_EQ(c.x - left, c.halfWidth);
    EXPECT_FLOAT_EQ(right - c.x, c.halfWidth);
    EXPECT_EQ(lines[0].to.x - lines[0].from.x, 300.0f);
    EXPECT_EQ(lines[1].to.x - lines[1].from.x, 60.0f);
    EXPECT_EQ(lines[1].to.y - lines[1].from.y, 60.0f);
  }
}

TEST(DrawResistor, TwoSymbolsFormOneUnbrokenColumn) {
  for (const SymbolCase& c : kSymbols) {
    SCOPED_TRACE(c.name);
    RecordingSurface recorder;
    const float nextY = c.y + 720.0f * c.s;
    ui::DrawResistorSymbol(recorder, c.x, c.y, c.s, 0);
    ui::DrawResistorSymbol(recorder, c.x, nextY, c.s, 0);
    const std::vector<LineOp> lines = Lines(recorder);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[10].to, lines[13].from);
    EXPECT_EQ(lines[13].from, (PointF{c.x, nextY}));
  }
}

TEST(DrawResistor, UsesTheColourGivenForEveryStroke) {
  RecordingSurface recorder;
  constexpr surface::Rgb kRed = 0xFF0000;
  ui::DrawResistorSymbol(recorder, 100.0f, 100.0f, 1.5f, kRed);
  for (const LineOp& line : Lines(recorder)) EXPECT_EQ(line.color, kRed);
}

TEST(Surface, ContinuedLinesStartAtTheCurrentPoint) {
  RecordingSurface recorder;
  recorder.line(LineMode::Line, {1.0f, 2.0f}, {3.0f, 4.0f}, 0);
  recorder.line(LineMode::Continued, {99.0f, 99.0f}, {5.0f, 6.0f}, 0);
  recorder.setTextPosition({7.0f, 8.0f});
  recorder.line(LineMode::Continued, {}, {9.0f, 10.0f}, 0);
  recorder.clear();
  recorder.line(LineMode::Continued, {}, {11.0f, 12.0f}, 0);
  const std::vector<LineOp> lines = Lines(recorder);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1].from, (PointF{3.0f, 4.0f}));
  EXPECT_EQ(lines[2].from, (PointF{7.0f, 8.0f}));
  EXPECT_EQ(lines[3].from, (PointF{0.0f, 0.0f}));
}

TEST(Surface, PrintsWholeNumbersWithABlankForThePlusSign) {
  struct Row {
    long value;
    const char* text;
  };
  const Row rows[] = {{1, " 1"}, {24, " 24"}, {0, " 0"}, {-3, "-3"}};
  RecordingSurface recorder;
  recorder.setTextPosition({100.0f, 200.0f});
  for (const Row& row : rows) recorder.printNumber(row.value);
  const std::vector<surface::TextOp> printed = recorded::Texts(recorder.ops());
  ASSERT_EQ(printed.size(), std::size(rows));
  for (std::size_t i = 0; i < printed.size(); ++i) EXPECT_EQ(printed[i].text, rows[i].text);
}

TEST(TeeSurface, BothSurfacesReceiveEveryOperation) {
  RecordingSurface first;
  RecordingSurface second;
  surface::TeeSurface both(first, second);
  both.setScale({0.0f, -1000.0f, 12000.0f, 16000.0f});
  both.setPenWidth(8.0f);
  ui::DrawResistorSymbol(both, 2500.0f, 800.0f, 0.9f, 0);
  both.setFontSize(6.0f);
  both.setTextPosition({3040.0f, 695.0f});
  both.printText("0  dB");
  both.printNumber(3);
  both.clear();
  ASSERT_EQ(first.ops().size(), 18u);  // scale, pen, 11 strokes, font, position, 2 texts, clear
  EXPECT_EQ(first.ops(), second.ops());
  EXPECT_EQ(std::get<surface::TextOp>(first.ops()[15]).at, (PointF{3040.0f, 695.0f}));
}

TEST(Replay, PerformsTheRecordedCallsAgain) {
  RecordingSurface original;
  original.setScale({0.0f, 0.0f, 12000.0f, 9000.0f});
  ui::DrawResistorSymbol(original, 6300.0f, 800.0f, 0.375f, 0);
  original.line(LineMode::OutlineBox, {3000.0f, 8500.0f}, {9000.0f, 12500.0f}, 0);
  original.setTextPosition({5500.0f, 13100.0f});
  original.printNumber(7);
  RecordingSurface copy;
  surface::Replay(original.ops(), copy);
  EXPECT_EQ(copy.ops(), original.ops());
}

}  // namespace
