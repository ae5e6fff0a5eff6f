// Series as data, laws of any steps, balanced legs, the finished optimiser,
// the copied header, parts list and build list, and the parts out of range.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit/string_analysis.h"
#include "circuit_text/parts_list.h"
#include "circuit_text/string_summary.h"
#include "circuit_text/string_table.h"
#include "design/series.h"

namespace {

using circuit::Surroundings;

TEST(Series, TablesHoldTheirValues) {
  struct Row {
    const design::Series& series;
    int count;
    std::vector<int> members, absent;
  } const rows[] = {
      {design::kE192, 192, {101, 104, 920, 988}, {919, 103}},
      {design::kE96, 96, {102, 976}, {101, 920}},
      {design::kE48, 48, {105, 953}, {102, 976}},
      {design::kE24, 24, {910}, {105}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.series.Name());
    const auto decade = row.series.Decade();
    EXPECT_EQ(row.series.PerDecade(), row.count);
    for (int m : row.members)
      EXPECT_NE(std::find(decade.begin(), decade.end(), m), decade.end()) << m;
    for (int m : row.absent)
      EXPECT_EQ(std::find(decade.begin(), decade.end(), m), decade.end()) << m;
    EXPECT_EQ(design::FindSeries(row.series.Name()), &row.series);
  }
  EXPECT_EQ(design::FindSeries("e192"), &design::kE192);
  EXPECT_EQ(design::FindSeries("E12"), nullptr);
}

// 9.09, 9.20 and 9.31 of E192 meet at the geometric means 9.144835 and
// 9.254837; a tie goes up.
TEST(Series, E192RoundsInTheRatioSenseAroundNinePointTwo) {
  struct Row {
    double value, nearest;
  } const rows[] = {{9.1448, 9.09}, {9.1449, 9.20}, {9.20, 9.20},    {9.2548, 9.20},
                    {9.2549, 9.31}, {9144.8, 9090}, {0.0092, 0.0092}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_DOUBLE_EQ(design::kE192.Nearest(row.value), row.nearest);
  }
  const int at = design::kE192.NearestIndex(9.2);
  EXPECT_DOUBLE_EQ(design::kE192.Value(design::kE192.Neighbour(at, true)), 9.31);
  EXPECT_DOUBLE_EQ(design::kE192.Value(design::kE192.Neighbour(at, false)), 9.09);
  const std::vector<design::DecimalValue> around = design::kE192.Around(9.19, 3);
  const std::vector<design::DecimalValue> expected{{887, -2}, {898, -2}, {909, -2}, {920, -2},
                                                   {931, -2}, {942, -2}, {953, -2}};
  EXPECT_EQ(around, expected);
  EXPECT_EQ(design::kE24.Around(1e3, 1),
            (std::vector<design::DecimalValue>{{910, 0}, {100, 1}, {110, 1}}));
}

// Steps of 2 then 3 dB on four positions with nothing connected: Rl(p) is
// 10k x 10^(-target / 20) for targets 0, 2 and 5 dB.
TEST(CompensatedString, FollowsALawOfUnequalSteps) {
  const circuit::TargetColumn targets{0.0, 2.0, 5.0};
  circuit::OhmsColumn string;
  circuit::CompensatedString(10e3, targets, Surroundings{}, string);
  ASSERT_EQ(string.size(), 4u);
  const double expected[] = {2056.7176527572, 2319.8690953393, 5623.4132519035};
  for (int k = 1; k <= 3; ++k) EXPECT_NEAR(string[k], expected[k - 1], 1e-9) << k;
  circuit::PositionColumn atten;
  circuit::LoadedAttenuation(string, Surroundings{}, atten);
  EXPECT_NEAR(atten[1], 2.0, 1e-12);
  EXPECT_NEAR(atten[2], 5.0, 1e-12);
}

circuit::StringSpec Spec(double total, int n, double step, double load, double source,
                         const design::Series& first = design::kE96,
                         const design::Series& second = design::kE24) {
  circuit::StringSpec spec;
  spec.TotalOhms = total;
  spec.Targets = circuit::EqualSteps(n, step);
  spec.Inputs = circuit::CircuitInputs{load, source, 100e-12, 1.0};
  spec.RoundedIn = {&first, &second};
  return spec;
}

// A balanced leg is one string into half the load from half the source;
// only the impedances shown across the pair are doubled.
TEST(AnalyseString, BalancedLegIsASingleStringIntoHalfTheLoad) {
  circuit::StringSpec balanced = Spec(10e3, 24, 2.0, 47e3, 600, design::kE192);
  balanced.Balanced = true;
  const circuit::StringSpec single = Spec(10e3, 24, 2.0, 23.5e3, 300, design::kE192);
  circuit::CircuitAnalysis b, s;
  ASSERT_TRUE(circuit::AnalyseString(balanced, b));
  ASSERT_TRUE(circuit::AnalyseString(single, s));
  for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(b.Sets[i].Parts.Ohms, s.Sets[i].Parts.Ohms);
  EXPECT_EQ(b.Sets[0].Db, s.Sets[0].Db);
  EXPECT_EQ(b.BandHighDb, s.BandHighDb);
  for (int p = 0; p < 24; ++p) {
    EXPECT_EQ(b.ZoutOhms[p], 2.0 * s.ZoutOhms[p]) << p;
    EXPECT_EQ(b.ZinOhms[p], 2.0 * s.ZinOhms[p]) << p;
    EXPECT_EQ(b.F3dbHz[p], s.F3dbHz[p]) << p;
  }
}

// A second call on the optimiser's result makes no move, the extreme case
// (5k, 24 positions, 4.16 dB, 10k source into 0.1 mohm) among them.
TEST(ImproveRounding, LeavesNothingForASecondCall) {
  struct Row {
    double total;
    int n;
    double step, load, source;
  } const rows[] = {
      {5e3, 24, 4.16, 1e-4, 10e3}, {10e3, 64, 1.5, 47e3, 0}, {100e3, 25, 0.5, 10e3, 600}};
  for (const Row& row : rows) {
    for (const design::Series* series : design::kAllSeries) {
      SCOPED_TRACE(testing::Message() << row.total << " / " << row.n << " " << series->Name());
      const Surroundings around{row.source, row.load};
      const circuit::TargetColumn targets = circuit::EqualSteps(row.n, row.step);
      circuit::OhmsColumn ideal;
      circuit::CompensatedString(row.total, targets, around, ideal);
      circuit::RoundedString rounded;
      circuit::RoundEach(ideal, *series, rounded);
      circuit::ImproveRounding(rounded, targets, around, *series);
      EXPECT_EQ(circuit::ImproveRounding(rounded, targets, around, *series), 0);
    }
  }
}

// Two E24 resistors with nothing connected: the one deviation is
// 20 log10((R1 + R2) / R2) - target, worked by hand move by move.
TEST(ImproveRounding, WalksAsWorkedByHand) {
  struct Row {
    double r1, r2, targetDb, to1, to2, worstDb;  // as rounded alone, then improved
    int moves;
  } const rows[] = {
      // 5.6k / 16k gives 2.607 dB; R1 to 5.1k gives 2.403, then R2 to 15k
      // 2.542 dB, 0.0421 off; no step of either comes closer.
      {5600, 16000, 2.5, 5100, 15000, 0.042096, 2},
      // 620 / 390: 8.265 dB; R2 430 (7.754), R1 680 (8.237), R2 470 (7.772):
      // the last part moves twice.
      {620, 390, 8.0, 680, 470, 0.228000, 3},
      // 1k / 1k aims at 9.54 dB: R1 and R2 take turns, 1.1k / 910 ... and
      // stop at 1.3k / 750 (8.734 dB), three steps each; 1.5k would hit it.
      {1000, 1000, 9.542425, 1300, 750, 0.808573, 6},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.moves);
    const circuit::TargetColumn targets{0.0, row.targetDb};
    circuit::RoundedString rounded;
    circuit::RoundEach({0, row.r1, row.r2}, design::kE24, rounded);
    EXPECT_EQ(circuit::ImproveRounding(rounded, targets, Surroundings{}, design::kE24), row.moves);
    EXPECT_NEAR(rounded.Ohms[1], row.to1, row.to1 * 1e-6);
    EXPECT_NEAR(rounded.Ohms[2], row.to2, row.to2 * 1e-6);
    EXPECT_NEAR(circuit::WorstDeviation(rounded.Ohms, targets, Surroundings{}).Db, row.worstDb,
                1e-5);
  }
}

