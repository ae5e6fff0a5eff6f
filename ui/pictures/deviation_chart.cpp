// Columns, grid and markers of the deviation chart.
#include "ui/pictures/deviation_chart.h"

#include <cmath>

#include "notation/eng_notation.h"
#include "ui/pictures/ink.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;
using surface::Rgb;

constexpr Rgb kRed = 0xFF0000;          // the 5% set
constexpr Rgb kGreen = 0x00FF00;        // the 1% set
constexpr float kGridStep = 0.2f;       // dB between grid lines
constexpr float kLabelRaise = 100.0f;   // labels sit this far above their line
constexpr float kNumberShift = 100.0f;  // numbers start this far left of their column
constexpr float kMarker5Half = 45.0f;   // outline square 90 units wide
constexpr float kMarker1Half = 30.0f;   // filled square 60 units wide

}  // namespace

// The deviation window's chart: 2500 units per dB, 0 dB at y = 3500, so the
// frame runs from y = 1000 to 6000; pens in pixels of an 800 x 600 screen.
constinit const DeviationChartLayout kDeviationWindowChart{
    .zeroY = 3500.0f,
    .unitsPerDb = 2500.0f,
    .framePen = 3.0f,
    .zeroLinePen = 3.0f,  // the frame's
    .gridPen = 1.0f,
    .firstColumnLine = 0,  // a column line at every position
    .numbersY = 6300.0f,
    .labelX = 2200.0f,
    .positionCaption = {5500.0f, 6600.0f},
    .lessAtten = {1000.0f, 900.0f},
    .moreAtten = {1000.0f, 5900.0f},
};

float DeviationColumn(int16_t p, int16_t numPositions) {
  const int16_t intervals = static_cast<int16_t>(numPositions - 2);
  if (intervals <= 0) return kChartLeft;
  const float across = kChartRight - kChartLeft;
  return kChartLeft + across * static_cast<float>(p) / static_cast<float>(intervals);
}

void DrawDeviationChart(surface::Surface& target, design::DesignState& state,
                        const DeviationChartLayout& layout) {
  const int16_t n = state.NumPositions;
  const float top = layout.zeroY - layout.unitsPerDb;
  const float bottom = layout.zeroY + layout.unitsPerDb;
  // y of a deviation of d dB (realised minus target).
  const auto rowOf = [&layout](float d) { return layout.zeroY + layout.unitsPerDb * d; };

  target.setPenWidth(layout.framePen);
  target.line(LineMode::OutlineBox, PointF{kChartLeft, top}, PointF{kChartRight, bottom}, kBlack);
  if (layout.zeroLinePen != layout.framePen) target.setPenWidth(layout.zeroLinePen);
  target.line(LineMode::Line, PointF{kChartLeft, layout.zeroY}, PointF{kChartRight, layout.zeroY},
              kBlack);
  target.setPenWidth(layout.gridPen);

  for (int16_t p = layout.firstColumnLine; p <= n - 2; ++p) {
    const float x = DeviationColumn(p, n);
    target.line(LineMode::Line, PointF{x, top}, PointF{x, bottom}, state.DrawColor);
  }
  target.printAt(layout.positionCaption, "Position");
  for (int16_t p = 0; p <= n - 2; ++p) {
    target.setTextPosition(PointF{DeviationColumn(p, n) - kNumberShift, layout.numbersY});
    target.printNumber(p + 1);
  }

  // The grid every 0.2 dB: a single-precision sum, so the middle value is a
  // few 1e-8 off zero and the last is just below 1, still inside the loop.
  for (float d = -1.0f; d <= 1.0f; d = d + kGridStep) {
    target.line(LineMode::Line, PointF{kChartLeft, rowOf(d)}, PointF{kChartRight, rowOf(d)},
                kBlack);
  }
  target.printAt(layout.lessAtten, "Less atten");
  target.printAt(layout.moreAtten, "More atten");
  for (float d = -1.0f; d <= 1.0f; d = d + kGridStep) {
    notation::FormatEng(d, state.FmtText);
    const char* unit = std::fabs(d) < 0.001f ? "dB" : "";
    target.printAt(PointF{layout.labelX, rowOf(d) - kLabelRaise}, state.FmtText + unit);
  }

  // The 1% markers go on top of the 5% ones.
  const auto markers = [&](const design::Column& realised, float half, LineMode mode, Rgb colour) {
    for (int16_t p = 0; p <= n - 2; ++p) {
      const float x = DeviationColumn(p, n);
      const float y = rowOf(realised[p] - state.TargetAtten[p]);
      if (!std::isfinite(y)) continue;
      target.line(mode, PointF{x - half, y - half}, PointF{x + half, y + half}, colour);
    }
  };
  markers(state.Atten5Pct, kMarker5Half, LineMode::OutlineBox, kRed);
  markers(state.Atten1Pct, kMarker1Half, LineMode::FilledBox, kGreen);
}

}  // namespace ui
