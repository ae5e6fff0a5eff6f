// Reading the three boxes: limits, write-back, the 100 dB limit and the total.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/ladder.h"
#include "design/normalise.h"
#include "notation/eng_notation.h"
#include "tests/support/comma_locale.h"

namespace {

using design::BoxTexts;
using design::DesignState;

// Answers every message box at once and remembers what it said.
struct MessageRecorder {
  std::vector<std::string> messages;
  design::MessageSeam seam() {
    return [this](const std::string& message) { messages.push_back(message); };
  }
};

struct Normalised {
  DesignState state;
  BoxTexts boxes;
  design::NormaliseOutcome outcome;
  std::vector<std::string> messages;
};

Normalised Normalise(const std::string& total, const std::string& positions,
                     const std::string& step) {
  Normalised out;
  out.boxes = {total, positions, step};
  MessageRecorder recorder;
  out.outcome = design::NormaliseInputs(out.state, out.boxes, recorder.seam());
  out.messages = recorder.messages;
  return out;
}

TEST(NormaliseInputs, LimitsAndTruncatesThePositions) {
  struct Row {
    const char* typed;
    int16_t positions;
    const char* shown;
  } const rows[] = {{"-7", 7, "7 "},
                    {"1", 2, "2 "},
                    {"30", 25, "25 "},
                    {"7.9", 7, "7 "},
                    {"1.5", 2, "2 "},
                    {"25.9", 25, "25 "},
                    {"", 2, "2 "},
                    {"11", 11, "11 "},
                    {"2k", 25, "25 "},
                    // Beyond a 16-bit count: the limits come before the truncation.
                    {"40000", 25, "25 "},
                    {"1e10", 25, "25 "},
                    {"-1e10", 25, "25 "}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    const Normalised n = Normalise("10k", row.typed, "1");
    EXPECT_EQ(n.state.NumPositions, row.positions);
    EXPECT_EQ(n.boxes.Positions, row.shown);
  }
}

TEST(NormaliseInputs, LimitsTheStep) {
  struct Row {
    const char* typed;
    float step;
    const char* shown;
  } const rows[] = {{"0", 0.01f, "0.01 "},     {"-3", 3, "3 "},       {"25", 20, "20 "},
                    {"0.001", 0.01f, "0.01 "}, {"1.5", 1.5f, "1.5 "}, {"abc", 0.01f, "0.01 "}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    const Normalised n = Normalise("10k", "3", row.typed);  // 3 x 20 dB is within 100 dB
    EXPECT_EQ(n.state.StepSize, row.step);
    EXPECT_EQ(n.boxes.Step, row.shown);
  }
}

TEST(NormaliseInputs, WritesBackWhatTheDesignUses) {
  const Normalised n = Normalise("  4.7 kohm", "12", "1,5");
  EXPECT_EQ(n.boxes.Total, "4.7k");
  EXPECT_EQ(n.boxes.Positions, "12 ");
  EXPECT_EQ(n.boxes.Step, "1.5 ");
  EXPECT_EQ(n.state.TotalOhms, 4700.0f);
  EXPECT_TRUE(n.messages.empty());
}

TEST(NormaliseInputs, UsesTypedDigitsOnceThenTheShownValue) {
  Normalised n = Normalise("1234567", "11", "2");
  EXPECT_EQ(n.state.TotalOhms, 1234567.0f);
  EXPECT_EQ(n.boxes.Total, "1.235M");
  design::NormaliseInputs(n.state, n.boxes, nullptr);
  EXPECT_EQ(n.state.TotalOhms, 1235000.0f);
}

TEST(NormaliseInputs, HoldsTheTotalAttenuationTo100dB) {
  struct Row {
    const char* positions;
    const char* step;
    bool limited;
  } const rows[] = {{"25", "4", false},
                    {"25", "4.01", true},
                    {"11", "10", true},
                    {"11", "9", false},
                    {"5", "20", false},
                    {"6", "20", true},
                    // The whole count is what multiplies: 12 x 8 and 25 x 4 pass.
                    {"12.9", "8", false},
                    {"25.9", "4", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.positions << " x " << row.step);
    const Normalised n = Normalise("10k", row.positions, row.step);
    EXPECT_EQ(n.outcome.stepLimited, row.limited);
    if (row.limited) {
      ASSERT_EQ(n.messages.size(), 1u);
      EXPECT_EQ(n.messages[0], "Program only handles total attenuations to 100 dB");
      EXPECT_EQ(n.boxes.Step, "1");
      EXPECT_EQ(n.state.StepSize, 1.0f);
    } else {
      EXPECT_TRUE(n.messages.empty());
      EXPECT_NE(n.boxes.Step, "1");
    }
  }
}

// Each message comes up over boxes that already show the written-back texts.
TEST(NormaliseInputs, ShowsTheMessageOverTheWrittenBackBoxes) {
  struct Row {
    BoxTexts typed;
    BoxTexts shownBehindMessage;
    BoxTexts after;
  } const rows[] = {
      {{"2k2", "25", "4.01"}, {"2k", "25 ", "4.01 "}, {"2k", "25 ", "1"}},
      {{"0", "7.5", "3"}, {"10k", "7 ", "3 "}, {"10k", "7 ", "3 "}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed.Total + " / " + row.typed.Positions + " / " + row.typed.Step);
    BoxTexts boxes = row.typed;
    DesignState state;
    std::vector<BoxTexts> shown;
    design::NormaliseInputs(state, boxes, [&](const std::string&) { shown.push_back(boxes); });
    ASSERT_EQ(shown.size(), 1u);
    for (const auto& [seen, expected] :
         {std::pair{shown[0], row.shownBehindMessage}, std::pair{boxes, row.after}}) {
      EXPECT_EQ(seen.Total, expected.Total);
      EXPECT_EQ(seen.Positions, expected.Positions);
      EXPECT_EQ(seen.Step, expected.Step);
    }
  }
}

TEST(NormaliseInputs, RefusesATotalItCannotDesign) {
  for (const char* typed : {"", "0", "abc", "-10k", "0.0000001", "1e-30"}) {
    SCOPED_TRACE(typed);
    const Normalised n = Normalise(typed, "11", "2");
    EXPECT_TRUE(n.outcome.totalRefused);
    EXPECT_EQ(n.state.TotalOhms, 10000.0f);
    EXPECT_EQ(n.boxes.Total, "10k");
    ASSERT_EQ(n.messages.size(), 1u);
    EXPECT_EQ(n.messages[0], design::kTotalRefusedMessage);
  }
  // The smallest total accepted is 100 micro-ohms.
  EXPECT_FALSE(Normalise("100u", "11", "2").outcome.totalRefused);
  EXPECT_TRUE(Normalise("99u", "11", "2").outcome.totalRefused);
}

// The total box is written back in engineering notation, which shows every
// magnitude up to 1e-5 as "0  ". A total accepted only to be written back as
// one the next Display refuses would change the design without any edit.
TEST(NormaliseInputs, WritesBackATotalTheNextRunAccepts) {
  for (const char* typed : {"1u", "5u", "10u", "14u", "99u", "100u", "150u", "1m", "4.7k", "10G"}) {
    SCOPED_TRACE(typed);
    const Normalised first = Normalise(typed, "11", "2");
    const Normalised again = Normalise(first.boxes.Total, "11", "2");
    EXPECT_FALSE(again.outcome.totalRefused) << "the box showed " << first.boxes.Total;
  }
}

TEST(NormaliseInputs, ReportsBothProblemsInTurn) {
  const Normalised n = Normalise("0", "25", "5");
  ASSERT_EQ(n.messages.size(), 2u);
  EXPECT_EQ(n.messages[0], design::kTotalRefusedMessage);
  EXPECT_EQ(n.messages[1], design::kAttenuationLimitMessage);
}

TEST(NormaliseInputs, DesignsTheSameUnderACommaLocale) {
  Normalised point = Normalise("4.7k", "12", "1.5");
  design::CalculateLadder(point.state);

  CommaLocale locale;
  ASSERT_COMMA_LOCALE(locale);
  notation::SetDecimalSeparator(',');
  Normalised comma = Normalise("4,7k", "12", "1,5");
  design::CalculateLadder(comma.state);
  notation::SetDecimalSeparator('.');

  EXPECT_EQ(comma.boxes.Total, "4,7k");
  EXPECT_EQ(comma.boxes.Step, "1,5 ");
  EXPECT_EQ(comma.state.TotalOhms, 4700.0f);
  EXPECT_EQ(comma.state.StepSize, 1.5f);
  EXPECT_EQ(comma.state.IdealR, point.state.IdealR);
  EXPECT_EQ(comma.state.R1Pct, point.state.R1Pct);
  EXPECT_EQ(comma.state.Atten5Pct, point.state.Atten5Pct);
  EXPECT_NEAR(comma.state.Atten5Pct[10], 15.0, 0.3);
}

}  // namespace
