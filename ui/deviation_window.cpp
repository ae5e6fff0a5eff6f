// The deviation window: its controls, Return, and the chart drawn at load.
#include "ui/deviation_window.h"

#include <cmath>

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "design/design_state.h"
#include "notation/eng_notation.h"
#include "ui/accessibility.h"
#include "ui/deviation_chart.h"
#include "ui/fonts.h"
#include "ui/navigation.h"
#include "ui/seams.h"
#include "ui/surface/surface.h"
#include "ui/window_keys.h"
#include "ui/window_scale.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;

constexpr const char* kCaption = "Kestrix - Deviation";
constexpr surface::Rgb kBlack = 0x000000;
constexpr surface::Rgb kRed = 0xFF0000;
constexpr surface::Rgb kGreen = 0x00FF00;

// The chart, in units: 2500 units per dB, 0 dB on the zero line.
constexpr float kFrameTop = 1000.0f;     // -1 dB
constexpr float kFrameBottom = 6000.0f;  // +1 dB
constexpr float kZeroY = 3500.0f;
constexpr float kUnitsPerDb = 2500.0f;
constexpr float kFramePen = 3.0f;  // pixels
constexpr float kThinPen = 1.0f;
constexpr float kRedHalf = 45.0f;    // 5% marker: outline square 90 units wide
constexpr float kGreenHalf = 30.0f;  // 1% marker: filled square 60 units wide

// Height of a deviation of d dB (positive: quieter than the target, below the
// zero line).
float DeviationRow(float d) { return kZeroY + kUnitsPerDb * d; }

}  // namespace

frmExamine::frmExamine(surface::Surface* recorder, QWidget* parent)
    : ScaledWindow("frmExamine", kCaption, Qt::white, parent) {
  createControls();
  picture().setMirror(recorder ? recorder : AppSeams().windowRecorder);
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
  Label1->setFont(scaledFont(WindowFont(18.0)));
  Label2->setFont(scaledFont(WindowFont(12.0)));
  Label3->setFont(scaledFont(WindowFont(12.0)));
  placeAt(cmdExit, QRectF(850, 7120, 1500, 340));
  placeAt(Label1, QRectF(30, 255, 11700, 615));
  placeAt(Label2, QRectF(4240, 7120, 1935, 375));
  placeAt(Label3, QRectF(6300, 7120, 1935, 375));
}

void frmExamine::load() {
  picture().setScale(surface::Scale{0.0f, 0.0f, kUnitsAcross, kUnitsDown});
  DrawDeviation();
  setAccessibleDescription(QString::fromStdString(DeviationSummary(design::modMain())));
}

void frmExamine::DrawDeviation() {
  design::DesignState& state = design::modMain();
  surface::Surface& chart = picture();
  const int16_t n = state.NumPositions;

  chart.setPenWidth(kFramePen);
  chart.line(LineMode::OutlineBox, PointF{kChartLeft, kFrameTop},
             PointF{kChartRight, kFrameBottom}, kBlack);
  chart.line(LineMode::Line, PointF{kChartLeft, kZeroY}, PointF{kChartRight, kZeroY}, kBlack);
  chart.setPenWidth(kThinPen);

  for (int16_t p = 0; p <= n - 2; ++p) {
    const float x = DeviationColumn(p, n);
    chart.line(LineMode::Line, PointF{x, kFrameTop}, PointF{x, kFrameBottom}, state.DrawColor);
  }
  chart.setTextPosition(PointF{5500.0f, 6600.0f});
  chart.printText("Position");
  for (int16_t p = 0; p <= n - 2; ++p) {
    chart.setTextPosition(PointF{DeviationColumn(p, n) - 100.0f, 6300.0f});
    chart.printNumber(p + 1);
  }

  // The grid every 0.2 dB: a single-precision sum, so the middle value is a
  // few 1e-8 off zero and the last is just below 1, still inside the loop.
  for (float d = -1.0f; d <= 1.0f; d = d + 0.2f) {
    chart.line(LineMode::Line, PointF{kChartLeft, DeviationRow(d)},
               PointF{kChartRight, DeviationRow(d)}, kBlack);
  }
  chart.setTextPosition(PointF{1000.0f, 900.0f});
  chart.printText("Less atten");
  chart.setTextPosition(PointF{1000.0f, 5900.0f});
  chart.printText("More atten");
  for (float d = -1.0f; d <= 1.0f; d = d + 0.2f) {
    notation::FormatEng(d, state.FmtText);
    if (std::fabs(d) < 0.001f) state.FmtText += "dB";
    chart.setTextPosition(PointF{2200.0f, DeviationRow(d) - 100.0f});
    chart.printText(state.FmtText);
  }

  // Markers are not clipped: a deviation past 1 dB lies outside the frame.
  for (int16_t p = 0; p <= n - 2; ++p) {
    const float x = DeviationColumn(p, n);
    const float y = DeviationRow(state.Atten5Pct[p] - state.TargetAtten[p]);
    chart.line(LineMode::OutlineBox, PointF{x - kRedHalf, y - kRedHalf},
               PointF{x + kRedHalf, y + kRedHalf}, kRed);
  }
  for (int16_t p = 0; p <= n - 2; ++p) {
    const float x = DeviationColumn(p, n);
    const float y = DeviationRow(state.Atten1Pct[p] - state.TargetAtten[p]);
    chart.line(LineMode::FilledBox, PointF{x - kGreenHalf, y - kGreenHalf},
               PointF{x + kGreenHalf, y + kGreenHalf}, kGreen);
  }
  update();
}

void frmExamine::returnClicked() { ShowDesignWindow(this); }

}  // namespace ui
