// Every value of E24, E48, E96 and E192 in every decade each series spans,
// walked step by step against the lists of IEC 60063.
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/series.h"
#include "design/standard_values.h"
#include "tests/support/standard_series.h"

namespace {

using design::DecimalValue;

// The double nearest m x 10^e, read from its decimal text.
double NearestDouble(const DecimalValue& v) {
  const std::string text = std::to_string(v.Mantissa) + "e" + std::to_string(v.Exponent);
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The singles the design's table gives for the value, found from a little
// below it and from a little above (a decade's end value has an entry in
// each of two decades, whose singles can differ in the last bits); none for
// a series kept in double.
std::optional<std::array<float, 2>> TableSingles(const design::Series& series,
                                                 const DecimalValue& v) {
  const auto rounding = &series == &design::kE96   ? design::Nearest1
                        : &series == &design::kE24 ? design::Nearest5
                                                   : nullptr;
  if (rounding == nullptr) return std::nullopt;
  std::array<float, 2> singles{};
  const double exact = NearestDouble(v);
  rounding(static_cast<float>(exact * (1.0 - 1e-4)), singles[0]);
  rounding(static_cast<float>(exact * (1.0 + 1e-4)), singles[1]);
  return singles;
}

// From the smallest value, one step up at a time to the top: each value is
// the list's next, exactly, in its decade; a step down returns to the one
// before; the ends step nowhere. E24 and E96 start at their guard, the top
// of the decade below 1e-7 ohms, and stop at the top of the decade of 1e37;
// E48 and E192 run from 1e-20 to the top of the decade of 1e24.
TEST(Series, WalksEveryIecValueOfEveryDecade) {
  const struct Row {
    const design::Series& series;
    const std::vector<int>& list;
    DecimalValue first, last;
  } rows[] = {
      {design::kE24, testing_support::kE24, {910, -10}, {910, 35}},
      {design::kE48, testing_support::kE48, {100, -22}, {953, 22}},
      {design::kE96, testing_support::kE96, {976, -10}, {976, 35}},
      {design::kE192, testing_support::kE192, {100, -22}, {988, 22}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.series.Name());
    const int size = static_cast<int>(row.list.size());
    std::size_t at = 0;
    while (row.list[at] != row.first.Mantissa) ++at;
    DecimalValue expected = row.first;
    int index = row.series.NearestIndex(0.0);  // the smallest value
    EXPECT_EQ(row.series.Neighbour(index, false), index);
    int walked = 1;
    for (;;) {
      SCOPED_TRACE(testing::Message() << expected.Mantissa << "e" << expected.Exponent);
      ASSERT_EQ(row.series.Decimal(index), expected);
      const double exact = NearestDouble(expected);
      EXPECT_EQ(row.series.Decimal(index).Ohms(), exact);
      if (const auto singles = TableSingles(row.series, expected)) {
        const double value = row.series.Value(index);
        EXPECT_TRUE(value == (*singles)[0] || value == (*singles)[1]) << value;
        EXPECT_NEAR(value, exact, exact * 1.5e-6);
      } else {
        EXPECT_EQ(row.series.Value(index), exact);
      }
      EXPECT_EQ(row.series.Decimal(row.series.NearestIndex(exact)), expected);
      const int up = row.series.Neighbour(index, true);
      if (expected == row.last) {
        EXPECT_EQ(up, index);
        break;
      }
      ASSERT_NE(up, index);
      EXPECT_EQ(row.series.Decimal(row.series.Neighbour(up, false)), expected);
      at = (at + 1) % row.list.size();
      expected = {row.list[at], expected.Exponent + (at == 0 ? 1 : 0)};
      index = up;
      ++walked;
    }
    const int decades = row.last.Exponent - row.first.Exponent;
    EXPECT_EQ(walked, decades * size + (row.first.Mantissa == 100 ? size : 1)) << "values walked";
  }
}

}  // namespace
