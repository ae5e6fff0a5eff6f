// The loaded divider against hand calculation, the compensated string, the
// rounding optimiser and the tolerance band.
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit/string_analysis.h"
#include "design/ladder.h"
#include "tests/support/designed.h"
#include "tests/support/standard_series.h"

namespace {

using circuit::OhmsColumn;
using circuit::PositionColumn;
using circuit::Surroundings;

OhmsColumn String(std::initializer_list<double> resistors) {
  OhmsColumn string{0.0};
  string.insert(string.end(), resistors);
  return string;
}

design::DesignState Design(float total, int n, float step) {
  return testing_support::Designed(total, n, step);
}

circuit::CircuitAnalysis Analyse(const design::DesignState& state, double load, double source,
                                 double farads = 0.0, double tolerancePercent = 1.0) {
  circuit::CircuitAnalysis analysis;
  EXPECT_TRUE(circuit::AnalyseInCircuit(
      state, circuit::CircuitInputs{load, source, farads, tolerancePercent}, analysis));
  return analysis;
}

// Hand-worked dividers: two equal 10k resistors (positions 0, 1 and ground 2).
TEST(LoadedDivider, MatchesHandCalculation) {
  struct Row {
    const char* what;
    double source, load;
    int p;
    double db, zout, zin;
  } const rows[] = {
      // 5k below the wiper against 10k above: one third.
      {"load equal to one resistor", 0, 10e3, 1, 9.542425, 5000, 15000},
      {"no load halves", 0, 0, 1, 6.020600, 5000, 20000},
      {"source against the whole string", 10e3, 0, 0, 3.521825, 6666.667, 20000},
      {"source adds to the upper arm", 10e3, 0, 1, 9.542425, 6666.667, 20000},
      {"top with no source passes everything", 0, 10e3, 0, 0.0, 0.0, 6666.667},
  };
  const OhmsColumn string = String({10e3, 10e3});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const Surroundings around{row.source, row.load};
    PositionColumn atten{}, zout{}, zin{};
    circuit::LoadedAttenuation(string, around, atten);
    circuit::WiperImpedances(string, around, zout, zin);
    EXPECT_NEAR(atten[row.p], row.db, 5e-7);
    EXPECT_NEAR(zout[row.p], row.zout, 1e-3);
    EXPECT_NEAR(zin[row.p], row.zin, 1e-3);
    EXPECT_EQ(zout[2], 0.0) << "the ground position drives nothing";
  }
}

// The figures: an unloaded-design string into a 47k input near -6 dB.
TEST(LoadedDivider, LoadPullsTheSixDecibelPositionOffTarget) {
  struct Row {
    double total, error;
  } const rows[] = {{50e3, 2.048372}, {10e3, 0.450144}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.total);
    const double below = row.total * std::pow(10.0, -0.3);  // 6 dB down
    const OhmsColumn string = String({row.total - below, below});
    PositionColumn atten{};
    circuit::LoadedAttenuation(string, Surroundings{0, 47e3}, atten);
    EXPECT_NEAR(circuit::Deviation(atten, 1, circuit::EqualSteps(3, 6.0)), row.error, 1e-6);
  }
}

TEST(TrebleCorner, IsTheCableAgainstTheImpedanceItSees) {
  struct Row {
    double zout, farads, load;
    double hz;  // 0: none
  } const rows[] = {
      {25e3, 300e-12, 0, 21220.659},  // the middle of a 100k string
      {25e3, 300e-12, 25e3, 42441.318},
      {25e3, 0, 0, 0},
      {0, 300e-12, 47e3, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.zout << " ohms, " << row.farads << " F");
    const auto hz = circuit::TrebleCorner(row.zout, row.farads, Surroundings{0, row.load});
    EXPECT_EQ(hz.has_value(), row.hz > 0);
    if (hz) {
      EXPECT_NEAR(*hz, row.hz, 1e-3);
    }
  }
}

