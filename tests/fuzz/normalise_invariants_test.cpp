// The fuzzer's oracle: how input is split into boxes, that every rule fires
// on a state that breaks it, and that the seed corpus keeps every rule.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "fuzz/normalise_invariants.h"

namespace {

TEST(SplitBoxes, CutsAtTheFirstThreeLineFeeds) {
  using namespace std::string_literals;
  struct Row {
    std::string input, text1, text2, text3;
  } const rows[] = {
      {"4.7k\n12\n1.5", "4.7k", "12", "1.5"},
      {"10k", "10k", "", ""},
      {"10k\n", "10k", "", ""},
      {"\n\n", "", "", ""},
      {"a\nb\nc\nd", "a", "b", "c"},
      {"1\0k\n2"s, "1\0k"s, "2", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    const design::BoxTexts boxes = fuzz::SplitBoxes(row.input);
    EXPECT_EQ(boxes.Total, row.text1);
    EXPECT_EQ(boxes.Positions, row.text2);
    EXPECT_EQ(boxes.Step, row.text3);
  }
}

TEST(SplitCircuitBoxes, TakesLinesFourToTenAndKeepsTheRest) {
  struct Row {
    std::string input, load, source, cable, tolerance, steps;
  } const rows[] = {
      {"10k\n11\n2\n47k\n0\n100p\n1\n5k\n24\n11x2 3", "47k", "0", "100p", "1", "11x2 3"},
      {"10k\n11\n2", "", "", "", "", ""},
      {"a\nb\nc\nd", "d", "", "", "", ""},
      {"\n\n\n\n\n\nt\n\n\ns\nmore\n", "", "", "", "t", "s\nmore\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    const circuit_text::CircuitBoxes boxes = fuzz::SplitCircuitBoxes(row.input);
    EXPECT_EQ(boxes.Load, row.load);
    EXPECT_EQ(boxes.Source, row.source);
    EXPECT_EQ(boxes.Cable, row.cable);
    EXPECT_EQ(boxes.Tolerance, row.tolerance);
    EXPECT_EQ(boxes.Steps, row.steps);
  }
}

TEST(FirstViolation, AcceptsTheWorkedExample) {
  const fuzz::StageRun run = fuzz::RunStages({"4.7k", "12", "1.5"});
  EXPECT_EQ(fuzz::FirstViolation(run), "");
  EXPECT_EQ(run.state.NumPositions, 12);
  EXPECT_FLOAT_EQ(run.state.TotalOhms, 4700.0f);
}

// Each rule must fire when the state breaks it, or the fuzzer would pass
// whatever the code did.
TEST(FirstViolation, NamesEachBrokenRule) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Row {
    const char* what;
    std::function<void(fuzz::StageRun&)> breakIt;
    const char* mentioned;
  } const rows[] = {
      {"parse beyond the clamp", [](fuzz::StageRun& r) { r.parsed[1] = 2e10f; }, "parsed(2)"},
      {"parse not a number", [&](fuzz::StageRun& r) { r.parsed[0] = kNaN; }, "parsed(1)"},
      {"total zero", [](fuzz::StageRun& r) { r.state.TotalOhms = 0.0f; }, "TotalOhms"},
      {"total infinite", [&](fuzz::StageRun& r) { r.state.TotalOhms = kInf; }, "TotalOhms"},
      {"one position", [](fuzz::StageRun& r) { r.state.NumPositions = 1; }, "NumPositions"},
      {"26 positions", [](fuzz::StageRun& r) { r.state.NumPositions = 26; }, "NumPositions"},
      {"step zero", [](fuzz::StageRun& r) { r.state.StepSize = 0.0f; }, "StepSize"},
      {"step above 20 dB", [](fuzz::StageRun& r) { r.state.StepSize = 20.5f; }, "StepSize"},
      {"over 100 dB in all",
       [](fuzz::StageRun& r) { r.state.NumPositions = 12; r.state.StepSize = 9.0f; },
       "attenuation limit"},
      {"stray message", [](fuzz::StageRun& r) { r.messages.push_back("hello"); }, "unexpected"},
      {"limit shown, not recorded",
       [](fuzz::StageRun& r) { r.messages.push_back(design::kAttenuationLimitMessage); },
       "limit message"},
      {"refusal recorded, not shown",
       [](fuzz::StageRun& r) { r.outcome.totalRefused = true; }, "refused"},
      {"limited step box not 1",
       [](fuzz::StageRun& r) {
         r.outcome.stepLimited = true;
         r.messages.push_back(design::kAttenuationLimitMessage);
         r.state.StepSize = 1.0f;
         r.boxes.Step = "1 ";
       },
       "limited step"},
      {"total box shows zero", [](fuzz::StageRun& r) { r.boxes.Total = "0  "; }, "total box"},
      {"positions box disagrees", [](fuzz::StageRun& r) { r.boxes.Positions = "13 "; }, "positions box"},
      {"ideal value not a number", [&](fuzz::StageRun& r) { r.state.IdealR[11] = kNaN; }, "IdealR(11)"},
      {"negative E96 value", [](fuzz::StageRun& r) { r.state.R1Pct[3] = -1.0f; }, "R1Pct(3)"},
      {"zero E24 value", [](fuzz::StageRun& r) { r.state.R5Pct[1] = 0.0f; }, "R5Pct(1)"},
      {"target infinite", [&](fuzz::StageRun& r) { r.state.TargetAtten[10] = kInf; }, "TargetAtten(10)"},
      {"1% gain", [](fuzz::StageRun& r) { r.state.Atten1Pct[5] = -0.1f; }, "Atten1Pct(5)"},
      {"5% not a number", [&](fuzz::StageRun& r) { r.state.Atten5Pct[1] = kNaN; }, "Atten5Pct(1)"},
      {"1% sum infinite", [&](fuzz::StageRun& r) { r.state.Total1Pct = kInf; }, "Total1Pct"},
      {"5% sum zero", [](fuzz::StageRun& r) { r.state.Total5Pct = 0.0f; }, "Total5Pct"},
      {"load not a number", [&](fuzz::StageRun& r) { r.circuit.LoadOhms = kNaN; }, "circuit input"},
      {"tiny load", [](fuzz::StageRun& r) { r.circuit.LoadOhms = 1e-6; }, "load below"},
      {"cable too large", [](fuzz::StageRun& r) { r.circuit.CableFarads = 2e-3; }, "cable above"},
      {"tolerance zero", [](fuzz::StageRun& r) { r.circuit.TolerancePercent = 0; }, "tolerance"},
      {"two circuit messages",
       [](fuzz::StageRun& r) { r.circuitMessages = {"a", "b"}; }, "more than one"},
      {"box shows another value", [](fuzz::StageRun& r) { r.circuitBoxes.Load = "10k"; },
       "read back"},
      {"analysis of another design", [](fuzz::StageRun& r) { r.analysis.N = 3; }, "analysis of"},
      {"compensated resistor zero",
       [](fuzz::StageRun& r) { r.analysis.Sets[1].Parts.Ohms[4] = 0.0; }, "compensated resistor 4"},
      {"impedance infinite", [&](fuzz::StageRun& r) { r.analysis.ZinOhms[11] = kInf; }, "impedance"},
      {"frequency not a number", [&](fuzz::StageRun& r) { r.analysis.F3dbHz[2] = kNaN; }, "f3db"},
      {"attenuation not a number",
       [&](fuzz::StageRun& r) { r.analysis.BandHighDb[5] = kNaN; }, "attenuation at 5"},
      {"band upside down",
       [](fuzz::StageRun& r) { r.analysis.BandLowDb[3] = r.analysis.BandHighDb[3] + 1; }, "band"},
      {"optimiser made it worse",
       [](fuzz::StageRun& r) { r.analysis.Sets[0].Parts.Ohms[2] *= 1.5; }, "worse than rounding"},
      {"nan in the table", [](fuzz::StageRun& r) { r.table += "nan"; }, "nan or inf"},
      {"a line short", [](fuzz::StageRun& r) { r.table.erase(r.table.rfind('\t')); }, "lines of 14"},
  };
  const fuzz::StageRun good = fuzz::RunStages({"4.7k", "12", "1.5"}, {"47k", "600", "100p", "1"});
  ASSERT_EQ(fuzz::FirstViolation(good), "");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    fuzz::StageRun run = good;
    row.breakIt(run);
    EXPECT_NE(fuzz::FirstViolation(run).find(row.mentioned), std::string::npos)
        << "got: " << fuzz::FirstViolation(run);
  }
}

// Entries past N - 1 are left from earlier designs and no reader looks at
// them, so the rules must not either.
TEST(FirstViolation, IgnoresEntriesPastTheLastPosition) {
  fuzz::StageRun run = fuzz::RunStages({"10k", "3", "2"});
  run.state.IdealR[3] = std::numeric_limits<float>::quiet_NaN();
  run.state.Atten1Pct[2] = -5.0f;
  EXPECT_EQ(fuzz::FirstViolation(run), "");
}

TEST(NormaliseFuzzCorpus, EverySeedKeepsEveryRule) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KESTRIX_FUZZ_CORPUS)) {
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(fuzz::FirstViolation(
                  fuzz::RunStages(fuzz::SplitBoxes(input), fuzz::SplitCircuitBoxes(input))),
              "");
    ++seeds;
  }
  EXPECT_GE(seeds, 12);
}

}  // namespace
