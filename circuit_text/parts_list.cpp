// One parts-list writer for the string and the kinds.
#include "circuit_text/parts_list.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

#include "circuit_text/cells.h"
#include "circuit_text/string_table.h"
#include "design/tab_text.h"

namespace circuit_text {

std::string PartsListText(const std::vector<PartsListSet>& sets, int perPart, char separator) {
  std::string text = "series\tvalue_ohm\tquantity\tresistors\n";
  for (const PartsListSet& set : sets) {
    // One line per distinct cell text, in ascending value: the table's cell
    // is what the builder compares the list with. A cell's value is the last
    // part's to take it, as the string's list has always sorted.
    struct Group {
      double ohms = 0.0;
      std::string names;
      int count = 0;
    };
    std::map<std::string, Group> byCell;
    for (std::size_t j = 0; j < set.Names.size() && j < set.Ohms.size(); ++j) {
      Group& group = byCell[circuit_text::PlainDecimal(set.Ohms[j], separator)];
      group.ohms = set.Ohms[j];
      if (group.count++ > 0) group.names += ' ';
      group.names += set.Names[j];
    }
    std::vector<std::pair<std::string, Group>> lines(byCell.begin(), byCell.end());
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.second.ohms < b.second.ohms; });
    for (const auto& [cell, group] : lines) {
      design::AppendTabLine(
          text, std::array<std::string, 4>{set.Series, cell, std::to_string(group.count * perPart),
                                           group.names});
    }
  }
  return text;
}

std::string PartsListText(const circuit::CircuitAnalysis& analysis, char separator) {
  std::vector<PartsListSet> sets;
  for (const circuit::RoundedSet& rounded : analysis.Sets) {
    PartsListSet& set = sets.emplace_back();
    for (const char c : rounded.RoundedIn->Name()) {
      set.Series += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (int k = 1; k <= analysis.N - 1; ++k) {
      set.Names.push_back("R" + std::to_string(k));
      set.Ohms.push_back(rounded.Parts.Ohms[static_cast<std::size_t>(k)]);
    }
  }
  return PartsListText(sets, analysis.Balanced ? 4 : 2, separator);
}

std::string PartsListText(const circuit::KindAnalysis& analysis, char separator) {
  std::vector<PartsListSet> sets;
  if (analysis.Positions >= 2) {
    for (std::size_t index = 0; index < analysis.Sets.size(); ++index) {
      sets.push_back({SeriesName(analysis, index), analysis.Design.Net.Names,
                      analysis.Sets[index].Parts.Ohms});
    }
  }
  return PartsListText(sets, analysis.Balanced ? 4 : 2, separator);
}

}  // namespace circuit_text