TEST(CircuitTableText, NamesTheChosenSeriesInTheHeader) {
  circuit::StringSpec spec = Spec(10e3, 5, 3.0, 47e3, 0, design::kE192, design::kE48);
  spec.Targets = {0.0, 2.0, 4.0, 10.0};
  circuit::CircuitAnalysis a;
  ASSERT_TRUE(circuit::AnalyseString(spec, a));
  const std::string text = circuit_text::CircuitTableText(a, '.');
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "position\ttarget_dB\tdesigned_e96_dB\tdesigned_e24_dB\tcompensated_ohm\t"
            "compensated_e192_ohm\tcompensated_e48_ohm\tcompensated_e192_dB\tcompensated_e48_dB\t"
            "band_low_dB\tband_high_dB\tzout_ohm\tzin_ohm\tf3db_Hz");
  // Row 3: its target, no designed sets, and the ground row has no target.
  EXPECT_EQ(text.substr(text.find("\n3\t"), 13), "\n3\t10.0000\t\t\t");
  EXPECT_NE(text.find("\n4\t\t\t\t"), std::string::npos);
}

// An analysis of only two sets, `e24` and `e192` (index 0 unused) rounded.
circuit::CircuitAnalysis TwoSets(const circuit::OhmsColumn& e24, const circuit::OhmsColumn& e192,
                                 bool balanced = false) {
  circuit::CircuitAnalysis a;
  a.N = static_cast<int>(e24.size());
  a.Balanced = balanced;
  a.Sets.resize(2);
  a.Sets[0].RoundedIn = &design::kE24;
  a.Sets[1].RoundedIn = &design::kE192;
  circuit::RoundEach(e24, design::kE24, a.Sets[0].Parts);
  circuit::RoundEach(e192, design::kE192, a.Sets[1].Parts);
  return a;
}

