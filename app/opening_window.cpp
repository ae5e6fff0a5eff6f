// The opening window: title labels over the background, Start and Exit.
#include "app/opening_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>

#include "app/version.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/message_box.h"
#include "ui/desktop/window_palette.h"
#include "ui/desktop/window_scale.h"
#include "ui/windows/navigation.h"

namespace app {
namespace {

// Labels span the window, 150 units from its left edge.
constexpr float kLabelLeft = 150.0f;
constexpr float kLabelWidth = 11700.0f;

struct LabelLook {
  const char* name;
  const char* text;
  const char* family;
  double points;
  float top;
  float height;
};

// In the order the load handler places them.
constexpr LabelLook kLabels[] = {
    {"Label1", "Kestrix", "Times New Roman", 48.0, 1410.0f, 1335.0f},
    {"Label2", "a stepped volume control design routine", "Arial", 12.0, 3000.0f, 368.0f},
    {"Label3", "published by the Kestrix project, kestrix.example", ui::kWindowFamily, 12.0,
     3360.0f, 368.0f},
    {"Label4", "\xC2\xA9 2026 the Kestrix developers, free to use and share", ui::kWindowFamily,
     12.0, 4440.0f, 368.0f},
    {"Label5", "Version", ui::kWindowFamily, 12.0, 3840.0f, 368.0f},
};

}  // namespace

frmOpening::frmOpening(QWidget* parent)
    : ScaledWindow("frmOpening", ui::kApplicationName, Qt::black, parent) {
  createControls();
  load();
  open();
}

void frmOpening::createControls() {
  QLabel** const labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
  for (std::size_t i = 0; i < std::size(kLabels); ++i) {
    *labels[i] = addLabel(kLabels[i].name, kLabels[i].text, Qt::AlignCenter, ui::kLightCyan);
  }
  cmdStart = addButton("cmdStart", "Start");
  cmdExit = addButton("cmdExit", "Exit");
  QWidget::setTabOrder(cmdStart, cmdExit);
  connect(cmdStart, &QPushButton::clicked, this, &frmOpening::startClicked);
  connect(cmdExit, &QPushButton::clicked, this, &frmOpening::exitClicked);
}

void frmOpening::load() {
  Label5->setText(QStringLiteral("Version ") + QString::fromLatin1(kVersion));
  // Every line runs to the screen's width in twips, at or past the right edge.
  const QScreen* display = screen();
  const int screenPixels = display ? display->size().width() : 800;
  lineEndX_ = static_cast<float>(screenPixels * ui::kTwipsPerPixel);
  rows_ = BackgroundColours();
}

void frmOpening::layoutControls() {
  QLabel* const labels[] = {Label1, Label2, Label3, Label4, Label5};
  for (std::size_t i = 0; i < std::size(kLabels); ++i) {
    QFont font(QString::fromLatin1(kLabels[i].family));
    font.setPointSizeF(kLabels[i].points);
    font.setBold(true);
    labels[i]->setFont(scaledFont(font));
    placeAt(labels[i], QRectF(kLabelLeft, kLabels[i].top, kLabelWidth, kLabels[i].height));
  }
  placeAt(cmdStart, QRectF(5100, 5800, 1500, 340));
  placeAt(cmdExit, QRectF(5100, 6400, 1500, 340));
}

// Every background line runs the same colour across the whole client area
// (the screen, whose width it reaches, is never narrower than the window),
// so one column of pixels holds the picture.
void frmOpening::pictureResized(QSize devicePixels) {
  background_ = QImage(1, devicePixels.height(), QImage::Format_RGB32);
  background_.fill(Qt::black);
  const double pixelsPerUnit = devicePixels.width() / static_cast<double>(ui::kUnitsAcross);
  PaintBackground(background_, rows_, lineEndX_ * pixelsPerUnit);
}

void frmOpening::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  // Row for row, stretched sideways only: no smoothing between rows.
  const QRectF content = contentRect();
  const QRectF rows(content.topLeft(),
                    QSizeF(content.width(), background_.height() / devicePixelRatioF()));
  painter.drawImage(rows, background_);
}

void frmOpening::startClicked() { ui::ShowDesignWindow(this); }

void frmOpening::exitClicked() {
  close();
  QCoreApplication::quit();
}

}  // namespace app
