// The printed in-circuit page: the design and analysis inputs, the table and
// the chart on one portrait page.
#pragma once

#include <string>
#include <vector>

#include "design/design_state.h"
#include "design/in_circuit.h"
#include "ui/surface/surface.h"

namespace ui {

// Draws the page in page units (12000 across, 16000 down, starting with the
// page set-up), 7 pt or larger inside a margin: the design, read from `state`
// and never written, every input (the law as `lawText`), the summary, every
// row of the table as the Copy key writes it (decimal separator
// `separator`), right-aligned, the chart below, and `date` at the foot. Returns false and draws nothing when `analysis` holds no design.
bool DrawInCircuitPage(surface::Surface& page, const design::DesignState& state,
                       const design::CircuitAnalysis& analysis, const std::string& lawText,
                       char separator, const std::string& date);

// The table's rows beyond the first page's 25, on a page of their own;
// false, drawing nothing, when the first page holds them all.
bool DrawInCircuitMorePage(surface::Surface& page, const design::CircuitAnalysis& analysis,
                           char separator, const std::string& date);
// The parts list of each set and the build list, on a page of their own.
bool DrawPartsPage(surface::Surface& page, const design::CircuitAnalysis& analysis,
                   char separator, const std::string& date);

// The lines above the table that say what was analysed, also shown by the
// window: the design, the four inputs, and the worst step errors.
std::string DesignLine(const design::DesignState& state);
std::string InputsLine(const design::CircuitInputs& inputs);
// The string analysed: total, positions, the law in its canonical text, the
// two series and whether balanced.
std::string StringLine(const design::CircuitAnalysis& analysis, const std::string& lawText);
// The summary, a sentence a line: the insertion loss at full volume, the
// worst deviation of each set and where, the widest band, and a warning
// for each implausible design.
std::vector<std::string> SummaryLines(const design::CircuitAnalysis& analysis, char separator);
// The parts list of each set and its build list (design::BuildLines), a
// line each, values in the window's notation.
std::vector<std::string> PartsLines(const design::CircuitAnalysis& analysis, char separator);

}  // namespace ui
