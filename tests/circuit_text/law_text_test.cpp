// The law box: entries, counts, the step range, the depth against 120 dB and
// the canonical text that reads back as the same steps.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit_text/law_text.h"

namespace {

std::vector<double> Steps(std::initializer_list<std::pair<int, double>> runs) {
  std::vector<double> steps;
  for (const auto& [count, step] : runs) steps.insert(steps.end(), count, step);
  return steps;
}

struct LawRow {
  const char* text;
  int positions;
  char separator;
  std::vector<double> steps;  // the N - 2 steps used
  const char* canonical;
  double depth;  // dB
  int fitting;   // positions of the law within 120 dB
  std::vector<std::string> dropped = {}, outOfRange = {};
  bool usable = true;  // false: a step out of range or no entry, nothing else is set
};

std::vector<std::string> Texts(const std::vector<circuit_text::LawWord>& words) {
  std::vector<std::string> texts;
  for (const circuit_text::LawWord& word : words) texts.push_back(word.Text);
  return texts;
}

// The law keeps every step typed, whatever the switch, and is never cut at
// 120 dB: it says how deep it goes and how many positions of it fit. A step
// outside 0.01 .. 20 dB is refused, not clamped.
TEST(ReadLaw, ReadsEntriesAndWritesTheCanonicalText) {
  const LawRow rows[] = {
      {"2", 24, '.', Steps({{22, 2.0}}), "2", 44, 62},
      {"11x2 3", 24, '.', Steps({{11, 2.0}, {11, 3.0}}), "11x2 3", 55, 45},
      {"6x1  2X2\t3*1.5", 12, '.', Steps({{6, 1.0}, {2, 2.0}, {2, 1.5}}), "6x1 2x2 1.5", 13, 64},
      {"2 2 2 3 3", 10, '.', Steps({{3, 2.0}, {5, 3.0}}), "3x2 3", 21, 43},
      {"0x2 2.5x1 -3x2 x2 2x 2x3x4 1x3",
       5,
       '.',
       Steps({{3, 3.0}}),
       "3",
       9,
       42,
       {"0x2", "2.5x1", "-3x2", "x2", "2x", "2x3x4"}},
      {"65x1 064x1 64x1", 4, '.', Steps({{2, 1.0}}), "64x1 1", 2, 64, {"65x1"}},
      {"1,5 2", 5, ',', Steps({{1, 1.5}, {2, 2.0}}), "1,5 2", 5.5, 62},
      {"-2 1e1", 4, '.', Steps({{1, 2.0}, {1, 10.0}}), "2 10", 12, 14},
      {"1.23456789 0.0123456789", 5, '.', Steps({{1, 1.23457}, {2, 0.0123457}}),
       "1.23457 0.0123457", 1.23457 + 0.0123457 + 0.0123457, 64},
      {"1 2 3 4 5", 4, '.', Steps({{1, 1.0}, {1, 2.0}}), "1 2 3 4 5", 3, 28},
      {"2.5 3", 2, '.', {}, "2.5 3", 0, 42},
      {"0.01 20", 5, '.', Steps({{1, 0.01}, {2, 20.0}}), "0.01 20", 40.01, 8},
      {"10", 64, '.', Steps({{62, 10.0}}), "10", 620, 14},
      {"6x20 1", 64, '.', Steps({{6, 20.0}, {56, 1.0}}), "6x20 1", 176, 8},
      {"20x1 10", 64, '.', Steps({{20, 1.0}, {42, 10.0}}), "20x1 10", 440, 32},
      {"2.4", 52, '.', Steps({{50, 2.4}}), "2.4", 120, 52},  // a sum a hair past 120
      {"abc 2x", 10, '.', {}, "", 0, 0, {"abc", "2x"}, {}, false},
      {"1,5", 10, '.', {}, "", 0, 0, {"1,5"}, {}, false},
      {"", 10, '.', {}, "", 0, 0, {}, {}, false},
      {"4k7", 48, '.', {}, "", 0, 0, {}, {"4k7"}, false},
      {"11x2 25 -0.001", 10, '.', {}, "", 0, 0, {}, {"25", "-0.001"}, false},
      {"0.00999 20.001 2", 10, '.', {}, "", 0, 0, {}, {"0.00999", "20.001"}, false},
  };
  for (const LawRow& row : rows) {
    SCOPED_TRACE(row.text);
    circuit_text::LawReading law;
    circuit_text::ReadLaw(row.text, row.positions, row.separator, law);
    EXPECT_EQ(law.Usable, row.usable);
    EXPECT_EQ(Texts(law.Dropped), row.dropped);
    EXPECT_EQ(law.OutOfRange, row.outOfRange);
    if (!row.usable) continue;
    EXPECT_EQ(law.StepsDb, row.steps);
    EXPECT_EQ(law.Positions, row.positions);
    EXPECT_EQ(law.Text, row.canonical);
    EXPECT_NEAR(law.DepthDb, row.depth, 1e-9);
    EXPECT_EQ(law.FittingPositions, row.fitting);

    // Enter again, on any switch: the canonical text is the same law.
    for (const int positions : {row.positions, 64}) {
      circuit_text::LawReading again, typed;
      circuit_text::ReadLaw(law.Text, positions, row.separator, again);
      circuit_text::ReadLaw(row.text, positions, row.separator, typed);
      EXPECT_EQ(again.StepsDb, typed.StepsDb);
      EXPECT_EQ(again.Text, law.Text);
      EXPECT_TRUE(again.Dropped.empty());
    }
  }
}

TEST(LawTargets, SumTheStepsAboveEachPosition) {
  std::vector<double> targets;
  circuit::LawTargets({2.0, 2.0, 3.0, 0.5}, targets);
  EXPECT_EQ(targets, (std::vector<double>{0.0, 2.0, 4.0, 7.0, 7.5}));
  circuit::LawTargets({}, targets);
  EXPECT_EQ(targets, std::vector<double>{0.0});
}

}  // namespace
