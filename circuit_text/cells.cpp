// The cells and runs the kinds' texts share.
#include "circuit_text/cells.h"

#include <algorithm>
#include <cctype>

#include "circuit_text/string_table.h"

namespace circuit_text {
namespace {

// A name split into its letters and its number (-1 when it has none).
struct NameParts {
  std::string_view Letters;
  int Number = -1;
};

NameParts Split(std::string_view name) {
  std::size_t digits = name.size();
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
  if (digits == name.size() || name.size() - digits > 6) return {name, -1};
  return {name.substr(0, digits), std::stoi(std::string(name.substr(digits)))};
}

bool Continues(std::string_view before, std::string_view name) {
  const NameParts a = Split(before), b = Split(name);
  return a.Number >= 0 && b.Number == a.Number + 1 && a.Letters == b.Letters;
}

}  // namespace

const design::Series& SetSeries(const circuit::KindAnalysis& analysis, std::size_t set) {
  return *(set < analysis.Sets.size()
               ? analysis.Sets[set].RoundedIn
               : circuit::KindSpec{}.RoundedIn[std::min<std::size_t>(set, 1)]);
}

std::string SeriesName(const circuit::KindAnalysis& analysis, std::size_t set) {
  std::string name;
  for (const char c : SetSeries(analysis, set).Name()) {
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
}

int PartNamed(const circuit::Network& net, std::string_view name) {
  const auto at = std::find(net.Names.begin(), net.Names.end(), name);
  return at == net.Names.end() ? circuit::kOpen : static_cast<int>(at - net.Names.begin());
}

std::string SetUnit(const design::Series& series, std::string_view unit) {
  std::string text(series.Name());
  if (!unit.empty()) text.append(" ").append(unit);
  return text;
}

std::string PlainCell(Quantity, double value, char separator) {
  return circuit_text::PlainDecimal(value, separator);
}

std::string PartCell(int part, const circuit::PartOhms& values, char separator, CellWriter write) {
  if (part == circuit::kWire) return "0";
  if (part < 0 || static_cast<std::size_t>(part) >= values.size()) return {};
  return write(Quantity::Ohms, values[static_cast<std::size_t>(part)], separator);
}

std::string NameRuns(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size();) {
    std::size_t j = i;
    while (j + 1 < names.size() && Continues(names[j], names[j + 1])) ++j;
    if (!text.empty()) text += ", ";
    text += names[i];
    if (j > i) text += "\u2013" + names[j];
    i = j + 1;
  }
  return text;
}

std::string LugRuns(const std::vector<int>& lugs) {
  std::vector<std::string> names;
  for (const int lug : lugs) names.push_back(std::to_string(lug));
  return NameRuns(names);
}

}  // namespace circuit_text
