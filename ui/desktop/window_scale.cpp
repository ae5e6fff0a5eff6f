// Screen measures for every window.
#include "ui/desktop/window_scale.h"

#include <algorithm>

namespace ui {
namespace {

constexpr double kScreenShare = 0.9;             // of the available width and height
constexpr double kFrameAllowance = 40.0;         // pixels for the title bar and borders
constexpr double kSmallestPixelsPerTwip = 0.02;  // keeps the window drawable

}  // namespace

ScaleUnits ScreenScaleUnits(int screenWidthPixels, int screenHeightPixels) {
  const float widthTwips = static_cast<float>(screenWidthPixels * kTwipsPerPixel);
  const float heightTwips = static_cast<float>(screenHeightPixels * kTwipsPerPixel);
  ScaleUnits units;
  units.width = kUnitsAcross / widthTwips;
  units.width = units.width * kUnitsAcross;
  units.height = kUnitsDown / heightTwips;
  units.height = units.height * kUnitsDown;
  return units;
}

double OpeningPixelsPerTwip(QSize screen, QSize available, double logicalDpi) {
  const ScaleUnits units = ScreenScaleUnits(screen.width(), screen.height());
  // How much the scale rule would enlarge the drawing on this screen.
  const double growth = std::min(kUnitsAcross / static_cast<double>(units.width),
                                 kUnitsDown / static_cast<double>(units.height));
  const double wanted = logicalDpi / kTwipsPerInch * growth;
  const double fitsAcross = available.width() * kScreenShare / kClientTwipsWide;
  const double fitsDown = (available.height() * kScreenShare - kFrameAllowance) / kClientTwipsHigh;
  return std::max(kSmallestPixelsPerTwip, std::min({wanted, fitsAcross, fitsDown}));
}

double FittingPixelsPerTwip(QSizeF client) {
  const double across = client.width() / kClientTwipsWide;
  const double down = client.height() / kClientTwipsHigh;
  return std::max(kSmallestPixelsPerTwip, std::min(across, down));
}

QRectF UnitsToPixels(const QRectF& units, double pixelsPerTwip) {
  const double across = kClientTwipsWide / kUnitsAcross * pixelsPerTwip;
  const double down = kClientTwipsHigh / kUnitsDown * pixelsPerTwip;
  return {units.x() * across, units.y() * down, units.width() * across, units.height() * down};
}

QRectF TwipsToPixels(const QRectF& twips, double pixelsPerTwip) {
  return {twips.x() * pixelsPerTwip, twips.y() * pixelsPerTwip, twips.width() * pixelsPerTwip,
          twips.height() * pixelsPerTwip};
}

}  // namespace ui
