// The fitted strings: the channel difference by hand, balanced loops against
// a node solve, the best single change's tie rules and pasting.
#include <array>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/as_built.h"
#include "notation/builder_value.h"

namespace {

using design::CircuitAnalysis;
using design::FittedStrings;

// A hand-made analysis: N positions of equal steps, first set in `series`.
CircuitAnalysis Surroundings(int n, double stepDb, double loadOhms, double sourceOhms,
                             bool balanced, const design::Series& series = design::kE24) {
  CircuitAnalysis circuit;
  circuit.N = n;
  circuit.Balanced = balanced;
  circuit.Inputs.LoadOhms = loadOhms;
  circuit.Inputs.SourceOhms = sourceOhms;
  circuit.Target = design::EqualSteps(n, stepDb);
  circuit.Sets.resize(1);
  circuit.Sets[0].RoundedIn = &series;
  return circuit;
}

// The same with a designed first set in E192, whose parts are their exact
// decimals: `designed`, index 0 unused; 6 dB steps.
CircuitAnalysis Designed(const design::OhmsColumn& designed, bool balanced, double loadOhms = 0.0,
                         double sourceOhms = 0.0) {
  CircuitAnalysis circuit =
      Surroundings(static_cast<int>(designed.size()), 6.0, loadOhms, sourceOhms, balanced, design::kE192);
  design::RoundEach(designed, design::kE192, circuit.Sets[0].Parts);
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
            "R2 right: \"abc\" is not a resistance from 1u to 1T ohms; the cell keeps its value.\n"
            "Beyond the table and not used: 2 lines.");
}

// E96 parts are held as singles (1.82k is 1819.9998): the cells write them
// as the parts' decimals, and any other value exactly.
TEST(AsBuilt, WritesTheFirstSetsPartsAsTheirDecimals) {
  const double single = design::kE96.Nearest(1820.0);
  ASSERT_NE(single, 1820.0);
  for (const auto& [ohms, text] : {std::pair{single, "1.82k"}, {1641.0, "1.641k"}, {1819.9, "1.8199k"}}) {
    EXPECT_EQ(design::FittedText(ohms, &design::kE96, '.'), text);
  }
  // A part that rounded up to E24 910 is the next decade's entry below 1k.
  EXPECT_EQ(design::FittedText(design::kE24.Nearest(915.0), &design::kE24, '.'), "910");
}

// Every part of every series, as any value a rounding holds it as (from
// 0.1% below, at and 0.1% above its decimal), is written as its decimal.
TEST(FittedText, WritesEveryPartOfEverySeriesAsItsDecimal) {
  for (const design::Series* series : design::kAllSeries) {
    for (int exponent = -3; exponent <= 7; ++exponent) {
      for (const int mantissa : series->Decade()) {
        const std::string decimal = std::to_string(mantissa) + "e" + std::to_string(exponent);
        const double ohms = std::stod(decimal);
        for (const double held : {series->Nearest(ohms * 0.999), series->Nearest(ohms),
                                  series->Nearest(ohms * 1.001)}) {
          ASSERT_EQ(design::FittedText(held, series, '.'), notation::WriteBuilderValue(ohms, '.'))
              << series->Name() << " " << decimal << " held as " << held;
        }
      }
    }
  }
}

// Designed 1k throughout: 3x and a third are the edges of a misfit, 1% of
// the tolerance.
TEST(MarkFitted, DrawsTheLinesAtTheToleranceAndThreeTimes) {
  struct Row {
    double fitted, designed, percent;
    design::FitMark mark;
    const char* name;
  } const rows[] = {
      {1010, 1000, 1, design::FitMark::AsDesigned, "as designed"},
      {1010.001, 1000, 1, design::FitMark::BeyondTolerance, "beyond tolerance"},
      {990, 1000, 1, design::FitMark::AsDesigned, "as designed"},
      {989.999, 1000, 1, design::FitMark::BeyondTolerance, "beyond tolerance"},
      {1200, 1000, 20, design::FitMark::AsDesigned, "as designed"},
      {3000, 1000, 1, design::FitMark::BeyondTolerance, "beyond tolerance"},
      {3000.001, 1000, 1, design::FitMark::LikelyMisfit, "likely misfit"},
      {1000, 3000, 1, design::FitMark::BeyondTolerance, "beyond tolerance"},
      {999.999, 3000, 1, design::FitMark::LikelyMisfit, "likely misfit"},
      {2.74, 2770, 1, design::FitMark::LikelyMisfit, "likely misfit"},
      {0, 1000, 1, design::FitMark::LikelyMisfit, "likely misfit"},
      {NAN, 1000, 1, design::FitMark::LikelyMisfit, "likely misfit"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.fitted << " for " << row.designed);
    const design::FitMark mark = design::MarkFitted(row.fitted, row.designed, row.percent);
    EXPECT_EQ(mark, row.mark);
    EXPECT_EQ(design::FitMarkName(mark), row.name);
  }
}

