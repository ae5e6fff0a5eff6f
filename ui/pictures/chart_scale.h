// The dB scale of the circuit charts: a half range of 1, 2 or 5 times a
// power of ten, and a grid step that keeps every label round.
#pragma once

#include <initializer_list>
#include <vector>

namespace ui {

// The smallest of 1, 2 and 5 times a power of ten that is at least `least`
// (itself such a value: 1 dB, 0.1 dB) and holds `largest` (dB, a
// magnitude): 1.2 gives 2, 3 gives 5, 7 gives 10. A `largest` that is not
// finite is taken as nothing; the scale stops at 1e20 dB.
double ScaleHalfRange(double largest, double least);

// The same for the largest finite magnitude among `series`.
double ScaleHalfRange(std::initializer_list<const std::vector<double>*> series, double least);

// The dB between grid lines for a half range from ScaleHalfRange: a fifth
// of it, or a quarter where it is 2 times a power of ten (1 gives 0.2, 2
// gives 0.5, 5 gives 1).
double ScaleGridStep(double halfRange);

}  // namespace ui
