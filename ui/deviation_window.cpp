// The deviation window: its controls, Return, and the chart drawn at load.
#include "ui/deviation_window.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "design/design_state.h"
#include "ui/accessibility.h"
#include "ui/deviation_chart.h"
#include "ui/fonts.h"
#include "ui/navigation.h"
#include "ui/window_keys.h"
#include "ui/window_scale.h"

namespace ui {
namespace {

constexpr const char* kCaption = "Kestrix - Deviation";

// Where load puts the controls (units): the title across the top, Return and
// the two legends in one row under the chart.
constexpr QRectF kReturnPlace{850, 7120, 1500, 340};
constexpr QRectF kTitlePlace{30, 255, 11700, 615};
constexpr QRectF kFivePercentPlace{4240, 7120, 1935, 375};
constexpr QRectF kOnePercentPlace{6300, 7120, 1935, 375};
constexpr double kTitlePoints = 18.0;
constexpr double kLegendPoints = 12.0;

// The chart: 2500 units per dB, 0 dB at y = 3500, so the frame runs from
// y = 1000 to 6000; pens in pixels of an 800 x 600 screen.
constexpr ChartLayout kWindowChart{
    .zeroY = 3500.0f,
    .unitsPerDb = 2500.0f,
    .framePen = 3.0f,
    .zeroLinePen = 3.0f,  // the frame's
    .gridPen = 1.0f,
    .firstColumnLine = 0,  // a column line at every position
    .numbersY = 6300.0f,
    .labelX = 2200.0f,
    .positionCaption = {5500.0f, 6600.0f},
    .lessAtten = {1000.0f, 900.0f},
    .moreAtten = {1000.0f, 5900.0f},
};

}  // namespace

frmExamine::frmExamine(QWidget* parent)
    : ScaledWindow("frmExamine", kCaption, Qt::white, parent) {
  createControls();
  open();
  load();
}

void frmExamine::createControls() {
  cmdExit = addButton("cmdExit", "Return");
  connect(cmdExit, &QPushButton::clicked, this, &frmExamine::returnClicked);
  PressOnKey(cmdExit, QKeySequence(Qt::Key_Escape));

  const auto label = [this](const char* name, const char* caption, QColor colour,
                            Qt::Alignment alignment) {
    auto* control = new QLabel(QString::fromLatin1(caption), this);
    control->setObjectName(QString::fromLatin1(name));
    control->setAlignment(alignment);
    QPalette colours = control->palette();
    colours.setColor(QPalette::WindowText, colour);
    control->setPalette(colours);
    return control;
  };
  const Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
  Label1 = label("Label1", "Deviation from target attenuation", Qt::black, Qt::AlignCenter);
  Label2 = label("Label2", "5% resistors", QColor(255, 0, 0), leftMiddle);
  Label3 = label("Label3", "1% resistors", QColor(0, 192, 0), leftMiddle);
  cmdExit->setFocus();
}

void frmExamine::layoutControls() {
  Label1->setFont(scaledFont(WindowFont(kTitlePoints)));
  Label2->setFont(scaledFont(WindowFont(kLegendPoints)));
  Label3->setFont(scaledFont(WindowFont(kLegendPoints)));
  placeAt(cmdExit, kReturnPlace);
  placeAt(Label1, kTitlePlace);
  placeAt(Label2, kFivePercentPlace);
  placeAt(Label3, kOnePercentPlace);
}

void frmExamine::load() {
  picture().setScale(surface::Scale{0.0f, 0.0f, kUnitsAcross, kUnitsDown});
  DrawDeviation();
  setAccessibleDescription(QString::fromStdString(DeviationSummary(design::modMain())));
}

void frmExamine::DrawDeviation() {
  DrawDeviationChart(picture(), design::modMain(), kWindowChart);
  update();
}

void frmExamine::returnClicked() { ShowDesignWindow(this); }

}  // namespace ui
