// Writing the in-circuit table's cells in builder's notation.
#include "ui/pictures/circuit_cells.h"

#include <algorithm>

#include "design/circuit_headings.h"
#include "notation/builder_value.h"

namespace ui {

std::vector<design::CircuitRow> ShownCircuitCells(const design::CircuitAnalysis& analysis,
                                                  char separator) {
  std::vector<design::CircuitRow> rows(static_cast<std::size_t>(std::max(analysis.N, 0)));
  for (int p = 0; p < analysis.N; ++p) {
    for (std::size_t c = 0; c < design::kCircuitColumnCount; ++c) {
      const design::CircuitColumn& column = design::kCircuitColumns[c];
      const std::optional<double> value = column.Value(analysis, p);
      if (!value) continue;
      std::string& cell = rows[static_cast<std::size_t>(p)][c];
      switch (column.Kind) {
        case design::CellKind::Position:
          cell = std::to_string(p);
          break;
        case design::CellKind::Decibels:
          cell = notation::DecibelText(*value, separator);
          break;
        case design::CellKind::Ohms:
          cell = notation::PartText(*value, separator);
          break;
        case design::CellKind::Hertz:
          cell = notation::FrequencyText(*value, separator);
          break;
      }
    }
  }
  return rows;
}

std::string ShownCircuitUnit(std::size_t column, const design::CircuitAnalysis& analysis) {
  const std::string unit = design::kCircuitHeadings[column].unit;
  const int set = design::kCircuitColumns[column].Set;
  if (set < 0 || static_cast<std::size_t>(set) >= analysis.Sets.size()) return unit;
  // "E96 ohm": the default series' three letters, then the unit.
  return std::string(analysis.Sets[static_cast<std::size_t>(set)].RoundedIn->Name()) +
         unit.substr(3);
}

}  // namespace ui
