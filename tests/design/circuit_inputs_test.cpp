// The in-circuit boxes as typed and as written back, and the analysis as the
// tab-separated text a spreadsheet reads.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/circuit_inputs.h"
#include "design/in_circuit_text.h"
#include "design/ladder.h"
#include "notation/decimal_separator.h"
#include "tests/support/tab_separated.h"

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

// A two-resistor string for 6 dB into no load from no source, without a
// cable, worked by hand: the compensated string is 3300 x (1 - 10^-0.3) and
// 3300 x 10^-0.3 ohms (1646.082, 1653.918); E96 rounds both to 1650 and E24
// to 1600, halves that no single step improves; a 1% band at position 1 is
// 1666.5 / 3300 and 1633.5 / 3300 of the input; Zout there is 1650 || 1650.
TEST(CircuitTableText, HoldsTheHandWorkedRows) {
  design::StringSpec spec;
  spec.TotalOhms = 3300.0;
  spec.Targets = {0.0, 6.0};
  spec.Inputs = design::CircuitInputs{0.0, 0.0, 0.0, 1.0};
  design::CircuitAnalysis a;
  ASSERT_TRUE(design::AnalyseString(spec, a));
  using Row = std::vector<std::string>;
  const std::vector<Row> expected = {
      {"position", "target_dB", "designed_e96_dB", "designed_e24_dB", "compensated_ohm",
       "compensated_e96_ohm", "compensated_e24_ohm", "compensated_e96_dB", "compensated_e24_dB",
       "band_low_dB", "band_high_dB", "zout_ohm", "zin_ohm", "f3db_Hz"},
      {"0", "0", "", "", "", "", "", "0", "0", "0", "0", "0", "3300,00", ""},
      {"1", "6,00000", "", "", "1646,08", "1650,00", "1600,00", "6,02060", "6,02060", "5,93417",
       "6,10790", "825,000", "3300,00", ""},
      {"2", "", "", "", "1653,92", "1650,00", "1600,00", "", "", "", "", "0", "3300,00", ""},
  };
  EXPECT_EQ(testing_support::Cells(design::CircuitTableText(a, ',')), expected);
}

}  // namespace
