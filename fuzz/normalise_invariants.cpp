// The rules the fuzzer holds the parser, the normalisation and the ladder to.
#include "fuzz/normalise_invariants.h"

#include <cmath>

#include "design/ladder.h"
#include "notation/eng_notation.h"

namespace fuzz {
namespace {

bool Finite(float value) { return std::isfinite(value); }

std::string Describe(const char* what, int index, float value) {
  return std::string(what) + "(" + std::to_string(index) + ") = " + std::to_string(value);
}

// Resistor values of one column for k = 1 .. n - 1: finite and positive, ohms.
std::string CheckResistors(const char* name, const design::Column& column, int n) {
  for (int k = 1; k <= n - 1; ++k) {
    if (!Finite(column[k]) || !(column[k] > 0.0f)) return Describe(name, k, column[k]);
  }
  return {};
}

// Attenuations for p = first .. n - 2, dB. A divider never gains, so none is
// negative.
std::string CheckAttenuations(const char* name, const design::Column& column, int first,
                              int n) {
  for (int p = first; p <= n - 2; ++p) {
    if (!Finite(column[p]) || column[p] < 0.0f) return Describe(name, p, column[p]);
  }
  return {};
}

}  // namespace

design::BoxTexts SplitBoxes(std::string_view input) {
  design::BoxTexts boxes;
  std::string* targets[] = {&boxes.Text1, &boxes.Text2, &boxes.Text3};
  for (int i = 0; i < 2; ++i) {
    const std::size_t end = input.find('\n');
    if (end == std::string_view::npos) {
      targets[i]->assign(input);
      return boxes;
    }
    targets[i]->assign(input.substr(0, end));
    input.remove_prefix(end + 1);
  }
  boxes.Text3.assign(input);
  return boxes;
}

StageRun RunStages(const design::BoxTexts& typed) {
  StageRun run;
  const std::string* texts[] = {&typed.Text1, &typed.Text2, &typed.Text3};
  for (int i = 0; i < 3; ++i) {
    std::string copy = *texts[i];
    notation::ParseEng(copy, run.parsed[i]);
  }
  run.boxes = typed;
  run.outcome = design::NormaliseInputs(
      run.state, run.boxes, [&run](const std::string& message) { run.messages.push_back(message); });
  design::CalculateLadder(run.state);
  return run;
}

std::string FirstViolation(const StageRun& run) {
  for (int i = 0; i < 3; ++i) {
    const float value = run.parsed[i];
    if (!Finite(value) || std::fabs(value) > kParseLimit) return Describe("parsed", i + 1, value);
  }

  const design::DesignState& s = run.state;
  if (!Finite(s.TotalOhms) || s.TotalOhms < design::kMinTotalOhms || s.TotalOhms > kParseLimit) {
    return "TotalOhms = " + std::to_string(s.TotalOhms);
  }
  if (s.NumPositions < design::kMinPositions || s.NumPositions > design::kMaxPositions) {
    return "NumPositions = " + std::to_string(s.NumPositions);
  }
  if (!Finite(s.StepSize) || s.StepSize < design::kMinStep || s.StepSize > design::kMaxStep) {
    return "StepSize = " + std::to_string(s.StepSize);
  }
  if (static_cast<float>(s.NumPositions) * s.StepSize > design::kMaxTotalAttenuation) {
    return "NumPositions x StepSize above the attenuation limit";
  }

  // Each message is shown exactly when its outcome says so, and no other.
  int limitShown = 0, refusedShown = 0;
  for (const std::string& message : run.messages) {
    if (message == design::kAttenuationLimitMessage) ++limitShown;
    else if (message == design::kTotalRefusedMessage) ++refusedShown;
    else return "unexpected message: " + message;
  }
  if (limitShown != (run.outcome.stepLimited ? 1 : 0)) return "attenuation limit message count";
  if (refusedShown != (run.outcome.totalRefused ? 1 : 0)) return "refused total message count";
  if (run.outcome.stepLimited && (s.StepSize != 1.0f || run.boxes.Text3 != "1")) {
    return "limited step is not 1 dB in the state and the box";
  }

  // Clicking Display again on the written-back boxes must not refuse the
  // total they show: the boxes describe the design that was made.
  std::string totalText = run.boxes.Text1;
  float total = 0.0f;
  notation::ParseEng(totalText, total);
  if (!(total >= design::kMinTotalOhms)) {
    return "total box \"" + run.boxes.Text1 + "\" for TotalOhms " + std::to_string(s.TotalOhms) +
           " reads back as a refused total";
  }

  // The positions box is written back as the count the design uses.
  std::string positionsText = run.boxes.Text2;
  float positions = 0.0f;
  notation::ParseEng(positionsText, positions);
  if (positions != static_cast<float>(s.NumPositions)) {
    return "positions box \"" + run.boxes.Text2 + "\" for NumPositions " +
           std::to_string(s.NumPositions);
  }

  const int n = s.NumPositions;
  for (const std::string& fault : {CheckResistors("IdealR", s.IdealR, n),
                                   CheckResistors("R1Pct", s.R1Pct, n),
                                   CheckResistors("R5Pct", s.R5Pct, n),
                                   CheckAttenuations("TargetAtten", s.TargetAtten, 0, n),
                                   CheckAttenuations("Atten1Pct", s.Atten1Pct, 1, n),
                                   CheckAttenuations("Atten5Pct", s.Atten5Pct, 1, n)}) {
    if (!fault.empty()) return fault;
  }
  if (!Finite(s.Total1Pct) || !(s.Total1Pct > 0.0f)) return "Total1Pct = " + std::to_string(s.Total1Pct);
  if (!Finite(s.Total5Pct) || !(s.Total5Pct > 0.0f)) return "Total5Pct = " + std::to_string(s.Total5Pct);
  return {};
}

}  // namespace fuzz
