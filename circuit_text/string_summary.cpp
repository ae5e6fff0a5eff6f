// The summary lines of the string.
#include "circuit_text/string_summary.h"

#include "circuit/noise.h"
#include "circuit_text/string_table.h"
#include "circuit_text/summary_text.h"

namespace circuit_text {

std::string NoiseLine(const circuit::CircuitAnalysis& a, char separator) {
  if (a.N < 2) return {};
  return NoiseText(circuit::LargestNoise(a), false, separator);
}

std::string PartsOutOfRangeWarning(const circuit::CircuitAnalysis& a) {
  std::vector<std::string> names;
  for (int k = 1; k < a.N; ++k) names.push_back("R" + std::to_string(k));
  std::vector<NominalSet> sets;
  for (std::size_t set = 0; set < a.Sets.size(); ++set) {
    NominalSet& nominal = sets.emplace_back(NominalSet{a.Sets[set].RoundedIn->Name(), {}});
    for (const BuildStep& step : BuildList(a, static_cast<int>(set))) {
      nominal.Ohms.push_back(step.Value.Ohms());
    }
  }
  return OutOfRangeWarning(names, sets);
}

std::vector<std::string> SummaryLines(const circuit::CircuitAnalysis& a, char separator) {
  if (a.N < design::kMinPositions) return {"No string to analyse."};
  SummaryHead head{.InsertionLossDb = a.InsertionLossDb,
                   .TolerancePercent = a.Inputs.TolerancePercent,
                   .WidestBandDb = a.WidestBand,
                   .WidestBandAt = a.WidestBandAt,
                   .Noise = circuit::LargestNoise(a)};
  if (!a.Designed.empty()) head.Worst.emplace_back("Design's E96 set", a.Designed[0].Worst);
  for (const circuit::RoundedSet& set : a.Sets) {
    head.Worst.emplace_back("Compensated " + std::string(set.RoundedIn->Name()), set.Worst);
  }
  std::vector<std::string> lines = SummaryHeadLines(head, separator);
  if (a.FarAboveLoad) lines.push_back(FarAboveLoadWarning("the string"));
  if (std::string parts = PartsOutOfRangeWarning(a); !parts.empty()) {
    lines.push_back(std::move(parts));
  }
  if (a.BestSetStrays) lines.push_back(kStraysWarning);
  return lines;
}

}  // namespace circuit_text
