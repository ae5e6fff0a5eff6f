// Whatever is typed into the three boxes, the design holds only finite values
// within its ranges.
#include <cmath>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "design/ladder.h"
#include "design/normalise.h"

namespace {

// Text built from what users type and what they fumble: digits, signs,
// points, commas, exponents, suffix letters, units, spaces and stray bytes.
class TextGenerator {
 public:
  explicit TextGenerator(unsigned seed) : random_(seed) {}

  std::string next() {
    static const std::string kPieces[] = {
        "0",    "1",     "2",        "3",  "4",  "5",        "6",        "7",    "8",    "9",
        "9",    "0",     ".",        ",",  "-",  "+",        "e",        "E",    "k",    "K",
        "m",    "M",     "g",        "G",  "u",  "U",        "n",        "p",    "P",    " ",
        "  ",   "ohm",   "%",        "x",  "R",  "\xc2\xb5", "\xce\xa9", "\xff", "\x80", "\t",
        "1e38", "1e-38", "99999999", "e-", "e+", "1e4",      "0.0000"};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(0, 30);
    std::string text;
    for (int i = length(random_); i > 0; --i) text += kPieces[piece(random_)];
    return text;
  }

 private:
  std::mt19937 random_;
};

void ExpectSoundDesign(const design::DesignState& s) {
  ASSERT_TRUE(std::isfinite(s.TotalOhms));
  ASSERT_GE(s.TotalOhms, design::kMinTotalOhms);
  ASSERT_GE(s.NumPositions, 2);
  ASSERT_LE(s.NumPositions, 25);
  ASSERT_GE(s.StepSize, 0.01f);
  ASSERT_LE(s.NumPositions * s.StepSize, 100.0f);
  const int n = s.NumPositions;
  for (int k = 1; k <= n - 1; ++k) {
    ASSERT_TRUE(std::isfinite(s.IdealR[k]) && std::isfinite(s.R1Pct[k]) &&
                std::isfinite(s.R5Pct[k]))
        << "resistor " << k;
    ASSERT_GT(s.R1Pct[k], 0.0f);
    ASSERT_GT(s.R5Pct[k], 0.0f);
  }
  for (int p = 0; p <= n - 2; ++p) {
    ASSERT_TRUE(std::isfinite(s.TargetAtten[p]) && std::isfinite(s.Atten1Pct[p]) &&
                std::isfinite(s.Atten5Pct[p]))
        << "position " << p;
  }
  ASSERT_TRUE(std::isfinite(s.Total1Pct) && std::isfinite(s.Total5Pct));
}

TEST(InputSweep, EveryTypedTextGivesAFiniteDesign) {
  TextGenerator generator(7);
  design::DesignState state;
  for (int i = 0; i < 200000; ++i) {
    design::BoxTexts boxes{generator.next(), generator.next(), generator.next()};
    const design::BoxTexts typed = boxes;
    design::NormaliseInputs(state, boxes, [](const std::string&) {});
    design::CalculateLadder(state);
    SCOPED_TRACE("typed [" + typed.Total + "] [" + typed.Positions + "] [" + typed.Step + "]");
    ExpectSoundDesign(state);
    if (HasFatalFailure()) return;
  }
}

TEST(InputSweep, ExtremeButValidInputsStayFinite) {
  const char* totals[] = {"100u", "100.0001u", "10G", "9.99G", "1e10", "3.3"};
  const char* positions[] = {"2", "3", "24", "25"};
  const char* steps[] = {"0.01", "0.015", "4", "20", "33.33"};
  for (const char* total : totals) {
    for (const char* n : positions) {
      for (const char* step : steps) {
        design::BoxTexts boxes{total, n, step};
        design::DesignState state;
        design::NormaliseInputs(state, boxes, nullptr);
        design::CalculateLadder(state);
        SCOPED_TRACE(std::string(total) + " / " + n + " / " + step);
        ExpectSoundDesign(state);
      }
    }
  }
}

}  // namespace
