// The in-circuit boxes' notation: values as builders write them, read exactly
// or refused, and written back in the shortest text that reads the same.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "notation/builder_value.h"

namespace {

using notation::BuilderUnit;
constexpr BuilderUnit kOhms = BuilderUnit::Ohms, kFarads = BuilderUnit::Farads,
                      kPlain = BuilderUnit::None;

struct ReadRow {
  const char* text;
  char separator;
  BuilderUnit unit;
  double value;  // a literal: the double nearest the decimal, as a read must give
};

TEST(ReadBuilderValue, ReadsValuesAsPrintedOnParts) {
  const ReadRow rows[] = {
      {"4k7", '.', kOhms, 4700.0},       {"4R7", '.', kOhms, 4.7},
      {"1M5", '.', kOhms, 1.5e6},        {"2n2", '.', kFarads, 2.2e-9},
      {"0R1", '.', kOhms, 0.1},          {"1meg", '.', kOhms, 1e6},
      {"1 MEG", '.', kOhms, 1e6},        {"1m", '.', kOhms, 1e-3},
      {"1M", '.', kOhms, 1e6},           {"100 ohms", '.', kOhms, 100.0},
      {" 100 Ohm ", '.', kOhms, 100.0},  {"47R", '.', kOhms, 47.0},
      {"4.7 k\xCE\xA9", '.', kOhms, 4700.0}, {"1,62k", ',', kOhms, 1620.0},
      {"1.62k", ',', kOhms, 1620.0},     {"100p", '.', kFarads, 100e-12},
      {"100pF", '.', kFarads, 100e-12},  {"100 p F", '.', kFarads, 100e-12},
      {"2.2\xC2\xB5", '.', kFarads, 2.2e-6}, {"1\xCE\xBC" "F", '.', kFarads, 1e-6},
      {"1e3", '.', kPlain, 1000.0},      {"2.5E-3", '.', kPlain, 0.0025},
      {"1e-3k", '.', kPlain, 1.0},       {".5", '.', kPlain, 0.5},
      {"-47k", '.', kOhms, -47000.0},    {"+3", '.', kPlain, 3.0},
      {"1k5", '.', kPlain, 1500.0},      {"1e308", '.', kPlain, 1e308},
  };
  for (const ReadRow& row : rows) {
    SCOPED_TRACE(row.text);
    double value = 0.0;
    ASSERT_TRUE(notation::ReadBuilderValue(row.text, row.separator, row.unit, value));
    EXPECT_EQ(value, row.value);
  }
}

TEST(ReadBuilderValue, RefusesWhatIsNotAValue) {
  const ReadRow rows[] = {
      {"", '.', kOhms, 0},      {"  ", '.', kOhms, 0},    {"abc", '.', kOhms, 0},
      {"4k7k", '.', kOhms, 0},  {"1..2", '.', kOhms, 0},  {"1,5", '.', kPlain, 0},
      {"1e", '.', kPlain, 0},   {"k", '.', kOhms, 0},     {"4R7", '.', kFarads, 0},
      {"100pF", '.', kOhms, 0}, {"2 F", '.', kPlain, 0},  {"1 meg5", '.', kOhms, 0},
      {"4.7k7", '.', kOhms, 0}, {"--1", '.', kPlain, 0},  {"1 2", '.', kPlain, 0},
      {"47k x", '.', kOhms, 0}, {"1e400", '.', kPlain, 0}, {"1e-400", '.', kPlain, 0},
      {"1P", '.', kFarads, 0},  {"1kk", '.', kOhms, 0},   {"4R7R", '.', kOhms, 0},
  };
  for (const ReadRow& row : rows) {
    SCOPED_TRACE(row.text);
    double value = 7.0;
    EXPECT_FALSE(notation::ReadBuilderValue(row.text, row.separator, row.unit, value));
    EXPECT_EQ(value, 7.0) << "a refused text leaves the value alone";
  }
}

TEST(WriteBuilderValue, WritesTheShortestTextInTheBoxesNotation) {
  const struct {
    double value;
    char separator;
    const char* text;
  } rows[] = {
      {4700.0, '.', "4.7k"},   {100e-12, '.', "100p"},  {1e6, '.', "1M"},
      {47e3, '.', "47k"},      {0.1, '.', "0.1"},       {1620.0, ',', "1,62k"},
      {1e-4, '.', "100u"},     {0.0047, '.', "0.0047"}, {999.5, '.', "999.5"},
      {2.2e-9, '.', "2.2n"},   {1e9, '.', "1G"},        {0.0, '.', "0"},
      {-0.0, '.', "0"},        {-47e3, '.', "-47k"},    {1.5e12, ',', "1,5e12"},
      {1e-13, '.', "1e-13"},   {1e-12, '.', "1p"},
      {std::numeric_limits<double>::quiet_NaN(), '.', ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(notation::WriteBuilderValue(row.value, row.separator), row.text);
  }
}

// Every double written reads back as itself: E-series-like values and their
// neighbouring doubles over 30 decades either side, both separators.
TEST(WriteBuilderValue, ReadsBackAsTheSameDouble) {
  int checked = 0;
  for (int decade = -30; decade <= 30; ++decade) {
    for (int step = 0; step < 48; ++step) {
      const double base = std::pow(10.0, decade + step / 48.0);
      for (const double value : {base, std::nextafter(base, 0.0), std::nextafter(base, 1e300),
                                 std::round(base * 100.0) / 100.0, -base}) {
        for (const char separator : {'.', ','}) {
          const std::string text = notation::WriteBuilderValue(value, separator);
          double back = 0.0;
          ASSERT_TRUE(notation::ReadBuilderValue(text, separator, kOhms, back)) << text;
          ASSERT_EQ(back, value) << text;
          ++checked;
        }
      }
    }
  }
  EXPECT_EQ(checked, 61 * 48 * 5 * 2);
}

TEST(DisplayTexts, ShowPartsFrequenciesAndDecibelsForTheScreen) {
  EXPECT_EQ(notation::PartText(1820.0, '.'), "1.82k");
  EXPECT_EQ(notation::PartText(887.0, '.'), "887");
  EXPECT_EQ(notation::PartText(47000.0, '.'), "47k");
  EXPECT_EQ(notation::PartText(999.7, '.'), "1k");
  EXPECT_EQ(notation::PartText(0.000261, ','), "261u");
  EXPECT_EQ(notation::PartText(17799999488.0, '.'), "17.8G");
  EXPECT_EQ(notation::FrequencyText(1.1e6, '.'), "1.10 MHz");
  EXPECT_EQ(notation::FrequencyText(63919249842128.0, ','), "63,9 THz");
  EXPECT_EQ(notation::FrequencyText(159.15, '.'), "159 Hz");
  EXPECT_EQ(notation::FrequencyText(0.5, '.'), "500 mHz");
  EXPECT_EQ(notation::DecibelText(2.0, '.'), "2.000");
  EXPECT_EQ(notation::DecibelText(-0.61349, ','), "-0,613");
  EXPECT_EQ(notation::DecibelText(-0.0004, '.'), "0.000");
}

}  // namespace
