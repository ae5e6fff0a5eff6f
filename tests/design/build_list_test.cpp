// The build list in switch lugs, read and copied, and the warning that names
// parts too small or too large to buy.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/in_circuit.h"
#include "design/in_circuit_text.h"
#include "design/series.h"

namespace {

// An analysis of N = first.size() positions holding only its two rounded
// sets: `first` rounded to E24, `second` to E192 (index 0 unused).
design::CircuitAnalysis TwoSets(const design::OhmsColumn& first,
                                const design::OhmsColumn& second, bool balanced = false) {
  design::CircuitAnalysis a;
  a.N = static_cast<int>(first.size());
  a.Balanced = balanced;
  a.Sets.resize(2);
  a.Sets[0].RoundedIn = &design::kE24;
  a.Sets[1].RoundedIn = &design::kE192;
  design::RoundEach(first, design::kE24, a.Sets[0].Parts);
  design::RoundEach(second, design::kE192, a.Sets[1].Parts);
  return a;
}

// Four positions, lugs 1 .. 4: R1 joins lugs 1 and 2, R3 lugs 3 and 4; the
// input goes to lug 1, lug 4 to ground.
TEST(BuildLines, NumbersLugsFromOneAndBeginsWithTheWiring) {
  const design::CircuitAnalysis single = TwoSets({0, 4700, 1000, 0.91}, {0, 4700, 1000, 4.75});
  EXPECT_EQ(design::BuildLines(single, 1, ','),
            (std::vector<std::string>{"E192 build list, every deck alike:",
                                      "  Decks: left, right.", "  Input to lug 1 (full volume).",
                                      "  Common (wiper) to the output.", "  Lug 4 to ground.",
                                      "  The last position, lug 4, is mute (no output).",
                                      "  R1  lugs 1-2  4,7k", "  R2  lugs 2-3  1k",
                                      "  R3  lugs 3-4  4,75"}));
  const design::CircuitAnalysis balanced =
      TwoSets({0, 4700, 1000, 0.91}, {0, 4700, 1000, 4.75}, true);
  const std::vector<std::string> lines = design::BuildLines(balanced, 0, '.');
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[1], "  Decks: left hot, left cold, right hot, right cold.");
  EXPECT_EQ(lines[2], "  Input (the deck's leg) to lug 1 (full volume).");
  EXPECT_EQ(lines[4], "  Lug 4 to ground, with the other leg's lug 4.");
  EXPECT_EQ(lines[8], "  R3  lugs 3-4  0.91");
  EXPECT_TRUE(design::BuildLines(balanced, 2, '.').empty()) << "no third set";
}

TEST(BuildListText, WiresEachDeckThenListsEverySetsResistorsExactly) {
  const std::string deck =
      "\twiring\tinput 1\tcommon output\tground 4\n"
      "%\tR1\t1\t2\tE24\t4700\n%\tR2\t2\t3\tE24\t1000\n%\tR3\t3\t4\tE24\t0,91\n"
      "%\tR1\t1\t2\tE192\t4700\n%\tR2\t2\t3\tE192\t1000\n%\tR3\t3\t4\tE192\t4,75\n";
  std::string expected = "deck\tresistor\tlug_from\tlug_to\tseries\tvalue_ohm\n";
  for (const std::string name : {"left", "right"}) {
    std::string lines = name + deck;
    for (std::size_t at; (at = lines.find('%')) != std::string::npos;) lines.replace(at, 1, name);
    expected += lines;
  }
  const design::CircuitAnalysis a = TwoSets({0, 4700, 1000, 0.91}, {0, 4700, 1000, 4.75});
  EXPECT_EQ(design::BuildListText(a, ','), expected);

  const std::string balanced =
      design::BuildListText(TwoSets({0, 4700, 1000, 0.91}, {0, 4700, 1000, 4.75}, true), '.');
  for (const char* wiring : {"\nleft hot\twiring\t", "\nleft cold\twiring\t",
                             "\nright hot\twiring\t", "\nright cold\twiring\tinput 1\t"}) {
    EXPECT_NE(balanced.find(wiring), std::string::npos) << wiring;
  }
  EXPECT_EQ(std::count(balanced.begin(), balanced.end(), '\n'), 1 + 4 * 7);
}

// 1 ohm and 10M themselves are parts to buy; 0.91 and 11M are not.
TEST(PartsOutOfRangeWarning, NamesThePartsOutsideEachEndAsRuns) {
  struct Row {
    design::OhmsColumn e24, e192;
    const char* warning;
  } const rows[] = {
      {{0, 10e6, 1e3, 1.0}, {0, 10e6, 1e3, 1.0}, ""},
      {{0, 11e6, 1e3, 0.91}, {0, 10.1e6, 1e3, 0.988}, "Warning: R3 below 1 \u03a9; R1 above 10M, "
                                                      "hard to buy and measure."},
      {{0, 1e3, 10, 0.91, 0.1, 0.1, 1.0, 0.91}, {0, 1e3, 10, 0.9, 0.1, 0.1, 1.0, 0.5},
       "Warning: R3\u2013R5, R7 below 1 \u03a9, hard to buy and measure."},
      {{0, 11e6, 1e3, 1.0, 0.91}, {0, 10e6, 1e3, 0.988, 0.91},
       "Warning: E24 R4 and E192 R3\u2013R4 below 1 \u03a9; E24 R1 above 10M, hard to buy and "
       "measure."},
  };
  for (const Row& row : rows) {
    for (const bool balanced : {false, true}) {
      SCOPED_TRACE(testing::Message() << row.warning << (balanced ? " balanced" : ""));
      EXPECT_EQ(design::PartsOutOfRangeWarning(TwoSets(row.e24, row.e192, balanced)), row.warning);
    }
  }
}

}  // namespace
