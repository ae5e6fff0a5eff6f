// The printed report as one page: the order of its steps, its set-up, its
// pens and its footer. The schematic and the chart on it are tested with
// their own layouts.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/pictures/report.h"
#include "ui/pictures/schematic.h"
#include "ui/surface/recording_surface.h"

#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::Op;
using surface::TextOp;

surface::OpList Report(design::DesignState& state, bool* drawn = nullptr) {
  surface::RecordingSurface page;
  const bool done = ui::DrawReport(
      page, state,
      [&](const float& X, const float& Y) {
        ui::DrawResistorSymbol(page, X, Y, state.Spacing, state.DrawColor);
      },
      "1.2.2025");
  if (drawn) *drawn = done;
  return page.ops();
}

// Names each operation for the step of the report it belongs to, dropping
// text positions and repeats, so the list reads as the order of printing.
std::vector<std::string> Steps(const surface::OpList& ops) {
  std::vector<std::string> steps;
  const auto column = [](float x) -> std::string {
    if (x == 3040.0f) return "target";
    if (x == 3700.0f) return "ideal";
    if (x == 5500.0f || x == 5700.0f) return "nearest 5%";
    if (x == 8400.0f || x == 8600.0f) return "nearest 1%";
    if (x == 6500.0f) return "realised 5%";
    if (x == 9400.0f) return "realised 1%";
    if (x == 2500.0f) return "dB label";
    if (x == 1200.0f) return "side label";
    if (x == 2000.0f) return "footer";
    return "other text";
  };
  for (const Op& op : ops) {
    std::string step;
    if (const auto* font = std::get_if<surface::FontSizeOp>(&op)) {
      step = "font " + std::to_string(static_cast<int>(font->points));
    } else if (std::holds_alternative<surface::ScaleOp>(op)) {
      step = "scale";
    } else if (const auto* pen = std::get_if<surface::PenWidthOp>(&op)) {
      step = "pen " + std::to_string(static_cast<int>(pen->width));
    } else if (const auto* line = std::get_if<LineOp>(&op)) {
      step = line->color == 0xFF0000              ? "5% marker"
             : line->color == 0x00FF00            ? "1% marker"
             : line->to.x <= 2830.0f              ? "schematic"
             : line->mode == LineMode::OutlineBox ? "frame"
             : line->from.x == line->to.x         ? "position line"
                                                  : "dB line";
    } else if (const auto* text = std::get_if<TextOp>(&op)) {
      step = text->at.y == 12800.0f     ? "number"
             : text->text == "Position" ? "caption"
                                        : column(text->at.x);
    }
    if (!step.empty() && (steps.empty() || steps.back() != step)) steps.push_back(step);
  }
  return steps;
}

// One portrait page of 12000 x 16000 units: the schematic in the 8-dot pen,
// the chart's frame in 16 and its zero line in 4 over a 2-dot grid, then the
// 6-point footer ending with the date.
TEST(Report, DrawsEveryStepInOrderInItsPens) {
  for (int16_t n : {2, 5, 11, 25}) {
    SCOPED_TRACE(testing::Message() << n << " positions");
    design::DesignState state = testing_support::Designed(10000.0f, n, 2.0f);
    bool drawn = false;
    const surface::OpList ops = Report(state, &drawn);
    EXPECT_TRUE(drawn);
    std::vector<std::string> expected = {
        "font 8",        "scale",      "pen 8",      "schematic",   "target",
        "ideal",         "nearest 5%", "nearest 1%", "realised 5%", "realised 1%",
        "pen 16",        "frame",      "pen 4",      "dB line",     "pen 2",
        "position line", "caption",    "number",     "dB line",     "side label",
        "dB label",      "5% marker",  "1% marker",  "font 6",      "footer"};
    if (n == 2) expected.erase(expected.begin() + 15);  // no interval, no position line
    EXPECT_EQ(Steps(ops), expected);
    ASSERT_GT(ops.size(), 1u);
    EXPECT_EQ(std::get<surface::ScaleOp>(ops[1]).scale, (surface::Scale{0, -1000, 12000, 16000}));
    recorded::ExpectFiniteCoordinates(ops);

    const std::vector<recorded::PennedLine> penned = recorded::PennedLines(ops, 0.0f);
    const auto frame = std::find_if(penned.begin(), penned.end(), [](const auto& drawn) {
      return drawn.line.mode == LineMode::OutlineBox;
    });
    ASSERT_EQ(frame - penned.begin(), 12 * (n - 1) + 3) << "lead, symbols, taps, ground";
    for (auto line = penned.begin(); line != frame; ++line) EXPECT_EQ(line->pen, 8.0f);
    EXPECT_EQ(frame->pen, 16.0f);
    EXPECT_EQ(frame[1].pen, 4.0f);

    const std::vector<TextOp> footer = recorded::TextsAt(ops, 2000.0f);
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_EQ(footer[0], (TextOp{{2000.0f, 13500.0f}, "Kestrix from www.kestrix.example  - 1.2.2025"}));
  }
}

// The page shows both sets whichever the window shows; a state holding no
// design draws nothing.
TEST(Report, IsTheSameWhicheverSetTheWindowShowsAndEmptyWithoutADesign) {
  design::DesignState five = testing_support::Designed(4700.0f, 12, 1.5f);
  const surface::OpList expected = Report(five);
  for (int16_t tolType : {0, 1}) {
    design::DesignState other = five;
    other.TolType = tolType;
    EXPECT_EQ(Report(other), expected) << tolType;
  }
  for (int16_t n : {0, 1, 26}) {
    design::DesignState none = five;
    none.NumPositions = n;
    bool drawn = true;
    EXPECT_TRUE(Report(none, &drawn).empty()) << n;
    EXPECT_FALSE(drawn) << n;
  }
}

}  // namespace
