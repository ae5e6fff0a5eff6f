// The in-circuit deviation chart: how far the design's E96 set and the
// load-compensated E96 set stray from the target steps into the load, with
// the compensated set's tolerance band and a legend. One routine draws it on
// the window, the printed page and the recording surface.
#pragma once

#include "circuit/analysis.h"
#include "circuit/string_analysis.h"
#include "ui/surface/surface.h"

namespace ui {

// Okabe-Ito colours, told apart with the common colour-vision deficiencies;
// each series also has its own marker shape.
inline constexpr surface::Rgb kDesignedColour = 0xD55E00;     // vermillion, hollow squares
inline constexpr surface::Rgb kCompensatedColour = 0x0072B2;  // blue, filled squares
inline constexpr surface::Rgb kBandColour = 0xE69F00;         // orange, bars with end caps
inline constexpr surface::Rgb kGridColour = 0xC8C8C8;

// Where and how large the chart is drawn, in the surface's units; pen widths
// are the surface's pen dots.
struct CircuitChartLayout {
  float left = 0, top = 0, right = 0, bottom = 0;  // the frame
  float textPoints = 7.0f;
  float unitsPerPoint = 20.0f;  // height of one point of text, units
  float framePen = 2.0f;
  float gridPen = 1.0f;
  float seriesPen = 1.0f;
  float bandPen = 3.0f;
  float marker = 45.0f;  // half the side of a marker, units
};

// Half the height of the dB scale: 1 dB, or the smallest of 2, 5, 10, 20,
// 50 ... that holds every deviation and band edge drawn (ScaleHalfRange).
double ChartHalfRangeDb(const circuit::CircuitAnalysis& analysis);

// Draws the chart of `analysis` (positions 0 .. N - 2 across the frame, more
// attenuation downwards) with its title above the frame, the position
// numbers, the dB labels and the legend below. Draws the frame and a note
// alone when there is no design. Every coordinate drawn is finite.
void DrawInCircuitChart(surface::Surface& surface, const circuit::CircuitAnalysis& analysis,
                        const CircuitChartLayout& layout);

// The same chart for a ladder, shunt or relay ladder: the positions (codes)
// with output across, the first set filled, the second outlined, the first
// set's band; the note alone when the analysis holds no attenuator.
void DrawKindChart(surface::Surface& surface, const circuit::KindAnalysis& analysis,
                   const CircuitChartLayout& layout);

}  // namespace ui
