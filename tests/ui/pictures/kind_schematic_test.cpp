// The small schematics of the ladder, shunt and relay ladder: the parts of
// the position named, the wiring unbroken, everything inside its rectangle.
#include <algorithm>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/pictures/ink.h"
#include "ui/pictures/kind_schematic.h"
#include "ui/surface/recording_surface.h"

#include "tests/circuit/kind_cases.h"
#include "tests/support/recorded_ops.h"

namespace {

using enum circuit::Kind;
using surface::LineMode;
using surface::LineOp;
using surface::PointF;
using testing_support::Analysed;
using testing_support::Relay;
using testing_support::Spec;

constexpr ui::KindSchematicLayout kWide{0.0f, 0.0f, 6000.0f, 3000.0f};
constexpr ui::KindSchematicLayout kNarrow{100.0f, 50.0f, 3100.0f, 1550.0f};
constexpr float kText = 140.0f;  // 7 points of 20 units

// Whether `p` lies on the straight stroke `line` (on an axis-parallel one
// anywhere along it: wires join one another in a T).
bool Touches(const LineOp& line, PointF p) {
  const auto within = [](float v, float a, float b) {
    return std::min(a, b) <= v && v <= std::max(a, b);
  };
  if (p == line.from || p == line.to) return true;
  if (line.from.x == line.to.x && p.x == line.from.x) return within(p.y, line.from.y, line.to.y);
  return line.from.y == line.to.y && p.y == line.from.y && within(p.x, line.from.x, line.to.x);
}

// Whether strokes run unbroken from `a` to `b`, ends meeting exactly;
// without the resistors' bodies (their continued zigzags) unless `bodies`.
bool Joined(const surface::OpList& ops, PointF a, PointF b, bool bodies) {
  std::vector<LineOp> lines = recorded::Lines(ops);
  std::erase_if(lines, [&](const LineOp& l) {
    return l.mode == LineMode::OutlineBox || l.mode == LineMode::FilledBox ||
           (!bodies && l.mode == LineMode::Continued);
  });
  const auto meet = [](const LineOp& p, const LineOp& q) {
    return Touches(p, q.from) || Touches(p, q.to) || Touches(q, p.from) || Touches(q, p.to);
  };
  std::vector<LineOp> reached{{LineMode::Line, a, a, 0}};
  for (std::size_t n = 0; n < reached.size(); ++n) {
    const auto met = std::stable_partition(lines.begin(), lines.end(),
                                           [&](const LineOp& l) { return !meet(reached[n], l); });
    reached.insert(reached.end(), met, lines.end());
    lines.erase(met, lines.end());
  }
  return std::ranges::any_of(reached, [&](const LineOp& l) { return Touches(l, b); });
}

struct Row {
  const char* name;
  circuit::KindSpec spec;
  int position;
  ui::KindSchematicLayout layout;
  const char* caption;  // its lines, broken at '|'
  std::string named;    // printed once each, between blanks
  const char* absent;   // not printed
  bool seriesWire;      // input to output without a resistor between
  bool shuntWire;       // output to ground without one
};

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, at);) parts.push_back(part);
  return parts;
}

// Every stage's series part, shunt and contact, and the termination.
std::string StageNames(int stages) {
  std::string names;
  for (const char* prefix : {"S", "H", "K"}) {
    for (int i = 1; i <= stages; ++i) names += prefix + std::to_string(i) + " ";
  }
  return names + "T";
}

