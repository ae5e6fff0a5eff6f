// Columns of the deviation chart.
#include "ui/deviation_chart.h"

namespace ui {

float DeviationColumn(int16_t p, int16_t numPositions) {
  const int16_t intervals = static_cast<int16_t>(numPositions - 2);
  if (intervals <= 0) return kChartLeft;
  const float across = kChartRight - kChartLeft;
  return kChartLeft + across * static_cast<float>(p) / static_cast<float>(intervals);
}

}  // namespace ui
