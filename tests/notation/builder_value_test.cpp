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
                      kPercent = BuilderUnit::Percent, kPlain = BuilderUnit::None;

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
      {"4K7", '.', kOhms, 4700.0},       {"1G", '.', kOhms, 1e9},
      {"2u2", '.', kFarads, 2.2e-6},     {"1 ohm", '.', kOhms, 1.0},
      {"1\xE2\x84\xA6", '.', kOhms, 1.0}, {"\xC2\xA0" "47k\t", '.', kOhms, 47000.0},
      // One comma, no point, a letter after the number: a decimal comma anywhere.
      {"1,62k", '.', kOhms, 1620.0},     {"2,455 k\xCE\xA9", '.', kOhms, 2455.0},
      {"4,7R", '.', kOhms, 4.7},         {"2,2nF", '.', kFarads, 2.2e-9},
      {"1%", '.', kPercent, 1.0},        {"1 %", '.', kPercent, 1.0},
      {"0.5%", '.', kPercent, 0.5},      {"0,5 %", '.', kPercent, 0.5},
  };
  for (const ReadRow& row : rows) {
    SCOPED_TRACE(row.text);
    double value = 0.0;
    ASSERT_TRUE(notation::ReadBuilderValue(row.text, row.separator, row.unit, value));
    EXPECT_EQ(value, row.value);
    EXPECT_EQ(notation::BuilderValueTrouble(row.text, row.separator, row.unit), "");
  }
}

// Each refusal says what was not understood.
TEST(ReadBuilderValue, RefusesWhatIsNotAValueAndSaysWhy) {
  const char* const kStart = "it does not start with a number";
  const struct {
    const char* text;
    char separator;
    BuilderUnit unit;
    const char* why;
  } rows[] = {
      {"", '.', kOhms, "nothing is typed"},  {"  ", '.', kOhms, "nothing is typed"},
      {"abc", '.', kOhms, kStart},           {"k", '.', kOhms, kStart},
      {"--1", '.', kPlain, kStart},          {"\xE2\x88\x9E", '.', kPlain, kStart},
      {"4k7k", '.', kOhms, "\"k\" after \"4k7\" is not understood"},
      {"1..2", '.', kOhms, "\".\" after \"1.\" is not understood"},
      {"1e", '.', kPlain, "\"e\" after \"1\" is not understood"},
      {"4R7", '.', kFarads, "\"R\" after \"4\" is not understood"},
      {"100pF", '.', kOhms, "\"F\" after \"100p\" is not understood"},
      {"2 F", '.', kPlain, "\"F\" after \"2\" is not understood"},
      {"1 meg5", '.', kOhms, "\"5\" after \"1 meg\" is not understood"},
      {"4.7k7", '.', kOhms, "\"7\" after \"4.7k\" is not understood"},
      {"1 2", '.', kPlain, "\"2\" after \"1\" is not understood"},
      {"47k x", '.', kOhms, "\"x\" after \"47k\" is not understood"},
      {"1P", '.', kFarads, "\"P\" after \"1\" is not understood"},
      {"1kk", '.', kOhms, "\"k\" after \"1k\" is not understood"},
      {"4R7R", '.', kOhms, "\"R\" after \"4R7\" is not understood"},
      {"1%", '.', kOhms, "\"%\" after \"1\" is not understood"},
      {"5 \xC2\xB0", '.', kPlain, "\"\xC2\xB0\" after \"5\" is not understood"},
      {"12345678901234567x", '.', kPlain, "\"x\" after \"...2345678901234567\" is not understood"},
      // A comma is the point only with a letter after the number, once, without a point.
      {"1,5", '.', kPlain, "\",\" after \"1\" is not understood (the decimal point here is \".\")"},
      {"1,000,5k", '.', kOhms, "\",\" after \"1\" is not understood (the decimal point here is \".\")"},
      {"1.000,5k", '.', kOhms, "\",\" after \"1.000\" is not understood (the decimal point here is \".\")"},
      {"1,5kx", '.', kOhms, "\"x\" after \"1,5k\" is not understood"},
      {"1.000,5", ',', kPlain, "\",\" after \"1.000\" is not understood"},
      {"1e400", '.', kPlain, "the number is too large"},
      {"1e-400", '.', kPlain, "the number is too small to tell from zero"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    double value = 7.0;
    EXPECT_FALSE(notation::ReadBuilderValue(row.text, row.separator, row.unit, value));
    EXPECT_EQ(value, 7.0) << "a refused text leaves the value alone";
    EXPECT_EQ(notation::BuilderValueTrouble(row.text, row.separator, row.unit), row.why);
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
