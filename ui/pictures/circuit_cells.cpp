// Writing the in-circuit table's cells in builder's notation.
#include "ui/pictures/circuit_cells.h"

#include <algorithm>

#include "circuit_text/circuit_headings.h"
#include "notation/builder_value.h"

namespace ui {

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
          cell = notation::DecibelText(*value, separator);
          break;
        case circuit_text::CellKind::Ohms:
          cell = notation::PartText(*value, separator);
          break;
        case circuit_text::CellKind::Hertz:
          cell = notation::FrequencyText(*value, separator);
          break;
      }
    }
  }
  return rows;
}

std::string ShownCircuitUnit(std::size_t column, const circuit::CircuitAnalysis& analysis) {
  const std::string unit = circuit_text::kCircuitHeadings[column].unit;
  const int set = circuit_text::kCircuitColumns[column].Set;
  if (set < 0 || static_cast<std::size_t>(set) >= analysis.Sets.size()) return unit;
  // "E96 ohm": the default series' three letters, then the unit.
  return std::string(analysis.Sets[static_cast<std::size_t>(set)].RoundedIn->Name()) +
         unit.substr(3);
}

}  // namespace ui
