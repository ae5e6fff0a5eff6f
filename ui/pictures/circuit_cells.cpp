// Writing the in-circuit tables' cells in builder's notation, under headings
// in words.
#include "ui/pictures/circuit_cells.h"

#include <algorithm>
#include <iterator>

#include "circuit_text/circuit_headings.h"
#include "circuit_text/kind_table.h"
#include "notation/builder_value.h"

namespace ui {

std::string ShownCell(circuit_text::Quantity quantity, double value, char separator) {
  switch (quantity) {
    case circuit_text::Quantity::Decibels:
      return notation::DecibelText(value, separator);
    case circuit_text::Quantity::Hertz:
      return notation::FrequencyText(value, separator);
    case circuit_text::Quantity::Ohms:
    case circuit_text::Quantity::Microvolts:
      break;
  }
  return notation::PartText(value, separator);
}

std::vector<circuit_text::CircuitRow> ShownCircuitCells(const circuit::CircuitAnalysis& analysis,
                                                        char separator) {
  std::vector<circuit_text::CircuitRow> rows(static_cast<std::size_t>(std::max(analysis.N, 0)));
  for (int p = 0; p < analysis.N; ++p) {
    for (std::size_t c = 0; c < circuit_text::kCircuitColumnCount; ++c) {
      const circuit_text::CircuitColumn& column = circuit_text::kCircuitColumns[c];
      const std::optional<double> value = column.Value(analysis, p);
      if (!value) continue;
      std::string& cell = rows[static_cast<std::size_t>(p)][c];
      switch (column.Kind) {
        case circuit_text::CellKind::Position:
          cell = std::to_string(p);
          break;
        case circuit_text::CellKind::Decibels:
          cell = ShownCell(circuit_text::Quantity::Decibels, *value, separator);
          break;
        case circuit_text::CellKind::Ohms:
          cell = ShownCell(circuit_text::Quantity::Ohms, *value, separator);
          break;
        case circuit_text::CellKind::Hertz:
          cell = ShownCell(circuit_text::Quantity::Hertz, *value, separator);
          break;
      }
    }
  }
  return rows;
}

std::string ShownCircuitUnit(std::size_t column, const circuit::CircuitAnalysis& analysis) {
  const std::string_view unit = circuit_text::kCircuitHeadings[column].unit;
  const int set = circuit_text::kCircuitColumns[column].Set;
  if (set < 0 || static_cast<std::size_t>(set) >= analysis.Sets.size()) return std::string(unit);
  // The heading's unit names the default series first: "E96 ohm".
  return circuit_text::SetUnit(*analysis.Sets[static_cast<std::size_t>(set)].RoundedIn,
                               unit.substr(unit.find(' ') + 1));
}

ShownTable ShownCircuitTable(const circuit::CircuitAnalysis& analysis, char separator) {
  ShownTable table;
  for (std::size_t c = 0; c < circuit_text::kCircuitColumnCount; ++c) {
    const circuit_text::Heading& heading = circuit_text::kCircuitHeadings[c];
    std::string meaning = heading.meaning;
    // The meanings name the default series of the compensated sets, E96 and
    // E24; a meaning names one set at most.
    const std::string defaults[] = {"compensated E96", "compensated E24"};
    for (std::size_t set = 0; set < std::size(defaults) && set < analysis.Sets.size(); ++set) {
      const std::size_t at = meaning.find(defaults[set]);
      if (at == std::string::npos) continue;
      meaning.replace(at, defaults[set].size(),
                      "compensated " + std::string(analysis.Sets[set].RoundedIn->Name()));
      break;
    }
    // Every dB column but the target is attenuation into the load.
    const bool intoLoad =
        circuit_text::kCircuitColumns[c].Kind == circuit_text::CellKind::Decibels && c != 1;
    table.headings.push_back({circuit_text::ColumnName(circuit_text::kCircuitColumns[c], analysis),
                              heading.what, ShownCircuitUnit(c, analysis), meaning, intoLoad});
  }
  for (const circuit_text::CircuitRow& row : ShownCircuitCells(analysis, separator)) {
    table.rows.emplace_back(row.begin(), row.end());
  }
  return table;
}

ShownTable ShownKindTable(const circuit::KindAnalysis& analysis, char separator) {
  return {circuit_text::PositionHeadings(analysis),
          circuit_text::PositionTable(analysis, separator, ShownCell).Lines};
}

}  // namespace ui
