// The resistor symbol of the schematic, drawn the same on every surface.
#pragma once

#include "ui/surface/surface.h"

namespace ui {

// Draws one resistor with the switch contact at its top junction (X, Y):
// the tap and its contact square (fixed size), a lead down, a six-vertex
// zigzag and a lead down to (X, Y + 720 S), the next junction. Everything but
// the tap and contact is scaled by S horizontally and vertically. Coordinates
// are singles formed in the order X + offset x S; X and Y are only read.
void DrawResistorSymbol(surface::Surface& target, const float& X, const float& Y, float S,
                        surface::Rgb color);

}  // namespace ui
