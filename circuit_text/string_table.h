// The string's analysis as plain-decimal text: its columns, the cells of its
// table, the tab-separated form the Copy key puts on the clipboard, and the
// build list the builder takes to the bench.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "circuit/string_analysis.h"

namespace circuit_text {

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
  std::optional<double> (*Value)(const circuit::CircuitAnalysis& analysis, int p);
};

// The table's columns in order; the copied text and the window's item model
// both read them.
extern const std::array<CircuitColumn, kCircuitColumnCount> kCircuitColumns;

// The column's name in the copied header for this analysis's series.
std::string ColumnName(const CircuitColumn& column, const circuit::CircuitAnalysis& analysis);

// `value` as a plain decimal with at least six significant digits (fixed
// notation: no exponent, no grouping, no suffix), `separator` as the decimal
// separator; zero is "0". A value that is not finite gives an empty cell.
// Digits stop 30 places after the separator, far below anything the
// analysis gives.
std::string PlainDecimal(double value, char separator);

// A standard value written out in full with `separator`: "1820", "0.91", "0".
std::string ExactDecimal(const design::DecimalValue& value, char separator);

// The copied cell of `column` at position p: the position as a whole
// number, other numbers as PlainDecimal, empty where there is none.
std::string CellText(const CircuitColumn& column, const circuit::CircuitAnalysis& analysis, int p,
                     char separator);

using CircuitRow = std::array<std::string, kCircuitColumnCount>;

// One row per position p = 0 .. N - 1. Resistor cells of row p hold resistor
// k = p (empty on row 0), a rounded part as its exact standard value; the
// ground row has no target, attenuation, band or frequency; the designed
// columns are empty when the analysis has no designed sets.
std::vector<CircuitRow> CircuitCells(const circuit::CircuitAnalysis& analysis, char separator);

// The header line, then the rows: cells joined by one tab, each line ended by
// a line feed.
std::string CircuitTableText(const circuit::CircuitAnalysis& analysis, char separator);

// Switch lugs are numbered as on the switch, 1 .. N: lug p + 1 is position
// p, so lug 1 is the top of the string (full volume) and lug N its ground
// end, the mute position. Resistor k of a set is soldered between lugs k and
// k + 1.
struct BuildStep {
  int Resistor = 0;
  int FromLug = 0;
  int ToLug = 0;
  design::DecimalValue Value;  // the part's standard value, exactly
};

// Resistors 1 .. N - 1 of set `set` (0 or 1), in order; empty for a set the
// analysis does not have.
std::vector<BuildStep> BuildList(const circuit::CircuitAnalysis& analysis, int set);

// The decks (switch wafers) a string's build has, one leg each: "left",
// "right"; balanced "left hot", "left cold", "right hot", "right cold". Every
// kind's decks are named by these legs (BuildDecks of a KindAnalysis).
std::vector<std::string> BuildDecks(bool balanced);

// The build list's line of decks: "  Decks: left, right." (`label`
// "Decks", or the relay ladder's "Boards").
std::string DecksLine(const char* label, const std::vector<std::string>& decks);

// The build list's line of the positions without output, lugs `lugs`
// ascending: "  The last position, lug 11, is mute (no output)." when that
// is lug `positions` alone, else "  Positions at lugs 1, 5 are mute (no
// output)."; empty when there is none.
std::string MuteLine(const std::vector<int>& lugs, int positions);

// The first line of every kind's copied build list.
inline constexpr const char* kBuildListHeader =
    "deck\tresistor\tlug_from\tlug_to\tseries\tvalue_ohm\n";

// The build list of set `set` as lines to read, values in the boxes'
// notation with `separator` as the point; empty for a set the analysis does
// not have. For an 11-position E96 set, single-ended:
//   "E96 build list, every deck alike:"
//   "  Decks: left, right."
//   "  Input to lug 1 (full volume)."
//   "  Common (wiper) to the output."
//   "  Lug 11 to ground."
//   "  The last position, lug 11, is mute (no output)."
//   "  R1  lugs 1-2  1.82k"   and so on to R10, lugs 10-11.
// Balanced, the decks are the four legs, the input and the output are the
// deck's own leg, and lug 11 goes to ground with the other leg's lug 11:
//   "  Input (the deck's leg) to lug 1 (full volume)."
//   "  Common (wiper) to the output (the deck's leg)."
//   "  Lug 11 to ground, with the other leg's lug 11."
std::vector<std::string> BuildLines(const circuit::CircuitAnalysis& analysis, int set,
                                    char separator);

// The build list as "Copy build list" puts it on the clipboard: the header
// "deck\tresistor\tlug_from\tlug_to\tseries\tvalue_ohm", then for each deck
// of BuildDecks one wiring line of five cells, the input lug, the common
// (wiper) going to the output and the ground lug:
// "left\twiring\tinput 1\tcommon output\tground 11"; then one line per set
// and resistor, each set's resistors in order: "left\tR1\t1\t2\tE96\t1820".
// The value is the exact standard value as a plain decimal (no exponent, no
// trailing zeros), `separator` as the point. Tab-separated, each line ended
// by a line feed; only the header when the analysis holds no string.
std::string BuildListText(const circuit::CircuitAnalysis& analysis, char separator);

}  // namespace circuit_text
