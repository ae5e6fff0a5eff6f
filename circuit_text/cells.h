// The pieces every kind's texts share: a cell's writer, a part's cell, a
// series' name as the copies and the headings write it, a column's heading,
// an exact standard value, and names or lugs as runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "circuit/analysis.h"
#include "circuit_text/string_table.h"

namespace circuit_text {

// The series of set `set`; a set the analysis lacks (no analysis yet) is
// KindSpec's default series for it.
const design::Series& SetSeries(const circuit::KindAnalysis& analysis, std::size_t set);

// The series of set `set` in lower case, as the copies name it ("e96").
std::string SeriesName(const circuit::KindAnalysis& analysis, std::size_t set);

// The unit line of a rounded set's heading, the string's rule for every
// kind: the series' name, a space, then `unit` ("E192 ohm", "E24 dB").
std::string SetUnit(const design::Series& series, std::string_view unit);

// A column as the window and the page head it: two short lines and what it
// means, with its name in the copy.
struct ColumnHeading {
  std::string Name;       // the copy's: "e96_series_ohm"
  std::string What;       // "Series"
  std::string Unit;       // "E96 ohm"; empty for a position or code
  std::string Meaning;    // for tool tips and screen readers
  bool IntoLoad = false;  // attenuation into the load, which the window's heading says
};

// What a number in a table is, for writing it in a notation.
enum class Quantity { Decibels, Ohms, Hertz, Microvolts };

// Writes `value`, a `quantity`, with `separator` as the point; a value
// that is not finite gives an empty cell.
using CellWriter = std::string (*)(Quantity quantity, double value, char separator);

// The copy's writer: circuit_text::PlainDecimal whatever the quantity.
std::string PlainCell(Quantity quantity, double value, char separator);

// The index of the part called `name`, or circuit::kOpen when there is none.
int PartNamed(const circuit::Network& net, std::string_view name);

// The cell of a part slot: part index j as `write` gives values[j] (ohms),
// circuit::kWire as "0", circuit::kOpen (no part) empty.
std::string PartCell(int part, const circuit::PartOhms& values, char separator,
                     CellWriter write = PlainCell);

// A standard value written out in full: the string's own writer, one rule
// for every kind ("1820", "0,91").
using circuit_text::ExactDecimal;

// Names in the order given, a name continuing the one before (same letters,
// number one higher) joining its run: "P40–P46", "S1, H4–H8", "X".
std::string NameRuns(const std::vector<std::string>& names);

// Switch lugs, ascending, as runs: "1", "1, 5", "41–47".
std::string LugRuns(const std::vector<int>& lugs);

}  // namespace circuit_text
