// Parts grouped by their standard value, for the parts box and page.
#include "circuit_text/parts_lines.h"

#include <algorithm>

#include "circuit_text/build_list.h"
#include "circuit_text/law_text.h"
#include "circuit_text/string_table.h"
#include "notation/builder_value.h"

namespace circuit_text {
namespace {

struct NamedPart {
  std::string Name;
  design::DecimalValue Value;
};

// "  2 x 1.82k: R1 R4" per distinct value, ascending; within a value the
// parts in the order given. Grouped by the exact decimal, so two parts the
// builder buys as one value are never listed apart.
void AppendGroups(std::vector<NamedPart> parts, int perPart, char separator,
                  std::vector<std::string>& lines) {
  std::stable_sort(parts.begin(), parts.end(),
                   [](const auto& x, const auto& y) { return x.Value.Ohms() < y.Value.Ohms(); });
  for (std::size_t i = 0; i < parts.size();) {
    std::size_t j = i;
    std::string which;
    while (j < parts.size() && parts[j].Value == parts[i].Value) {
      which += " " + parts[j].Name;
      ++j;
    }
    lines.push_back("  " + std::to_string(static_cast<int>(j - i) * perPart) + " x " +
                    notation::WriteBuilderValue(parts[i].Value.Ohms(), separator) + ":" + which);
    i = j;
  }
}

}  // namespace

std::vector<std::string> PartsLines(const circuit::CircuitAnalysis& a, char separator) {
  std::vector<std::string> lines;
  if (a.N < design::kMinPositions) return lines;
  const int perValue = a.Balanced ? 4 : 2;  // strings in two channels
  for (std::size_t set = 0; set < a.Sets.size(); ++set) {
    lines.push_back(std::string(a.Sets[set].RoundedIn->Name()) + " parts (" +
                    std::to_string(perValue) + " strings):");
    std::vector<NamedPart> parts;
    for (const BuildStep& step : BuildList(a, static_cast<int>(set))) {
      parts.push_back({"R" + std::to_string(step.Resistor), step.Value});
    }
    AppendGroups(std::move(parts), perValue, separator, lines);
    const std::vector<std::string> build = BuildLines(a, static_cast<int>(set), separator);
    lines.insert(lines.end(), build.begin(), build.end());
  }
  return lines;
}

std::vector<std::string> PartsLines(const circuit::KindAnalysis& a, char separator) {
  std::vector<std::string> lines;
  if (a.Positions == 0) return lines;
  if (a.What == circuit::Kind::RelayLadder) {
    double stageDb = a.StepDb;
    for (int i = 1; i <= a.Stages; ++i, stageDb *= 2.0) {
      const std::string n = std::to_string(i);
      lines.push_back("Stage " + n + ": " + LawText({stageDb}, separator) + " dB (S" + n +
                      ", H" + n + ")");
    }
  }
  const int perPart = a.Balanced ? 4 : 2;  // one attenuator per channel, or per leg
  const std::string built = a.Balanced ? " legs):" : " channels):";
  for (std::size_t set = 0; set < a.Sets.size(); ++set) {
    const design::Series& series = *a.Sets[set].RoundedIn;
    lines.push_back(std::string(series.Name()) + " parts (" + std::to_string(perPart) + built);
    std::vector<NamedPart> parts;
    const circuit::RoundedParts& rounded = a.Sets[set].Parts;
    for (std::size_t j = 0; j < rounded.Index.size() && j < a.Design.Net.Names.size(); ++j) {
      parts.push_back({a.Design.Net.Names[j], series.Decimal(rounded.Index[j])});
    }
    AppendGroups(std::move(parts), perPart, separator, lines);
    const std::vector<std::string> build = BuildLines(a, static_cast<int>(set), separator);
    lines.insert(lines.end(), build.begin(), build.end());
  }
  return lines;
}

}  // namespace circuit_text
