// The in-circuit boxes as typed and as written back, and the analysis as the
// tab-separated text a spreadsheet reads.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit_text/circuit_inputs.h"
#include "circuit_text/string_table.h"
#include "design/ladder.h"
#include "notation/decimal_separator.h"
#include "tests/support/tab_separated.h"

namespace {

using circuit_text::CircuitBoxes;

// The string the window holds before Enter: 2 dB steps on `positions`.
circuit_text::StringInputs TwoDbSteps(double totalOhms = 10e3, int positions = 24) {
  return {totalOhms, positions, std::vector<double>(static_cast<std::size_t>(positions - 2), 2.0),
          "2"};
}

std::vector<std::string> Texts(const CircuitBoxes& b) {
  return {b.Load, b.Source, b.Cable, b.Tolerance, b.Total, b.Positions, b.Steps};
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
      {"parts notation",
       {"4k7", "0R1", "2n2", "1.5", "1meg", "12", "5x1 2"},
       {"4.7k", "0.1", "2.2n", "1.5", "1M", "12", "5x1 2"},
       4700,
       0.1,
       2.2e-9,
       1.5,
       1e6,
       12,
       {}},
      {"units and spaces",
       {"1 MEG", "100 ohms", "100 pF", "20", "470R", "2", "3"},
       {"1M", "100", "100p", "20", "470", "2", "3"},
       1e6,
       100,
       100e-12,
       20,
       470,
       2,
       {}},
      {"an empty load is no load",
       {"", "0", "0", "1", "10k", "24", "2"},
       {"0", "0", "0", "1", "10k", "24", "2"},
       0,
       0,
       0,
       1,
       10e3,
       24,
       {}},
      {"texts that are not values keep the previous values",
       {"abc", "", "4k7k", "1..2", "ten", "many", "x"},
       {"47k", "0", "100p", "1", "10k", "24", "2"},
       47e3,
       0,
       100e-12,
       1,
       10e3,
       24,
       {"Load: \"abc\" is not a value: it does not start with a number; the box keeps 47k ohms.\n"
        "Source impedance: \"\" is not a value: nothing is typed; the box keeps 0 ohms.\n"
        "Cable capacitance: \"4k7k\" is not a value: \"k\" after \"4k7\" is not understood; "
        "the box keeps 100pF.\n"
        "Part tolerance: \"1..2\" is not a value: \".\" after \"1.\" is not understood; "
        "the box keeps 1 %.\n"
        "Total (ohms): \"ten\" is not a value: it does not start with a number; the box keeps "
        "10k ohms.\n"
        "Positions: \"many\" is not a value: it does not start with a number; the box keeps 24.\n"
        "Steps (dB): \"x\" is not an entry (its count is not a whole number from 1 to 64); "
        "the box keeps \"2\"."}},
      {"a cable in farads is a slip",
       {"47k", "0", "100", "1", "10k", "24", "2"},
       {"47k", "0", "100p", "1", "10k", "24", "2"},
       47e3,
       0,
       100e-12,
       1,
       10e3,
       24,
       {"Cable capacitance: \"100\" is above 1uF (did you mean 100p?); the box keeps 100pF."}},
      {"negatives are typos, limits hold",
       {"-5", "1u", "-220p", "25", "1e13", "-3", "-5"},
       {"47k", "1u", "100p", "20", "1e12", "24", "5"},
       47e3,
       1e-6,
       100e-12,
       20,
       1e12,
       24,
       {"Load: \"-5\" is negative; the box keeps 47k ohms.",
        "Cable capacitance: \"-220p\" is negative; the box keeps 100pF.",
        "Part tolerance: \"25\" is outside 0.01 to 20 %; 20 % is used instead.",
        "Total (ohms): \"1e13\" is above 1e12 ohms; 1e12 ohms is used instead.",
        "Positions: \"-3\" is negative; the box keeps 24."}},
      {"a load below 100u",
       {"1u", "0", "100p", "0", "10k", "24.5", "2"},
       {"100u", "0", "100p", "0.01", "10k", "24", "2"},
       1e-4,
       0,
       100e-12,
       0.01,
       10e3,
       24,
       {"Load: \"1u\" is below 100u ohms (0 means no load); 100u ohms is used instead.",
        "Positions: \"24.5\" is not a whole number; 24 is used instead."}},
      {"a total too small to design",
       {"47k", "0", "100p", "1", "0", "1.5", "2"},
       {"47k", "0", "100p", "1", "10k", "2", "2"},
       47e3,
       0,
       100e-12,
       1,
       10e3,
       2,
       {"Total (ohms): \"0\" is below 100u ohms, the least total designed; the box keeps 10k",
        "Positions: \"1.5\" is below 2; 2 is used instead."}},
      {"a new law and positions past 120 dB keep both",
       {"47k", "0", "100p", "1", "10k", "100", "10"},
       {"47k", "0", "100p", "1", "10k", "24", "2"},
       47e3,
       0,
       100e-12,
       1,
       10e3,
       24,
       {"Positions: \"100\" is above 64 and would take the law \"2\" to 124 dB, past 120 dB; 62 "
        "positions of that law fit; the box keeps 24.\nSteps (dB): \"10\" would take 64 positions "
        "to 620 dB, past 120 dB; 14 positions of that law fit; the box keeps \"2\"."}},
      {"a law with entries dropped and refused",
       {"47k", "0", "100p", "1", "10k", "24", "abc 25 11x2 3"},
       {"47k", "0", "100p", "1", "10k", "24", "2"},
       47e3,
       0,
       100e-12,
       1,
       10e3,
       24,
       {"Steps (dB): \"abc 25 11x2 3\": \"abc\" is not an entry (it does not start with a "
        "number); \"25\" is outside 0.01 to 20 dB; the box keeps \"2\"."}},
      {"words dropped",
       {"47k", "0", "100p", "1%", "10k", "24", "11x2 3 dB 2x"},
       {"47k", "0", "100p", "1", "10k", "24", "11x2 3"},
       47e3,
       0,
       100e-12,
       1,
       10e3,
       24,
       {"Steps (dB): \"11x2 3 dB 2x\": \"dB\" is not an entry (it does not start with a number) "
        "and is dropped; \"2x\" is not an entry (no step follows its count) and is dropped; "
        "\"11x2 3\" is used instead."}},
      {"a comma separator",
       {"1,62k", "0", "2,2n", "0.5 %", "4.7k", "24", "1,5"},
       {"1,62k", "0", "2,2n", "0,5", "4,7k", "24", "1,5"},
       1620,
       0,
       2.2e-9,
       0.5,
       4700,
       24,
       {},
       ','},
      {"a decimal comma before a letter in a point locale",
       {"1,62k", "0", "2,2n", "0,5%", "2,455 k\xCE\xA9", "24", "2"},
       {"1.62k", "0", "2.2n", "0.5", "2.455k", "24", "2"},
       1620,
       0,
       2.2e-9,
       0.5,
       2455,
       24,
       {}},
  };
  // The program's separator stays '.': a comma row's comes through the argument.
  ASSERT_EQ(notation::DecimalSeparator(), '.');
  for (const BoxRow& row : rows) {
    SCOPED_TRACE(row.what);
    CircuitBoxes boxes = row.typed;
    circuit::CircuitInputs inputs;
    circuit_text::StringInputs string = TwoDbSteps();
    std::vector<std::string> messages;
    const auto seam = [&](const std::string& m) {
      // The boxes are rewritten before the message shows.
      EXPECT_EQ(boxes.Steps, row.shown.Steps);
      messages.push_back(m);
    };
    const bool told =
        circuit_text::NormaliseCircuitInputs(boxes, inputs, string, row.separator, seam);
    EXPECT_EQ(Texts(boxes), Texts(row.shown));
    EXPECT_EQ(inputs.LoadOhms, row.load);
    EXPECT_EQ(inputs.SourceOhms, row.source);
    EXPECT_EQ(inputs.CableFarads, row.farads);
    EXPECT_EQ(inputs.TolerancePercent, row.percent);
    EXPECT_EQ(string.TotalOhms, row.total);
    EXPECT_EQ(string.Positions, row.positions);
    EXPECT_EQ(string.StepsDb.size(), static_cast<std::size_t>(row.positions - 2));
    EXPECT_EQ(told, !row.named.empty());
    EXPECT_EQ(messages.size(), row.named.empty() ? 0u : 1u);
    const std::string said = messages.empty() ? std::string() : messages[0];
    for (const std::string& part : row.named) EXPECT_NE(said.find(part), std::string::npos) << said;

    // Enter again: the written-back boxes are the same values, without a word.
    CircuitBoxes again = boxes;
    circuit::CircuitInputs reread = inputs;
    circuit_text::StringInputs restring = string;
    EXPECT_FALSE(
        circuit_text::NormaliseCircuitInputs(again, reread, restring, row.separator, nullptr));
    EXPECT_EQ(again.Load + again.Cable + again.Total + again.Positions + again.Steps,
              boxes.Load + boxes.Cable + boxes.Total + boxes.Positions + boxes.Steps);
    EXPECT_EQ(restring.StepsDb, string.StepsDb);
    EXPECT_EQ(reread.CableFarads, inputs.CableFarads);
  }
}

