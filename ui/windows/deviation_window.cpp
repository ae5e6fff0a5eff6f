// The deviation window: its controls, Return, and the chart drawn at load.
#include "ui/windows/deviation_window.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "design/design_state.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/window_keys.h"
#include "ui/desktop/window_scale.h"
#include "ui/pictures/deviation_chart.h"
#include "ui/windows/accessibility.h"
#include "ui/windows/navigation.h"

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

}  // namespace

frmExamine::frmExamine(QWidget* parent) : ScaledWindow("frmExamine", kCaption, Qt::white, parent) {
  createControls();
  open();
  load();
}

void frmExamine::createControls() {
  cmdExit = addButton("cmdExit", "Return");
  connect(cmdExit, &QPushButton::clicked, this, &frmExamine::returnClicked);
  PressOnKey(cmdExit, QKeySequence(Qt::Key_Escape));

  const Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
  Label1 = addLabel("Label1", "Deviation from target attenuation", Qt::AlignCenter, Qt::black);
  Label2 = addLabel("Label2", "5% resistors", leftMiddle, QColor(255, 0, 0));
  Label3 = addLabel("Label3", "1% resistors", leftMiddle, QColor(0, 192, 0));
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
  DrawDeviationChart(picture(), design::modMain(), kDeviationWindowChart);
  update();
}

void frmExamine::returnClicked() { ShowDesignWindow(this); }

}  // namespace ui
