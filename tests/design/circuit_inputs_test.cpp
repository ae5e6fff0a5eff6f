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
#include "notation/decimal_separator.h"

namespace {

using design::CircuitBoxes;

// The string the window holds before Enter: 10k, 24 positions, 2 dB steps.
design::StringInputs TenKTwentyFour() {
  return {10e3, 24, std::vector<double>(22, 2.0), "2"};
}

struct BoxRow {
  const char* what;
  CircuitBoxes typed;
  CircuitBoxes shown;
  double load, source, farads, percent, total;
  int positions;
  std::vector<std::string> named;  // texts the message must hold; empty: no message
  char separator = '.';
};

TEST(CircuitInputs, ReadsEachBoxAsBuildersWriteAndNamesEveryChange) {
  const BoxRow rows[] = {
      {"parts notation", {"4k7", "0R1", "2n2", "1.5", "1meg", "12", "5x1 2"},
       {"4.7k", "0.1", "2.2n", "1.5", "1M", "12", "5x1 2"}, 4700, 0.1, 2.2e-9, 1.5, 1e6, 12, {}},
      {"units and spaces", {"1 MEG", "100 ohms", "100 pF", "20", "470R", "2", "3"},
       {"1M", "100", "100p", "20", "470", "2", "3"}, 1e6, 100, 100e-12, 20, 470, 2, {}},
      {"an empty load is no load", {"", "0", "0", "1", "10k", "24", "2"},
       {"0", "0", "0", "1", "10k", "24", "2"}, 0, 0, 0, 1, 10e3, 24, {}},
      {"texts that are not values keep the previous values",
       {"abc", "", "4k7k", "1..2", "ten", "many", "x"},
       {"47k", "0", "100p", "1", "10k", "24", "2"}, 47e3, 0, 100e-12, 1, 10e3, 24,
       {"Load: \"abc\" is not a value; the box keeps 47k ohms.\n"
        "Source impedance: \"\" is not a value; the box keeps 0 ohms.\n"
        "Cable capacitance: \"4k7k\" is not a value; the box keeps 100pF.\n"
        "Part tolerance: \"1..2\" is not a value; the box keeps 1 %.\n"
        "Total (ohms): \"ten\" is not a value; the box keeps 10k ohms.\n"
        "Positions: \"many\" is not a value; the box keeps 24.\n"
        "Steps (dB): \"x\" has no usable entry; the box keeps \"2\"."}},
      {"a cable in farads is a slip", {"47k", "0", "100", "1", "10k", "24", "2"},
       {"47k", "0", "100p", "1", "10k", "24", "2"}, 47e3, 0, 100e-12, 1, 10e3, 24,
       {"Cable capacitance: \"100\" is above 1uF (did you mean 100p?); the box keeps 100pF."}},
      {"sizes and limits", {"-47k", "1u", "-220p", "25", "1e13", "-3", "2"},
       {"47k", "1u", "220p", "20", "1e12", "3", "2"}, 47e3, 1e-6, 220e-12, 20, 1e12, 3,
       {"Load: \"-47k\" is negative; 47k ohms is used instead.",
        "Cable capacitance: \"-220p\" is negative; 220pF is used instead.",
        "Part tolerance: \"25\" is outside 0.01 to 20 %; 20 % is used instead.",
        "Total (ohms): \"1e13\" is above 1e12 ohms; 1e12 ohms is used instead.",
        "Positions: \"-3\" is negative; 3 is used instead."}},
      {"a load below 100u", {"1u", "0", "100p", "0", "10k", "24.5", "2"},
       {"100u", "0", "100p", "0.01", "10k", "24", "2"}, 1e-4, 0, 100e-12, 0.01, 10e3, 24,
       {"Load: \"1u\" is below 100u ohms (0 means no load); 100u ohms is used instead.",
        "Positions: \"24.5\" is not a whole number; 24 is used instead."}},
      {"a total too small to design", {"47k", "0", "100p", "1", "0", "1.5", "2"},
       {"47k", "0", "100p", "1", "10k", "2", "2"}, 47e3, 0, 100e-12, 1, 10e3, 2,
       {"Total (ohms): \"0\" is refused. The total resistance must be at least 100 micro-ohms",
        "Positions: \"1.5\" is below 2; 2 is used instead."}},
      {"a law past 120 dB", {"47k", "0", "100p", "1", "10k", "100", "10"},
       {"47k", "0", "100p", "1", "10k", "14", "10"}, 47e3, 0, 100e-12, 1, 10e3, 14,
       {"Positions: \"100\" is above 64 and takes the law past 120 dB; 14 is used instead."}},
      {"a law with entries dropped and clamped", {"47k", "0", "100p", "1", "10k", "24",
       "abc 25 11x2 3"}, {"47k", "0", "100p", "1", "10k", "24", "20 11x2 3"},
       47e3, 0, 100e-12, 1, 10e3, 24,
       {"Steps (dB): \"abc 25 11x2 3\": \"abc\" is not an entry and is dropped; \"25\" held "
        "to 0.01 to 20 dB; \"20 11x2 3\" is used instead."}},
      {"a comma separator", {"1,62k", "0", "2,2n", "0.5", "4.7k", "24", "1,5"},
       {"1,62k", "0", "2,2n", "0,5", "4,7k", "24", "1,5"}, 1620, 0, 2.2e-9, 0.5, 4700, 24,
       {}, ','},
  };
  for (const BoxRow& row : rows) {
    SCOPED_TRACE(row.what);
    notation::SetDecimalSeparator(row.separator);
    CircuitBoxes boxes = row.typed;
    design::CircuitInputs inputs;
    design::StringInputs string = TenKTwentyFour();
    std::vector<std::string> messages;
    const auto seam = [&](const std::string& m) {
      // The boxes are rewritten before the message shows.
      EXPECT_EQ(boxes.Steps, row.shown.Steps);
      messages.push_back(m);
    };
    const bool told = design::NormaliseCircuitInputs(boxes, inputs, string, seam);
    const CircuitBoxes& want = row.shown;
    EXPECT_EQ(std::vector<std::string>({boxes.Load, boxes.Source, boxes.Cable, boxes.Tolerance,
                                        boxes.Total, boxes.Positions, boxes.Steps}),
              std::vector<std::string>({want.Load, want.Source, want.Cable, want.Tolerance,
                                        want.Total, want.Positions, want.Steps}));
    EXPECT_EQ(inputs.LoadOhms, row.load);
    EXPECT_EQ(inputs.SourceOhms, row.source);
    EXPECT_EQ(inputs.CableFarads, row.farads);
    EXPECT_EQ(inputs.TolerancePercent, row.percent);
    EXPECT_EQ(string.TotalOhms, row.total);
    EXPECT_EQ(string.Positions, row.positions);
    EXPECT_EQ(string.StepsDb.size(), static_cast<std::size_t>(row.positions - 2));
    EXPECT_EQ(told, !row.named.empty());
    ASSERT_EQ(messages.size(), row.named.empty() ? 0u : 1u);
    for (const std::string& part : row.named) {
      EXPECT_NE(messages[0].find(part), std::string::npos) << messages[0];
    }

    // Enter again: the written-back boxes are the same values, without a word.
    CircuitBoxes again = boxes;
    design::CircuitInputs reread = inputs;
    design::StringInputs restring = string;
    EXPECT_FALSE(design::NormaliseCircuitInputs(again, reread, restring, nullptr));
    EXPECT_EQ(again.Load + again.Cable + again.Total + again.Positions + again.Steps,
              boxes.Load + boxes.Cable + boxes.Total + boxes.Positions + boxes.Steps);
    EXPECT_EQ(restring.StepsDb, string.StepsDb);
    EXPECT_EQ(reread.CableFarads, inputs.CableFarads);
  }
  notation::SetDecimalSeparator('.');
}

TEST(StringInputs, StartFromTheDesignAndStayItsOwnThroughEnter) {
  design::DesignState state;
  state.TotalOhms = 5000.0f;
  state.NumPositions = 24;
  state.StepSize = 4.16f;
  design::StringInputs string;
  design::StartStringInputs(state, string);
  EXPECT_EQ(string.StepsDb, std::vector<double>(22, static_cast<double>(4.16f)));
  CircuitBoxes boxes;
  design::WriteCircuitBoxes(design::CircuitInputs{}, string, boxes);
  EXPECT_EQ(boxes.Load + " " + boxes.Source + " " + boxes.Cable + " " + boxes.Tolerance + " " +
                boxes.Total + " " + boxes.Positions + " " + boxes.Steps,
            "47k 0 100p 1 5k 24 4.16");
  EXPECT_TRUE(design::IsDesignString(string, state));

  design::CircuitInputs inputs;
  EXPECT_FALSE(design::NormaliseCircuitInputs(boxes, inputs, string, nullptr));
  EXPECT_EQ(string.StepsDb, std::vector<double>(22, 4.16)) << "now what the box says";
  EXPECT_TRUE(design::IsDesignString(string, state));
  boxes.Steps = "21x4.16 4.17";
  design::NormaliseCircuitInputs(boxes, inputs, string, nullptr);
  EXPECT_FALSE(design::IsDesignString(string, state));
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