// One box typed over 47k, 0, 100p, 1 %, 4.7k and 2 dB steps on `positions`
// (24 unless given): the box's text at each limit and the whole message; a
// box refused keeps its previous value, and no box changes another.
TEST(CircuitInputs, EachBoxAtItsLimitsKeepsOrUsesAndSaysWhich) {
  using B = CircuitBoxes;
  struct Row {
    std::string B::*box;
    const char* typed;
    const char* shown;
    const char* message;
    int positions = 24;
  } const rows[] = {
      {&B::Load, "100u", "100u", ""},
      {&B::Load, "1e12", "1e12", ""},
      {&B::Cable, "1u", "1u", ""},
      {&B::Load, "99.9u", "100u",
       "Load: \"99.9u\" is below 100u ohms (0 means no load); 100u ohms is used instead."},
      {&B::Load, "1.000001e12", "1e12",
       "Load: \"1.000001e12\" is above 1e12 ohms; 1e12 ohms is used instead."},
      {&B::Load, "-5", "47k", "Load: \"-5\" is negative; the box keeps 47k ohms."},
      {&B::Load, "1,62", "47k",
       "Load: \"1,62\" is not a value: \",\" after \"1\" is not "
       "understood (the decimal point here is \".\"); the box keeps 47k ohms."},
      {&B::Source, "-600", "0", "Source impedance: \"-600\" is negative; the box keeps 0 ohms."},
      {&B::Cable, "1.001u", "100p",
       "Cable capacitance: \"1.001u\" is above 1uF (did you mean 1n?); the box keeps 100pF."},
      {&B::Tolerance, "0.01", "0.01", ""},
      {&B::Tolerance, "20 %", "20", ""},
      {&B::Tolerance, "0.00999", "0.01",
       "Part tolerance: \"0.00999\" is outside 0.01 to 20 %; 0.01 % is used instead."},
      {&B::Tolerance, "20.01%", "20",
       "Part tolerance: \"20.01%\" is outside 0.01 to 20 %; 20 % is used instead."},
      {&B::Tolerance, "-2", "1", "Part tolerance: \"-2\" is negative; the box keeps 1 %."},
      {&B::Total, "100u", "100u", ""},
      {&B::Total, "1e12", "1e12", ""},
      {&B::Total, "99u", "4.7k",
       "Total (ohms): \"99u\" is below 100u ohms, the least total "
       "designed; the box keeps 4.7k ohms."},
      {&B::Total, "0", "4.7k",
       "Total (ohms): \"0\" is below 100u ohms, the least total "
       "designed; the box keeps 4.7k ohms."},
      {&B::Total, "-5k", "4.7k", "Total (ohms): \"-5k\" is negative; the box keeps 4.7k ohms."},
      {&B::Total, "1.1e12", "1e12",
       "Total (ohms): \"1.1e12\" is above 1e12 ohms; 1e12 ohms is used instead."},
      {&B::Positions, "2", "2", ""},
      {&B::Steps, "0.01", "0.01", ""},
      {&B::Positions, "1", "2", "Positions: \"1\" is below 2; 2 is used instead."},
      {&B::Positions, "62", "62", ""},  // sixty 2 dB steps: 120 dB
      {&B::Positions, "63", "24",
       "Positions: \"63\" would take the law \"2\" to 122 dB, past "
       "120 dB; 62 positions of that law fit; the box keeps 24."},
      {&B::Steps, "0.00999", "2",
       "Steps (dB): \"0.00999\" is outside 0.01 to 20 dB; the box keeps \"2\"."},
      {&B::Steps, "20x5 10", "20x5 10", ""},  // 100 + 2 x 10: 120 dB
      {&B::Steps, "20x5 10.001", "2",
       "Steps (dB): \"20x5 10.001\" would take 24 positions to "
       "120.002 dB, past 120 dB; 23 positions of that law fit; the box keeps \"2\"."},
      {&B::Steps, "-5", "2",
       "Steps (dB): \"-5\" would take 48 positions to 230 dB, past 120 "
       "dB; 26 positions of that law fit; the box keeps \"2\".",
       48},
      {&B::Steps, "4k7", "2", "Steps (dB): \"4k7\" is outside 0.01 to 20 dB; the box keeps \"2\".",
       48},
      {&B::Steps, "10x1 36x2 3", "10x1 36x2 3", "", 26},  // not cut to the 24 steps used
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    circuit::CircuitInputs inputs;
    circuit_text::StringInputs string = TwoDbSteps(4700.0, row.positions);
    CircuitBoxes start;
    circuit_text::WriteCircuitBoxes(inputs, string, '.', start);
    CircuitBoxes boxes = start;
    boxes.*row.box = row.typed;
    std::string message;
    circuit_text::NormaliseCircuitInputs(boxes, inputs, string, '.',
                                         [&message](const std::string& m) { message = m; });
    CircuitBoxes want = start;
    want.*row.box = row.shown;
    EXPECT_EQ(Texts(boxes), Texts(want));
    EXPECT_EQ(message, row.message);
    EXPECT_EQ(string.StepsDb.size(), static_cast<std::size_t>(string.Positions - 2));
  }
}