// Resistors 4.7k, 1k, 4.7k in E24 and 4.7k, 1k, 4.75k in E192.
TEST(PartsListText, CountsEachValueOverBothChannels) {
  for (const bool balanced : {false, true}) {
    const circuit::CircuitAnalysis a =
        TwoSets({0, 4700, 1000, 4700}, {0, 4700, 1000, 4750}, balanced);
    const std::string two = balanced ? "4" : "2", four = balanced ? "8" : "4";
    EXPECT_EQ(circuit_text::PartsListText(a, ','),
              "series\tvalue_ohm\tquantity\tresistors\n"
              "e24\t1000,000\t"  // E24 1000 is the single 999.99994, as its table cell
                  + two +
                  "\tR2\n"
                  "e24\t4700,00\t" +
                  four +
                  "\tR1 R3\n"
                  "e192\t1000,00\t" +
                  two +
                  "\tR2\n"
                  "e192\t4700,00\t" +
                  two +
                  "\tR1\n"
                  "e192\t4750,00\t" +
                  two + "\tR3\n");
  }
}

const circuit::OhmsColumn kE24Parts{0, 4700, 1000, 0.91}, kE192Parts{0, 4700, 1000, 4.75};

// Four positions are lugs 1 .. 4: R1 joins lugs 1 and 2, R3 lugs 3 and 4;
// the input goes to lug 1, lug 4 to ground.
TEST(BuildLines, NumbersLugsFromOneAndBeginsWithTheWiring) {
  EXPECT_EQ(circuit_text::BuildLines(TwoSets(kE24Parts, kE192Parts), 1, ','),
            (std::vector<std::string>{
                "E192 build list, every deck alike:", "  Decks: left, right.",
                "  Input to lug 1 (full volume).", "  Common (wiper) to the output.",
                "  Lug 4 to ground.", "  The last position, lug 4, is mute (no output).",
                "  R1  lugs 1-2  4,7k", "  R2  lugs 2-3  1k", "  R3  lugs 3-4  4,75"}));
  const auto balanced = circuit_text::BuildLines(TwoSets(kE24Parts, kE192Parts, true), 0, '.');
  EXPECT_EQ(balanced.at(1), "  Decks: left hot, left cold, right hot, right cold.");
  EXPECT_EQ(balanced.at(4), "  Lug 4 to ground, with the other leg's lug 4.");
}

