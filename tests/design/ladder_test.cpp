// The ladder calculation: the worked default design and its invariants.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/ladder.h"
#include "design/normalise.h"
#include "notation/eng_notation.h"
#include "tests/support/designed.h"
#include "tests/support/golden_table.h"

namespace {

using design::DesignState;

DesignState Design(float total, int n, float step, int16_t tolType = 5) {
  return testing_support::Designed(total, n, step, tolType);
}

// Up to six positions each resistor gets a pitch of 1.5; beyond six the
// pitch shrinks so that the N - 1 resistors always fill nine whole pitches.
TEST(Ladder, ColumnSpacingSqueezesLongStrings) {
  const struct {
    int positions;
    float spacing;
  } rows[] = {{2, 1.5f}, {6, 1.5f}, {7, 1.5f}, {10, 1.0f}, {11, 0.9f}, {25, 0.375f}};
  for (const auto& row : rows) {
    EXPECT_EQ(design::ColumnSpacing(row.positions), row.spacing) << row.positions;
  }
}

// The default design, 10k ohms, 11 positions, 2 dB per step, worked by hand.
TEST(Ladder, WorkedDefaultDesign) {
  const DesignState s = Design(10000, 11, 2);
  EXPECT_FLOAT_EQ(design::StepRatio(2), 0.7943282f);

  const float ideal[] = {2056.718f, 1633.709f, 1297.701f, 1030.801f, 818.794f,
                         650.391f,  516.624f,  410.369f,  325.968f,  1258.925f};
  const float onePercent[] = {2050, 1620, 1300, 1020, 825, 649, 511, 412, 324, 1270};
  const float fivePercent[] = {2000, 1600, 1300, 1000, 820, 680, 510, 430, 330, 1300};
  for (int k = 1; k <= 10; ++k) {
    SCOPED_TRACE(testing::Message() << "resistor " << k);
    EXPECT_NEAR(s.IdealR[k], ideal[k - 1], 0.001);
    EXPECT_NEAR(s.R1Pct[k], onePercent[k - 1], onePercent[k - 1] * 2e-7);
    EXPECT_NEAR(s.R5Pct[k], fivePercent[k - 1], fivePercent[k - 1] * 2e-7);
  }
  EXPECT_NEAR(s.Total1Pct, 9981, 0.01);
  EXPECT_NEAR(s.Total5Pct, 9970, 0.01);

  const float atten1[] = {1.997f,  3.982f,  5.985f,  7.962f, 9.973f,
                          11.966f, 13.937f, 15.934f, 17.907f};
  const float atten5[] = {1.945f,  3.891f,  5.874f,  7.782f, 9.736f,
                          11.775f, 13.697f, 15.730f, 17.695f};
  for (int p = 1; p <= 9; ++p) {
    SCOPED_TRACE(testing::Message() << "position " << p);
    EXPECT_NEAR(s.Atten1Pct[p], atten1[p - 1], 0.0005);
    EXPECT_NEAR(s.Atten5Pct[p], atten5[p - 1], 0.0005);
    EXPECT_FLOAT_EQ(s.TargetAtten[p], 2.0f * p);
  }
  EXPECT_EQ(s.TargetAtten[0], 0.0f);
  EXPECT_EQ(s.Atten1Pct[0], 0.0f);
  EXPECT_EQ(s.Atten5Pct[0], 0.0f);
}

// The digits the design window shows for the default design.
TEST(Ladder, DefaultDesignShowsTheseDigits) {
  const DesignState s = Design(10000, 11, 2);
  const char* ideal[] = {"2.057k",  "1.634k",  "1.298k",  "1.031k",  "818.79 ",
                         "650.39 ", "516.62 ", "410.37 ", "325.97 ", "1.259k"};
  const char* fivePercent[] = {"2k",   "1.6k", "1.3k", "1000 ", "820 ",
                               "680 ", "510 ", "430 ", "330 ",  "1.3k"};
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(notation::FormatEng(s.IdealR[k]), ideal[k - 1]) << k;
    EXPECT_EQ(notation::FormatEng(s.R5Pct[k]), fivePercent[k - 1]) << k;
  }
  EXPECT_EQ(notation::FormatEng(s.Total1Pct), "9.981k");
  EXPECT_EQ(notation::FormatEng(s.Total5Pct), "9.97k");
  EXPECT_EQ(notation::FormatEng(s.Atten1Pct[1]), "1.9969 ");
  EXPECT_EQ(notation::FormatEng(s.Atten5Pct[9]), "17.695 ");
}

TEST(Ladder, TwoPositionsHaveOneResistorAndNoRealisedAttenuation) {
  DesignState s;
  s.Atten1Pct.fill(-1);
  s.Atten5Pct.fill(-1);
  s.TotalOhms = 4700;
  s.NumPositions = 2;
  s.StepSize = 3;
  design::CalculateLadder(s);
  EXPECT_EQ(s.IdealR[1], 4700.0f);
  EXPECT_FLOAT_EQ(s.R5Pct[1], 4700.0f);
  EXPECT_FLOAT_EQ(s.R1Pct[1], 4750.0f);
  EXPECT_EQ(s.TargetAtten[0], 0.0f);
  EXPECT_EQ(s.Atten1Pct[1], -1.0f);  // no position 1 .. N - 2 to compute
  EXPECT_EQ(s.Atten5Pct[0], -1.0f);
}

