// Lines, boxes and text on a QPainter device, in logical units.
#include "ui/surface/painter_surface.h"

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>

namespace surface {
namespace {

constexpr float kFallbackPoints = 10.0f;

QColor ToColor(Rgb rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

int TextPixelSize(float points, double dotsPerPoint) {
  return std::max(1, static_cast<int>(std::lround(static_cast<double>(points) * dotsPerPoint)));
}

double DeviceTextWidth(const QFont& typeface, int pixelSize, const std::string& text,
                       const QPaintDevice* device) {
  QFont font = typeface;
  font.setPixelSize(pixelSize);
  // The paint device's own metrics: a printer's differ from a screen's.
  return QFontMetricsF(font, device).horizontalAdvance(QString::fromStdString(text));
}

PainterSurface::PainterSurface(const QFont& typeface)
    : typeface_(typeface),
      fontPoints_(typeface.pointSizeF() > 0 ? static_cast<float>(typeface.pointSizeF())
                                            : kFallbackPoints) {}

QPointF PainterSurface::toDevice(PointF point) const {
  const QSizeF device = deviceSize();
  return {(static_cast<double>(point.x) - scale_.left) * device.width() / scale_.width,
          (static_cast<double>(point.y) - scale_.top) * device.height() / scale_.height};
}

void PainterSurface::doClear() {
  const QSizeF device = deviceSize();
  paint([&](QPainter& painter) {
    painter.fillRect(QRectF(QPointF(0, 0), device), Qt::white);
  });
}

void PainterSurface::doSetPenWidth(float width) { penWidth_ = width; }

void PainterSurface::doLine(LineMode mode, PointF from, PointF to, Rgb color) {
  const QPointF a = toDevice(from);
  const QPointF b = toDevice(to);
  const QColor colour = ToColor(color);
  // Whole device dots: a line keeps one even weight wherever it falls, and
  // one-dot lines take the rasteriser's fast path instead of the stroker.
  const double width =
      std::max(1.0, std::round(static_cast<double>(penWidth_) * dotsPerPenDot()));
  paint([&](QPainter& painter) {
    if (mode == LineMode::FilledBox) {
      painter.fillRect(QRectF(a, b).normalized(), colour);
      return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (mode == LineMode::OutlineBox) {
      painter.drawRect(QRectF(a, b).normalized());
    } else {
      painter.drawLine(a, b);
    }
  });
}

void PainterSurface::doSetFontSize(float points) { fontPoints_ = points; }

void PainterSurface::doSetTextPosition(PointF) {}

void PainterSurface::doPrintText(PointF at, const std::string& text) {
  const int pixelSize = TextPixelSize(fontPoints_, dotsPerPoint());
  if (pixelSize != textPixels_) {
    textFont_ = typeface_;
    textFont_.setPixelSize(pixelSize);
    textPixels_ = pixelSize;
    textAscent_ = QFontMetricsF(textFont_).ascent();
  }
  const QPointF topLeft = toDevice(at);
  const double ascent = textAscent_;
  const QFont& font = textFont_;
  paint([&](QPainter& painter) {
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + ascent), QString::fromStdString(text));
  });
}

void PainterSurface::doSetScale(const Scale& scale) { scale_ = scale; }

float PainterSurface::doTextWidth(const std::string& text) const {
  const double pixels =
      DeviceTextWidth(typeface_, TextPixelSize(fontPoints_, dotsPerPoint()), text, paintDevice());
  return static_cast<float>(pixels * scale_.width / deviceSize().width());
}

}  // namespace surface
