// The E96 and E24 series of IEC 60063 written out as the tests' own oracle,
// independent of the tables the rounding searches.
#pragma once

#include <cmath>
#include <vector>

namespace testing_support {

// The three-digit mantissas of one decade.
inline const std::vector<int> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
inline const std::vector<int> kE24 = {100, 110, 120, 130, 150, 160, 180, 200,
                                      220, 240, 270, 300, 330, 360, 390, 430,
                                      470, 510, 560, 620, 680, 750, 820, 910};

// Whether `value` is a standard value of the series to within the few units
// of the seventh digit that single-precision decades leave.
inline bool IsStandardValue(double value, const std::vector<int>& mantissas) {
  if (!(value > 0.0) || !std::isfinite(value)) return false;
  const double decade = std::pow(10.0, std::floor(std::log10(value)) - 2.0);
  for (double scale : {decade / 10.0, decade, decade * 10.0}) {
    for (int m : mantissas) {
      if (std::fabs(value - m * scale) <= value * 2e-6) return true;
    }
  }
  return false;
}

}  // namespace testing_support
