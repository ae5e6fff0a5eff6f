// The sentences every kind's summary shares.
#include "circuit_text/summary_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "circuit_text/cells.h"
#include "notation/builder_value.h"
#include "notation/decimal_separator.h"

namespace circuit_text {
namespace {

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

std::string Where(bool codes, int p) { return (codes ? "code " : "position ") + std::to_string(p); }

}  // namespace

std::vector<std::string> SummaryHeadLines(const SummaryHead& head, char separator) {
  const auto db = [separator](double value) { return Fixed(value, 2, separator) + " dB"; };
  std::vector<std::string> lines{"Insertion loss at full volume " + db(head.InsertionLossDb) +
                                 "; every dB column is into the load."};
  for (const auto& [what, worst] : head.Worst) {
    lines.push_back(what + ": worst deviation " + db(worst.Db) + " at " +
                    Where(head.Codes, worst.Position) + ".");
  }
  lines.push_back("Two channels of \u00b1" +
                  notation::WriteBuilderValue(head.TolerancePercent, separator) +
                  " % parts differ by up to " + db(head.WidestBandDb) + " (" +
                  Where(head.Codes, head.WidestBandAt) + ").");
  lines.push_back(NoiseText(head.Noise, head.Codes, separator));
  return lines;
}

std::string NoiseText(const circuit::LoudestNoise& noise, bool codes, char separator) {
  if (!(noise.Microvolts > 0.0) || !noise.Dbu) return "No output noise at any position.";
  return "Largest output noise " + notation::PartText(noise.Microvolts, separator) + " \u00b5V (" +
         Fixed(*noise.Dbu, 1, separator) + " dBu) at " + Where(codes, noise.Position) + ".";
}

std::string FarAboveLoadWarning(std::string_view what) {
  return "Warning: " + std::string(what) + " is far above the load; the load sets the law.";
}

std::string OutOfRangeWarning(const std::vector<std::string>& names,
                              const std::vector<NominalSet>& sets) {
  struct Side {
    const char* words;
    bool (*outside)(double ohms);
  };
  const Side sides[] = {
      {" below 1 \u03a9", [](double ohms) { return ohms < circuit::kSmallestPartOhms; }},
      {" above 10M", [](double ohms) { return ohms > circuit::kLargestPartOhms; }},
  };
  std::vector<std::string> phrases;
  for (const Side& side : sides) {
    std::vector<std::vector<std::string>> bySet;
    for (const NominalSet& set : sets) {
      std::vector<std::string>& outside = bySet.emplace_back();
      for (std::size_t j = 0; j < names.size() && j < set.Ohms.size(); ++j) {
        if (side.outside(set.Ohms[j])) outside.push_back(names[j]);
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
      named += std::string(sets[set].Series) + " " + NameRuns(bySet[set]);
    }
    if (!named.empty()) phrases.push_back(named + side.words);
  }
  if (phrases.empty()) return {};
  std::string warning = "Warning: ";
  for (std::size_t i = 0; i < phrases.size(); ++i) warning += (i > 0 ? "; " : "") + phrases[i];
  return warning + ", hard to buy and measure.";
}

}  // namespace circuit_text
