// Edges of the as-built analysis and of the in-circuit boxes: the channel
// difference's sign and top position, the paste message, the reach of the
// single change, the box limits and the slip hint.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit_text/as_built_text.h"
#include "circuit_text/circuit_inputs.h"

namespace {

using circuit::FittedStrings;

// Three positions of 6 dB, first set E24, single-ended.
circuit::CircuitAnalysis ThreePositions(double loadOhms, double sourceOhms) {
  circuit::CircuitAnalysis circuit;
  circuit.N = 3;
  circuit.Inputs.LoadOhms = loadOhms;
  circuit.Inputs.SourceOhms = sourceOhms;
  circuit.Target = circuit::EqualSteps(3, 6.0);
  circuit.Sets.resize(1);
  circuit.Sets[0].RoundedIn = &design::kE24;
  return circuit;
}

// From a 10k source, no load: 1k, 1k against 1.1k, 1k. Position 0 gives
// 20 log10(12k / 2k) = 15.563025 against 20 log10(12.1k / 2.1k) = 15.211322,
// position 1 20 log10(12k / 1k) = 21.583625 against 20 log10(12.1k / 1k) =
// 21.655707: the top differs most, by 0.351703; swapped, the sign turns.
TEST(AsBuilt, WorstChannelDifferenceIsTheLargestEitherWay) {
  const struct Row {
    const char* what;
    FittedStrings fitted;
    double top, second;
  } rows[] = {
      {"left quieter at the top", {{0, 1000, 1000}, {0, 1100, 1000}}, 0.3517035, -0.0720825},
      {"right quieter at the top", {{0, 1100, 1000}, {0, 1000, 1000}}, -0.3517035, 0.0720825},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    circuit::AsBuiltAnalysis a;
    ASSERT_TRUE(circuit::AnalyseAsBuilt(ThreePositions(0.0, 10e3), row.fitted, a));
    EXPECT_NEAR(a.DifferenceDb[0], row.top, 1e-7);
    EXPECT_NEAR(a.DifferenceDb[1], row.second, 1e-7);
    EXPECT_NEAR(a.WorstDifference.Db, 0.3517035, 1e-7);
    EXPECT_EQ(a.WorstDifference.Position, 0);
  }
}

// Right R2 at 1.3k against left 1k, 1k: right R1 three E24 steps up to 1.3k
// matches the ratio exactly with the same 0.0206 dB deviation as right R2
// three steps down, and is the lower resistor.
TEST(BestSingleChange, ReachesThreeValuesAway) {
  const FittedStrings fitted{{0, 1000, 1000}, {0, 1000, 1300}};
  const auto best = circuit::BestSingleChange(ThreePositions(0.0, 0.0), fitted);
  ASSERT_TRUE(best.has_value());
  EXPECT_EQ(best->Resistor, 1);
  EXPECT_EQ(best->Column, 1);
  EXPECT_EQ(best->To.Ohms(), 1300.0);
  EXPECT_NEAR(best->WorstAfterDb, 0.0, 1e-12);
}

TEST(PasteMessage, NamesTheFirstRefusedCellAndCountsTheRest) {
  FittedStrings fitted{{0, 9, 9, 9}, {0, 9, 9, 9}};
  const auto outcome = circuit_text::PasteFitted("abc\t-1\nx\t2k", '.', 1, 0, false, fitted);
  EXPECT_EQ(outcome.Written, 1);
  const std::string message = circuit_text::PasteMessage(outcome);
  EXPECT_EQ(message.rfind("R1 left: \"abc\" is not a resistance", 0), 0u) << message;
  EXPECT_TRUE(message.ends_with(". 2 more pasted cells were not one either.")) << message;
}

// Boxes at their limits read back without a word; a cable typed in farads
// is hinted at a thousand times smaller until it is a cable's size.
TEST(CircuitInputs, TakeTheirLimitsAndHintASlippedUnit) {
  const struct Row {
    const char* what;
    circuit_text::CircuitBoxes typed;
    int positions;
    const char* message;  // empty: none
  } rows[] = {
      {"64 positions", {"47k", "0", "100p", "0.01", "1e12", "64", "1"}, 64, ""},
      {"2200 farads",
       {"47k", "0", "2200", "1", "10k", "24", "2"},
       24,
       "Cable capacitance: \"2200\" is above 1uF (did you mean 2.2n?); the box keeps 100pF."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    circuit_text::CircuitBoxes boxes = row.typed;
    circuit::CircuitInputs inputs;
    circuit_text::StringInputs string;
    std::string message;
    circuit_text::NormaliseCircuitInputs(boxes, inputs, string, '.',
                                         [&](const std::string& m) { message = m; });
    EXPECT_EQ(message, row.message);
    EXPECT_EQ(string.Positions, row.positions);
  }

  // The design window's least total, the single a hair below 1e-4.
  design::DesignState state;
  state.TotalOhms = 1e-4f;
  state.NumPositions = 11;
  state.StepSize = 2.0f;
  circuit_text::StringInputs string;
  circuit_text::StartStringInputs(state, string);
  circuit_text::CircuitBoxes boxes;
  circuit::CircuitInputs inputs;
  circuit_text::WriteCircuitBoxes(inputs, string, '.', boxes);
  EXPECT_FALSE(circuit_text::NormaliseCircuitInputs(boxes, inputs, string, '.', nullptr))
      << boxes.Total;
  EXPECT_EQ(string.TotalOhms, static_cast<double>(1e-4f));

  // The least step, whose single is a hair below 0.01 dB, still starts a law.
  state.StepSize = 0.01f;
  circuit_text::StartStringInputs(state, string);
  EXPECT_EQ(string.LawText, "0.01");
}

}  // namespace
