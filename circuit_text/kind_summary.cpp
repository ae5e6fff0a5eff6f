// The summary lines of a kind other than the string.
#include "circuit_text/kind_summary.h"

#include "circuit_text/cells.h"
#include "circuit_text/summary_text.h"

namespace circuit_text {

using circuit::Kind;
using circuit::KindAnalysis;

std::string NoiseLine(const KindAnalysis& a, char separator) {
  if (a.Positions < 2) return {};
  return NoiseText(a.Noise, a.What == Kind::RelayLadder, separator);
}

std::string PartsOutOfRangeWarning(const KindAnalysis& a) {
  std::vector<NominalSet> sets;
  for (const circuit::PartSet& set : a.Sets) {
    NominalSet& nominal = sets.emplace_back(NominalSet{set.RoundedIn->Name(), {}});
    for (const int index : set.Parts.Index) {
      nominal.Ohms.push_back(set.RoundedIn->Decimal(index).Ohms());
    }
  }
  return OutOfRangeWarning(a.Design.Net.Names, sets);
}

std::vector<std::string> SummaryLines(const KindAnalysis& a, char separator) {
  if (a.Positions < 2) return {"No attenuator to analyse."};
  SummaryHead head{.Codes = a.What == Kind::RelayLadder,
                   .InsertionLossDb = a.InsertionLossDb,
                   .TolerancePercent = a.Inputs.TolerancePercent,
                   .WidestBandDb = a.WidestBand,
                   .WidestBandAt = a.WidestBandAt,
                   .Noise = a.Noise};
  for (const circuit::PartSet& set : a.Sets) {
    head.Worst.emplace_back(std::string(set.RoundedIn->Name()) + " set", set.Worst);
  }
  std::vector<std::string> lines = SummaryHeadLines(head, separator);
  if (a.FarAboveLoad) {
    lines.push_back(FarAboveLoadWarning(a.What == Kind::Shunt ? "X" : "the string"));
  }
  if (!a.NoShuntAt.empty()) {
    std::vector<std::string> open;
    for (const int p : a.NoShuntAt) open.push_back("P" + std::to_string(p));
    lines.push_back("Warning: " + NameRuns(open) +
                    " open: the load is below what the ladder needs.");
  }
  if (a.NoTermination) {
    lines.push_back("Warning: no termination T: the load is below what the ladder needs.");
  }
  if (std::string parts = PartsOutOfRangeWarning(a); !parts.empty()) {
    lines.push_back(std::move(parts));
  }
  if (a.BestSetStrays) lines.push_back(kStraysWarning);
  return lines;
}

}  // namespace circuit_text
