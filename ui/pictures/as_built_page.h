// The printed as-built pages: the surroundings, the summary, the chart and
// the table of fitted values, on one portrait page, the table on a second
// one when the string has more positions than the first page holds.
#pragma once

#include <string>

#include "circuit/as_built.h"
#include "circuit/string_analysis.h"
#include "ui/surface/surface.h"

namespace ui {

// Positions the first page's table holds; a longer string's table goes on a
// page of its own.
inline constexpr int kAsBuiltRowsOnFirstPage = 25;

// How many pages `analysis` prints on: 0 when it holds no string.
int AsBuiltPageCount(const circuit::AsBuiltAnalysis& analysis);

// Draws page `pageIndex` (0 or 1) in page units (12000 across, 16000 down,
// starting with the page set-up): the surroundings `circuit` was computed
// in, the summary, the chart and the table of `fitted` as the window shows
// it, a row a resistor, its columns measured on `page` so that no two texts
// touch; every number written with `separator`; `date` and "Page i of n" at
// the foot. Returns false and draws nothing for a page the analysis does
// not have.
bool DrawAsBuiltPage(surface::Surface& page, int pageIndex, const circuit::CircuitAnalysis& circuit,
                     const circuit::AsBuiltAnalysis& analysis, const circuit::FittedStrings& fitted,
                     char separator, const std::string& date);

// What was analysed, as the window and the page head it: positions, balanced
// or single-ended, the first set's series, load, source, cable.
std::string AsBuiltSurroundingsText(const circuit::CircuitAnalysis& circuit, char separator);

}  // namespace ui