// Three 1k resistors designed for 0, 3.52 and 9.54 dB with 2% parts, cells
// changed as each row says (balanced: the leg value in the hot leg of that
// channel). The summary's lines after the figures: misfits, then advice.
TEST(AsBuiltSummary, FlagsEachSideOfItsLines) {
  struct Cell {
    int column, k;
    double single, leg;
  };
  struct Row {
    const char* text;
    std::vector<Cell> cells;
    design::FitMark mark;  // of the first cell
    std::vector<std::string> misfits;
    std::string advice, balancedAdvice;  // not checked when empty
  } const rows[] = {
      {"as designed", {}, design::FitMark::AsDesigned, {},
       "No change needed: the channels already agree within 0.000 dB.", ""},
      {"three times", {{1, 2, 3000, 3000}}, design::FitMark::BeyondTolerance, {}, "", ""},
      {"past three times", {{1, 2, 3000.5, 3000.5}}, design::FitMark::LikelyMisfit,
       {"Likely misfit: R2 right is 3.0005k, designed 1k."}, "", ""},
      {"a third", {{1, 2, 333.34, 333.34}}, design::FitMark::BeyondTolerance, {}, "", ""},
      {"under a third", {{1, 2, 333.33, 333.33}}, design::FitMark::LikelyMisfit,
       {"Likely misfit: R2 right is 333.33, designed 1k."}, "", ""},
      // 20 log10(3 x / (2000 + x)) at position 2: 0.01012 dB, and 0.00989.
      {"worth a change", {{1, 3, 1001.75, 1003.5}}, design::FitMark::AsDesigned, {},
       "Best single change: R3 right 1.00175k \u2192 1k, worst channel difference 0.010 \u2192 0.000 dB",
       "Best single change: R3 right hot 1.0035k \u2192 1k, worst channel difference 0.010 \u2192 0.000 dB"},
      {"not worth a change", {{1, 3, 1001.71, 1003.42}}, design::FitMark::AsDesigned, {},
       "No change needed: the channels already agree within 0.010 dB.", ""},
      // Left R1 0.8% high and right R3 0.5% low part cancel: 0.016 dB apart
      // at position 2, and no one change closes that by 0.01 dB.
      {"two faults", {{0, 1, 1008, 1016}, {1, 3, 995, 990}}, design::FitMark::AsDesigned, {},
       "No single change lowers the worst channel difference by 0.01 dB or more.", ""},
      {"the same misfit in both", {{0, 2, 3300, 3300}, {1, 2, 3300, 3300}},
       design::FitMark::LikelyMisfit,
       {"Likely misfit: R2 left is 3.3k, designed 1k.", "Likely misfit: R2 right is 3.3k, designed 1k."},
       "The channels agree within 0.000 dB; check the likely misfits.", ""},
      {"six misfits",
       {{0, 1, 1e4, 1e4}, {1, 1, 1e4, 1e4}, {0, 2, 1e4, 1e4}, {1, 2, 1e4, 1e4}, {0, 3, 1e4, 1e4},
        {1, 3, 1e4, 1e4}},
       design::FitMark::LikelyMisfit,
       {"Likely misfit: R1 left is 10k, designed 1k.", "Likely misfit: R1 right is 10k, designed 1k.",
        "Likely misfit: R2 left is 10k, designed 1k.", "Likely misfit: R2 right is 10k, designed 1k.",
        "2 more likely misfits are marked in the table."},
       "The channels agree within 0.000 dB; check the likely misfits.", ""},
  };
  const auto hot = [](std::string line) {
    for (const char* name : {"left ", "right "}) {
      if (const auto at = line.find(name); at != line.npos) line.insert(at + std::strlen(name), "hot ");
    }
    return line;
  };
  for (const bool balanced : {false, true}) {
    CircuitAnalysis circuit = Designed({0, 1000, 1000, 1000}, balanced);
    circuit.Target = {0.0, 3.521825, 9.542425};
    circuit.Inputs.TolerancePercent = 2.0;
    for (const Row& row : rows) {
      SCOPED_TRACE(testing::Message() << row.text << (balanced ? ", balanced" : ""));
      FittedStrings fitted;
      design::DesignedFitted(circuit, fitted);
      for (const Cell& c : row.cells) fitted[balanced ? 2 * c.column : c.column][c.k] = balanced ? c.leg : c.single;
      design::AsBuiltAnalysis a;
      ASSERT_TRUE(design::AnalyseAsBuilt(circuit, fitted, a));
      if (!row.cells.empty()) {
        EXPECT_EQ(a.Marks[balanced ? 2 * row.cells[0].column : row.cells[0].column][row.cells[0].k], row.mark);
      }
      std::vector<std::string> lines;
      std::istringstream summary(design::AsBuiltSummary(a, '.'));
      for (std::string line; std::getline(summary, line);) lines.push_back(line);
      ASSERT_EQ(lines.size(), 4 + row.misfits.size());
      for (std::size_t i = 0; i < row.misfits.size(); ++i) {
        EXPECT_EQ(lines[3 + i], balanced ? hot(row.misfits[i]) : row.misfits[i]);
      }
      const std::string& advice = balanced && !row.balancedAdvice.empty() ? row.balancedAdvice : row.advice;
      if (!advice.empty()) {
        EXPECT_EQ(lines.back(), advice);
      }
      EXPECT_EQ(a.Best.has_value(), advice.rfind("Best", 0) == 0 || advice.empty());
    }
  }
}

