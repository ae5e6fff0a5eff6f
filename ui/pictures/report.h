// The printed report: the design's schematic, value columns, deviation chart
// and footer, drawn on one portrait page.
#pragma once

#include <string>

#include "design/design_state.h"
#include "ui/pictures/schematic.h"
#include "ui/surface/surface.h"

namespace ui {

// The maker's web address in the footer (.example is reserved, RFC 2606).
inline constexpr const char* kMakerAddress = "www.kestrix.example";

// Draws the whole report of the design that the last design run left in
// `state` onto `page`, in page units (x 0 .. 12000 left to right, y -1000 ..
// 15000 top to bottom), starting with the page set-up. The schematic goes
// through `PrintResistor`, which must draw on the same page. `date` ends the
// footer line.
//
// Reads the inputs, the rounded sets, their sums and realised attenuations;
// never TolType, so the page shows both sets whichever the window shows.
// Writes the target and ideal columns back with the values they already hold,
// and leaves working values in Spacing, PenX, PenY and FmtText. A design of
// two positions has a chart of one point, at the frame's left edge. A state
// holding no design (fewer than 2 or more than 25 positions) draws nothing and
// returns false.
bool DrawReport(surface::Surface& page, design::DesignState& state,
                const ResistorDrawer& PrintResistor, const std::string& date);

}  // namespace ui
