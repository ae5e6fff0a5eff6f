// The fitted strings: the channel difference by hand, balanced loops against
// a node solve, the best single change's tie rules and pasting.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/as_built.h"

namespace {

using design::CircuitAnalysis;
using design::FittedStrings;

// A hand-made analysis: N positions of equal steps, first set in `series`.
CircuitAnalysis Surroundings(int n, double stepDb, double loadOhms, double sourceOhms,
                             bool balanced) {
  CircuitAnalysis circuit;
  circuit.N = n;
  circuit.Balanced = balanced;
  circuit.Inputs.LoadOhms = loadOhms;
  circuit.Inputs.SourceOhms = sourceOhms;
  circuit.Target = design::EqualSteps(n, stepDb);
  circuit.Sets.resize(1);
  circuit.Sets[0].RoundedIn = &design::kE24;
  return circuit;
}

// Position 1 of a 10k load: left 1k over 1k is 10/21, right 1k over 1.01k
// is (1.01k || 10k) / (1k + 1.01k || 10k) = 10.1M / 21.11M; their dB apart.
TEST(AsBuilt, OneResistorOnePercentHighGivesTheDividerDifference) {
  const CircuitAnalysis circuit = Surroundings(3, 6.0, 10000.0, 0.0, false);
  const FittedStrings fitted{{0, 1000, 1000}, {0, 1000, 1010}};
  design::AsBuiltAnalysis a;
  ASSERT_TRUE(design::AnalyseAsBuilt(circuit, fitted, a));
  EXPECT_NEAR(a.DifferenceDb[1], 0.0410487042, 1e-9);
  EXPECT_EQ(a.DifferenceDb[0], 0.0);
  EXPECT_EQ(a.WorstDifference.Position, 1);
  EXPECT_NEAR(a.Db[0][1], 20.0 * std::log10(2.1), 1e-12);
}

TEST(AsBuilt, BalancedEqualLegsGiveTheInCircuitFirstSet) {
  design::StringSpec spec;
  spec.TotalOhms = 10000.0;
  spec.Targets = design::EqualSteps(24, 2.0);
  spec.Inputs = {47000.0, 600.0, 100e-12, 1.0};
  spec.RoundedIn = {&design::kE192, &design::kE24};
  spec.Balanced = true;
  CircuitAnalysis circuit;
  ASSERT_TRUE(design::AnalyseString(spec, circuit));
  FittedStrings fitted;
  design::DesignedFitted(circuit, fitted);
  ASSERT_EQ(fitted.size(), 4u);
  design::AsBuiltAnalysis a;
  ASSERT_TRUE(design::AnalyseAsBuilt(circuit, fitted, a));
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
    g[a][a] += 1 / ohms; g[b][b] += 1 / ohms; g[a][b] -= 1 / ohms; g[b][a] -= 1 / ohms;
  };
  for (int k = 1; k < n; ++k) {
    join(hot(k - 1), hot(k), f[0][k]);
    join(cold(k - 1), cold(k), f[1][k]);
  }
  join(hot(p), cold(p), load);
  g[hot(0)][hot(0)] += 2 / source;  g[hot(0)][nodes] += 0.5 * 2 / source;
  g[cold(0)][cold(0)] += 2 / source; g[cold(0)][nodes] -= 0.5 * 2 / source;
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
  const design::OhmsColumn leg{0, 2000, 1500, 1000, 800};
  design::OhmsColumn cold = leg;
  cold[2] = 1800;  // left cold R2 fitted wrong
  const FittedStrings fitted{leg, cold, leg, leg};
  design::AsBuiltAnalysis a;
  ASSERT_TRUE(design::AnalyseAsBuilt(circuit, fitted, a));
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
      {"column", true, {{0, 1000, 1000}, {0, 1000, 1100}, {0, 1000, 1000}, {0, 1000, 1000}},
       1, 0, 1100},
      {"nothing to gain", false, {{0, 1000, 1100}, {0, 1000, 1100}}, 0, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const CircuitAnalysis circuit = Surroundings(3, 6.0, 0.0, 0.0, row.balanced);
    const auto best = design::BestSingleChange(circuit, row.fitted);
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
  design::AsBuiltAnalysis a;
  ASSERT_TRUE(design::AnalyseAsBuilt(circuit, fitted, a));
  // 2k over 2k against 2k over 2.1k: 20 log10(4.1 / 2.1 / 2) = -0.2093 dB.
  EXPECT_EQ(design::BestChangeText(a, ','),
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
        design::PasteFitted(row.text, row.separator, row.resistor, row.column, false, fitted);
    EXPECT_EQ(outcome.Written, row.written);
    EXPECT_EQ(outcome.Refused, row.refused);
    EXPECT_EQ(outcome.LinesBeyond, row.linesBeyond);
    EXPECT_EQ(outcome.CellsBeyond, row.cellsBeyond);
    EXPECT_EQ(fitted[0][2], row.left2);
    EXPECT_EQ(fitted[1][2], row.right2);
  }
  FittedStrings fitted{{0, 9, 9, 9}, {0, 9, 9, 9}};
  const auto outcome = design::PasteFitted("abc\n1k\n1k\n1k\n", '.', 2, 1, false, fitted);
  EXPECT_EQ(design::PasteMessage(outcome),
            "R2 right: \"abc\" is not a resistance: it does not start with a number; the cell "
            "keeps its value.\nBeyond the table and not used: 2 lines.");
}

// A refused cell says what in it was not understood; the range is named
// only for a value that reads.
TEST(RefusedCellMessage, SaysWhatWasNotUnderstood) {
  EXPECT_EQ(design::RefusedCellMessage(3, 0, false, "1,62", '.'),
            "R3 left: \"1,62\" is not a resistance: \",\" after \"1\" is not understood (the "
            "decimal point here is \".\"); the cell keeps its value.");
  EXPECT_EQ(design::RefusedCellMessage(3, 0, false, "-1k", ','),
            "R3 left: \"-1k\" is not a resistance from 1u to 1T ohms; the cell keeps its value.");
}

// E96 parts are held as singles (1.82k is 1819.9998): the cells write them
// as the parts' decimals, and any other value exactly.
TEST(AsBuilt, WritesTheFirstSetsPartsAsTheirDecimals) {
  const double single = design::kE96.Nearest(1820.0);
  ASSERT_NE(single, 1820.0);
  for (const auto& [ohms, text] : {std::pair{single, "1.82k"}, {1641.0, "1.641k"}, {1819.9, "1.8199k"}}) {
    EXPECT_EQ(design::FittedText(ohms, &design::kE96, '.'), text);
  }
}

}  // namespace

