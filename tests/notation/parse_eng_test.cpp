// Reading typed values: suffixes, forgiving rules, limits and the locale.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "notation/eng_notation.h"
#include "tests/support/comma_locale.h"
#include "tests/support/golden_table.h"

namespace {

using notation::ParseEng;

struct ParseRow {
  const char* text;
  float expected;
};

// Values here are compared within a few units in the last place: "22p" is
// 22 x 1e-12 in single precision, which lands just below 2.2e-11.
void ExpectParses(const ParseRow& row) {
  SCOPED_TRACE(std::string("text: [") + row.text + "]");
  EXPECT_FLOAT_EQ(ParseEng(row.text), row.expected);
}

TEST(ParseEng, ReadsSuffixesAndDecimalMarks) {
  const ParseRow rows[] = {
      {"10k", 10000},  {"4.7k", 4700},    {"4,7k", 4700},   {"2.2M", 2.2e6f}, {"1G", 1e9f},
      {"100m", 0.1f},  {"22p", 2.2e-11f}, {"10K", 10000},   {"1m", 0.001f},   {"1M", 1e6f},
      {"1g", 1e9f},    {"3n3", 3e-9f},    {"4u7", 4e-6f},   {"4U", 4e-6f},    {".5k", 500},
      {"-.5", -0.5f},  {"+5", 5},         {"-10k", -10000}, {"1e-3", 0.001f}, {"1e+3", 1000},
      {"1.5e3", 1500}, {"22P", 2.2e-11f}, {"5N", 5e-9f},
  };
  for (const auto& row : rows) ExpectParses(row);
}

TEST(ParseEng, TakesFirstSuffixOnly) {
  const ParseRow rows[] = {
      {"1meg", 0.001f},  // m is milli, the rest ignored
      {"2k2", 2000},      {"1k5", 1000},      {"4u7", 4e-6f}, {"100 ohms", 0.1f},  // the m of ohms
      {"470 Ohm", 0.47f}, {"10 kohm", 10000}, {"1kM", 1000},
  };
  for (const auto& row : rows) ExpectParses(row);
}

TEST(ParseEng, SkipsWhatItCannotUse) {
  const ParseRow rows[] = {
      {"", 0},   {"abc", 0},      {"   ", 0},       {"k5", 5},
      {"5%", 5}, {"10 k", 10000}, {"2.2.2", 2.22f}, {"1.000,5", 1.0005f},
      {"5-", 5}, {"--5", -5},  // the second sign follows a sign, not an E
      {"-", 0},  {".", 0},        {"1E", 1},        {"1e-", 1},
      {"e5", 5}, {"1e3k", 1000},  // no suffix after an exponent
  };
  for (const auto& row : rows) ExpectParses(row);
}

TEST(ParseEng, ClampsToTenGigohms) {
  const ParseRow rows[] = {
      {"1e3.5", 1e10f},           // no point after an exponent: 1e35
      {"1e2e3", 1e10f},           // second exponent letter ignored: 1e23
      {"1234567890123k", 1e10f},  // 12 characters read: about 1.2346e11
      {"20G", 1e10f},
      {"-20G", -1e10f},
      {"1e40", 1e10f},
      {"-1e40", 1e10f},  // beyond a single: +1e10 whatever the sign
      {"1e400", 1e10f},
      {"-1e400", 1e10f},         // beyond a double
      {"-34028235e31", -1e10f},  // the largest single, not past it: clamped, sign kept
      {"1e-400", 0},
      {"-1e-60", 0},  // too small: zero, no fault
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseEng(row.text), row.expected);
  }
}

TEST(ParseEng, TrimsAndCutsItsArgumentInPlace) {
  struct Row {
    const char* text;
    const char* working;
  } const rows[] = {
      {"  10 kohm  ", "10 kohm"},
      {"1234567890123k", "123456789012"},
      {"   123456789012345", "123456789012"},  // leading spaces do not count
      {"", ""},
      {"12345678901\u00b5", "12345678901\u00b5"},  // a whole sequence ending the text
      {"12345678901\xe2\x82", "12345678901\xe2"},  // cut short: its lead is the 12th
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    std::string text = row.text;
    float result = -1;
    ParseEng(text, result);
    EXPECT_EQ(text, row.working);
  }
}

// Eleven two-byte characters and a digit make twelve characters, so the 5 is
// read; counting bytes would cut it off. A byte that starts no well-formed
// UTF-8 sequence (a stray continuation byte, a lead cut short, an over-long
// form) is a character of its own and means nothing.
TEST(ParseEng, CountsCharactersNotBytes) {
  const std::string micro = "\u00b5", omega = "\u03a9";
  const auto times = [](int count, const std::string& piece) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
  };
  const struct {
    std::string text;
    float expected;
  } rows[] = {
      {times(11, micro) + "5", 5},
      {times(12, omega) + "5", 0},
      {"4,7 k" + omega, 4700},
      {"\xff\xfe"
       "12\x80k",
       12000},
      {times(6, "\x80\x80") + "5", 0},  // twelve stray continuation bytes
      {"1\xe2"
       "5",
       15},  // a three-byte lead with nothing behind it
      {"5\xc2"
       "7",
       57},                                     // a two-byte lead followed by a digit
      {times(6, "\xc0\x80") + "5", 0},          // over-long two-byte zero, byte by byte
      {times(4, "\xe0\x80\x80") + "5", 0},      // over-long three-byte form
      {times(3, "\xf0\x80\x80\x80") + "5", 0},  // over-long four-byte form
      {times(4, "\xed\xa0\x80") + "5", 0},      // UTF-16 surrogate halves are no characters
      {times(3, "\xf4\x90\x80\x80") + "5", 0},  // beyond U+10FFFF
      {times(3, "\xf5\x80\x80\x80") + "5", 0},  // no lead byte at all
      {times(3, "\xe2\x82\xac") + times(8, "x") + "5", 5},  // the euro sign is one character
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.text));
    EXPECT_EQ(ParseEng(row.text), row.expected);
  }
}

TEST(ParseEng, ReadsAPointWhateverTheCLocale) {
  CommaLocale locale;
  ASSERT_COMMA_LOCALE(locale);
  EXPECT_EQ(ParseEng("4.7k"), 4700.0f);
  EXPECT_EQ(ParseEng("4,7k"), 4700.0f);
  EXPECT_FLOAT_EQ(ParseEng("1.5e3"), 1500.0f);
  EXPECT_FLOAT_EQ(ParseEng("0.01"), 0.01f);
}

// Every text of the reference table reads as exactly the single it lists.
TEST(ParseEng, MatchesTheReferenceTable) {
  const auto rows = golden::ReadTable("parse.tsv", 2);
  EXPECT_EQ(rows.size(), 3000u);
  for (const auto& row : rows) {
    SCOPED_TRACE(golden::Where("parse.tsv", row, 1));
    EXPECT_EQ(golden::Bits(ParseEng(row.fields[0])), row.fields[1]);
  }
}

}  // namespace
