// Passing each operation on to both surfaces.
#include "ui/surface/tee_surface.h"

namespace surface {

void TeeSurface::doClear() {
  first_.clear();
  second_.clear();
}

void TeeSurface::doSetPenWidth(float width) {
  first_.setPenWidth(width);
  second_.setPenWidth(width);
}

void TeeSurface::doLine(LineMode mode, PointF from, PointF to, Rgb color) {
  first_.line(mode, from, to, color);
  second_.line(mode, from, to, color);
}

void TeeSurface::doSetFontSize(float points) {
  first_.setFontSize(points);
  second_.setFontSize(points);
}

void TeeSurface::doSetTextPosition(PointF at) {
  first_.setTextPosition(at);
  second_.setTextPosition(at);
}

// Both print at their own current point, which the calls before put at `at`.
void TeeSurface::doPrintText(PointF, const std::string& text) {
  first_.printText(text);
  second_.printText(text);
}

void TeeSurface::doSetScale(const Scale& scale) {
  first_.setScale(scale);
  second_.setScale(scale);
}

}  // namespace surface