// With nothing connected the analysis is the design window's own calculation.
TEST(InCircuit, WithoutLoadRepeatsTheDesignWindow) {
  for (const auto& [total, n, step] : {std::tuple{10000.0f, 11, 2.0f},
                                       {4700.0f, 12, 1.5f},
                                       {100e3f, 25, 1.0f},
                                       {10e3f, 2, 3.0f}}) {
    SCOPED_TRACE(testing::Message() << total << " / " << n << " / " << step);
    const design::DesignState state = Design(total, n, step);
    const circuit::CircuitAnalysis a = Analyse(state, 0, 0);
    for (int k = 1; k <= n - 1; ++k) {
      EXPECT_NEAR(a.Compensated[k], state.IdealR[k], state.IdealR[k] * 1e-5) << k;
    }
    for (int p = 1; p <= n - 2; ++p) {
      // The design window's single-precision sums limit the agreement.
      EXPECT_NEAR(a.Designed[0].Db[p], state.Atten1Pct[p], 1e-4) << p;
      EXPECT_NEAR(a.Designed[1].Db[p], state.Atten5Pct[p], 1e-4) << p;
    }
    EXPECT_EQ(a.Designed[0].Db[0], 0.0);
  }
}

TEST(CompensatedString, HitsEveryStepInItsOwnLoad) {
  struct Row {
    double total;
    int n;
    double step, load, source;
  } const rows[] = {
      {10e3, 11, 2, 47e3, 0},
      {50e3, 25, 4, 10e3, 0},
      {100e3, 24, 0.5, 10e3, 600},
      {1e-4, 25, 4, 1e10, 0},
      {50e3, 25, 4, 10e3, 0},
      {10e3, 3, 20, 47e3, 1e10},
      {25e3, 12, 1.5, 100e3, 50},
      {10e3, 11, 2, 0, 600},
      // The top resistors are 1e-17 of the string: differences of Rl lose
      // them entirely, the upper arms keep them.
      {1e10, 25, 0.01, 1e-4, 0},
      {1e10, 25, 4, 1e-4, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.total << " / " << row.n << " / " << row.step << " into "
                                    << row.load << " from " << row.source);
    const Surroundings around{row.source, row.load};
    OhmsColumn string{};
    const circuit::TargetColumn targets = circuit::EqualSteps(row.n, row.step);
    circuit::CompensatedString(row.total, targets, around, string);
    double sum = 0;
    for (int k = 1; k <= row.n - 1; ++k) {
      EXPECT_GT(string[k], 0.0) << k;
      sum += string[k];
    }
    EXPECT_NEAR(sum, row.total, row.total * 1e-12);
    EXPECT_LT(circuit::WorstDeviation(string, targets, around).Db, 1e-9);
  }
}

// A source impedance costs position 0 a little (the divider of Rs against the
// string in parallel with the load) and leaves the steps where they were.
TEST(CompensatedString, SourceImpedanceShiftsOnlyTheTop) {
  const circuit::CircuitAnalysis a = Analyse(Design(10e3f, 11, 2.0f), 47e3, 600);
  OhmsColumn string{};
  const circuit::TargetColumn targets = circuit::EqualSteps(11, 2.0);
  circuit::CompensatedString(10e3f, targets, Surroundings{600, 47e3}, string);
  PositionColumn atten{};
  circuit::LoadedAttenuation(string, Surroundings{600, 47e3}, atten);
  EXPECT_NEAR(atten[0], 0.610100, 1e-6);
  for (int p = 1; p <= 9; ++p) EXPECT_NEAR(circuit::Deviation(atten, p, targets), 0.0, 1e-9) << p;
  EXPECT_NEAR(a.Sets[0].Db[0], 0.61, 0.01);
}

TEST(ToleranceBand, MatchesHandCalculationAndShrinksToALine) {
  const OhmsColumn string = String({10e3, 10e3});
  PositionColumn low{}, high{};
  circuit::ToleranceBand(string, 0.10, Surroundings{}, low, high);
  // 11k above 9k below, and 9k above 11k below.
  EXPECT_NEAR(high[1], 6.935750, 1e-6);
  EXPECT_NEAR(low[1], 5.192746, 1e-6);
  EXPECT_EQ(low[0], 0.0);
  EXPECT_EQ(high[0], 0.0);

  const design::DesignState state = Design(10e3f, 11, 2.0f);
  const circuit::CircuitAnalysis a = Analyse(state, 47e3, 600, 0, 0.0);
  circuit::ToleranceBand(a.Sets[0].Parts.Ohms, 0.0, Surroundings{600, 47e3}, low, high);
  for (int p = 0; p <= 9; ++p) {
    EXPECT_NEAR(low[p], a.Sets[0].Db[p], 1e-12) << p;
    EXPECT_NEAR(high[p], a.Sets[0].Db[p], 1e-12) << p;
  }
}

