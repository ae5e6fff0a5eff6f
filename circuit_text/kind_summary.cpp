// The summary lines of a kind, and the noise line the string shares.
#include "circuit_text/kind_summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "circuit_text/cells.h"
#include "notation/builder_value.h"
#include "notation/decimal_separator.h"

namespace circuit_text {
namespace {

using circuit::Kind;
using circuit::KindAnalysis;

// `value` with `decimals` places, `separator` as the point; no "-0.0".
std::string Fixed(double value, int decimals, char separator) {
  if (!std::isfinite(value)) return {};
  if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0.0;
  char buffer[400];  // the largest double in fixed notation
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, error == std::errc() ? end : buffer);
  notation::PointToSeparator(text, separator);
  return text;
}

std::string Where(Kind kind, int p) {
  return (kind == Kind::RelayLadder ? "code " : "position ") + std::to_string(p);
}

std::string NoiseText(const circuit::LoudestNoise& noise, const std::string& where,
                      char separator) {
  if (!(noise.Microvolts > 0.0) || !noise.Dbu) return "No output noise at any position.";
  return "Largest output noise " + notation::PartText(noise.Microvolts, separator) + " \u00b5V (" +
         Fixed(*noise.Dbu, 1, separator) + " dBu) at " + where + ".";
}

}  // namespace

std::string NoiseLine(const KindAnalysis& a, char separator) {
  if (a.Positions < 2) return {};
  return NoiseText(a.Noise, Where(a.What, a.Noise.Position), separator);
}

std::string NoiseLine(const circuit::CircuitAnalysis& a, char separator) {
  if (a.N < 2) return {};
  const circuit::LoudestNoise noise = circuit::LargestNoise(a);
  return NoiseText(noise, Where(Kind::String, noise.Position), separator);
}

std::string PartsOutOfRangeWarning(const KindAnalysis& a) {
  struct Side {
    const char* words;
    bool (*outside)(double ohms);
  };
  const Side sides[] = {
      {" below 1 \u03a9", [](double ohms) { return ohms < circuit::kSmallestPartOhms; }},
      {" above 10M", [](double ohms) { return ohms > circuit::kLargestPartOhms; }},
  };
  const std::vector<std::string>& names = a.Design.Net.Names;
  std::vector<std::string> phrases;
  for (const Side& side : sides) {
    std::vector<std::vector<std::string>> bySet;
    for (const circuit::PartSet& set : a.Sets) {
      std::vector<std::string>& outside = bySet.emplace_back();
      for (std::size_t j = 0; j < names.size() && j < set.Parts.Index.size(); ++j) {
        if (side.outside(set.RoundedIn->Decimal(set.Parts.Index[j]).Ohms())) {
          outside.push_back(names[j]);
        }
      }
    }
    const bool same = std::all_of(bySet.begin(), bySet.end(),
                                  [&bySet](const auto& parts) { return parts == bySet[0]; });
    std::string named;
    for (std::size_t set = 0; set < bySet.size(); ++set) {
      if (bySet[set].empty()) continue;
      if (same) {
        named = NameRuns(bySet[set]);
        break;
      }
      if (!named.empty()) named += " and ";
      named += std::string(a.Sets[set].RoundedIn->Name()) + " " + NameRuns(bySet[set]);
    }
    if (!named.empty()) phrases.push_back(named + side.words);
  }
  if (phrases.empty()) return {};
  std::string warning = "Warning: ";
  for (std::size_t i = 0; i < phrases.size(); ++i) warning += (i > 0 ? "; " : "") + phrases[i];
  return warning + ", hard to buy and measure.";
}

std::vector<std::string> SummaryLines(const KindAnalysis& a, char separator) {
  if (a.Positions < 2) return {"No attenuator to analyse."};
  const auto db = [separator](double value) { return Fixed(value, 2, separator) + " dB"; };
  std::vector<std::string> lines{"Insertion loss at full volume " + db(a.InsertionLossDb) +
                                 "; every dB column is into the load."};
  for (const circuit::PartSet& set : a.Sets) {
    lines.push_back(std::string(set.RoundedIn->Name()) + " set: worst deviation " +
                    db(set.Worst.Db) + " at " + Where(a.What, set.Worst.Position) + ".");
  }
  lines.push_back(
      "Two channels of \u00b1" + notation::WriteBuilderValue(a.Inputs.TolerancePercent, separator) +
      " % parts differ by up to " + db(a.WidestBand) + " (" + Where(a.What, a.WidestBandAt) + ").");
  lines.push_back(NoiseLine(a, separator));
  if (a.FarAboveLoad) {
    lines.push_back(a.What == Kind::Shunt
                        ? "Warning: X is far above the load; the load sets the law."
                        : "Warning: the string is far above the load; the load sets the law.");
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
  if (a.BestSetStrays) {
    lines.push_back("Warning: even the better set strays more than 0.5 dB from the law.");
  }
  return lines;
}

}  // namespace circuit_text
