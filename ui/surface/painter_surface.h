// The drawing operations carried out with a QPainter, shared by the window's
// kept image and the printer page.
#pragma once

#include <functional>

#include <QFont>
#include <QPointF>
#include <QSizeF>

#include "ui/surface/surface.h"

class QPaintDevice;
class QPainter;

namespace surface {

// The pixel size text at `points` is set in, on a device of `dotsPerPoint`
// pixels per point: whole pixels, at least one.
int TextPixelSize(float points, double dotsPerPoint);

// How far `text` set in `typeface` at `pixelSize` advances on `device`,
// device pixels.
double DeviceTextWidth(const QFont& typeface, int pixelSize, const std::string& text,
                       const QPaintDevice* device);

// Maps the logical scale onto the whole device area and draws there in device
// pixels. Fonts are sized in device pixels from the point size, so a point
// stays a point (times the surface's zoom) whatever the logical scale is.
class PainterSurface : public Surface {
 public:
  explicit PainterSurface(const QFont& typeface);

 protected:
  // Runs `draw` with a painter on the device, untransformed (device pixels).
  virtual void paint(const std::function<void(QPainter&)>& draw) = 0;
  virtual QSizeF deviceSize() const = 0;
  virtual double dotsPerPoint() const = 0;   // device pixels per point of text
  virtual double dotsPerPenDot() const = 0;  // device pixels per unit of pen width
  virtual const QPaintDevice* paintDevice() const = 0;  // where text is measured

  void doClear() override;
  void doSetPenWidth(float width) override;
  void doLine(LineMode mode, PointF from, PointF to, Rgb color) override;
  void doSetFontSize(float points) override;
  void doSetTextPosition(PointF at) override;
  void doPrintText(PointF at, const std::string& text) override;
  void doSetScale(const Scale& scale) override;
  float doTextWidth(const std::string& text) const override;

  const Scale& scale() const { return scale_; }
  float penWidth() const { return penWidth_; }
  float fontSize() const { return fontPoints_; }
  QPointF toDevice(PointF point) const;

 private:
  QFont typeface_;
  // The typeface at the last text size used, and its ascent (device pixels):
  // looking a font up is dearer than drawing a short text with it.
  QFont textFont_;
  int textPixels_ = 0;
  double textAscent_ = 0.0;
  Scale scale_;
  float penWidth_ = 1.0f;  // device dots
  float fontPoints_;
};

}  // namespace surface
