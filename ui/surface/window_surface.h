// A window's picture: a kept image that the window shows on every
// repaint, so what was drawn survives covering, minimising and restoring.
#pragma once

#include <optional>

#include <QImage>
#include <QPainter>
#include <QSize>

#include "ui/surface/painter_surface.h"
#include "ui/surface/recording_surface.h"

namespace surface {

// Besides the image, the surface keeps the operations since the last clear, so
// that a new size or pixel density draws the same picture again, sharp.
class WindowSurface : public PainterSurface {
 public:
  explicit WindowSurface(const QFont& typeface);

  // Gives the image `deviceSize` pixels, `dotsPerPoint` pixels per point of
  // text and `dotsPerPenDot` pixels per unit of pen width, and draws the kept
  // operations again, on this surface alone.
  void resize(QSize deviceSize, double dotsPerPoint, double dotsPerPenDot);
  // The picture as drawn so far; any drawing still open on it is finished.
  const QImage& image() const;

 protected:
  void paint(const std::function<void(QPainter&)>& draw) override;
  QSizeF deviceSize() const override { return QSizeF(image_.size()); }
  double dotsPerPoint() const override { return dotsPerPoint_; }
  double dotsPerPenDot() const override { return dotsPerPenDot_; }
  const QPaintDevice* paintDevice() const override { return &image_; }

  void doClear() override;
  void doSetPenWidth(float width) override;
  void doLine(LineMode mode, PointF from, PointF to, Rgb color) override;
  void doSetFontSize(float points) override;
  void doSetTextPosition(PointF at) override;
  void doPrintText(PointF at, const std::string& text) override;
  void doSetScale(const Scale& scale) override;

 private:
  // Starts the kept list afresh with the scale, pen width and font size in
  // force.
  void keepSettingsNow();
  void finishPainting() const;

  QImage image_;
  // One painter serves a run of operations, not one per operation; it is
  // ended before the image is read or replaced.
  mutable std::optional<QPainter> painter_;
  QPainter::RenderHints freshHints_;
  double dotsPerPoint_ = 1.0;
  double dotsPerPenDot_ = 1.0;
  RecordingSurface kept_;
};

}  // namespace surface