TEST(Ladder, IdealValuesAddUpToTheTotal) {
  for (int n = 2; n <= 25; ++n) {
    for (float step : {0.01f, 0.5f, 2.0f, 3.7f, 100.0f / 25}) {
      if (n * step > 100) continue;
      const DesignState s = Design(47000, n, step);
      double sum = 0;
      for (int k = 1; k <= n - 1; ++k) {
        ASSERT_GT(s.IdealR[k], 0.0f);
        sum += s.IdealR[k];
      }
      EXPECT_NEAR(sum, 47000, 47000 * 1e-6) << n << " positions at " << step << " dB";
    }
  }
}

TEST(Ladder, DoesNotDependOnTheSelectedSet) {
  const DesignState ideal = Design(10000, 11, 2, 0);
  for (int16_t tolType : {1, 5}) {
    const DesignState other = Design(10000, 11, 2, tolType);
    EXPECT_EQ(other.R1Pct, ideal.R1Pct);
    EXPECT_EQ(other.R5Pct, ideal.R5Pct);
    EXPECT_EQ(other.Atten1Pct, ideal.Atten1Pct);
    EXPECT_EQ(other.Atten5Pct, ideal.Atten5Pct);
  }
}

// A design of 11 positions writes resistors 1 .. 10, targets 0 .. 9 and
// realised attenuations 1 .. 9; every other entry keeps what was there.
TEST(Ladder, LeavesEntriesPastTheDesignAlone) {
  constexpr float kStale = -7.0f;
  DesignState s;
  struct Row {
    const char* name;
    design::Column* column;
    int firstWritten, lastWritten;
  } const rows[] = {
      {"IdealR", &s.IdealR, 1, 10},      {"R1Pct", &s.R1Pct, 1, 10},
      {"R5Pct", &s.R5Pct, 1, 10},        {"TargetAtten", &s.TargetAtten, 0, 9},
      {"Atten1Pct", &s.Atten1Pct, 1, 9}, {"Atten5Pct", &s.Atten5Pct, 1, 9},
  };
  for (const auto& row : rows) row.column->fill(kStale);
  s.TotalOhms = 10000;
  s.NumPositions = 11;
  s.StepSize = 2;
  design::CalculateLadder(s);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    for (int i = 0; i < design::kArraySize; ++i) {
      const bool written = i >= row.firstWritten && i <= row.lastWritten;
      EXPECT_EQ((*row.column)[i] == kStale, !written) << "entry " << i;
    }
  }
  EXPECT_NEAR(s.IdealR[10], 1258.925f, 0.001);
}

TEST(Ladder, IgnoresAPositionCountOutOfRange) {
  for (int16_t n : {0, 1, 26, -3}) {
    DesignState s;
    s.TotalOhms = 1000;
    s.NumPositions = n;
    s.StepSize = 2;
    design::CalculateLadder(s);
    EXPECT_EQ(s.Total1Pct, 0.0f) << n;
  }
}

// Designs typed as users type them, from the boxes to the last realised
// attenuation, against the reference table: every written-back text, the
// 100 dB message, and every value to the last bit.
TEST(Ladder, TypedDesignsMatchTheReferenceTable) {
  const auto rows = golden::ReadTable("designs.tsv", 17);
  EXPECT_EQ(rows.size(), 400u);
  for (const auto& row : rows) {
    const auto& f = row.fields;
    SCOPED_TRACE(golden::Where("designs.tsv", row, 4));
    ASSERT_EQ(f[3].size(), 1u);
    notation::SetDecimalSeparator(f[3][0]);
    design::BoxTexts boxes{f[0], f[1], f[2]};
    std::vector<std::string> messages;
    DesignState s;
    design::NormaliseInputs(s, boxes,
                            [&](const std::string& message) { messages.push_back(message); });
    design::CalculateLadder(s);
    notation::SetDecimalSeparator('.');

    EXPECT_EQ(boxes.Total, f[4]);
    EXPECT_EQ(boxes.Positions, f[5]);
    EXPECT_EQ(boxes.Step, f[6]);
    const std::vector<std::string> limit{design::kAttenuationLimitMessage};
    EXPECT_EQ(messages, f[7] == "1" ? limit : std::vector<std::string>{});
    ASSERT_EQ(s.NumPositions, std::stoi(f[8]));
    EXPECT_EQ(golden::Bits(s.StepSize), f[9]);
    const int n = s.NumPositions;
    EXPECT_EQ(golden::BitsList(s.IdealR, 1, n - 1), f[10]) << "IdealR";
    EXPECT_EQ(golden::BitsList(s.R1Pct, 1, n - 1), f[11]) << "R1Pct";
    EXPECT_EQ(golden::BitsList(s.R5Pct, 1, n - 1), f[12]) << "R5Pct";
    EXPECT_EQ(golden::Bits(s.Total1Pct), f[13]) << "Total1Pct";
    EXPECT_EQ(golden::Bits(s.Total5Pct), f[14]) << "Total5Pct";
    EXPECT_EQ(golden::BitsList(s.Atten1Pct, 1, n - 2), f[15]) << "Atten1Pct";
    EXPECT_EQ(golden::BitsList(s.Atten5Pct, 1, n - 2), f[16]) << "Atten5Pct";
  }
}

}  // namespace
