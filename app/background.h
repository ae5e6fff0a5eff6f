// The opening window's background: night black at the top, deepening into
// full blue towards the bottom.
#pragma once

#include <array>
#include <cstdint>

#include <QImage>

namespace app {

inline constexpr int kBackgroundRows = 9000;  // one line per unit of height

struct RowColour {
  int16_t red = 0;
  int16_t green = 0;
  int16_t blue = 0;
  bool operator==(const RowColour&) const = default;
};

// The colour of row `y` (1 .. 9000, in units): red and green 1, blue
// y x 390 / 9000 - 100 in single precision, rounded half to even, each
// component held to 1 .. 255. Blue is 1 down to row 2342 and 255 from 8181.
RowColour BackgroundColour(float y);

// The 9000 row colours, top to bottom, as 0x00RRGGBB.
using BackgroundRows = std::array<uint32_t, kBackgroundRows>;
BackgroundRows BackgroundColours();

// Paints `rows` into `image` exactly as 9000 one-pixel lines would look, drawn
// in order from (0, y) to (`lineEndX`, y) with the 9000 units of height over
// the image's full height: each pixel row takes the colour of the last line
// that falls in it. Pixels beyond the end of the lines are left as they are.
// Writes each pixel once instead of drawing 9000 lines.
void PaintBackground(QImage& image, const BackgroundRows& rows, double lineEndX);

}  // namespace app
