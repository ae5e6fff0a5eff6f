// The as-built rules the fuzzer checks.
#include "fuzz/as_built_invariants.h"

#include <cmath>

#include "circuit_text/as_built_text.h"

namespace fuzz {

std::string AsBuiltViolation(std::string_view input) {
  circuit::StringSpec spec;
  spec.TotalOhms = 10e3;
  spec.Targets = circuit::EqualSteps(12, 2.0);
  spec.Inputs = circuit::CircuitInputs{47e3, 100.0, 100e-12, 1.0};
  spec.RoundedIn = {&design::kE192, &design::kE24};
  spec.Balanced = true;
  circuit::CircuitAnalysis circuit;
  if (!circuit::AnalyseString(spec, circuit)) return "the fixed string did not analyse";
  circuit::FittedStrings fitted;
  circuit::DesignedFitted(circuit, fitted);
  const circuit::FittedStrings before = fitted;
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
  if (!circuit::AnalyseAsBuilt(circuit, before, a) || a.Best || !a.Misfits.empty()) {
    return "the designed strings are not as designed";
  }
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