// Changes that put the channels exactly together: a part fitted a thousand
// times low (a 2.74 ohm part for 2.77k in a balanced 12-position string
// into 47k from 100 ohms) goes back to the designed part; a part that
// matches no series value is copied from the other channel (the same leg,
// balanced) when that deviates least.
TEST(BestSingleChange, PutsTheDesignedPartBackOrCopiesTheOtherChannel) {
  struct Row {
    const char* text;
    bool balanced;
    design::OhmsColumn designed;
    std::vector<std::array<double, 3>> cells;  // column, resistor, ohms
    int resistor, column;
    double to;
  } const rows[] = {
      {"misfit", true, {0, 8660, 6980, 5490, 4420, 3480, 2770, 2210, 1740, 1400, 1100, 4220},
       {{0, 6, 2.74}}, 6, 0, 2770},
      // Both at 1013 deviate 0.035 dB from 6 dB, both at 990 0.065 dB.
      {"other channel", false, {0, 1000, 1000}, {{0, 2, 1013}, {1, 2, 990}}, 2, 1, 1013},
      {"other channel's leg", true, {0, 1000, 1000}, {{0, 2, 1026}, {2, 2, 980}}, 2, 2, 1026},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const CircuitAnalysis circuit =
        Designed(row.designed, row.balanced, row.designed.size() > 3 ? 47e3 : 0.0, 100.0);
    FittedStrings fitted;
    design::DesignedFitted(circuit, fitted);
    for (const auto& [column, k, ohms] : row.cells) fitted[int(column)][int(k)] = ohms;
    const auto best = design::BestSingleChange(circuit, fitted);
    ASSERT_TRUE(best.has_value());
    EXPECT_EQ(best->Resistor, row.resistor);
    EXPECT_EQ(best->Column, row.column);
    EXPECT_EQ(best->To.Ohms(), row.to);
    EXPECT_EQ(best->WorstAfterDb, 0.0);
  }
  const CircuitAnalysis circuit = Designed(rows[0].designed, true, 47e3, 100.0);
  FittedStrings fitted;
  design::DesignedFitted(circuit, fitted);
  fitted[0][6] = 2.74;
  design::AsBuiltAnalysis a;
  ASSERT_TRUE(design::AnalyseAsBuilt(circuit, fitted, a));
  const std::string summary = design::AsBuiltSummary(a, '.');
  EXPECT_NE(summary.find("\nLikely misfit: R6 left hot is 2.74, designed 2.77k.\n"
                         "Best single change: R6 left hot 2.74 \u2192 2.77k, worst channel difference "),
            summary.npos)
      << summary;
}

// Designed values far outside what a cell takes typed (a 1e-4 ohm string of
// 25 steps of 4 dB ends in nanohms, a 1e13 ohm one is all above 1e12) are
// what the builder was told to fit: they analyse, and need no change.
TEST(AnalyseAsBuilt, TakesTheDesignedValuesWhateverTheirSize) {
  for (const auto& [total, n] : {std::pair{1e-4, 25}, {1e13, 3}}) {
    SCOPED_TRACE(total);
    design::StringSpec spec;
    spec.TotalOhms = total;
    spec.Targets = design::EqualSteps(n, 4.0);
    CircuitAnalysis circuit;
    ASSERT_TRUE(design::AnalyseString(spec, circuit));
    FittedStrings fitted;
    design::DesignedFitted(circuit, fitted);
    design::AsBuiltAnalysis a;
    ASSERT_TRUE(design::AnalyseAsBuilt(circuit, fitted, a));
    EXPECT_FALSE(a.Best.has_value());
    EXPECT_EQ(a.WorstDifference.Db, 0.0);
    fitted[1][n - 1] = total < 1.0 ? 5e-7 : 2e12;  // typed beyond the cells' range: refused
    EXPECT_FALSE(design::AnalyseAsBuilt(circuit, fitted, a));
  }
}

}  // namespace

