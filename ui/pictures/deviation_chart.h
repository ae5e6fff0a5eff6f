// The deviation chart, on the deviation window and on the printed page alike.
#pragma once

#include <cstdint>

#include "design/design_state.h"
#include "ui/surface/surface.h"

namespace ui {

// The chart frame's left and right edges (units).
inline constexpr float kChartLeft = 3000.0f;
inline constexpr float kChartRight = 9000.0f;

// Column of position p (0 .. N - 2): 3000 + 6000 x p / (N - 2) in single
// precision, so the first position lies on the frame's left edge and the last
// on its right edge. With two positions the rule would divide by zero; the
// single column then lies on the left edge.
float DeviationColumn(int16_t p, int16_t numPositions);

// Where a surface puts the chart (units of its scale) and the pens it uses
// (the surface's pen-width units). The frame spans -1 dB at its top edge to
// +1 dB at its bottom edge across kChartLeft .. kChartRight.
struct DeviationChartLayout {
  float zeroY;       // 0 dB
  float unitsPerDb;  // downward: more attenuation than the target
  float framePen;
  float zeroLinePen;        // the pen is changed for the zero line only when it differs
  float gridPen;            // column lines, grid, markers and text
  int16_t firstColumnLine;  // position of the first column line drawn
  float numbersY;           // position numbers
  float labelX;             // dB labels
  surface::PointF positionCaption;
  surface::PointF lessAtten;
  surface::PointF moreAtten;
};

// Where the deviation window puts the chart (pens in pixels) and where the
// printed page puts it, below the schematic (pens in printer dots).
extern const DeviationChartLayout kDeviationWindowChart;
extern const DeviationChartLayout kReportChart;

// Draws the frame, the zero line, a column per position p = 0 .. N - 2 with
// its number (from 1), the dB grid every 0.2 dB with its labels and the
// markers of the 5% (red outline) and 1% (green filled) sets, from the design
// the last design run left in `state`. Markers are not clipped; a deviation
// that is not a number is left out. Writes only FmtText.
void DrawDeviationChart(surface::Surface& target, design::DesignState& state,
                        const DeviationChartLayout& layout);

}  // namespace ui
