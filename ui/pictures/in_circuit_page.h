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
// page set-up): the design it analyses, read from `state` and never written,
// the four inputs, the worst step errors, every row of the table as the Copy
// key writes it (decimal separator `separator`), the chart, and `date` at
// the foot. Returns false and draws nothing when `analysis` holds no design.
bool DrawInCircuitPage(surface::Surface& page, const design::DesignState& state,
                       const design::CircuitAnalysis& analysis, char separator,
                       const std::string& date);

// The lines above the table that say what was analysed, also shown by the
// window: the design, the four inputs, and the worst step errors.
std::string DesignLine(const design::DesignState& state);
std::string InputsLine(const design::CircuitInputs& inputs);
// The summary as short sentences: the window shows one a line, the page runs
// them together.
std::vector<std::string> SummaryLines(const design::CircuitAnalysis& analysis, char separator);

}  // namespace ui
