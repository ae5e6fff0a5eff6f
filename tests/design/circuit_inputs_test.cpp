// The in-circuit boxes as typed and as written back, and the analysis as the
// tab-separated text a spreadsheet reads.
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/circuit_inputs.h"
#include "design/in_circuit_text.h"
#include "design/ladder.h"

namespace {

using design::CircuitBoxes;

struct BoxRow {
  const char* what;
  CircuitBoxes typed;
  CircuitBoxes shown;
  double load, source, farads, percent;
  std::vector<std::string> named;  // texts the message must hold; empty: no message
};

TEST(CircuitInputs, ReadsCorrectsAndWritesBackEachBox) {
  const BoxRow rows[] = {
      {"the defaults", {"47k", "0", "100p", "1"}, {"47k", "0  ", "100p", "1 "},
       47e3, 0, 100e-12f, 1, {}},
      {"empty boxes: no load, no source, no cable", {"", "", "", "1"}, {"0  ", "0  ", "0  ", "1 "},
       0, 0, 0, 1, {}},
      {"garbage reads as zero", {"abc", "ohm", "x", "0.5"}, {"0  ", "0  ", "0  ", "0.5 "},
       0, 0, 0, 0.5, {}},
      {"capacitance in nano and micro", {"10k", "600", "1500p", "5"}, {"10k", "600 ", "1.5n", "5 "},
       10e3, 600, 1.5e-9f, 5, {}},
      {"overflow is the parser's 10G", {"1e99", "1e99", "0.47u", "20"},
       {"10G", "10G", "470n", "20 "}, 1e10, 1e10, 0.47e-6f, 20, {}},
      {"a source at the edge of what the box shows", {"47k", "11u", "100p", "1"},
       {"47k", "0  ", "100p", "1 "}, 47e3, 0, 100e-12f, 1, {}},
      {"a capacitance too small to show is none", {"47k", "0", "1e-20", "0.01"},
       {"47k", "0  ", "0  ", "0.01 "}, 47e3, 0, 0, 0.01f, {}},
      {"negative load", {"-47k", "0", "100p", "1"}, {"47k", "0  ", "100p", "1 "},
       47e3, 0, 100e-12f, 1, {"Load: \"-47k\" is negative; 47k ohms is used instead."}},
      {"load below 0.0001 ohms", {"1u", "0", "100p", "1"}, {"0.0001 ", "0  ", "100p", "1 "},
       1e-4f, 0, 100e-12f, 1, {"Load: \"1u\"", "0.0001 ohms is used instead"}},
      {"negative source and cable", {"47k", "-600", "-220p", "1"}, {"47k", "600 ", "220p", "1 "},
       47e3, 600, 220e-12f, 1,
       {"Source impedance: \"-600\" is negative; 600 ohms is used instead.\n"
        "Cable capacitance: \"-220p\" is negative; 220pF is used instead."}},
      {"cable above 1 mF", {"47k", "0", "2", "1"}, {"47k", "0  ", "1m", "1 "},
       47e3, 0, 1e-3f, 1, {"Cable capacitance: \"2\"", "above 1 mF; 1mF is used instead"}},
      {"tolerance above 20 %", {"47k", "0", "100p", "25"}, {"47k", "0  ", "100p", "20 "},
       47e3, 0, 100e-12f, 20,
       {"Part tolerance: \"25\" is outside 0.01 to 20 %; 20 % is used instead."}},
      {"empty tolerance", {"47k", "0", "100p", ""}, {"47k", "0  ", "100p", "0.01 "},
       47e3, 0, 100e-12f, 0.01f, {"Part tolerance: \"\"", "0.01 % is used instead"}},
      {"negative tolerance out of range", {"47k", "0", "100p", "-50"},
       {"47k", "0  ", "100p", "20 "}, 47e3, 0, 100e-12f, 20,
       {"\"-50\" is negative and is outside 0.01 to 20 %"}},
  };
  for (const BoxRow& row : rows) {
    SCOPED_TRACE(row.what);
    CircuitBoxes boxes = row.typed;
    design::CircuitInputs inputs;
    std::vector<std::string> messages;
    const bool told = design::NormaliseCircuitInputs(
        boxes, inputs, [&messages](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(boxes.Load, row.shown.Load);
    EXPECT_EQ(boxes.Source, row.shown.Source);
    EXPECT_EQ(boxes.Cable, row.shown.Cable);
    EXPECT_EQ(boxes.Tolerance, row.shown.Tolerance);
    // The values are read as singles.
    EXPECT_NEAR(inputs.LoadOhms, row.load, row.load * 1e-7);
    EXPECT_NEAR(inputs.SourceOhms, row.source, row.source * 1e-7);
    EXPECT_NEAR(inputs.CableFarads, row.farads, row.farads * 1e-7);
    EXPECT_NEAR(inputs.TolerancePercent, row.percent, row.percent * 1e-7);
    EXPECT_EQ(told, !row.named.empty());
    ASSERT_EQ(messages.size(), row.named.empty() ? 0u : 1u);
    for (const std::string& part : row.named) {
      EXPECT_NE(messages[0].find(part), std::string::npos) << messages[0];
    }

    // The written-back boxes are read as the same values, without a word.
    CircuitBoxes again = boxes;
    design::CircuitInputs reread;
    EXPECT_FALSE(design::NormaliseCircuitInputs(again, reread, nullptr));
    EXPECT_EQ(again.Load + again.Source + again.Cable + again.Tolerance,
              boxes.Load + boxes.Source + boxes.Cable + boxes.Tolerance);
    EXPECT_EQ(reread.CableFarads, inputs.CableFarads);
  }
}

TEST(CircuitInputs, StartFromTheDefaultsAndShowThemAsTyped) {
  CircuitBoxes boxes;
  design::WriteCircuitBoxes(design::CircuitInputs{}, boxes);
  EXPECT_EQ(boxes.Load, "47k");
  EXPECT_EQ(boxes.Source, "0  ");
  EXPECT_EQ(boxes.Cable, "100p");
  EXPECT_EQ(boxes.Tolerance, "1 ");
  const design::CircuitInputs& kept = design::KeptCircuitInputs();
  EXPECT_EQ(kept.LoadOhms, 47e3);
  EXPECT_EQ(kept.CableFarads, 100e-12);
}

TEST(PlainDecimal, WritesSixSignificantDigitsWithoutExponent) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Row {
    double value;
    char separator;
    const char* text;
  } const rows[] = {
      {9.542425094393248, '.', "9.54243"}, {47000, '.', "47000.0"},
      {0.0, '.', "0"},                     {-0.0, ',', "0"},
      {1e10, '.', "10000000000"},          {0.000123456789, '.', "0.000123457"},
      {-0.0123456, ',', "-0,0123456"},     {999999.7, '.', "1000000"},
      {21220.659, ',', "21220,7"},         {kNaN, '.', ""},
      {kInf, '.', ""},                     {-kInf, ',', ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(design::PlainDecimal(row.value, row.separator), row.text);
  }
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream stream(text);
  while (std::getline(stream, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

double Read(std::string cell) {
  for (char& c : cell) {
    if (c == ',') c = '.';
  }
  return std::stod(cell);
}

TEST(CircuitTableText, HoldsEveryPositionInTheAgreedColumns) {
  design::DesignState state;
  state.TotalOhms = 10e3f;
  state.NumPositions = 11;
  state.StepSize = 2.0f;
  design::CalculateLadder(state);
  design::CircuitAnalysis a;
  ASSERT_TRUE(design::AnalyseInCircuit(state, design::CircuitInputs{}, a));
  const std::string text = design::CircuitTableText(a, ',');

  ASSERT_EQ(text.back(), '\n');
  const std::vector<std::string> lines = Split(text.substr(0, text.size() - 1), '\n');
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0],
            "position\ttarget_dB\tdesigned_e96_dB\tdesigned_e24_dB\tcompensated_ohm\t"
            "compensated_e96_ohm\tcompensated_e24_ohm\tcompensated_e96_dB\tcompensated_e24_dB\t"
            "band_low_dB\tband_high_dB\tzout_ohm\tzin_ohm\tf3db_Hz");
  EXPECT_EQ(text.find('.'), std::string::npos) << "a comma locale writes no points";

  for (int p = 0; p <= 10; ++p) {
    SCOPED_TRACE(p);
    const std::vector<std::string> cells = Split(lines[static_cast<std::size_t>(p) + 1], '\t');
    ASSERT_EQ(cells.size(), 14u);
    EXPECT_EQ(cells[0], std::to_string(p));
    const bool ground = p == 10;
    if (ground) {
      EXPECT_EQ(cells[1], "") << "the ground position has no target";
    } else {
      EXPECT_NEAR(Read(cells[1]), 2.0 * p, 1e-9);
    }
    const auto at = [p](const std::vector<double>& column) {
      return static_cast<std::size_t>(p) < column.size() ? column[static_cast<std::size_t>(p)] : 0.0;
    };
    const double expected[] = {at(a.Designed[0].Db), at(a.Designed[1].Db), at(a.Compensated),
                               at(a.Sets[0].Parts.Ohms), at(a.Sets[1].Parts.Ohms),
                               at(a.Sets[0].Db), at(a.Sets[1].Db), at(a.BandLowDb),
                               at(a.BandHighDb), at(a.ZoutOhms), at(a.ZinOhms)};
    for (int c = 2; c <= 12; ++c) {
      const bool resistor = c >= 4 && c <= 6;
      const bool empty = resistor ? p == 0 : ground && c <= 10;
      if (empty) {
        EXPECT_EQ(cells[static_cast<std::size_t>(c)], "") << "column " << c;
        continue;
      }
      const double want = expected[c - 2];
      EXPECT_NEAR(Read(cells[static_cast<std::size_t>(c)]), want,
                  std::fabs(want) * 1e-5 + 1e-12)
          << "column " << c;
    }
    if (ground) {
      EXPECT_EQ(cells[11], "0");
      EXPECT_EQ(cells[13], "");
    } else if (p == 0) {
      EXPECT_EQ(cells[13], "") << "no source impedance: the top drives the cable directly";
    } else {
      EXPECT_NEAR(Read(cells[13]), *a.F3dbHz[p], *a.F3dbHz[p] * 1e-5);
    }
  }
}

}  // namespace
