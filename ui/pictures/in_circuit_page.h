// The printed in-circuit pages: the design and analysis inputs, the table and
// the chart on one portrait page, the parts and build lists on another.
#pragma once

#include <string>
#include <vector>

#include "circuit/string_analysis.h"
#include "design/design_state.h"
#include "ui/surface/surface.h"

namespace ui {

// How many pages `analysis` prints on: 0 when it holds no string; the
// analysis and the parts list, with the table's rows beyond the first
// page's 25 on a page between them.
int InCircuitPageCount(const circuit::CircuitAnalysis& analysis);

// Draws page `pageIndex` (from 0) in page units (12000 across, 16000 down,
// starting with the page set-up), 7 pt or larger inside a margin, "Page i of
// n" at its foot beside `date`. The first page: the design, read from
// `state` and never written, every input (the law as `lawText`), the
// summary, the table as the window shows it, its columns measured on `page`
// so that no two texts touch, and the chart below; the last: the parts list
// of each set and the build list. Every number is written with `separator`.
// Returns false and draws nothing for a page the analysis does not have.
bool DrawInCircuitPage(surface::Surface& page, int pageIndex, const design::DesignState& state,
                       const circuit::CircuitAnalysis& analysis, const std::string& lawText,
                       char separator, const std::string& date);

// The lines above the table that say what was analysed, also shown by the
// window: the design and the four inputs, numbers written with `separator`
// (the summary below them is circuit_text::SummaryLines).
std::string DesignLine(const design::DesignState& state, char separator);
std::string InputsLine(const circuit::CircuitInputs& inputs, char separator);
// The string analysed: total, positions, the law in its canonical text
// (written with `separator` already), the two series and whether balanced.
std::string StringLine(const circuit::CircuitAnalysis& analysis, const std::string& lawText,
                       char separator);

}  // namespace ui
