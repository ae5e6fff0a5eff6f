// Keeping each drawing operation as a value.
#include "ui/surface/recording_surface.h"

namespace surface {
namespace {

constexpr float kDevicePoints = 600.0f;  // across
constexpr float kCharacterEms = 0.6f;

}  // namespace

float RecordedTextWidth(const std::string& text, float points, const Scale& scale) {
  std::size_t characters = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;  // not a continuation byte
  }
  return static_cast<float>(characters) * kCharacterEms * points * (scale.width / kDevicePoints);
}

void RecordingSurface::doClear() { Append(ops_, ClearOp{}); }

void RecordingSurface::doSetPenWidth(float width) { Append(ops_, PenWidthOp{width}); }

void RecordingSurface::doLine(LineMode mode, PointF from, PointF to, Rgb color) {
  Append(ops_, LineOp{mode, from, to, color});
}

void RecordingSurface::doSetFontSize(float points) {
  points_ = points;
  Append(ops_, FontSizeOp{points});
}

void RecordingSurface::doSetTextPosition(PointF at) { Append(ops_, TextPositionOp{at}); }

void RecordingSurface::doPrintText(PointF at, const std::string& text) {
  Append(ops_, TextOp{at, text});
}

void RecordingSurface::doSetScale(const Scale& scale) {
  scale_ = scale;
  Append(ops_, ScaleOp{scale});
}

float RecordingSurface::doTextWidth(const std::string& text) const {
  return measure_ ? measure_(text, points_, scale_) : RecordedTextWidth(text, points_, scale_);
}

}  // namespace surface