TEST(BuildListText, WiresEachDeckThenListsEverySetsResistorsExactly) {
  std::string expected = "deck\tresistor\tlug_from\tlug_to\tseries\tvalue_ohm\n";
  for (const std::string deck : {"left", "right"}) {
    expected += deck + "\twiring\tinput 1\tcommon output\tground 4\n" + deck +
                "\tR1\t1\t2\tE24\t4700\n" + deck + "\tR2\t2\t3\tE24\t1000\n" + deck +
                "\tR3\t3\t4\tE24\t0,91\n" + deck + "\tR1\t1\t2\tE192\t4700\n" + deck +
                "\tR2\t2\t3\tE192\t1000\n" + deck + "\tR3\t3\t4\tE192\t4,75\n";
  }
  EXPECT_EQ(circuit_text::BuildListText(TwoSets(kE24Parts, kE192Parts), ','), expected);
  const std::string balanced =
      circuit_text::BuildListText(TwoSets(kE24Parts, kE192Parts, true), '.');
  EXPECT_EQ(std::count(balanced.begin(), balanced.end(), '\n'), 1 + 4 * 7);  // decks of 7 lines
  EXPECT_EQ(balanced.substr(balanced.rfind("right cold\twiring"), 49),
            "right cold\twiring\tinput 1\tcommon output\tground 4\n");
}

// 1 ohm and 10M themselves are parts to buy; 0.91, 0.988, 11M, 10.1M not.
TEST(PartsOutOfRangeWarning, NamesThePartsOutsideEachEndAsRuns) {
  struct Row {
    circuit::OhmsColumn e24, e192;
    const char* warning;
  } const rows[] = {
      {{0, 10e6, 1e3, 1.0}, {0, 10e6, 1e3, 1.0}, ""},
      {{0, 11e6, 1e3, 0.91},
       {0, 10.1e6, 1e3, 0.988},
       "Warning: R3 below 1 \u03a9; R1 above 10M, hard to buy and measure."},
      {{0, 1e3, 10, 0.91, 0.1, 0.1, 1.0, 0.91},
       {0, 1e3, 10, 0.9, 0.1, 0.1, 1.0, 0.5},
       "Warning: R3\u2013R5, R7 below 1 \u03a9, hard to buy and measure."},
      {{0, 11e6, 1e3, 1.0, 0.91},
       {0, 10e6, 1e3, 0.988, 0.91},
       "Warning: E24 R4 and E192 R3\u2013R4 below 1 \u03a9; E24 R1 above 10M, hard to buy and "
       "measure."},
  };
  for (const Row& row : rows) {
    for (const bool balanced : {false, true}) {
      SCOPED_TRACE(testing::Message() << row.warning << (balanced ? " balanced" : ""));
      EXPECT_EQ(circuit_text::PartsOutOfRangeWarning(TwoSets(row.e24, row.e192, balanced)),
                row.warning);
    }
  }
}

}  // namespace
