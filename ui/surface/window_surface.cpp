// The window's kept image and the operations that redraw it.
#include "ui/surface/window_surface.h"

namespace surface {

WindowSurface::WindowSurface(const QFont& typeface)
    : PainterSurface(typeface), image_(1, 1, QImage::Format_ARGB32_Premultiplied) {
  image_.fill(Qt::white);
  kept_ = settingsNow();
}

OpList WindowSurface::settingsNow() const {
  OpList settings;
  settings.reserve(3);
  Append(settings, ScaleOp{scale()});
  Append(settings, PenWidthOp{penWidth()});
  Append(settings, FontSizeOp{fontSize()});
  return settings;
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
  const OpList kept = kept_;
  clear();
  Replay(kept, *this);
  kept_ = kept;
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

void WindowSurface::doClear() {
  PainterSurface::doClear();
  kept_ = settingsNow();
}

void WindowSurface::doSetPenWidth(float width) {
  PainterSurface::doSetPenWidth(width);
  Append(kept_, PenWidthOp{width});
}

void WindowSurface::doLine(LineMode mode, PointF from, PointF to, Rgb color) {
  PainterSurface::doLine(mode, from, to, color);
  Append(kept_, LineOp{mode, from, to, color});
}

void WindowSurface::doSetFontSize(float points) {
  PainterSurface::doSetFontSize(points);
  Append(kept_, FontSizeOp{points});
}

void WindowSurface::doSetTextPosition(PointF at) {
  PainterSurface::doSetTextPosition(at);
  Append(kept_, TextPositionOp{at});
}

void WindowSurface::doPrintText(PointF at, const std::string& text) {
  PainterSurface::doPrintText(at, text);
  Append(kept_, TextOp{at, text});
}

void WindowSurface::doSetScale(const Scale& scale) {
  PainterSurface::doSetScale(scale);
  Append(kept_, ScaleOp{scale});
}

}  // namespace surface
