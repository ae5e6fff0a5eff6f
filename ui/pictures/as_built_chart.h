// The as-built chart: each channel's deviation from the law and the channel
// difference, per position. One routine draws it on the window, the printed
// page and the recording surface.
#pragma once

#include "circuit/as_built.h"
#include "ui/surface/surface.h"

namespace ui {

// Okabe-Ito colours, each series with its own marker shape as well.
inline constexpr surface::Rgb kLeftColour = 0x0072B2;        // blue, filled squares
inline constexpr surface::Rgb kRightColour = 0xD55E00;       // vermillion, hollow squares
inline constexpr surface::Rgb kDifferenceColour = 0x009E73;  // green, crosses

// Where the chart goes, in the surface's units; pens in the surface's dots.
struct AsBuiltChartLayout {
  float left = 0, top = 0, right = 0, bottom = 0;  // the frame
  float textPoints = 7.0f;
  float unitsPerPoint = 20.0f;
  float framePen = 2.0f;
  float seriesPen = 1.5f;
  float marker = 40.0f;  // half a marker's side, units
};

// Half the height of the dB scale: the smallest of 0.1, 0.2, 0.5, 1, 2, 5 ...
// that holds every value drawn (ScaleHalfRange, from 0.1 dB).
double AsBuiltHalfRangeDb(const circuit::AsBuiltAnalysis& analysis);

// Draws positions 0 .. N - 2 across the frame (deviations from 1, the
// difference from 0), more attenuation downwards, with the title, the scale
// (its labels written with `separator`) and a legend below. The frame and a
// note alone when there is nothing to draw. Every coordinate drawn is finite
// and every point lies inside the frame.
void DrawAsBuiltChart(surface::Surface& surface, const circuit::AsBuiltAnalysis& analysis,
                      const AsBuiltChartLayout& layout, char separator);

}  // namespace ui
