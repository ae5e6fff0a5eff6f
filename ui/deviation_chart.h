// Where the deviation chart puts its switch positions, on the window and on
// the printed page alike.
#pragma once

#include <cstdint>

namespace ui {

// The chart frame's left and right edges (units).
inline constexpr float kChartLeft = 3000.0f;
inline constexpr float kChartRight = 9000.0f;

// Column of position p (0 .. N - 2): 3000 + 6000 x p / (N - 2) in single
// precision, so the first position lies on the frame's left edge and the last
// on its right edge. With two positions the rule would divide by zero; the
// single column then lies on the left edge.
float DeviationColumn(int16_t p, int16_t numPositions);

}  // namespace ui
