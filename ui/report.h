// The printed report: the design's schematic, value columns, deviation chart
// and footer, drawn on one portrait page.
#pragma once

#include <functional>
#include <string>

#include "design/design_state.h"
#include "ui/surface/surface.h"

namespace ui {

// The maker's web address in the footer (.example is reserved, RFC 2606).
inline constexpr const char* kMakerAddress = "www.kestrix.example";

// Draws one resistor symbol with its top junction at (X, Y) on the page; the
// design window's PrintResistor. X and Y are only read.
using ResistorPrinter = std::function<void(const float& X, const float& Y)>;

// The footer's date: today, in the user's short date format.
std::string ReportDate();

// Draws the whole report of the design that the last design run left in
// `state` onto `page`, in page units (x 0 .. 12000 left to right, y -1000 ..
// 15000 top to bottom), starting with the page set-up. The schematic goes
// through `PrintResistor`, which must draw on the same page. `date` ends the
// footer line.
//
// Reads the inputs, the rounded sets, their sums and realised attenuations;
// never TolType. Stores TargetAtten(0 .. N - 2) and IdealR(1 .. N - 2) again by
// the design run's rules (so their values do not change) and leaves working
// values in Spacing, PenX, PenY and FmtText. A design of two positions has a
// chart of one point, at the frame's left edge. A state holding no design
// (fewer than 2 or more than 25 positions) draws nothing and returns false.
bool DrawReport(surface::Surface& page, design::DesignState& state,
                const ResistorPrinter& PrintResistor, const std::string& date);

}  // namespace ui
