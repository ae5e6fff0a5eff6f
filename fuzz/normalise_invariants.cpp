// The rules the fuzzer holds the parser, the normalisation and the ladder to.
#include "fuzz/normalise_invariants.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "circuit_text/string_table.h"
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

// Fills `targets` with the input's lines, the last target keeping the rest.
void Lines(std::string_view input, std::initializer_list<std::string*> targets) {
  std::size_t left = targets.size();
  for (std::string* target : targets) {
    const std::size_t end = --left == 0 ? std::string_view::npos : input.find('\n');
    if (end == std::string_view::npos) {
      target->assign(input);
      return;
    }
    target->assign(input.substr(0, end));
    input.remove_prefix(end + 1);
  }
}

constexpr std::size_t kDesignLines = 3;

}  // namespace

design::BoxTexts SplitBoxes(std::string_view input) {
  design::BoxTexts boxes;
  std::string rest;
  Lines(input, {&boxes.Total, &boxes.Positions, &boxes.Step, &rest});
  return boxes;
}

circuit_text::CircuitBoxes SplitCircuitBoxes(std::string_view input) {
  circuit_text::CircuitBoxes boxes;
  for (std::size_t i = 0; i < kDesignLines; ++i) {
    const std::size_t end = input.find('\n');
    if (end == std::string_view::npos) return boxes;
    input.remove_prefix(end + 1);
  }
  Lines(input, {&boxes.Load, &boxes.Source, &boxes.Cable, &boxes.Tolerance, &boxes.Total,
                &boxes.Positions, &boxes.Steps});
  return boxes;
}

CircuitChoices SplitChoices(std::string_view input) {
  CircuitChoices choices;
  if (input.empty()) return choices;
  const auto bits = static_cast<unsigned char>(input.front());
  choices.RoundedIn = {design::kAllSeries[bits & 3u], design::kAllSeries[(bits >> 2) & 3u]};
  choices.Balanced = (bits & 16u) != 0;
  return choices;
}

namespace {

bool SingleBelow(double value, double limit) {
  return static_cast<float>(value) < static_cast<float>(limit);
}
bool SingleAbove(double value, double limit) {
  return static_cast<float>(value) > static_cast<float>(limit);
}

// The design's own steps are singles, and the law box writes them in six
// digits ("10.1" for 10.1f), which read back a hair away; the two are the
// same step when they are the same single.
bool SameSingles(const std::vector<double>& a, const std::vector<double>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](double x, double y) {
    return static_cast<float>(x) == static_cast<float>(y);
  });
}

// The in-circuit rules: inputs in range and shown as used, one message at
// most, every number of the analysis finite, the optimised sets no worse
// than rounding alone, and a clean table.
std::string CircuitViolation(const StageRun& run) {
  const circuit::CircuitInputs& c = run.circuit;
  for (const double value : {c.LoadOhms, c.SourceOhms, c.CableFarads, c.TolerancePercent}) {
    if (!std::isfinite(value) || value < 0.0) return "circuit input = " + std::to_string(value);
  }
  if (c.LoadOhms > 0.0 && SingleBelow(c.LoadOhms, circuit_text::kMinLoadOhms))
    return "load below the limit";
  if (SingleAbove(c.CableFarads, circuit_text::kMaxCableFarads)) return "cable above the limit";
  if (SingleBelow(c.TolerancePercent, circuit_text::kMinTolerancePercent) ||
      SingleAbove(c.TolerancePercent, circuit_text::kMaxTolerancePercent)) {
    return "tolerance out of range";
  }
  if (run.circuitMessages.size() > 1) return "more than one circuit message";
  circuit_text::CircuitBoxes again = run.circuitBoxes;
  circuit::CircuitInputs reread;
  circuit_text::StringInputs restring;
  if (circuit_text::NormaliseCircuitInputs(again, reread, restring, '.', nullptr) ||
      reread.LoadOhms != c.LoadOhms || reread.SourceOhms != c.SourceOhms ||
      reread.CableFarads != c.CableFarads || reread.TolerancePercent != c.TolerancePercent ||
      restring.TotalOhms != run.string.TotalOhms || restring.Positions != run.string.Positions ||
      !SameSingles(restring.StepsDb, run.string.StepsDb)) {
    return "circuit boxes do not read back as the values used";
  }

  const circuit::CircuitAnalysis& a = run.analysis;
  const int n = a.N;
  if (n != run.string.Positions) return "analysis of " + std::to_string(n) + " positions";
  const bool designs = circuit_text::IsDesignString(run.string, run.state);
  // What one string sees: a balanced leg, half the load from half the source.
  const double legs = a.Balanced ? 2.0 : 1.0;
  const circuit::Surroundings around{c.SourceOhms / legs, c.LoadOhms / legs};
  if (a.Compensated.size() != static_cast<std::size_t>(n) || a.Sets.size() != 2 ||
      a.Designed.size() != (designs ? 2u : 0u)) {
    return "analysis columns of the wrong size";
  }
  for (int k = 1; k <= n - 1; ++k) {
    for (const double r : {a.Compensated[k], a.Sets[0].Parts.Ohms[k], a.Sets[1].Parts.Ohms[k]}) {
      if (!std::isfinite(r) || !(r > 0.0)) return "compensated resistor " + std::to_string(k);
    }
  }
  for (int p = 0; p <= n - 1; ++p) {
    if (!std::isfinite(a.ZoutOhms[p]) || !std::isfinite(a.ZinOhms[p])) {
      return "impedance at " + std::to_string(p);
    }
    if (a.F3dbHz[p] && !(std::isfinite(*a.F3dbHz[p]) && *a.F3dbHz[p] > 0.0)) {
      return "f3db at " + std::to_string(p);
    }
    if (p == n - 1) break;
    for (const double v : {a.Sets[0].Db[p], a.Sets[1].Db[p], a.BandLowDb[p], a.BandHighDb[p]}) {
      if (!std::isfinite(v)) return "attenuation at " + std::to_string(p);
    }
    for (const circuit::DesignedSet& set : a.Designed) {
      if (!std::isfinite(set.Db[p])) return "designed attenuation at " + std::to_string(p);
    }
    if (a.BandLowDb[p] > a.BandHighDb[p]) return "band upside down at " + std::to_string(p);
  }
  for (const circuit::RoundedSet& set : a.Sets) {
    circuit::RoundedString alone;
    circuit::RoundEach(a.Compensated, *set.RoundedIn, alone);
    if (circuit::WorstDeviation(set.Parts.Ohms, a.Target, around).Db >
        circuit::WorstDeviation(alone.Ohms, a.Target, around).Db) {
      return "optimised set worse than rounding alone";
    }
  }
  std::string lower = run.table;
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos) {
    return "table text holds nan or inf";
  }
  const auto lines = static_cast<int>(std::count(run.table.begin(), run.table.end(), '\n'));
  const auto tabs = static_cast<std::size_t>(std::count(run.table.begin(), run.table.end(), '\t'));
  if (lines != n + 1 ||
      tabs != static_cast<std::size_t>(lines) * (circuit_text::kCircuitColumnCount - 1)) {
    return "table text is not " + std::to_string(n + 1) + " lines of 14 cells";
  }
  return {};
}

}  // namespace

