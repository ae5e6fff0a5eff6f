// The pieces every kind's texts share: a part's cell, a series' name as the
// copies write it, an exact standard value, and names or lugs as runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "circuit/analysis.h"
#include "circuit_text/string_table.h"

namespace circuit_text {

// The series of set `set` in lower case ("e96"); a set the analysis lacks
// (no analysis yet) is named as KindSpec's default series for it.
std::string SeriesName(const circuit::KindAnalysis& analysis, std::size_t set);

// The index of the part called `name`, or circuit::kOpen when there is none.
int PartNamed(const circuit::Network& net, std::string_view name);

// The cell of a part slot: part index j as circuit_text::PlainDecimal of
// values[j] (ohms), circuit::kWire as "0", circuit::kOpen (no part) empty.
std::string PartCell(int part, const circuit::PartOhms& values, char separator);

// A standard value written out in full: the string's own writer, one rule
// for every kind ("1820", "0,91").
using circuit_text::ExactDecimal;

// Names in the order given, a name continuing the one before (same letters,
// number one higher) joining its run: "P40–P46", "S1, H4–H8", "X".
std::string NameRuns(const std::vector<std::string>& names);

// Switch lugs, ascending, as runs: "1", "1, 5", "41–47".
std::string LugRuns(const std::vector<int>& lugs);

}  // namespace circuit_text
