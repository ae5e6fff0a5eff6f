// The as-built rules the fuzzer checks.
#include "fuzz/as_built_invariants.h"

#include <cmath>

#include "circuit_text/as_built_text.h"

namespace fuzz {
namespace {

// The balanced 12-position string every paste goes into, its designed
// strings, and whether those need no change: the same for every input, so
// worked out once.
struct FixedString {
  circuit::CircuitAnalysis Circuit;
  circuit::FittedStrings Designed;
  std::string Fault;
};

FixedString MakeFixedString() {
  FixedString fixed;
  circuit::StringSpec spec;
  spec.TotalOhms = 10e3;
  spec.Targets = circuit::EqualSteps(12, 2.0);
  spec.Inputs = circuit::CircuitInputs{47e3, 100.0, 100e-12, 1.0};
  spec.RoundedIn = {&design::kE192, &design::kE24};
  spec.Balanced = true;
  if (!circuit::AnalyseString(spec, fixed.Circuit)) {
    fixed.Fault = "the fixed string did not analyse";
    return fixed;
  }
  circuit::DesignedFitted(fixed.Circuit, fixed.Designed);
  circuit::AsBuiltAnalysis a;
  if (!circuit::AnalyseAsBuilt(fixed.Circuit, fixed.Designed, a) || a.Best || !a.Misfits.empty()) {
    fixed.Fault = "the designed strings are not as designed";
  }
  return fixed;
}

}  // namespace

std::string AsBuiltViolation(std::string_view input) {
  static const FixedString fixed = MakeFixedString();
  if (!fixed.Fault.empty()) return fixed.Fault;
  const circuit::CircuitAnalysis& circuit = fixed.Circuit;
  const circuit::FittedStrings& before = fixed.Designed;
  circuit::FittedStrings fitted = before;
  const unsigned char first = input.empty() ? 0 : static_cast<unsigned char>(input[0]);
  const int resistor = 1 + first % 11, column = (first / 11) % 4;
  if (!input.empty()) input.remove_prefix(1);
  const auto outcome = circuit_text::PasteFitted(input, ',', resistor, column, true, fitted);

  int changed = 0;
  for (std::size_t c = 0; c < fitted.size(); ++c) {
    for (std::size_t k = 1; k < fitted[c].size(); ++k) {
      if (!(fitted[c][k] > 0.0) || !std::isfinite(fitted[c][k])) return "a cell is not positive";
      if (fitted[c][k] != before[c][k]) ++changed;
    }
  }
  if (changed > outcome.Written) return "a cell changed that the paste did not write";

  circuit::AsBuiltAnalysis a;
  if (!circuit::AnalyseAsBuilt(circuit, fitted, a)) return "positive cells did not analyse";
  for (int channel = 0; channel < 2; ++channel) {
    for (int p = 0; p < a.N; ++p) {
      if (!std::isfinite(a.Db[channel][p])) return "an attenuation is not finite";
    }
  }
  if (a.Best && !(a.WorstDifference.Db - a.Best->WorstAfterDb >= circuit::kWorthwhileChangeDb)) {
    return "the best change does not help enough";
  }
  if (a.Marks.size() != fitted.size()) return "the cells are not all marked";
  for (const circuit::Misfit& m : a.Misfits) {
    if (a.Marks[m.Column][m.Resistor] != circuit::FitMark::LikelyMisfit)
      return "a misfit is not marked";
  }
  if (circuit_text::AsBuiltTableText(a, fitted, ',').find("nan") != std::string::npos)
    return "nan in the table";
  return {};
}

}  // namespace fuzz
