// The fitted strings: the channel difference by hand, balanced loops against
// a node solve, the best single change's tie rules and pasting.
#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit_text/as_built_text.h"
#include "notation/builder_value.h"

namespace {

using circuit::CircuitAnalysis;
using circuit::FittedStrings;

// A hand-made analysis: N positions of equal steps, first set in `series`.
CircuitAnalysis Surroundings(int n, double stepDb, double loadOhms, double sourceOhms,
                             bool balanced) {
  CircuitAnalysis circuit;
  circuit.N = n;
  circuit.Balanced = balanced;
  circuit.Inputs.LoadOhms = loadOhms;
  circuit.Inputs.SourceOhms = sourceOhms;
  circuit.Target = circuit::EqualSteps(n, stepDb);
  circuit.Sets.resize(1);
  circuit.Sets[0].RoundedIn = &design::kE24;
  return circuit;
}

// With the designed first set `leg` in E192, whose parts are exact decimals.
CircuitAnalysis Designed(const circuit::OhmsColumn& leg, bool balanced, double load = 0,
                         double source = 0) {
  CircuitAnalysis circuit = Surroundings(int(leg.size()), 6.0, load, source, balanced);
  circuit.Sets[0].RoundedIn = &design::kE192;
  circuit::RoundEach(leg, design::kE192, circuit.Sets[0].Parts);
  return circuit;
}

// Position 1 of a 10k load: left 1k over 1k is 10/21, right 1k over 1.01k
// is (1.01k || 10k) / (1k + 1.01k || 10k) = 10.1M / 21.11M; their dB apart.
TEST(AsBuilt, OneResistorOnePercentHighGivesTheDividerDifference) {
  const CircuitAnalysis circuit = Surroundings(3, 6.0, 10000.0, 0.0, false);
  const FittedStrings fitted{{0, 1000, 1000}, {0, 1000, 1010}};
  circuit::AsBuiltAnalysis a;
  ASSERT_TRUE(circuit::AnalyseAsBuilt(circuit, fitted, a));
  EXPECT_NEAR(a.DifferenceDb[1], 0.0410487042, 1e-9);
  EXPECT_EQ(a.DifferenceDb[0], 0.0);
  EXPECT_EQ(a.WorstDifference.Position, 1);
  EXPECT_NEAR(a.Db[0][1], 20.0 * std::log10(2.1), 1e-12);
}

TEST(AsBuilt, BalancedEqualLegsGiveTheInCircuitFirstSet) {
  circuit::StringSpec spec;
  spec.TotalOhms = 10000.0;
  spec.Targets = circuit::EqualSteps(24, 2.0);
  spec.Inputs = {47000.0, 600.0, 100e-12, 1.0};
  spec.RoundedIn = {&design::kE192, &design::kE24};
  spec.Balanced = true;
  CircuitAnalysis circuit;
  ASSERT_TRUE(circuit::AnalyseString(spec, circuit));
  FittedStrings fitted;
  circuit::DesignedFitted(circuit, fitted);
  ASSERT_EQ(fitted.size(), 4u);
  circuit::AsBuiltAnalysis a;
  ASSERT_TRUE(circuit::AnalyseAsBuilt(circuit, fitted, a));
  for (int p = 0; p <= circuit.N - 2; ++p) {
    EXPECT_EQ(a.Db[0][p], circuit.Sets[0].Db[p]) << p;  // to the last digit
    EXPECT_EQ(a.DifferenceDb[p], 0.0) << p;
  }
  EXPECT_FALSE(a.Best.has_value());
}

// Nodal analysis of a balanced channel: hot nodes h0 .. h(N-1), cold nodes
// c0 .. c(N-2), the joined ground ends h(N-1) floating, the load between the
// wipers hp and cp, +/-0.5 V each through half the source impedance.
double NodeSolveDb(const FittedStrings& f, int p, double load, double source) {
  const int n = static_cast<int>(f[0].size());
  const int nodes = 2 * n - 1;
  const auto hot = [](int i) { return i; };
  const auto cold = [&](int i) { return i == n - 1 ? n - 1 : n + i; };
  std::vector<std::vector<double>> g(nodes, std::vector<double>(nodes + 1, 0.0));
  const auto join = [&](int a, int b, double ohms) {
    g[a][a] += 1 / ohms;
    g[b][b] += 1 / ohms;
    g[a][b] -= 1 / ohms;
    g[b][a] -= 1 / ohms;
  };
  for (int k = 1; k < n; ++k) {
    join(hot(k - 1), hot(k), f[0][k]);
    join(cold(k - 1), cold(k), f[1][k]);
  }
  join(hot(p), cold(p), load);
  g[hot(0)][hot(0)] += 2 / source;
  g[hot(0)][nodes] += 0.5 * 2 / source;
  g[cold(0)][cold(0)] += 2 / source;
  g[cold(0)][nodes] -= 0.5 * 2 / source;
  for (int i = 0; i < nodes; ++i) {
    for (int r = i + 1; r < nodes; ++r) {
      const double m = g[r][i] / g[i][i];
      for (int c = i; c <= nodes; ++c) g[r][c] -= m * g[i][c];
    }
  }
  std::vector<double> v(nodes);
  for (int i = nodes - 1; i >= 0; --i) {
    double s = g[i][nodes];
    for (int c = i + 1; c < nodes; ++c) s -= g[i][c] * v[c];
    v[i] = s / g[i][i];
  }
  return -20.0 * std::log10(v[hot(p)] - v[cold(p)]);
}

TEST(AsBuilt, BalancedColdLegChangeIsOneLoopAsTheNodesSolveIt) {
  const CircuitAnalysis circuit = Surroundings(5, 3.0, 22000.0, 600.0, true);
  const circuit::OhmsColumn leg{0, 2000, 1500, 1000, 800};
  circuit::OhmsColumn cold = leg;
  cold[2] = 1800;  // left cold R2 fitted wrong
  const FittedStrings fitted{leg, cold, leg, leg};
  circuit::AsBuiltAnalysis a;
  ASSERT_TRUE(circuit::AnalyseAsBuilt(circuit, fitted, a));
  // Hand-worked loop at position 1: 600 + (2000 + 2000) above, (1500 + 1800)
  // + (1000 + 1000) + (800 + 800) = 6900 below across 22k: y = 5252.595,
  // ratio 5252.595 / 9852.595 = 0.533118, 5.4635 dB.
  EXPECT_NEAR(a.Db[0][1], 5.46353, 1e-5);
  for (int p = 0; p <= 3; ++p) {
    SCOPED_TRACE(p);
    EXPECT_NEAR(a.Db[0][p], NodeSolveDb(fitted, p, 22000.0, 600.0), 1e-9);
  }
  ASSERT_TRUE(a.Best.has_value());
  EXPECT_EQ(a.Best->Resistor, 2);
}

TEST(BestSingleChange, TiesFollowDeviationResistorThenColumn) {
  struct Row {
    const char* text;
    bool balanced;
    FittedStrings fitted;
    int resistor, column;
    double to;
  } const rows[] = {
      // Left R1 up matches exactly but both channels then deviate 0.444 dB;
      // right R1 down or R2 up match at 0.021 dB: the lower resistor of those.
      {"deviation then resistor", false, {{0, 1000, 1000}, {0, 1100, 1000}}, 1, 1, 1000},
      // Left hot R1 and left cold R1 up tie in everything but the column.
      {"column",
       true,
       {{0, 1000, 1000}, {0, 1000, 1100}, {0, 1000, 1000}, {0, 1000, 1000}},
       1,
       0,
       1100},
      {"nothing to gain", false, {{0, 1000, 1100}, {0, 1000, 1100}}, 0, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const CircuitAnalysis circuit = Surroundings(3, 6.0, 0.0, 0.0, row.balanced);
    const auto best = circuit::BestSingleChange(circuit, row.fitted);
    if (row.resistor == 0) {
      EXPECT_FALSE(best.has_value());
      continue;
    }
    ASSERT_TRUE(best.has_value());
    EXPECT_EQ(best->Resistor, row.resistor);
    EXPECT_EQ(best->Column, row.column);
    EXPECT_EQ(best->To.Ohms(), row.to);
    EXPECT_EQ(best->WorstAfterDb, 0.0);
  }
}

TEST(AsBuilt, SummaryNamesTheChange) {
  const CircuitAnalysis circuit = Surroundings(3, 6.0, 0.0, 0.0, true);
  const FittedStrings fitted{{0, 1000, 1000}, {0, 1000, 1000}, {0, 1000, 1000}, {0, 1000, 1100}};
  circuit::AsBuiltAnalysis a;
  ASSERT_TRUE(circuit::AnalyseAsBuilt(circuit, fitted, a));
  // 2k over 2k against 2k over 2.1k: 20 log10(4.1 / 2.1 / 2) = -0.2093 dB.
  EXPECT_EQ(circuit_text::BestChangeText(a, ','),
            "Best single change: R1 right hot 1k \u2192 1,1k, worst channel difference "
            "0,209 \u2192 0,000 dB");
}

TEST(PasteFitted, TakesRowsFromTheCurrentCell) {
  struct Row {
    const char* text;
    char separator;
    int resistor, column;
    int written, refused, linesBeyond, cellsBeyond;
    double left2, right2;  // resistor 2 afterwards
  } const rows[] = {
      {"1k\t2k\n", '.', 2, 0, 2, 0, 0, 0, 1000, 2000},
      {"1k62\r\n1620R\r\n", '.', 2, 0, 2, 0, 0, 0, 1620, 9},
      {"1k\n2k\n3k\n", '.', 2, 0, 2, 0, 1, 0, 1000, 9},
      {"4k7\t2k\t3k", '.', 2, 1, 1, 0, 0, 2, 9, 4700},
      {"abc\t4k7", '.', 2, 0, 1, 1, 0, 0, 9, 4700},
      {"1,62k\t0", ',', 2, 0, 1, 1, 0, 0, 1620, 9},
      {"1,62k\t2,2k", '.', 2, 0, 2, 0, 0, 0, 1620, 2200},
      {"-1k\t1e400", '.', 2, 0, 0, 2, 0, 0, 9, 9},
      {"", '.', 2, 0, 0, 0, 0, 0, 9, 9},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    FittedStrings fitted{{0, 9, 9, 9}, {0, 9, 9, 9}};
    const auto outcome =
        circuit_text::PasteFitted(row.text, row.separator, row.resistor, row.column, false, fitted);
    EXPECT_EQ(outcome.Written, row.written);
    EXPECT_EQ(outcome.Refused, row.refused);
    EXPECT_EQ(outcome.LinesBeyond, row.linesBeyond);
    EXPECT_EQ(outcome.CellsBeyond, row.cellsBeyond);
    EXPECT_EQ(fitted[0][2], row.left2);
    EXPECT_EQ(fitted[1][2], row.right2);
  }
  FittedStrings fitted{{0, 9, 9, 9}, {0, 9, 9, 9}};
  const auto outcome = circuit_text::PasteFitted("abc\n1k\n1k\n1k\n", '.', 2, 1, false, fitted);
  EXPECT_EQ(circuit_text::PasteMessage(outcome),
            "R2 right: \"abc\" is not a resistance: it does not start with a number; the cell "
            "keeps its value.\nBeyond the table and not used: 2 lines.");
}

// A refused cell says what in it was not understood; the range is named
// only for a value that reads.
TEST(RefusedCellMessage, SaysWhatWasNotUnderstood) {
  EXPECT_EQ(circuit_text::RefusedCellMessage(3, 0, false, "1,62", '.'),
            "R3 left: \"1,62\" is not a resistance: \",\" after \"1\" is not understood (the "
            "decimal point here is \".\"); the cell keeps its value.");
  EXPECT_EQ(circuit_text::RefusedCellMessage(3, 0, false, "-1k", ','),
            "R3 left: \"-1k\" is not a resistance from 1u to 1T ohms; the cell keeps its value.");
}

// E96 parts are held as singles (1.82k is 1819.9998): the cells write them
// as the parts' decimals, and any other value exactly.
TEST(AsBuilt, WritesTheFirstSetsPartsAsTheirDecimals) {
  const double single = design::kE96.Nearest(1820.0);
  ASSERT_NE(single, 1820.0);
  for (const auto& [ohms, text] :
       {std::pair{single, "1.82k"}, {1641.0, "1.641k"}, {1819.9, "1.8199k"}}) {
    EXPECT_EQ(circuit_text::FittedText(ohms, &design::kE96, '.'), text);
  }
}

// Every part of every series, as the roundings of 0.1% below, at and 0.1%
// above its decimal hold it (E24 910 is 910 or 909.99988), writes as that.
TEST(FittedText, WritesEveryPartOfEverySeriesAsItsDecimal) {
  for (const design::Series* series : design::kAllSeries) {
    for (int exponent = -3; exponent <= 7; ++exponent) {
      for (const int mantissa : series->Decade()) {
        const double ohms = std::stod(std::to_string(mantissa) + "e" + std::to_string(exponent));
        for (const double by : {0.999, 1.0, 1.001}) {
          ASSERT_EQ(circuit_text::FittedText(series->Nearest(ohms * by), series, '.'),
                    notation::WriteBuilderValue(ohms, '.'))
              << series->Name() << " " << ohms << " x" << by;
        }
      }
    }
  }
}

// Three 1k resistors designed for 0, 3.52 and 9.54 dB with 2% parts; a row's
// cells are the single-ended values, balanced the legs' in the hot legs. The
// summary's lines after the figures: misfits, then advice.
TEST(AsBuiltSummary, FlagsEachSideOfItsLines) {
  struct Cell {
    int column, k;
    double single, leg;
  };
  struct Row {
    std::vector<Cell> cells;
    circuit::FitMark mark;  // of the first cell
    std::vector<std::string> lines;
  } const rows[] = {
      {{}, {}, {"No change needed: the channels already agree within 0.000 dB."}},
      {{{1, 2, 1020, 1020}}, circuit::FitMark::AsDesigned, {}},
      {{{1, 2, 979.99, 979.99}}, circuit::FitMark::BeyondTolerance, {}},
      {{{1, 2, 3000, 3000}}, circuit::FitMark::BeyondTolerance, {}},
      {{{1, 2, 3000.5, 3000.5}},
       circuit::FitMark::LikelyMisfit,
       {"Likely misfit: R2 right is 3.0005k, designed 1k."}},
      {{{1, 2, 333.34, 333.34}}, circuit::FitMark::BeyondTolerance, {}},
      {{{1, 2, 333.33, 333.33}},
       circuit::FitMark::LikelyMisfit,
       {"Likely misfit: R2 right is 333.33, designed 1k."}},
      // 20 log10(3 x / (2000 + x)) at position 2: 0.01012 dB, then 0.00989.
      {{{1, 3, 1001.75, 1003.5}},
       {},
       {"Best single change: R3 right 1.00175k \u2192 1k, worst channel difference 0.010 \u2192 "
        "0.000 dB"}},
      {{{1, 3, 1001.71, 1003.42}},
       {},
       {"No change needed: the channels already agree within 0.010 dB."}},
      // Left R1 0.8% high and right R3 0.5% low part cancel: 0.016 dB apart,
      // and no one change closes that by 0.01 dB.
      {{{0, 1, 1008, 1016}, {1, 3, 995, 990}},
       {},
       {"No single change lowers the worst channel difference by 0.01 dB or more."}},
      {{{0, 2, 3300, 3300}, {1, 2, 3300, 3300}},
       circuit::FitMark::LikelyMisfit,
       {"Likely misfit: R2 left is 3.3k, designed 1k.",
        "Likely misfit: R2 right is 3.3k, designed 1k.",
        "The channels agree within 0.000 dB; check the likely misfits."}},
      {{{0, 1, 1e4, 1e4},
        {1, 1, 1e4, 1e4},
        {0, 2, 1e4, 1e4},
        {1, 2, 1e4, 1e4},
        {0, 3, 1e4, 1e4},
        {1, 3, 1e4, 1e4}},
       circuit::FitMark::LikelyMisfit,
       {"Likely misfit: R1 left is 10k, designed 1k.",
        "Likely misfit: R1 right is 10k, designed 1k.",
        "Likely misfit: R2 left is 10k, designed 1k.",
        "Likely misfit: R2 right is 10k, designed 1k.",
        "2 more likely misfits are marked in the table.",
        "The channels agree within 0.000 dB; check the likely misfits."}},
  };
  for (const bool balanced : {false, true}) {
    CircuitAnalysis circuit = Designed({0, 1000, 1000, 1000}, balanced);
    circuit.Target = {0.0, 3.521825, 9.542425};
    circuit.Inputs.TolerancePercent = 2.0;
    for (const Row& row : rows) {
      FittedStrings fitted;
      circuit::DesignedFitted(circuit, fitted);
      std::vector<std::pair<std::string, std::string>> swaps{{"left ", "left hot "},
                                                             {"right ", "right hot "}};
      for (const Cell& c : row.cells) {
        fitted[balanced ? 2 * c.column : c.column][c.k] = balanced ? c.leg : c.single;
        swaps.emplace_back(notation::WriteBuilderValue(c.single, '.'),
                           notation::WriteBuilderValue(c.leg, '.'));
      }
      std::vector<std::string> lines = row.lines;
      for (std::string& line : lines) {
        for (const auto& [from, to] : swaps) {
          if (const auto at = line.find(from); balanced && at != line.npos)
            line.replace(at, from.size(), to);
        }
      }
      SCOPED_TRACE(testing::Message()
                   << (lines.empty() ? "" : lines.back()) << (balanced ? ", balanced" : ""));
      circuit::AsBuiltAnalysis a;
      ASSERT_TRUE(circuit::AnalyseAsBuilt(circuit, fitted, a));
      if (!row.cells.empty()) {
        const Cell& c = row.cells[0];
        EXPECT_EQ(a.Marks[balanced ? 2 * c.column : c.column][c.k], row.mark);
      }
      std::istringstream summary(circuit_text::AsBuiltSummary(a, '.'));
      std::vector<std::string> got;
      for (std::string line; std::getline(summary, line);) got.push_back(line);
      got.erase(got.begin(), got.begin() + 3);
      if (lines.empty() || lines.back().find("misfit:") != std::string::npos)
        got.pop_back();  // advice not worked
      EXPECT_EQ(got, lines);
    }
  }
}

// Changes that put the channels exactly together: a 2.74 ohm part fitted for
// 2.77k (a balanced 12-position string into 47k from 100 ohms) goes back to
// the designed part; a part matching no series value is copied from the
// other channel (the same leg, balanced) when both then deviate least from
// 6 dB: 1013 (0.035 dB) against 990 (0.065 dB).
TEST(BestSingleChange, PutsTheDesignedPartBackOrCopiesTheOtherChannel) {
  const circuit::OhmsColumn leg{0,    8660, 6980, 5490, 4420, 3480,
                                2770, 2210, 1740, 1400, 1100, 4220};
  struct Row {
    CircuitAnalysis circuit;
    std::vector<std::array<double, 3>> cells;  // column, resistor, ohms
    int column;                                // of the change; its resistor is the first cell's
    double to;
  } const rows[] = {{Designed(leg, true, 47e3, 100), {{0, 6, 2.74}}, 0, 2770},
                    {Designed({0, 1000, 1000}, false), {{0, 2, 1013}, {1, 2, 990}}, 1, 1013},
                    {Designed({0, 1000, 1000}, true), {{0, 2, 1026}, {2, 2, 980}}, 2, 1026}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.to);
    FittedStrings fitted;
    circuit::DesignedFitted(row.circuit, fitted);
    for (const auto& [column, k, ohms] : row.cells) fitted[int(column)][int(k)] = ohms;
    circuit::AsBuiltAnalysis a;
    ASSERT_TRUE(circuit::AnalyseAsBuilt(row.circuit, fitted, a));
    ASSERT_TRUE(a.Best.has_value());
    EXPECT_EQ(a.Best->Resistor, int(row.cells[0][1]));
    EXPECT_EQ(a.Best->Column, row.column);
    EXPECT_EQ(a.Best->To.Ohms(), row.to);
    EXPECT_EQ(a.Best->WorstAfterDb, 0.0);
    const std::string misfit =
        "\nLikely misfit: R6 left hot is 2.74, designed 2.77k.\n"
        "Best single change: R6 left hot 2.74 \u2192 2.77k, ";
    EXPECT_EQ(circuit_text::AsBuiltSummary(a, '.').find(misfit) != misfit.npos, row.to == 2770);
  }
}

// Designed values beyond what a cell takes typed (a 1e-4 ohm string of 25
// steps of 4 dB ends in nanohms, a 1e13 ohm one lies above 1e12) analyse.
TEST(AnalyseAsBuilt, TakesTheDesignedValuesWhateverTheirSize) {
  for (const auto& [total, n] : {std::pair{1e-4, 25}, {1e13, 3}}) {
    SCOPED_TRACE(total);
    circuit::StringSpec spec;
    spec.TotalOhms = total;
    spec.Targets = circuit::EqualSteps(n, 4.0);
    CircuitAnalysis circuit;
    ASSERT_TRUE(circuit::AnalyseString(spec, circuit));
    FittedStrings fitted;
    circuit::DesignedFitted(circuit, fitted);
    circuit::AsBuiltAnalysis a;
    ASSERT_TRUE(circuit::AnalyseAsBuilt(circuit, fitted, a));
    EXPECT_FALSE(a.Best.has_value());
    fitted[1][n - 1] = total < 1.0 ? 5e-7 : 2e12;  // typed, and refused
    EXPECT_FALSE(circuit::AnalyseAsBuilt(circuit, fitted, a));
  }
}

}  // namespace
