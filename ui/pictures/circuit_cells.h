// The in-circuit table of every kind as the window shows it and the page
// prints it: headings in words and cells in builder's notation, where the
// Copy key writes plain decimals under the columns' names.
#pragma once

#include <string>
#include <vector>

#include "circuit/analysis.h"
#include "circuit_text/cells.h"
#include "circuit_text/string_table.h"

namespace ui {

// A number for the eye, the one writer of every kind's table: dB to three
// decimals ("2.000"), ohms and microvolts to three significant digits
// ("1.82k", "0.867"), frequencies with their unit ("1.10 MHz"), `separator`
// as the decimal separator; empty for a value that is not finite (an open
// input).
std::string ShownCell(circuit_text::Quantity quantity, double value, char separator);

// A table as shown: a heading per column, a row per position, a cell per
// column ("" for none).
struct ShownTable {
  std::vector<circuit_text::ColumnHeading> headings;
  std::vector<std::vector<std::string>> rows;
};

// One row per position p = 0 .. N - 1, the cells where CircuitCells has
// them, the position as a whole number and the numbers by ShownCell.
std::vector<circuit_text::CircuitRow> ShownCircuitCells(const circuit::CircuitAnalysis& analysis,
                                                        char separator);

// The unit line of column `column`'s heading: a rounded set's column names
// the analysis's series in place of the default one (circuit_text::SetUnit:
// "E24 ohm").
std::string ShownCircuitUnit(std::size_t column, const circuit::CircuitAnalysis& analysis);

// The string's table: circuit_text::kCircuitHeadings with the analysis's series
// named in units and meanings, every dB column but the target's into the
// load, and ShownCircuitCells.
ShownTable ShownCircuitTable(const circuit::CircuitAnalysis& analysis, char separator);

// A ladder's, shunt's or relay ladder's table: circuit_text::PositionHeadings
// over circuit_text::PositionTable written by ShownCell. Empty for a string.
ShownTable ShownKindTable(const circuit::KindAnalysis& analysis, char separator);

}  // namespace ui
