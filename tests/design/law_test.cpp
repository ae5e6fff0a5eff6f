// The law box: entries, counts, clamps, the 120 dB limit and the canonical
// text that reads back as the same steps.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/law.h"

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
  std::vector<double> steps;  // empty with `usable` false: no entry at all
  int positionsUsed;
  const char* canonical;
  std::vector<std::string> dropped, clamped;
  int noRoom;
  bool usable = true;
};

TEST(ReadLaw, ReadsEntriesAndWritesTheCanonicalText) {
  const LawRow rows[] = {
      {"2", 24, '.', Steps({{22, 2.0}}), 24, "2", {}, {}, 0},
      {"11x2 3", 24, '.', Steps({{11, 2.0}, {11, 3.0}}), 24, "11x2 3", {}, {}, 0},
      {"6x1  2X2\t3*1.5", 12, '.', Steps({{6, 1.0}, {2, 2.0}, {2, 1.5}}), 12, "6x1 2x2 1.5",
       {}, {}, 1},
      {"2 2 2 3 3", 10, '.', Steps({{3, 2.0}, {5, 3.0}}), 10, "3x2 3", {}, {}, 0},
      {"0x2 2.5x1 -3x2 x2 2x 2x3x4 1x3", 5, '.', Steps({{3, 3.0}}), 5, "3",
       {"0x2", "2.5x1", "-3x2", "x2", "2x", "2x3x4"}, {}, 0},
      {"65x1 064x1", 4, '.', Steps({{2, 1.0}}), 4, "1", {"65x1"}, {}, 62},
      {"1,5 2", 5, ',', Steps({{1, 1.5}, {2, 2.0}}), 5, "1,5 2", {}, {}, 0},
      {"-2 1e1", 4, '.', Steps({{1, 2.0}, {1, 10.0}}), 4, "2 10", {}, {}, 0},
      {"25 -0.001", 5, '.', Steps({{1, 20.0}, {2, 0.01}}), 5, "20 0.01", {}, {"25", "-0.001"}, 0},
      {"1.23456789 0.0123456789", 5, '.', Steps({{1, 1.23457}, {2, 0.0123457}}), 5,
       "1.23457 0.0123457", {}, {}, 0},
      {"1 2 3 4 5", 4, '.', Steps({{1, 1.0}, {1, 2.0}}), 4, "1 2", {}, {}, 3},
      {"2.5 3", 2, '.', {}, 2, "2.5", {}, {}, 1},
      {"30", 2, '.', {}, 2, "20", {}, {"30"}, 0},
      {"10", 64, '.', Steps({{12, 10.0}}), 14, "10", {}, {}, 0},
      {"6x20 1", 64, '.', Steps({{6, 20.0}}), 8, "20", {}, {}, 0},
      {"20x1 10", 64, '.', Steps({{20, 1.0}, {10, 10.0}}), 32, "20x1 10", {}, {}, 0},
      {"abc 2x", 10, '.', {}, 0, "", {"abc", "2x"}, {}, 0, false},
      {"1,5", 10, '.', {}, 0, "", {"1,5"}, {}, 0, false},
      {"", 10, '.', {}, 0, "", {}, {}, 0, false},
  };
  for (const LawRow& row : rows) {
    SCOPED_TRACE(row.text);
    design::LawReading law;
    design::ReadLaw(row.text, row.positions, row.separator, law);
    EXPECT_EQ(law.Usable, row.usable);
    EXPECT_EQ(law.Dropped, row.dropped);
    if (!row.usable) continue;
    EXPECT_EQ(law.StepsDb, row.steps);
    EXPECT_EQ(law.Positions, row.positionsUsed);
    EXPECT_EQ(law.DepthCut, row.positionsUsed < row.positions);
    EXPECT_EQ(law.Text, row.canonical);
    EXPECT_EQ(law.Clamped, row.clamped);
    EXPECT_EQ(law.NoRoom, row.noRoom);

    // Enter again: the canonical text is the same law, with nothing to say.
    design::LawReading again;
    design::ReadLaw(law.Text, law.Positions, row.separator, again);
    EXPECT_EQ(again.StepsDb, law.StepsDb);
    EXPECT_EQ(again.Text, law.Text);
    EXPECT_TRUE(again.Dropped.empty() && again.Clamped.empty());
    EXPECT_EQ(again.NoRoom, 0);
    EXPECT_FALSE(again.DepthCut);
  }
}

TEST(LawTargets, SumTheStepsAboveEachPosition) {
  std::vector<double> targets;
  design::LawTargets({2.0, 2.0, 3.0, 0.5}, targets);
  EXPECT_EQ(targets, (std::vector<double>{0.0, 2.0, 4.0, 7.0, 7.5}));
  design::LawTargets({}, targets);
  EXPECT_EQ(targets, std::vector<double>{0.0});
}

}  // namespace
