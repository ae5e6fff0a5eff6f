// The background rows and their fast painting.
#include "app/background.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace app {
namespace {

int16_t HoldToComponent(float value) {
  return static_cast<int16_t>(std::clamp(value, 1.0f, 255.0f));
}

}  // namespace

RowColour BackgroundColour(float y) {
  // Single precision throughout; nearbyint rounds halves to even in the
  // default rounding mode (row 2550 gives 10.5, shown as 10).
  const float blue = y * 390.0f / 9000.0f - 100.0f;
  return RowColour{HoldToComponent(1.0f), HoldToComponent(1.0f),
                   HoldToComponent(std::nearbyint(blue))};
}

BackgroundRows BackgroundColours() {
  BackgroundRows rows{};
  float y = 1.0f;
  for (uint32_t& row : rows) {
    const RowColour colour = BackgroundColour(y);
    row = static_cast<uint32_t>(colour.red) << 16 | static_cast<uint32_t>(colour.green) << 8 |
          static_cast<uint32_t>(colour.blue);
    y = y + 1.0f;
  }
  return rows;
}

void PaintBackground(QImage& image, const BackgroundRows& rows, double lineEndX) {
  if (image.isNull()) return;
  if (image.format() != QImage::Format_ARGB32_Premultiplied &&
      image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  const int height = image.height();
  // A one-pixel line at device height d lands in pixel row floor(d); the
  // last line to land in a row decides its colour.
  std::vector<int> lastLine(static_cast<std::size_t>(height), -1);
  for (int y = 1; y <= kBackgroundRows; ++y) {
    const double row = std::floor(y * static_cast<double>(height) / kBackgroundRows);
    if (row >= 0 && row < height) lastLine[static_cast<std::size_t>(row)] = y - 1;
  }
  // An aliased line from x = 0 to x = end covers the pixel columns 0 .. floor(end).
  const double end = std::floor(lineEndX);
  if (end < 0) return;
  const int columns = end >= image.width() ? image.width() : static_cast<int>(end) + 1;
  for (int r = 0; r < height; ++r) {
    if (lastLine[static_cast<std::size_t>(r)] < 0) continue;
    const uint32_t pixel = 0xFF000000u | rows[static_cast<std::size_t>(lastLine[static_cast<std::size_t>(r)])];
    auto* line = reinterpret_cast<uint32_t*>(image.scanLine(r));
    std::fill(line, line + columns, pixel);
  }
}

}  // namespace app