StageRun RunStages(const design::BoxTexts& typed, const circuit_text::CircuitBoxes& circuitTyped,
                   const CircuitChoices& choices, Stages stages) {
  StageRun run;
  const std::string* texts[] = {&typed.Total, &typed.Positions, &typed.Step};
  for (int i = 0; i < 3; ++i) {
    std::string copy = *texts[i];
    notation::ParseEng(copy, run.parsed[i]);
  }
  run.boxes = typed;
  run.outcome = design::NormaliseInputs(
      run.state, run.boxes, [&run](const std::string& message) { run.messages.push_back(message); });
  design::CalculateLadder(run.state);
  if (stages == Stages::Design) return run;

  run.analysed = true;
  run.circuitBoxes = circuitTyped;
  circuit_text::StartStringInputs(run.state, run.string);
  circuit_text::NormaliseCircuitInputs(
      run.circuitBoxes, run.circuit, run.string, '.',
      [&run](const std::string& message) { run.circuitMessages.push_back(message); });
  // As the window builds it: the design's own string with its designed sets
  // while the boxes still describe it, otherwise the boxes' string alone.
  circuit::StringSpec spec;
  if (!circuit_text::IsDesignString(run.string, run.state) ||
      !circuit::DesignSpec(run.state, run.circuit, spec)) {
    spec = circuit::StringSpec{};
    spec.TotalOhms = run.string.TotalOhms;
    circuit::LawTargets(run.string.StepsDb, spec.Targets);
    spec.Inputs = run.circuit;
  }
  spec.RoundedIn = choices.RoundedIn;
  spec.Balanced = choices.Balanced;
  circuit::AnalyseString(spec, run.analysis);
  run.table = circuit_text::CircuitTableText(run.analysis, ',');
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
  if (run.outcome.stepLimited && (s.StepSize != 1.0f || run.boxes.Step != "1")) {
    return "limited step is not 1 dB in the state and the box";
  }

  // Clicking Display again on the written-back boxes must not refuse the
  // total they show: the boxes describe the design that was made.
  std::string totalText = run.boxes.Total;
  float total = 0.0f;
  notation::ParseEng(totalText, total);
  if (!(total >= design::kMinTotalOhms)) {
    return "total box \"" + run.boxes.Total + "\" for TotalOhms " + std::to_string(s.TotalOhms) +
           " reads back as a refused total";
  }

  // The positions box is written back as the count the design uses.
  std::string positionsText = run.boxes.Positions;
  float positions = 0.0f;
  notation::ParseEng(positionsText, positions);
  if (positions != static_cast<float>(s.NumPositions)) {
    return "positions box \"" + run.boxes.Positions + "\" for NumPositions " +
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
  return run.analysed ? CircuitViolation(run) : std::string();
}

}  // namespace fuzz
