// The resistor symbol, and the schematic with its value columns where the
// design window puts it and where the printed page puts it.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/ladder.h"
#include "notation/eng_notation.h"
#include "ui/pictures/schematic.h"
#include "ui/surface/recording_surface.h"

#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::PointF;
using surface::RecordingSurface;
using surface::TextOp;

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

TEST(DrawResistor, HasTheSizeOfItsScaleButAFixedTapAndContact) {
  for (const SymbolCase& c : kSymbols) {
    SCOPED_TRACE(c.name);
    RecordingSurface recorder;
    ui::DrawResistorSymbol(recorder, c.x, c.y, c.s, 0);
    const std::vector<LineOp> lines = recorded::Lines(recorder.ops());
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

// The symbol of a string of up to seven positions (S = 1.5) at (6300, 800),
// worked by hand: a lead of 240 down, six vertices 90 either side of the
// column, back to the column and a lead down to the next junction at 1880.
TEST(DrawResistor, ZigzagsThroughItsVerticesWorkedByHand) {
  RecordingSurface recorder;
  ui::DrawResistorSymbol(recorder, 6300.0f, 800.0f, 1.5f, 0);
  const std::vector<LineOp> lines = recorded::Lines(recorder.ops());
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[2].from, (PointF{6300.0f, 800.0f}));
  const PointF vertices[] = {{6300.0f, 1040.0f}, {6390.0f, 1085.0f}, {6210.0f, 1190.0f},
                             {6390.0f, 1265.0f}, {6210.0f, 1355.0f}, {6390.0f, 1445.0f},
                             {6210.0f, 1535.0f}, {6300.0f, 1580.0f}, {6300.0f, 1880.0f}};
  for (std::size_t i = 0; i < std::size(vertices); ++i) EXPECT_EQ(lines[i + 2].to, vertices[i]) << i;
}

TEST(DrawResistor, TwoSymbolsFormOneUnbrokenColumn) {
  for (const SymbolCase& c : kSymbols) {
    SCOPED_TRACE(c.name);
    RecordingSurface recorder;
    const float nextY = c.y + 720.0f * c.s;
    ui::DrawResistorSymbol(recorder, c.x, c.y, c.s, 0);
    ui::DrawResistorSymbol(recorder, c.x, nextY, c.s, 0);
    const std::vector<LineOp> lines = recorded::Lines(recorder.ops());
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[10].to, lines[13].from);
    EXPECT_EQ(lines[13].from, (PointF{c.x, nextY}));
  }
}

TEST(DrawResistor, UsesTheColourGivenForEveryStroke) {
  RecordingSurface recorder;
  constexpr surface::Rgb kRed = 0xFF0000;
  ui::DrawResistorSymbol(recorder, 100.0f, 100.0f, 1.5f, kRed);
  for (const LineOp& line : recorded::Lines(recorder.ops())) EXPECT_EQ(line.color, kRed);
}

// Where each surface puts the schematic, by hand.
struct Set {
  const char* heading;
  float valuesX;
  float headingX;
  float realisedX;
  bool five;
};
struct Placement {
  const char* name;
  ui::SchematicLayout layout;
  float leadX;
  float stringX;
  float targetX;
  float idealX;
  std::optional<float> textPoints;
  std::vector<Set> sets;
};

const std::vector<Placement>& Placements() {
  static const std::vector<Placement> placements = {
      {"design window, 5%", ui::DesignWindowSchematic(5), 5800.0f, 6300.0f, 6840.0f, 7700.0f, 6.0f,
       {{"Nearest 5%:", 9200.0f, 9200.0f, 10300.0f, true}}},
      {"design window, 1%", ui::DesignWindowSchematic(1), 5800.0f, 6300.0f, 6840.0f, 7700.0f, 6.0f,
       {{"Nearest 1%:", 9200.0f, 9200.0f, 10300.0f, false}}},
      {"design window, ideal only", ui::DesignWindowSchematic(0), 5800.0f, 6300.0f, 6840.0f,
       7700.0f, 6.0f, {}},
      {"printed page", ui::kReportSchematic, 2000.0f, 2500.0f, 3040.0f, 3700.0f, std::nullopt,
       {{"Nearest 5%:", 5500.0f, 5700.0f, 6500.0f, true},
        {"Nearest 1%:", 8400.0f, 8600.0f, 9400.0f, false}}},
  };
  return placements;
}

