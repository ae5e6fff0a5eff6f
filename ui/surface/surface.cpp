// The current point that every drawing surface shares.
#include "ui/surface/surface.h"

namespace surface {

void Surface::clear() {
  current_ = PointF{};
  doClear();
}

void Surface::setPenWidth(float width) { doSetPenWidth(width); }

void Surface::line(LineMode mode, PointF from, PointF to, Rgb color) {
  const PointF start = mode == LineMode::Continued ? current_ : from;
  doLine(mode, start, to, color);
  current_ = to;
}

void Surface::setFontSize(float points) { doSetFontSize(points); }

void Surface::printAt(PointF at, const std::string& text) {
  setTextPosition(at);
  printText(text);
}

void Surface::setTextPosition(PointF at) {
  current_ = at;
  doSetTextPosition(at);
}

void Surface::printText(const std::string& text) { doPrintText(current_, text); }

void Surface::printNumber(long value) {
  const std::string digits = std::to_string(value);
  printText(value < 0 ? digits : " " + digits);
}

void Surface::setScale(const Scale& scale) { doSetScale(scale); }

}  // namespace surface
