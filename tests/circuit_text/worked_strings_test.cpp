// The optimiser's moves and the summary flags of the in-circuit analysis
// against cases worked by hand.
#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "circuit/string_analysis.h"
#include "circuit_text/string_table.h"
#include "tests/support/designed.h"

namespace {

using circuit::Surroundings;

// Four positions of 6 dB steps (targets 0, 6, 12 dB), E24, no source.
// A(p) = -20 log10(y / (Ru + y)), y = Rl in parallel with the load.
//
// 10k, no load: Rl(1) = 10k x 10^-0.3 = 5011.872, Rl(2) = 10k x 10^-0.6 =
// 2511.886, so the string is 4988.128, 2499.986, 2511.886; nearest E24 5.1k,
// 2.4k, 2.4k (2499.986 lies below the mean of 2.4k and 2.7k, 2545.6). Of 9.9k,
// 4.8k and 2.4k lie below p1 and p2: deviations +0.2879 and +0.3085 dB.
// R1 up to 5.6k only adds attenuation; R1 down to 4.7k (9.5k total) gives
// -0.0704 and -0.0498: worst 0.0704 at 1, taken. Nothing else helps: R2 or
// R3 to 2.7k puts p1 at -0.3269, to 2.2k at +0.1145, R1 to 4.3k at -0.444.
//
// 10k into 10k: the divider y = a (Rs + Ru + y) solved for Rl gives
// 3806.545, 3149.726, 3043.728; nearest E24 3.9k, 3.3k, 3k: deviations
// +0.0598, +0.2979. Visit 1: R1 up to 4.3k is worse (+0.6559); down to
// 3.6k: -0.2824, +0.0195, taken. R2 up to 3.6k is worse (-0.4); down to 3k:
// -0.1549, -0.2683, taken. R3 up to 3.3k is worse (-0.7304); down to 2.7k:
// -0.0160, +0.2651, taken. Visit 2: R1 to 3.9k or 3.3k is worse (+0.5587,
// -0.3841); R2 up is worse, down again to 2.7k: +0.1356, -0.0388, taken. No
// further move helps. Final 3.6k, 2.7k, 2.7k, worst 0.1356 at 1: the last
// resistor had to move, and R2 twice.
//
// 20k into 10k: 5834.156, 6805.163, 7360.681; nearest 5.6k, 6.8k, 7.5k:
// deviations -0.1921, -0.1936. R1 to 6.2k or 5.1k (+0.2502, -0.5788) and R2
// to 7.5k or 6.2k (-0.2739, -0.5117) are worse; R3 down to 6.8k: -0.1029,
// +0.1781, taken. Visit 2: R2 down to 6.2k: -0.0196, -0.1447, taken. Final
// 5.6k, 6.2k, 6.8k, worst 0.1447 at 2: the last resistor moved first.
TEST(ImproveRounding, MakesTheMovesWorkedByHand) {
  const struct Row {
    const char* what;
    double total, load;
    std::array<double, 3> compensated, nearest, improved;
    int moves;
    double worstDb;
    int worstAt;
  } rows[] = {
      {"10k, no load",
       10e3,
       0,
       {4988.128, 2499.986, 2511.886},
       {5100, 2400, 2400},
       {4700, 2400, 2400},
       1,
       0.070353,
       1},
      {"10k into 10k",
       10e3,
       10e3,
       {3806.545, 3149.726, 3043.728},
       {3900, 3300, 3000},
       {3600, 2700, 2700},
       4,
       0.135646,
       1},
      {"20k into 10k",
       20e3,
       10e3,
       {5834.156, 6805.163, 7360.681},
       {5600, 6800, 7500},
       {5600, 6200, 6800},
       2,
       0.144712,
       2},
  };
  const circuit::TargetColumn targets{0.0, 6.0, 12.0};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const Surroundings around{0.0, row.load};
    circuit::OhmsColumn ideal;
    circuit::CompensatedString(row.total, targets, around, ideal);
    circuit::RoundedString rounded;
    circuit::RoundEach(ideal, design::kE24, rounded);
    ASSERT_EQ(rounded.Ohms.size(), 4u);
    for (int k = 1; k <= 3; ++k) {
      EXPECT_NEAR(ideal[k], row.compensated[k - 1], 1e-3) << k;
      EXPECT_EQ(design::kE24.Decimal(rounded.Index[k]).Ohms(), row.nearest[k - 1]) << k;
    }
    EXPECT_EQ(circuit::ImproveRounding(rounded, targets, around, design::kE24), row.moves);
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(design::kE24.Decimal(rounded.Index[k]).Ohms(), row.improved[k - 1]) << k;
      EXPECT_EQ(rounded.Ohms[k], design::kE24.Value(rounded.Index[k])) << k;
    }
    const circuit::WorstPoint worst = circuit::WorstDeviation(rounded.Ohms, targets, around);
    EXPECT_NEAR(worst.Db, row.worstDb, 2e-6);
    EXPECT_EQ(worst.Position, row.worstAt);
  }
}