// Draws the schematic of `state` as the window and the page do: each symbol
// at the column's spacing.
surface::OpList Schematic(design::DesignState& state, const ui::SchematicLayout& layout) {
  RecordingSurface recorder;
  ui::DrawSchematicWithColumns(recorder, state, layout, [&](const float& X, const float& Y) {
    ui::DrawResistorSymbol(recorder, X, Y, state.Spacing, state.DrawColor);
  });
  return recorder.ops();
}

std::string Eng(float value) { return notation::FormatEng(value); }

// The resistor bodies in the column at `x`: runs of strokes that start with a
// line straight down and go on with continued lines. Returns the junctions
// from the top, checking that each body starts where the one above it ends.
std::vector<float> Junctions(const std::vector<LineOp>& lines, float x) {
  std::vector<float> junctions;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LineOp& first = lines[i];
    if (first.mode != LineMode::Line || first.from.x != x || first.to.x != x ||
        first.to.y <= first.from.y) {
      continue;
    }
    if (junctions.empty()) junctions.push_back(first.from.y);
    EXPECT_EQ(first.from.y, junctions.back()) << "body " << junctions.size() << " is detached";
    std::size_t j = i + 1;
    while (j < lines.size() && lines[j].mode == LineMode::Continued) ++j;
    EXPECT_EQ(j - i, 9u) << "a body is one lead, seven continued strokes and a lead";
    EXPECT_EQ(lines[j - 1].to.x, x);
    junctions.push_back(lines[j - 1].to.y);
    i = j - 1;
  }
  return junctions;
}

