// The current point and mirroring that every drawing surface shares.
#include "ui/surface/surface.h"

namespace surface {

void Surface::clear() {
  current_ = PointF{};
  doClear();
  if (mirror_) mirror_->clear();
}

void Surface::setPenWidth(float width) {
  doSetPenWidth(width);
  if (mirror_) mirror_->setPenWidth(width);
}

void Surface::line(LineMode mode, PointF from, PointF to, Rgb color) {
  const PointF start = mode == LineMode::Continued ? current_ : from;
  doLine(mode, start, to, color);
  current_ = to;
  if (mirror_) mirror_->line(mode, from, to, color);
}

void Surface::setFontSize(float points) {
  doSetFontSize(points);
  if (mirror_) mirror_->setFontSize(points);
}

void Surface::setTextPosition(PointF at) {
  current_ = at;
  doSetTextPosition(at);
  if (mirror_) mirror_->setTextPosition(at);
}

void Surface::printText(const std::string& text) {
  doPrintText(current_, text);
  if (mirror_) mirror_->printText(text);
}

void Surface::printNumber(long value) {
  const std::string digits = std::to_string(value);
  printText(value < 0 ? digits : " " + digits);
}

void Surface::setScale(const Scale& scale) {
  doSetScale(scale);
  if (mirror_) mirror_->setScale(scale);
}

}  // namespace surface
