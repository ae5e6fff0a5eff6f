// Writing values: size bands, rounding, the seven-digit form and separators.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "notation/eng_notation.h"
#include "tests/support/comma_locale.h"
#include "tests/support/golden_table.h"

namespace {

using notation::FormatEng;

struct FormatRow {
  float value;
  const char* text;
};

class FormatEngTest : public ::testing::Test {
 protected:
  void SetUp() override { notation::SetDecimalSeparator('.'); }
  void TearDown() override { notation::SetDecimalSeparator('.'); }

  static void ExpectRows(std::initializer_list<FormatRow> rows) {
    for (const auto& row : rows) {
      SCOPED_TRACE(testing::Message() << "value " << row.value);
      EXPECT_EQ(FormatEng(row.value), row.text);
    }
  }
};

TEST_F(FormatEngTest, PicksSuffixBySize) {
  ExpectRows({
      {10000, "10k"},
      {2, "2 "},
      {11, "11 "},
      {4700, "4.7k"},
      {2200000, "2.2M"},
      {1e10f, "10G"},
      {1000, "1k"},
      {1e6f, "1M"},
      {1e9f, "1G"},
      {0.5f, "0.5 "},
      {-2000, "-2k"},
      {-0.5f, "-0.5 "},
      {12345678, "12.346M"},
  });
}

TEST_F(FormatEngTest, RoundsToTheDecimalsOfItsBand) {
  ExpectRows({
      {1234.5678f, "1.235k"},
      {123.456f, "123.46 "},
      {12.3456f, "12.346 "},
      {1.23456f, "1.2346 "},
      {0.123456f, "0.12346 "},
      {-1234.5678f, "-1.235k"},
  });
}

TEST_F(FormatEngTest, KeepsBandChosenBeforeRounding) {
  ExpectRows({
      {999999.6f, "1000k"},
      {999.996f, "1000 "},
      {99.9996f, "100 "},
      {9.99996f, "10 "},
      {-999.996f, "-1000 "},
  });
}

TEST_F(FormatEngTest, RoundsHalvesAsTheUserSeesThem) {
  // 3.4125 as a single is 3.41249990...; its seven digits read 3.412500.
  ExpectRows({{3412.5f, "3.413k"}, {1.00005f, "1.0001 "}, {-3412.5f, "-3.413k"}});
}

TEST_F(FormatEngTest, WritesZeroAndTinyValuesAsZero) {
  ExpectRows({{0.0f, "0  "},
              {-0.0f, "0  "},
              {0.000004f, "0  "},
              {1e-5f, "0  "},  // the single nearest 1e-5 lies below the cut
              {-1e-5f, "0  "}});
}

TEST_F(FormatEngTest, UsesExponentFormBelowATenThousandthAndFromTenMillion) {
  ExpectRows({
      {0.00002f, "2E-05 "},
      {std::nextafter(1e-5f, 1.0f), "1E-05 "},
      {0.0001f, "0.0001 "},  // judged on its seven digits, not its binary value
      {0.00012345f, "0.00012 "},
      {-0.00002f, "-2E-05 "},
      {5e15f, "5000000G"},  // seven digits before the point: still plain
      {1e16f, "1E+07G"},    // shown number 1e7: the first in exponent form
      {1e19f, "1E+10G"},    // two exponent digits are enough: no padding
      {-1e19f, "-1E+10G"},
      {1e20f, "1E+11G"},
  });
}

TEST_F(FormatEngTest, WritesTheChosenSeparator) {
  notation::SetDecimalSeparator(',');
  ExpectRows({{4700, "4,7k"},
              {0.5f, "0,5 "},
              {0.00002f, "2E-05 "},
              {1234.5678f, "1,235k"},
              {10000, "10k"}});
}

TEST_F(FormatEngTest, IgnoresSeparatorsItCannotReadBack) {
  notation::SetDecimalSeparator('x');
  EXPECT_EQ(notation::DecimalSeparator(), '.');
  EXPECT_EQ(FormatEng(4700), "4.7k");
}

TEST_F(FormatEngTest, IsIndependentOfTheCLocale) {
  CommaLocale locale;
  ASSERT_COMMA_LOCALE(locale);
  ExpectRows({{4700, "4.7k"}, {0.123456f, "0.12346 "}, {0.00002f, "2E-05 "}});
}

// Not a number shows as zero; an infinity as the largest single of its sign,
// whose 3.4028235e38 divided by 1e9 rounds to 3.402824E+29 giga.
TEST_F(FormatEngTest, NeverWritesGarbageForNonFiniteValues) {
  ExpectRows({{std::numeric_limits<float>::quiet_NaN(), "0  "},
              {std::numeric_limits<float>::infinity(), "3.402824E+29G"},
              {-std::numeric_limits<float>::infinity(), "-3.402824E+29G"},
              {std::numeric_limits<float>::max(), "3.402824E+29G"}});
}

// Each value of the reference table, written with its row's separator.
TEST_F(FormatEngTest, MatchesTheReferenceTable) {
  const auto rows = golden::ReadTable("format.tsv", 3);
  EXPECT_EQ(rows.size(), 3000u);
  for (const auto& row : rows) {
    const float value = golden::Single(row.fields[0]);
    SCOPED_TRACE(testing::Message() << golden::Where("format.tsv", row, 2) << " value " << value);
    ASSERT_EQ(row.fields[1].size(), 1u);
    notation::SetDecimalSeparator(row.fields[1][0]);
    EXPECT_EQ(FormatEng(value), row.fields[2]);
  }
}

}  // namespace