bool Has(const std::vector<LineOp>& lines, const LineOp& wanted) {
  return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

// Every design, on every surface: an unbroken string of N - 1 symbols with a
// tap and contact at each junction, the lead in and the ground line; the
// columns beside it, each row between or beside its junctions; and the
// design itself left bit for bit as it was, entries past N - 1 included.
TEST(DrawSchematicWithColumns, DrawsEveryDesignCompleteOnEverySurface) {
  struct Shape {
    float ohms;
    int16_t n;
    float step;
    float spacing;  // 1.5 up to 7 positions, then 9 / (N - 1)
    float bottom;   // y of the last junction: 800 + (N - 1) x 1080, at most 800 + 6480
  };
  const Shape shapes[] = {{10000.0f, 2, 2.0f, 1.5f, 1880.0f},   {1e6f, 5, 20.0f, 1.5f, 5120.0f},
                          {10000.0f, 6, 2.0f, 1.5f, 6200.0f},   {10000.0f, 7, 2.0f, 1.5f, 7280.0f},
                          {4700.0f, 8, 1.5f, 9.0f / 7.0f, 7280.0f},
                          {10000.0f, 11, 2.0f, 0.9f, 7280.0f},  {2.2e3f, 25, 0.01f, 0.375f, 7280.0f},
                          {100.0f, 25, 4.0f, 0.375f, 7280.0f}};
  for (const Placement& at : Placements()) {
    for (const Shape& shape : shapes) {
      SCOPED_TRACE(testing::Message() << at.name << ", " << shape.ohms << " ohms, " << shape.n
                                      << " positions, " << shape.step << " dB");
      design::DesignState state = testing_support::Designed(shape.ohms, 25, 3.7f);
      state.TotalOhms = shape.ohms;
      state.NumPositions = shape.n;
      state.StepSize = shape.step;
      design::CalculateLadder(state);
      const design::DesignState before = state;
      const surface::OpList ops = Schematic(state, at.layout);
      testing_support::ExpectSameDesign(before, state);
      recorded::ExpectFiniteCoordinates(ops);
      const int n = shape.n;
      const float s = state.Spacing;
      EXPECT_FLOAT_EQ(s, shape.spacing);

      const std::vector<LineOp> lines = recorded::Lines(ops);
      for (const LineOp& line : lines) EXPECT_EQ(line.color, 0u);
      const std::vector<float> junctions = Junctions(lines, at.stringX);
      ASSERT_EQ(junctions.size(), static_cast<std::size_t>(n));
      EXPECT_EQ(junctions.front(), 800.0f);
      EXPECT_NEAR(junctions.back(), shape.bottom, 0.003f);
      EXPECT_NEAR(state.PenY, shape.bottom, 0.003f);
      for (std::size_t k = 1; k < junctions.size(); ++k) {
        EXPECT_NEAR(junctions[k] - junctions[k - 1], 720.0f * shape.spacing, 0.003f);
      }
      EXPECT_TRUE(Has(lines, {LineMode::Line, {at.leadX, 800.0f}, {at.stringX, 800.0f}, 0}));
      for (float y : junctions) {
        SCOPED_TRACE(testing::Message() << "junction at y = " << y);
        EXPECT_TRUE(Has(lines, {LineMode::Line, {at.stringX, y}, {at.stringX + 300.0f, y}, 0}));
        EXPECT_TRUE(Has(lines, {LineMode::FilledBox,
                                {at.stringX + 270.0f, y - 30.0f},
                                {at.stringX + 330.0f, y + 30.0f},
                                0}));
      }
      const float last = junctions.back();
      EXPECT_TRUE(
          Has(lines, {LineMode::Line, {at.stringX - 500.0f, last}, {at.stringX + 300.0f, last}, 0}));

      // The text size, where the surface sets its own, before any text.
      std::vector<float> sizes;
      for (const surface::Op& op : ops) {
        if (const auto* font = std::get_if<surface::FontSizeOp>(&op)) sizes.push_back(font->points);
        if (std::holds_alternative<TextOp>(op)) break;
      }
      EXPECT_EQ(sizes, at.textPoints ? std::vector<float>{*at.textPoints} : std::vector<float>{});

      // Targets beside positions 0 .. N - 2, 105 units above each junction.
      const std::vector<TextOp> targets = recorded::TextsAt(ops, at.targetX);
      ASSERT_EQ(targets.size(), static_cast<std::size_t>(n - 1));
      for (int p = 0; p <= n - 2; ++p) {
        EXPECT_EQ(targets[p].text, Eng(static_cast<float>(p) * shape.step) + "dB");
        EXPECT_NEAR(targets[p].at.y, junctions[p] - 105.0f, 0.01f);
      }

      // Ideal values: the heading, one row between each pair of junctions,
      // 250 S below the upper one less 50, and the total below the string.
      const std::vector<TextOp> ideal = recorded::TextsAt(ops, at.idealX);
      ASSERT_EQ(ideal.size(), static_cast<std::size_t>(n + 1));
      EXPECT_EQ(ideal[0].text, "Ideal:");
      EXPECT_EQ(ideal[0].at.y, 300.0f);
      for (int k = 1; k <= n - 1; ++k) {
        SCOPED_TRACE(testing::Message() << "resistor " << k);
        EXPECT_EQ(ideal[k].text, Eng(state.IdealR[k]) + " ohms");
        EXPECT_NEAR(ideal[k].at.y, junctions[k - 1] - 50.0f + 250.0f * s, 0.01f);
        EXPECT_LT(ideal[k].at.y, junctions[k]);
      }
      EXPECT_EQ(ideal[n].text, Eng(shape.ohms) + " ohms total");
      EXPECT_GT(ideal[n].at.y, last);

      // Each rounded set: its heading, its values and total on the ideal
      // rows, its realised attenuations on the target rows.
      std::vector<float> columns = {at.targetX, at.idealX};
      for (const Set& set : at.sets) {
        SCOPED_TRACE(set.heading);
        columns.insert(columns.end(), {set.valuesX, set.headingX, set.realisedX});
        recorded::ExpectPrintedOnceAt(ops, {{set.heading, {set.headingX, 300.0f}}});
        std::vector<TextOp> values = recorded::TextsAt(ops, set.valuesX);
        std::erase_if(values, [](const TextOp& text) { return text.at.y == 300.0f; });
        ASSERT_EQ(values.size(), static_cast<std::size_t>(n));
        for (int k = 1; k <= n - 1; ++k) {
          EXPECT_EQ(values[k - 1].text, Eng(set.five ? state.R5Pct[k] : state.R1Pct[k]) + " ohms");
          EXPECT_EQ(values[k - 1].at.y, ideal[k].at.y);
        }
        EXPECT_EQ(values[n - 1].text,
                  Eng(set.five ? state.Total5Pct : state.Total1Pct) + " ohms total");
        EXPECT_EQ(values[n - 1].at.y, ideal[n].at.y);
        const std::vector<TextOp> realised = recorded::TextsAt(ops, set.realisedX);
        ASSERT_EQ(realised.size(), static_cast<std::size_t>(n - 1));
        EXPECT_EQ(realised[0].text, "0   dB");
        for (int p = 0; p <= n - 2; ++p) {
          EXPECT_EQ(realised[p].text,
                    Eng(set.five ? state.Atten5Pct[p] : state.Atten1Pct[p]) + " dB");
          EXPECT_EQ(realised[p].at.y, targets[p].at.y);
        }
      }
      for (const TextOp& text : recorded::Texts(ops)) {
        EXPECT_NE(std::find(columns.begin(), columns.end(), text.at.x), columns.end()) << text;
      }
    }
  }
}

// The opening design worked by hand (10k, 11 positions, 2 dB; S = 0.9).
TEST(DrawSchematicWithColumns, PrintsTheDefaultDesignInItsRows) {
  for (const Placement& at : Placements()) {
    SCOPED_TRACE(at.name);
    design::DesignState state = testing_support::Designed(10000.0f, 11, 2.0f);
    const surface::OpList ops = Schematic(state, at.layout);
    const std::vector<TextOp> targets = recorded::TextsAt(ops, at.targetX);
    EXPECT_EQ(recorded::Strings(targets),
              (std::vector<std::string>{"0  dB", "2 dB", "4 dB", "6 dB", "8 dB", "10 dB", "12 dB",
                                        "14 dB", "16 dB", "18 dB"}));
    ASSERT_EQ(targets.size(), 10u);
    EXPECT_EQ(targets.front().at.y, 695.0f);           // 800 - 105
    EXPECT_NEAR(targets.back().at.y, 6527.0f, 0.01f);  // 800 + 9 x 648 - 105
    const std::vector<TextOp> ideal = recorded::TextsAt(ops, at.idealX);
    EXPECT_EQ(recorded::Strings(ideal),
              (std::vector<std::string>{"Ideal:", "2.057k ohms", "1.634k ohms", "1.298k ohms",
                                        "1.031k ohms", "818.79  ohms", "650.39  ohms",
                                        "516.62  ohms", "410.37  ohms", "325.97  ohms",
                                        "1.259k ohms", "10k ohms total"}));
    ASSERT_EQ(ideal.size(), 12u);
    EXPECT_NEAR(ideal[1].at.y, 975.0f, 0.01f);    // 750 + 225, between junctions 800 and 1448
    EXPECT_NEAR(ideal[11].at.y, 7455.0f, 0.01f);  // the total, below the string's end at 7280
  }
}

}  // namespace