TEST(DrawKindSchematic, NamesThePositionsPartsAndWiresThemUnbroken) {
  const circuit::TargetColumn steps = circuit::EqualSteps(11, 2.0);
  // Into 4.7k no shunt keeps 10k at 3 dB (7.08k || P would have to be).
  const circuit::KindSpec noShunt = Spec(Ladder, 10e3, {0, 3, 6, 10}, 4700);
  const Row rows[] = {
      {"ladder", Spec(Ladder, 10e3, steps, 47e3), 3, kWide,
       "Position 3: S3 in series, P3 to ground", "S3 P3 In Out Load", "S2 P2 S4", false, false},
      {"ladder at the top: no series part", Spec(Ladder, 10e3, steps), 0, kWide,
       "Position 0: a wire in series, P0 to ground", "P0", "S0 S1", true, false},
      {"ladder beyond its end: the mute position", Spec(Ladder, 10e3, steps), 99, kWide,
       "Position 10: S10 in series, a wire to ground", "S10", "P10", false, true},
      {"ladder without its shunt, caption broken", noShunt, 1, kNarrow,
       "Position 1: S1 in series,|nothing to ground", "S1", "P1", false, false},
      {"shunt", Spec(Shunt, 10e3, steps, 47e3), 5, kWide, "Position 5: X in series, Y5 to ground",
       "X Y5", "Y4", false, false},
      {"shunt at the top", Spec(Shunt, 10e3, steps), 0, kNarrow,
       "Position 0: X in series,|nothing to ground", "X", "Y0 Y1", false, false},
      {"relay ladder", Relay(10e3, 3, 1.0, 47e3), 5, kWide,
       "Position 5: stages 1 and 3 in, the others bypassed", StageNames(3), "S4 ...", false, false},
      {"relay ladder of eight", Relay(10e3, 8, 0.5), 165, kWide,
       "Position 165: stages 1, 3, 6 and 8 in, the others bypassed", StageNames(8), "S9 ...", false,
       false},
      {"relay ladder of eight, narrow", Relay(10e3, 8, 0.5), 0, kNarrow,
       "Position 0: every stage bypassed", "S1 S2 S8 H1 H2 H8 K8 T ...", "S3 S7 H3 H7", true,
       false},
      {"relay ladder into a load below R", Relay(10e3, 1, 6.0, 4700), 1, kWide,
       "Position 1: every stage in", "S1 H1 K1", "T", false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    surface::RecordingSurface recorder;
    const ui::KindSchematicPins pins =
        ui::DrawKindSchematic(recorder, Analysed(row.spec), row.layout, row.position);
    const surface::OpList& ops = recorder.ops();
    ASSERT_TRUE(pins.drawn);
    recorded::ExpectFiniteCoordinates(ops);
    const std::vector<surface::TextOp> texts = recorded::Texts(ops);
    const std::vector<std::string> caption = Split(row.caption, '|');
    ASSERT_GE(texts.size(), caption.size());
    for (std::size_t line = 0; line < caption.size(); ++line) {
      EXPECT_EQ(texts[line],
                (surface::TextOp{
                    {row.layout.left, row.layout.top + 1.2f * kText * static_cast<float>(line)},
                    caption[line]}));
    }
    const std::vector<std::string> printed = recorded::Strings(texts);
    for (const std::string& name : Split(row.named, ' '))
      EXPECT_EQ(std::ranges::count(printed, name), 1) << name;
    for (const std::string& name : Split(row.absent, ' '))
      EXPECT_EQ(std::ranges::count(printed, name), 0) << name;

    const ui::KindSchematicLayout& l = row.layout;
    const auto inside = [&](PointF p) {
      return l.left <= p.x && p.x <= l.right && l.top <= p.y && p.y <= l.bottom;
    };
    for (const LineOp& line : recorded::Lines(ops)) {
      EXPECT_TRUE(inside(line.from) && inside(line.to))
          << testing::PrintToString(line.from) << testing::PrintToString(line.to);
      EXPECT_EQ(line.color, ui::kBlack);
    }
    for (const surface::TextOp& text : texts) {
      EXPECT_TRUE(inside(text.at) && inside({text.at.x, text.at.y + kText})) << text.text;
    }
    EXPECT_TRUE(Joined(ops, pins.input, pins.output, true));
    EXPECT_TRUE(Joined(ops, pins.output, pins.ground, true));
    EXPECT_EQ(Joined(ops, pins.input, pins.output, false), row.seriesWire);
    EXPECT_EQ(Joined(ops, pins.output, pins.ground, false), row.shuntWire);
  }
}

TEST(DrawKindSchematic, DrawsNothingOrANoteWhereItCannotDrawThePicture) {
  const circuit::KindAnalysis ladder = Analysed(Spec(Ladder, 10e3, {0, 6}));
  const ui::KindSchematicLayout small{0, 0, 1200, 900}, slim{0, 0, 2000, 3000},
      unbounded{0, 0, std::numeric_limits<float>::infinity(), 3000};
  const struct {
    const char* name;
    circuit::KindAnalysis analysis;
    ui::KindSchematicLayout layout;
    const char* note;  // the only text, if any
  } rows[] = {
      {"the string: the schematic draws it", Analysed(Spec(String, 10e3, {0, 6})), kWide, nullptr},
      {"no attenuator analysed", circuit::KindAnalysis{}, kWide, "No design to draw."},
      {"a rectangle without end", ladder, unbounded, nullptr},
      {"a rectangle too small", ladder, small, nullptr},
      {"eight stages, too many even with an ellipsis", Analysed(Relay(10e3, 8, 0.5)), slim,
       nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    surface::RecordingSurface recorder;
    EXPECT_FALSE(ui::DrawKindSchematic(recorder, row.analysis, row.layout, 0).drawn);
    EXPECT_TRUE(recorded::Lines(recorder.ops()).empty());
    EXPECT_EQ(recorded::Strings(recorded::Texts(recorder.ops())),
              row.note ? std::vector<std::string>{row.note} : std::vector<std::string>{});
  }
}

}  // namespace