struct SeriesCase {
  const char* name;
  const design::Series& series;
  const std::vector<int>* mantissas;
};
const SeriesCase kSeriesCases[] = {
    {"E96", design::kE96, &testing_support::kE96},
    {"E24", design::kE24, &testing_support::kE24},
};

// One step up from each value of the oracle list is the next value of the
// list, and one step down the value before it, across many decades.
TEST(SeriesNeighbour, StepsToTheAdjacentValueOfTheSeries) {
  for (const SeriesCase& c : kSeriesCases) {
    SCOPED_TRACE(c.name);
    std::vector<double> values;
    for (int exponent = -5; exponent <= 7; ++exponent) {
      for (int m : *c.mantissas) values.push_back(m * std::pow(10.0, exponent));
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
      const double value = values[i];
      const int index = c.series.NearestIndex(value);
      if (i + 1 < values.size()) {
        ASSERT_NEAR(c.series.Value(c.series.Neighbour(index, true)), values[i + 1],
                    values[i + 1] * 2e-6)
            << value;
      }
      if (i > 0) {
        ASSERT_NEAR(c.series.Value(c.series.Neighbour(index, false)), values[i - 1],
                    values[i - 1] * 2e-6)
            << value;
      }
    }
  }
}

// The sweep of designs the window is for: the optimised sets are standard
// values, never worse than rounding each resistor alone, and every number
// the window shows is finite.
TEST(InCircuit, SweepKeepsEveryPromise) {
  int designs = 0;
  for (int n = 3; n <= 25; ++n) {
    for (double step : {0.5, 1.0, 2.0, 3.0, 4.0}) {
      for (double total : {10e3, 25e3, 50e3, 100e3}) {
        for (double load : {10e3, 47e3, 100e3}) {
          SCOPED_TRACE(testing::Message()
                       << total << " / " << n << " / " << step << " into " << load);
          const design::DesignState state =
              Design(static_cast<float>(total), n, static_cast<float>(step));
          const circuit::CircuitAnalysis a = Analyse(state, load, 100, 100e-12, 1);
          const Surroundings around{100, load};
          for (const SeriesCase& c : kSeriesCases) {
            const OhmsColumn& improved =
                a.Sets[c.mantissas == &testing_support::kE96 ? 0 : 1].Parts.Ohms;
            circuit::RoundedString alone;
            circuit::RoundEach(a.Compensated, c.series, alone);
            EXPECT_LE(circuit::WorstDeviation(improved, a.Target, around).Db,
                      circuit::WorstDeviation(alone.Ohms, a.Target, around).Db)
                << c.name;
            for (int k = 1; k <= n - 1; ++k) {
              ASSERT_TRUE(testing_support::IsStandardValue(improved[k], *c.mantissas))
                  << c.name << " resistor " << k << " = " << improved[k];
            }
          }
          for (int p = 0; p <= n - 1; ++p) {
            ASSERT_TRUE(std::isfinite(a.ZoutOhms[p]) && std::isfinite(a.ZinOhms[p])) << p;
            if (p == n - 1) break;
            for (double v : {a.Designed[0].Db[p], a.Designed[1].Db[p], a.Sets[0].Db[p],
                             a.Sets[1].Db[p], a.BandLowDb[p], a.BandHighDb[p]}) {
              ASSERT_TRUE(std::isfinite(v)) << p;
            }
            ASSERT_TRUE(a.F3dbHz[p].has_value() && std::isfinite(*a.F3dbHz[p])) << p;
            ASSERT_LE(a.BandLowDb[p], a.Sets[0].Db[p] + 1e-12) << p;
            ASSERT_GE(a.BandHighDb[p], a.Sets[0].Db[p] - 1e-12) << p;
          }
          ++designs;
        }
      }
    }
  }
  EXPECT_EQ(designs, 23 * 5 * 4 * 3);
}

TEST(InCircuit, RefusesAStateWithoutADesign) {
  design::DesignState zeroed = Design(10e3f, 11, 2.0f);
  zeroed.R5Pct[4] = 0.0f;
  design::DesignState unset;
  for (const design::DesignState* state : {&unset, &zeroed}) {
    circuit::CircuitAnalysis analysis;
    analysis.N = 7;
    EXPECT_FALSE(circuit::AnalyseInCircuit(*state, circuit::CircuitInputs{}, analysis));
    EXPECT_EQ(analysis.N, 0);
  }
}

}  // namespace
