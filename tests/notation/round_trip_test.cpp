// What FormatEng writes, ParseEng reads back to the value shown.
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "notation/eng_notation.h"

namespace {

using notation::FormatEng;
using notation::ParseEng;

// Half of the last decimal a value of this size is shown with, in its own
// units: the most that showing it can move it.
double HalfLastDecimal(float value) {
  const double a = std::fabs(static_cast<double>(value));
  if (a >= 1e9) return 0.5e-3 * 1e9;
  if (a >= 1e6) return 0.5e-3 * 1e6;
  if (a >= 1e3) return 0.5e-3 * 1e3;
  if (a >= 100) return 0.5e-2;
  if (a >= 10) return 0.5e-3;
  if (a >= 1) return 0.5e-4;
  return 0.5e-5;
}

std::vector<float> SampleValues() {
  std::vector<float> values;
  std::mt19937 random(20261207);
  std::uniform_real_distribution<double> exponent(-4.9, 10.0);
  for (int i = 0; i < 20000; ++i) {
    const auto value = static_cast<float>(std::pow(10.0, exponent(random)));
    values.push_back(value);
    values.push_back(-value);
  }
  for (double decade = 1e-4; decade <= 1e9; decade *= 10) {
    for (double edge : {1.0, 0.99999, 0.999996, 9.99995, 1.00001}) {
      values.push_back(static_cast<float>(decade * edge));
    }
  }
  return values;
}

class RoundTrip : public ::testing::TestWithParam<char> {
 protected:
  void SetUp() override { notation::SetDecimalSeparator(GetParam()); }
  void TearDown() override { notation::SetDecimalSeparator('.'); }
};

// The value a text shows, read independently: the number part through the C
// library (the test runs in the "C" locale) times its suffix.
double ShownValue(std::string text) {
  const char suffix = text.back();
  text.pop_back();
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  const double number = std::strtod(text.c_str(), nullptr);
  switch (suffix) {
    case 'G': return number * 1e9;
    case 'M': return number * 1e6;
    case 'k': return number * 1e3;
    default: return number;
  }
}

TEST_P(RoundTrip, ParseEngReadsBackTheValueShown) {
  for (float value : SampleValues()) {
    const std::string shown = FormatEng(value);
    const float readBack = ParseEng(shown);
    SCOPED_TRACE(testing::Message() << value << " shown as [" << shown << "]");
    const double expected = ShownValue(shown);
    ASSERT_NEAR(readBack, expected, std::fabs(expected) * 2.4e-7);
    // Showing a value moves it by at most half its last decimal.
    ASSERT_LE(std::fabs(static_cast<double>(readBack) - value),
              HalfLastDecimal(value) * 1.000001 + std::fabs(value) * 1e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(Separators, RoundTrip, ::testing::Values('.', ','),
                         [](const auto& info) { return info.param == '.' ? "Point" : "Comma"; });

}  // namespace
