// The window's kept image and the operations that redraw it.
#include "ui/surface/window_surface.h"

namespace surface {

WindowSurface::WindowSurface(const QFont& typeface)
    : PainterSurface(typeface), image_(1, 1, QImage::Format_ARGB32_Premultiplied) {
  image_.fill(Qt::white);
  keepSettingsNow();
}

void WindowSurface::keepSettingsNow() {
  kept_.forget();
  kept_.setScale(scale());
  kept_.setPenWidth(penWidth());
  kept_.setFontSize(fontSize());
}

const QImage& WindowSurface::image() const {
  finishPainting();
  return image_;
}

void WindowSurface::finishPainting() const { painter_.reset(); }

void WindowSurface::resize(QSize deviceSize, double dotsPerPoint, double dotsPerPenDot) {
  finishPainting();
  image_ = QImage(deviceSize.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  dotsPerPoint_ = dotsPerPoint;
  dotsPerPenDot_ = dotsPerPenDot;
  const OpList kept = kept_.ops();
  clear();
  Replay(kept, *this);
}

void WindowSurface::paint(const std::function<void(QPainter&)>& draw) {
  if (!painter_) {
    painter_.emplace(&image_);
    freshHints_ = painter_->renderHints();
  } else {
    // Each operation starts from the hints of a fresh painter, as if it had
    // one of its own; pen, brush and font it sets itself.
    painter_->setRenderHints(~freshHints_, false);
    painter_->setRenderHints(freshHints_, true);
  }
  draw(*painter_);
}

// Each operation is drawn, then kept through the recorder, which sees the
// same current point and so keeps exactly what was drawn.
void WindowSurface::doClear() {
  PainterSurface::doClear();
  keepSettingsNow();
}

void WindowSurface::doSetPenWidth(float width) {
  PainterSurface::doSetPenWidth(width);
  kept_.setPenWidth(width);
}

void WindowSurface::doLine(LineMode mode, PointF from, PointF to, Rgb color) {
  PainterSurface::doLine(mode, from, to, color);
  kept_.line(mode, from, to, color);
}

void WindowSurface::doSetFontSize(float points) {
  PainterSurface::doSetFontSize(points);
  kept_.setFontSize(points);
}

void WindowSurface::doSetTextPosition(PointF at) {
  PainterSurface::doSetTextPosition(at);
  kept_.setTextPosition(at);
}

void WindowSurface::doPrintText(PointF at, const std::string& text) {
  PainterSurface::doPrintText(at, text);
  kept_.printText(text);
}

void WindowSurface::doSetScale(const Scale& scale) {
  PainterSurface::doSetScale(scale);
  kept_.setScale(scale);
}

}  // namespace surface
