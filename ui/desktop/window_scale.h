// How a window's layout units, twips and screen pixels relate, and
// how large the window opens on a given screen.
#pragma once

#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace ui {

// The client area as laid out: 11880 x 8490 twips, divided into 12000 x 9000
// design units (0.99 twip across, about 0.9433 twip down).
inline constexpr float kUnitsAcross = 12000.0f;
inline constexpr float kUnitsDown = 9000.0f;
inline constexpr double kClientTwipsWide = 11880.0;
inline constexpr double kClientTwipsHigh = 8490.0;
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPoint = 20.0;
inline constexpr int kTwipsPerPixel = 15;  // the screen measure of the scale rule

// Width and height of a window's client area in scale units on a screen of
// the given size in pixels: 12000 x 12000 / W across and 9000 x 9000 / H down,
// W and H in twips, each formed as (12000 / W) x 12000 in single precision.
// On 800 x 600 pixels this is 12000 x 9000.
struct ScaleUnits {
  float width = 0.0f;
  float height = 0.0f;
};
ScaleUnits ScreenScaleUnits(int screenWidthPixels, int screenHeightPixels);

// Pixels per twip at which a window opens. Taken literally the scale
// rule enlarges the drawing by W / 800 inside a window of fixed size, which
// runs the drawing off the window on nearly every screen. Instead the window
// itself grows by that factor (the client area always holds 12000 x 9000
// units), limited so that it fits comfortably inside `available` (pixels,
// frame included). `logicalDpi` gives the true size of a twip.
double OpeningPixelsPerTwip(QSize screen, QSize available, double logicalDpi);

// The largest pixels per twip at which the laid-out client area fits in
// `client` (pixels) with its proportions kept.
double FittingPixelsPerTwip(QSizeF client);

// A rectangle in design units, and one in twips, as pixels.
QRectF UnitsToPixels(const QRectF& units, double pixelsPerTwip);
QRectF TwipsToPixels(const QRectF& twips, double pixelsPerTwip);

}  // namespace ui