// Each summary flag on either side of its line, single-ended and balanced
// (a balanced leg sees half the load). Far above the load: the string's
// total against 10 x the load a string sees. Out of range: a part of either
// set below 1 ohm or above 10M, as its exact standard value (E96 rounds 0.98
// to 0.976 and 10.2M to itself, E24 both to 1 and 10M). Straying: 10k, no
// load, targets 0, 6, 6 - 2d dB, a law no string follows: the middle
// resistor is the series' smallest part (out of range too), positions 1 and
// 2 sit together, d from either target at best. With d = 0.48 E96 gives
// 4.99k, 5.62k (0.4804 dB) and E24 5.1k, 5.6k (0.5839 dB): only the worse
// set strays. With d = 0.52 E96 gives 0.5596 dB and E24 0.6639 dB.
TEST(InCircuitSummary, RaisesEachFlagOnlyPastItsLine) {
  const struct Row {
    const char* what;
    bool balanced, e24First;
    double total;
    circuit::TargetColumn targets;
    double load;
    bool far, outOfRange, strays;
  } rows[] = {
      {"ten times the load", false, false, 100e3, {0}, 10e3, false, false, false},
      {"past ten times the load", false, false, 100.1e3, {0}, 10e3, true, false, false},
      {"a leg at ten times half the load", true, false, 100e3, {0}, 20e3, false, false, false},
      {"a leg past ten times half the load", true, false, 100.1e3, {0}, 20e3, true, false, false},
      {"the same string single-ended", false, false, 100.1e3, {0}, 20e3, false, false, false},
      {"1 ohm parts", false, false, 1.0, {0}, 0, false, false, false},
      {"an E96 part below 1 ohm", false, false, 0.98, {0}, 0, false, true, false},
      {"10M parts", false, false, 10e6, {0}, 0, false, false, false},
      {"an E96 part above 10M", false, false, 10.2e6, {0}, 0, false, true, false},
      {"balanced 1 ohm parts", true, true, 1.0, {0}, 0, false, false, false},
      {"balanced, the second set's part below 1 ohm", true, true, 0.98, {0}, 0, false, true, false},
      {"balanced, the second set's part above 10M", true, true, 10.2e6, {0}, 0, false, true, false},
      {"only the second set strays", false, false, 10e3, {0, 6, 5.04}, 0, false, true, false},
      {"only the first set strays", true, true, 10e3, {0, 6, 5.04}, 0, false, true, false},
      {"both sets stray", false, false, 10e3, {0, 6, 4.96}, 0, false, true, true},
      {"both balanced sets stray", true, true, 10e3, {0, 6, 4.96}, 0, false, true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    circuit::StringSpec spec;
    spec.TotalOhms = row.total;
    spec.Targets = row.targets;
    spec.Inputs = circuit::CircuitInputs{row.load, 0.0, 0.0, 1.0};
    spec.Balanced = row.balanced;
    if (row.e24First) spec.RoundedIn = {&design::kE24, &design::kE96};
    circuit::CircuitAnalysis a;
    ASSERT_TRUE(circuit::AnalyseString(spec, a));
    EXPECT_EQ(a.FarAboveLoad, row.far);
    EXPECT_EQ(a.PartOutOfRange, row.outOfRange);
    EXPECT_EQ(a.BestSetStrays, row.strays);
  }
}

// 10k, 3 positions, 3 dB: the ideal 2920.54 and 7079.46 round to 2.94k and
// 7.15k in E96 and to 3k and 6.8k in E24; position 1 gives 20 log10(10.09 /
// 7.15) = 2.991702 and 20 log10(9.8 / 6.8) = 3.174343 dB.
TEST(CircuitCells, DesignedColumnsHoldEachOfTheDesignsSets) {
  circuit::CircuitAnalysis a;
  ASSERT_TRUE(circuit::AnalyseInCircuit(testing_support::Designed(10e3f, 3, 3.0f),
                                        circuit::CircuitInputs{0.0, 0.0, 0.0, 1.0}, a));
  const std::vector<circuit_text::CircuitRow> rows = circuit_text::CircuitCells(a, '.');
  EXPECT_EQ(rows[1][2], "2.99170");
  EXPECT_EQ(rows[1][3], "3.17434");
}

// A few femto-ohms against a picofarad put the corner past every double.
TEST(TrebleCorner, IsNoneBeyondTheLargestDouble) {
  EXPECT_FALSE(circuit::TrebleCorner(1e-300, 1e-12, Surroundings{}).has_value());
}

}  // namespace
