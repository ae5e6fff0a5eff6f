// The circuit charts' 1-2-5 dB scale.
#include "ui/pictures/chart_scale.h"

#include <cmath>

namespace ui {
namespace {

constexpr int kLastDecade = 20;  // the scale ends at 1e20 dB

// m x 10^decade, as close to the decimal as a double comes: a power of ten
// below one divides rather than multiplies (0.1 is 1 / 10, not 1 x 0.1).
double Scaled(double m, int decade) {
  return decade >= 0 ? m * std::pow(10.0, decade) : m / std::pow(10.0, -decade);
}

}  // namespace

double ScaleHalfRange(double largest, double least) {
  if (!std::isfinite(largest)) largest = 0.0;
  const int first = static_cast<int>(std::floor(std::log10(least) + 1e-9));
  for (int decade = first; decade <= kLastDecade; ++decade) {
    for (const double m : {1.0, 2.0, 5.0}) {
      const double half = Scaled(m, decade);
      if (half >= least && half >= largest) return half;
    }
  }
  return Scaled(1.0, kLastDecade);
}

double ScaleHalfRange(std::initializer_list<const std::vector<double>*> series, double least) {
  double largest = 0.0;
  for (const std::vector<double>* values : series) {
    for (const double v : *values) {
      if (std::isfinite(v)) largest = std::fmax(largest, std::fabs(v));
    }
  }
  return ScaleHalfRange(largest, least);
}

double ScaleGridStep(double halfRange) {
  const double decade = std::pow(10.0, std::floor(std::log10(halfRange) + 1e-9));
  const double leading = std::round(halfRange / decade);
  return leading == 2.0 ? halfRange / 4.0 : halfRange / 5.0;
}

}  // namespace ui
