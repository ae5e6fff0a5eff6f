// The in-circuit table's cells as the window shows them and the page prints
// them: builder's notation for the eye, where the Copy key writes plain
// decimals.
#pragma once

#include <string>
#include <vector>

#include "circuit_text/string_table.h"

namespace ui {

// One row per position p = 0 .. N - 1, the cells where CircuitCells has
// them: the position as a whole number, dB to three decimals ("2.000"),
// parts to three significant digits ("1.82k"), frequencies with their unit
// ("1.10 MHz"), `separator` as the decimal separator.
std::vector<circuit_text::CircuitRow> ShownCircuitCells(const circuit::CircuitAnalysis& analysis,
                                                        char separator);

// The unit line of column `column`'s heading: a rounded set's column names
// the analysis's series in place of the default one ("E24 ohm").
std::string ShownCircuitUnit(std::size_t column, const circuit::CircuitAnalysis& analysis);

}  // namespace ui
