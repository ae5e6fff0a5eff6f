// A small schematic of the ladder, the shunt or the relay ladder at one
// switch position, its parts named as the part lists name them.
#pragma once

#include "circuit/analysis.h"
#include "ui/surface/surface.h"

namespace ui {

// Where and how large the picture is drawn, in the surface's units; pen
// widths are the surface's pen dots.
struct KindSchematicLayout {
  float left = 0, top = 0, right = 0, bottom = 0;  // nothing is drawn outside
  float textPoints = 7.0f;
  float unitsPerPoint = 20.0f;  // height of one point of text, units
  float wirePen = 1.0f;         // wires, terminals, ground
  float partPen = 2.0f;         // resistors, switch contacts, wipers
};

// Where the picture's wiring begins and ends.
struct KindSchematicPins {
  bool drawn = false;      // false: nothing but a note, or nothing at all
  surface::PointF input;   // where the input lead leaves its terminal
  surface::PointF output;  // the output node, where the load hangs
  surface::PointF ground;  // where the ground rail leaves its terminal
};

// Draws the attenuator of `analysis` at switch position `position` (held to
// 0 .. Positions - 1), shrunk to fit the layout's rectangle: a caption at
// the top, then the input at the left, the parts of that position, the load
// at the right and the ground rail along the bottom, in black, with text in
// the layout's points.
// - Ladder: S<p> in series, picked by the series deck's wiper; the shunt
//   deck's wiper on the output picks P<p> to ground.
// - Shunt: X in series; the wiper on the output picks Y<p> to ground.
// - Relay ladder: every stage i as S<i> bridged by the contact K<i> and H<i>
//   to ground through a second contact of K<i>, the contacts as the
//   position sets them, then the termination T. When a stage would be too
//   narrow for its names: stages 1 and 2, an ellipsis and the last stage.
// Draws nothing for the series string (the design window's schematic
// draws it), a note alone when the analysis holds no attenuator, and
// nothing when the rectangle cannot hold a readable picture or a measure of
// the layout is not a finite positive size. Every coordinate is finite.
KindSchematicPins DrawKindSchematic(surface::Surface& surface,
                                    const circuit::KindAnalysis& analysis,
                                    const KindSchematicLayout& layout, int position);

}  // namespace ui
