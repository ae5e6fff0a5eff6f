// The schematic: the resistor symbol, and the whole string with its value
// columns as the design window and the printed page both draw it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "design/design_state.h"
#include "ui/surface/surface.h"

namespace ui {

// Draws one resistor with the switch contact at its top junction (X, Y):
// the tap and its contact square (fixed size), a lead down, a six-vertex
// zigzag and a lead down to (X, Y + 720 S), the next junction. Everything but
// the tap and contact is scaled by S horizontally and vertically. Coordinates
// are singles formed in the order X + offset x S; X and Y are only read.
void DrawResistorSymbol(surface::Surface& target, const float& X, const float& Y, float S,
                        surface::Rgb color);

// Draws one resistor symbol with its top junction at (X, Y) on the surface
// being drawn: the design window's DrawResistor or PrintResistor.
using ResistorDrawer = std::function<void(const float& X, const float& Y)>;

// The columns of one rounded set: its values with their heading, and the
// attenuations they realise.
struct RoundedColumns {
  int16_t tolerance;  // 5 or 1 (percent)
  float valuesX;
  float headingX;
  float realisedX;
};

// Where a surface puts the schematic and its columns (units of its scale).
// The junction of position 0 lies at (stringX, 800) on every surface, and
// the junctions stand 720 x Spacing apart.
struct SchematicLayout {
  float leadX;    // left end of the input lead
  float stringX;  // the resistor column
  float targetX;  // target attenuations
  float idealX;   // ideal values, their heading and total
  // Text size set before the columns; empty where the surface's own size
  // already holds (the page sets its text size with the page).
  std::optional<float> textPoints;
  // Value columns first, in this order, then realised columns in this order.
  std::span<const RoundedColumns> rounded;
};

// Where the design window puts the schematic: the column at x = 6300 on the
// right half of the window, 6-point text, and the columns of the rounded set
// `tolType` selects (5 or 1; none for 0, ideal values only).
SchematicLayout DesignWindowSchematic(int16_t tolType);

// Where the printed page puts it: moved left to x = 2500, with both sets.
extern const SchematicLayout kReportSchematic;

// Draws the string of the design in `state` (the input lead, one symbol per
// resistor through `drawResistor`, the taps, the ground line and its contact)
// and prints the target, ideal and rounded columns beside it. Sets Spacing by
// the column rule first. Writes the target attenuations and ideal values it
// prints back into the state, computed as the design run computes them, so
// they keep their values; leaves PenX and PenY at the bottom junction and
// FmtText holding the last value printed.
void DrawSchematicWithColumns(surface::Surface& target, design::DesignState& state,
                              const SchematicLayout& layout, const ResistorDrawer& drawResistor);

}  // namespace ui
