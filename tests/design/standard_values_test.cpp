// E96 and E24 rounding: the geometric midpoints, decade edges and limits.
#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "design/standard_values.h"
#include "tests/support/golden_table.h"
#include "tests/support/standard_series.h"

namespace {

using design::Nearest1;
using design::Nearest5;

using Rounding = void (*)(const float&, float&);

float Round(Rounding nearest, float value) {
  float result = -1.0f;
  nearest(value, result);
  return result;
}

using testing_support::kE24;
using testing_support::kE96;

struct Series {
  const char* name;
  Rounding nearest;
  const std::vector<int>* mantissas;
  float guard;  // what every positive value below 1e-7 gives
};

const Series kSeries[] = {{"E96", Nearest1, &kE96, 9.76e-8f}, {"E24", Nearest5, &kE24, 9.1e-8f}};

// Every standard value from 1e-7 up to 1e11, in double.
std::vector<double> StandardValues(const Series& series) {
  std::vector<double> values;
  for (int exponent = -9; exponent <= 8; ++exponent) {
    for (int m : *series.mantissas) values.push_back(m * std::pow(10.0, exponent));
  }
  return values;
}

struct Row {
  float value;
  float expected;
};

void ExpectRounds(Rounding nearest, std::initializer_list<Row> rows) {
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "value " << row.value);
    EXPECT_FLOAT_EQ(Round(nearest, row.value), row.expected);
  }
}

TEST(Nearest1, RoundsAtGeometricMean) {
  ExpectRounds(Nearest1, {{1009, 1000}, {1010, 1020}, {4700, 4750}, {4694, 4640}});
}

TEST(Nearest5, RoundsAtGeometricMean) {
  ExpectRounds(Nearest5,
               {{1.049f, 1.1f}, {1.0488f, 1.0f}, {86.4f, 91}, {86.38f, 82}, {4700, 4700}});
}

TEST(Nearest1, BracketsAcrossTheDecade) {
  ExpectRounds(Nearest1, {{98.7f, 97.6f}, {98.8f, 100}, {0.99f, 1.0f}, {9.8e5f, 9.76e5f}});
}

TEST(Nearest5, BracketsAcrossTheDecade) {
  ExpectRounds(Nearest5, {{95, 91}, {96, 100}, {9.5e6f, 9.1e6f}, {9.6e-6f, 1e-5f}});
}

TEST(Nearest1, CarriesTheScaleBySingleMultiplication) {
  // The decade scale 1e-6 x 10 x 10 ... falls a unit short of the decimal.
  EXPECT_LT(Round(Nearest1, 100), 100.0f);
  EXPECT_FLOAT_EQ(Round(Nearest1, 100), 99.99999f);
  EXPECT_LT(Round(Nearest5, 100), 100.0f);
}

TEST(StandardValues, TinyNegativeAndZeroInputs) {
  for (const auto& series : kSeries) {
    SCOPED_TRACE(series.name);
    EXPECT_EQ(Round(series.nearest, 0.0f), 0.0f);
    EXPECT_EQ(Round(series.nearest, -0.0f), 0.0f);
    EXPECT_EQ(Round(series.nearest, std::numeric_limits<float>::quiet_NaN()), 0.0f);
    EXPECT_FLOAT_EQ(Round(series.nearest, 1e-9f), series.guard);
    EXPECT_FLOAT_EQ(Round(series.nearest, std::numeric_limits<float>::denorm_min()), series.guard);
    EXPECT_FLOAT_EQ(Round(series.nearest, -5.0f), series.guard);
    EXPECT_FLOAT_EQ(Round(series.nearest, -1e6f), series.guard);
  }
}

TEST(StandardValues, HugeInputsEndInsteadOfLoopingForever) {
  for (const auto& series : kSeries) {
    SCOPED_TRACE(series.name);
    for (float value : {1e37f, 3e38f, std::numeric_limits<float>::max(),
                        std::numeric_limits<float>::infinity()}) {
      const float result = Round(series.nearest, value);
      EXPECT_TRUE(std::isfinite(result)) << value;
      EXPECT_GT(result, 1e36f) << value;
    }
  }
}

TEST(StandardValues, EveryStandardValueComesBackAsItself) {
  for (const auto& series : kSeries) {
    SCOPED_TRACE(series.name);
    for (double value : StandardValues(series)) {
      const float result = Round(series.nearest, static_cast<float>(value));
      // Allowing for the last unit or two of a single.
      ASSERT_NEAR(result, value, value * 2e-6) << value;
    }
  }
}

// Either side of each geometric mean, and exactly on it: a single whose two
// ratios come out equal in single precision is a tie, and a tie rounds up.
// The expected tie counts between 0.1 and 1e4 come from an independent count.
TEST(StandardValues, ValuesEitherSideOfEachMidpointRoundTheRightWay) {
  const int expectedTies[] = {351, 79};
  for (std::size_t s = 0; s < std::size(kSeries); ++s) {
    const Series& series = kSeries[s];
    SCOPED_TRACE(series.name);
    const std::vector<double> values = StandardValues(series);
    int ties = 0;
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
      const double lo = values[i], hi = values[i + 1];
      const double mean = std::sqrt(lo * hi);
      const auto below = static_cast<float>(mean * (1 - 2e-6));
      const auto above = static_cast<float>(mean * (1 + 2e-6));
      const float loSingle = Round(series.nearest, below), hiSingle = Round(series.nearest, above);
      ASSERT_NEAR(loSingle, lo, lo * 2e-6) << "just below " << mean;
      ASSERT_NEAR(hiSingle, hi, hi * 2e-6) << "just above " << mean;
      // The neighbours just found are the pair every single near the mean is
      // compared with; look for ties a few dozen singles either side of it.
      float p = static_cast<float>(mean);
      for (int step = 0; step < 32; ++step) p = std::nextafter(p, 0.0f);
      for (int step = 0; step < 64; ++step, p = std::nextafter(p, INFINITY)) {
        const float down = p / loSingle, up = hiSingle / p;
        if (down != up) continue;
        if (p >= 0.1f && p <= 1e4f) ++ties;
        ASSERT_EQ(Round(series.nearest, p), hiSingle) << "tie at " << p;
      }
    }
    EXPECT_EQ(ties, expectedTies[s]);
  }
}

// Each value of the reference table rounds to exactly the singles it lists.
TEST(StandardValues, MatchTheReferenceTable) {
  const auto rows = golden::ReadTable("nearest.tsv", 3);
  EXPECT_EQ(rows.size(), 3000u);
  for (const auto& row : rows) {
    const float value = golden::Single(row.fields[0]);
    SCOPED_TRACE(testing::Message() << golden::Where("nearest.tsv", row, 1) << " value " << value);
    EXPECT_EQ(golden::Bits(Round(Nearest1, value)), row.fields[1]) << "E96";
    EXPECT_EQ(golden::Bits(Round(Nearest5, value)), row.fields[2]) << "E24";
  }
}

}  // namespace
