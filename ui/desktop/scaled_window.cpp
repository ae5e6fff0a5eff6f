// Scaling, placing and painting for the program's windows.
#include "ui/desktop/scaled_window.h"

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QtMath>

#include "ui/desktop/fonts.h"
#include "ui/desktop/seams.h"
#include "ui/desktop/window_keys.h"
#include "ui/desktop/window_palette.h"
#include "ui/desktop/window_scale.h"

namespace ui {
namespace {

constexpr double kSmallestShare = 0.5;  // of true size, for the minimum window size

}  // namespace

ScaledWindow::ScaledWindow(const char* objectName, const char* caption, QColor background,
                           QWidget* parent)
    : QWidget(parent), background_(background), picture_(WindowFont()) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(QString::fromLatin1(caption));
  setPalette(FixedPalette(background));
  // paintEvent() covers every pixel itself, so Qt need not fill the window
  // with its background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (surface::Surface* recorder = AppSeams().windowRecorder) {
    recorded_ = std::make_unique<surface::TeeSurface>(picture_, *recorder);
  }
}

surface::Surface& ScaledWindow::picture() {
  if (recorded_) return *recorded_;
  return picture_;
}

void ScaledWindow::open() {
  const QScreen* display = screen();
  const double dpi = logicalDpiY();
  pixelsPerTwip_ =
      display ? OpeningPixelsPerTwip(display->size(), display->availableGeometry().size(), dpi)
              : dpi / kTwipsPerInch;
  const double smallest = dpi / kTwipsPerInch * kSmallestShare;
  setMinimumSize(qCeil(kClientTwipsWide * smallest), qCeil(kClientTwipsHigh * smallest));
  resize(qRound(kClientTwipsWide * pixelsPerTwip_), qRound(kClientTwipsHigh * pixelsPerTwip_));
  if (display) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
  }
  applyScale();
  InstallWindowKeys(this);
}

QRectF ScaledWindow::contentRect() const {
  const QSizeF content(kClientTwipsWide * pixelsPerTwip_, kClientTwipsHigh * pixelsPerTwip_);
  return {QPointF((width() - content.width()) / 2.0, (height() - content.height()) / 2.0), content};
}

QPushButton* ScaledWindow::addButton(const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLabel* ScaledWindow::addLabel(const char* name, const char* caption, Qt::Alignment alignment,
                               std::optional<QColor> colour) {
  auto* label = new QLabel(QString::fromUtf8(caption), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(alignment);
  if (colour) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, *colour);
    label->setPalette(colours);
  }
  return label;
}

QLineEdit* ScaledWindow::addBox(const char* name) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

void ScaledWindow::placeAt(QWidget* control, const QRectF& units) const {
  control->setGeometry(placedRect(units));
}

QRect ScaledWindow::placedRect(const QRectF& units) const {
  return UnitsToPixels(units, pixelsPerTwip_).translated(contentRect().topLeft()).toRect();
}

void ScaledWindow::placeInFrame(QWidget* control, const QRectF& twips) const {
  control->setGeometry(TwipsToPixels(twips, pixelsPerTwip_).toRect());
}

QFont ScaledWindow::scaledFont(QFont font) const {
  font.setPointSizeF(font.pointSizeF() * pixelsPerTwip_ * kTwipsPerInch / logicalDpiY());
  return font;
}

void ScaledWindow::applyScale() {
  setFont(scaledFont(WindowFont()));
  layoutControls();
  sizePicture();
}

void ScaledWindow::sizePicture() {
  const qreal ratio = devicePixelRatioF();
  const QSizeF content = contentRect().size();
  const QSize device(std::max(1, qRound(content.width() * ratio)),
                     std::max(1, qRound(content.height() * ratio)));
  if (device == pictureSize_ && ratio == pictureRatio_) return;
  pictureSize_ = device;
  pictureRatio_ = ratio;
  // Pen widths are pixels of an 800 x 600 screen: they grow with the window.
  const double zoom = pixelsPerTwip_ * kTwipsPerPixel;
  // A window that shows an image of its own never draws into the kept
  // picture; it is spared a second window-sized image.
  if (&shownImage() == &picture_.image()) {
    picture_.resize(device, kTwipsPerPoint * pixelsPerTwip_ * ratio, std::max(1.0, zoom) * ratio);
  }
  pictureResized(device);
}

void ScaledWindow::paintEvent(QPaintEvent* event) {
  if (devicePixelRatioF() != pictureRatio_) sizePicture();
  QPainter painter(this);
  const QImage& image = shownImage();
  const QRectF content = contentRect();
  // The picture is made at the client area's size in whole pixels; at one
  // pixel per pixel it goes down as it is, not resampled on every paint.
  const QRect whole(content.topLeft().toPoint(), image.size());
  const bool asItIs = pictureRatio_ == 1.0 && image.size() == content.size().toSize();
  const QRect covered = asItIs ? whole : content.toAlignedRect().intersected(rect());
  for (const QRect& margin : event->region().subtracted(covered)) {
    painter.fillRect(margin, background_);
  }
  if (asItIs) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(whole.topLeft(), image);
  } else {
    painter.fillRect(covered, background_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(content, image);
  }
}

void ScaledWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  pixelsPerTwip_ = FittingPixelsPerTwip(QSizeF(event->size()));
  applyScale();
}

}  // namespace ui
