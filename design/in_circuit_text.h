// The in-circuit analysis as plain-decimal text: its columns, the cells of
// its table, the tab-separated form the Copy key puts on the clipboard, and
// the parts and build lists the builder takes to the bench.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "design/in_circuit.h"

namespace design {

inline constexpr std::size_t kCircuitColumnCount = 14;

// What a column's numbers are, for writing them in a notation.
enum class CellKind { Position, Decibels, Ohms, Hertz };

// One column of the table. Its name is Prefix alone, or for a column of a
// rounded set (Set 0 or 1) Prefix, that set's series in lower case and
// Suffix: "compensated_" "e96" "_ohm".
struct CircuitColumn {
  const char* Prefix;
  const char* Suffix;
  int Set;  // -1: not a rounded set's column
  CellKind Kind;
  // The number at position p, or none where the cell is empty.
  std::optional<double> (*Value)(const CircuitAnalysis& analysis, int p);
};

// The table's columns in order; the copied text and the window's item model
// both read them.
extern const std::array<CircuitColumn, kCircuitColumnCount> kCircuitColumns;

// The column's name in the copied header for this analysis's series.
std::string ColumnName(const CircuitColumn& column, const CircuitAnalysis& analysis);

// `value` as a plain decimal with at least six significant digits (fixed
// notation: no exponent, no grouping, no suffix), `separator` as the decimal
// separator; zero is "0". A value that is not finite gives an empty cell.
// Digits stop 30 places after the separator, far below anything the
// analysis gives.
std::string PlainDecimal(double value, char separator);

// The copied cell of `column` at position p: the position as a whole
// number, other numbers as PlainDecimal, empty where there is none.
std::string CellText(const CircuitColumn& column, const CircuitAnalysis& analysis, int p,
                     char separator);

using CircuitRow = std::array<std::string, kCircuitColumnCount>;

// One row per position p = 0 .. N - 1. Resistor cells of row p hold resistor
// k = p (empty on row 0), a rounded part as its exact standard value; the
// ground row has no target, attenuation, band or frequency; the designed
// columns are empty when the analysis has no designed sets.
std::vector<CircuitRow> CircuitCells(const CircuitAnalysis& analysis, char separator);

// The header line, then the rows: cells joined by one tab, each line ended by
// a line feed.
std::string CircuitTableText(const CircuitAnalysis& analysis, char separator);

// The parts list: header "series\tvalue_ohm\tquantity\tresistors", then for
// each set in turn one line per distinct value cell, ascending in value:
// the series in lower case, the cell text, how many resistors take it x 2
// channels (x 2 more when balanced: four strings), and their numbers
// ascending ("R3 R7"). Tab-separated, each line ended by a line feed.
std::string PartsListText(const CircuitAnalysis& analysis, char separator);

// Where resistor k of a set is soldered: between switch lugs k - 1 and k.
struct BuildStep {
  int Resistor = 0;
  int FromLug = 0;
  int ToLug = 0;
  double Ohms = 0.0;  // the part's exact standard value
};

// Resistors 1 .. N - 1 of set `set` (0 or 1), in order; empty for a set the
// analysis does not have.
std::vector<BuildStep> BuildList(const CircuitAnalysis& analysis, int set);

}  // namespace design
