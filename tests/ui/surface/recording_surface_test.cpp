// The surface bookkeeping every implementation shares, seen through the
// recording and tee surfaces.
#include <vector>

#include <gtest/gtest.h>

#include "ui/surface/recording_surface.h"
#include "ui/surface/tee_surface.h"

#include "tests/support/recorded_ops.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::PointF;
using surface::RecordingSurface;

TEST(Surface, ContinuedLinesStartAtTheCurrentPoint) {
  RecordingSurface recorder;
  recorder.line(LineMode::Line, {1.0f, 2.0f}, {3.0f, 4.0f}, 0);
  recorder.line(LineMode::Continued, {99.0f, 99.0f}, {5.0f, 6.0f}, 0);
  recorder.setTextPosition({7.0f, 8.0f});
  recorder.line(LineMode::Continued, {}, {9.0f, 10.0f}, 0);
  recorder.clear();
  recorder.line(LineMode::Continued, {}, {11.0f, 12.0f}, 0);
  const std::vector<LineOp> lines = recorded::Lines(recorder.ops());
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

// A sample of every kind of operation.
void DrawSample(surface::Surface& target) {
  target.setScale({0.0f, -1000.0f, 12000.0f, 16000.0f});
  target.setPenWidth(8.0f);
  target.line(LineMode::Line, {2500.0f, 800.0f}, {2800.0f, 800.0f}, 0);
  target.line(LineMode::Continued, {}, {2800.0f, 900.0f}, 0);
  target.line(LineMode::FilledBox, {2770.0f, 770.0f}, {2830.0f, 830.0f}, 0xFF0000);
  target.line(LineMode::OutlineBox, {3000.0f, 8500.0f}, {9000.0f, 12500.0f}, 0);
  target.setFontSize(6.0f);
  target.setTextPosition({3040.0f, 695.0f});
  target.printText("0  dB");
  target.printNumber(3);
  target.clear();
}

TEST(TeeSurface, BothSurfacesReceiveEveryOperation) {
  RecordingSurface first;
  RecordingSurface second;
  surface::TeeSurface both(first, second);
  DrawSample(both);
  ASSERT_EQ(first.ops().size(), 11u);  // scale, pen, 4 lines, font, position, 2 texts, clear
  EXPECT_EQ(first.ops(), second.ops());
  EXPECT_EQ(std::get<surface::TextOp>(first.ops()[8]).at, (PointF{3040.0f, 695.0f}));
}

TEST(Replay, PerformsTheRecordedCallsAgain) {
  RecordingSurface original;
  DrawSample(original);
  RecordingSurface copy;
  surface::Replay(original.ops(), copy);
  EXPECT_EQ(copy.ops(), original.ops());
}

}  // namespace