// The relays box by the positions' rule: held to 1 .. 8, then the fraction
// dropped; a text that is not a count keeps the previous 4.
TEST(RelayInputs, HoldTheRelaysToOneToEightAsThePositionsAreHeld) {
  const struct {
    const char* typed;
    char separator;
    const char* shown;
    const char* message;
  } rows[] = {
      {"8", '.', "8", ""},
      {"0.5", '.', "1", "Relays: \"0.5\" is below 1; 1 is used instead."},
      {"9.5", '.', "8", "Relays: \"9.5\" is above 8; 8 is used instead."},
      {"2,5", ',', "2", "Relays: \"2,5\" is not a whole number; 2 is used instead."},
      {"-1", '.', "4", "Relays: \"-1\" is negative; the box keeps 4."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    circuit::CircuitInputs inputs;
    circuit_text::StringInputs relay{10e3, 4, {1.0}, "1"};
    CircuitBoxes boxes;
    circuit_text::WriteCircuitBoxes(inputs, relay, row.separator, boxes);
    boxes.Positions = row.typed;
    std::string message;
    circuit_text::NormaliseRelayInputs(boxes, inputs, relay, row.separator,
                                       [&message](const std::string& m) { message = m; });
    EXPECT_EQ(boxes.Positions, row.shown);
    EXPECT_EQ(message, row.message);
  }
}

TEST(StringInputs, StartFromTheDesignAndStayItsOwnThroughEnter) {
  design::DesignState state;
  state.TotalOhms = 5000.0f;
  state.NumPositions = 24;
  state.StepSize = 4.16f;
  circuit_text::StringInputs string;
  circuit_text::StartStringInputs(state, string);
  EXPECT_EQ(string.StepsDb, std::vector<double>(22, static_cast<double>(4.16f)));
  CircuitBoxes boxes;
  circuit_text::WriteCircuitBoxes(circuit::CircuitInputs{}, string, '.', boxes);
  EXPECT_EQ(boxes.Load + " " + boxes.Source + " " + boxes.Cable + " " + boxes.Tolerance + " " +
                boxes.Total + " " + boxes.Positions + " " + boxes.Steps,
            "47k 0 100p 1 5k 24 4.16");
  EXPECT_TRUE(circuit_text::IsDesignString(string, state));

  circuit::CircuitInputs inputs;
  EXPECT_FALSE(circuit_text::NormaliseCircuitInputs(boxes, inputs, string, '.', nullptr));
  EXPECT_EQ(string.StepsDb, std::vector<double>(22, 4.16)) << "now what the box says";
  EXPECT_TRUE(circuit_text::IsDesignString(string, state));
  boxes.Steps = "21x4.16 4.17";
  circuit_text::NormaliseCircuitInputs(boxes, inputs, string, '.', nullptr);
  EXPECT_FALSE(circuit_text::IsDesignString(string, state));
}

TEST(PlainDecimal, WritesSixSignificantDigitsWithoutExponent) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Row {
    double value;
    char separator;
    const char* text;
  } const rows[] = {
      {9.542425094393248, '.', "9.54243"},
      {47000, '.', "47000.0"},
      {0.0, '.', "0"},
      {-0.0, ',', "0"},
      {1e10, '.', "10000000000"},
      {0.000123456789, '.', "0.000123457"},
      {-0.0123456, ',', "-0,0123456"},
      {999999.7, '.', "1000000"},
      {21220.659, ',', "21220,7"},
      {kNaN, '.', ""},
      {kInf, '.', ""},
      {-kInf, ',', ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(circuit_text::PlainDecimal(row.value, row.separator), row.text);
  }
}

// A two-resistor string for 6 dB into no load from no source, without a
// cable, worked by hand: the compensated string is 3300 x (1 - 10^-0.3) and
// 3300 x 10^-0.3 ohms (1646.082, 1653.918); E96 rounds both to 1650 and E24
// to 1600, halves that no single step improves; a 1% band at position 1 is
// 1666.5 / 3300 and 1633.5 / 3300 of the input; Zout there is 1650 || 1650.
TEST(CircuitTableText, HoldsTheHandWorkedRows) {
  circuit::StringSpec spec;
  spec.TotalOhms = 3300.0;
  spec.Targets = {0.0, 6.0};
  spec.Inputs = circuit::CircuitInputs{0.0, 0.0, 0.0, 1.0};
  circuit::CircuitAnalysis a;
  ASSERT_TRUE(circuit::AnalyseString(spec, a));
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
  EXPECT_EQ(testing_support::Cells(circuit_text::CircuitTableText(a, ',')), expected);
}

}  // namespace
