// The printed report, drawn step by step on a page surface.
#include "ui/report.h"

#include <cmath>
#include <cstdint>

#include <QDate>
#include <QLocale>
#include <QString>

#include "design/ladder.h"
#include "notation/eng_notation.h"
#include "ui/deviation_chart.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;
using surface::Rgb;

// Page set-up: the printable area as 12000 x 16000 units, the shape of a
// portrait page, with y = 0 a thousand units below its top edge.
constexpr surface::Scale kPageScale{0.0f, -1000.0f, 12000.0f, 16000.0f};
constexpr float kTextPoints = 8.0f;
constexpr float kFooterPoints = 6.0f;

// Pen widths, printer dots.
constexpr float kSchematicPen = 8.0f;
constexpr float kFramePen = 16.0f;
constexpr float kZeroLinePen = 4.0f;
constexpr float kGridPen = 2.0f;

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kRed = 0xFF0000;    // the 5% set
constexpr Rgb kGreen = 0x00FF00;  // the 1% set

// The schematic: the design window's column, moved left to x = 2500.
constexpr float kLeadX = 2000.0f;
constexpr float kStringX = 2500.0f;
constexpr float kStringTop = 800.0f;     // junction of position 0
constexpr float kJunctionStep = 720.0f;  // times Spacing
constexpr float kTapLength = 300.0f;
constexpr float kGroundLeft = 500.0f;
constexpr float kContactHalf = 30.0f;

// Text columns: x of the values and of the headings.
constexpr float kHeadingY = 300.0f;
constexpr float kTargetX = 3040.0f;  // 2500 + 540
constexpr float kIdealX = 3700.0f;
constexpr float kNearest5X = 5500.0f;
constexpr float kNearest5HeadingX = 5700.0f;
constexpr float kNearest1X = 8400.0f;
constexpr float kNearest1HeadingX = 8600.0f;
constexpr float kRealised5X = 6500.0f;
constexpr float kRealised1X = 9400.0f;

// The deviation chart: realised minus target attenuation, 2000 units per dB,
// 0 dB at y = 10500; positions spread across x = 3000 .. 9000.
constexpr float kChartTop = 8500.0f;
constexpr float kChartBottom = 12500.0f;
constexpr float kZeroY = 10500.0f;
constexpr float kUnitsPerDb = 2000.0f;
constexpr float kAxisStep = 0.2f;  // dB between grid lines
constexpr float kAxisLabelX = 2500.0f;
constexpr float kLabelRaise = 100.0f;  // labels sit this far above their line
constexpr float kNumbersY = 12800.0f;
constexpr float kNumberShift = 100.0f;  // position numbers start left of their point
constexpr PointF kPositionCaption{5500.0f, 13100.0f};
constexpr PointF kLessAtten{1200.0f, 8400.0f};
constexpr PointF kMoreAtten{1200.0f, 12400.0f};
constexpr float kMarker5Half = 45.0f;
constexpr float kMarker1Half = 30.0f;
constexpr PointF kFooterAt{2000.0f, 13500.0f};

// Top of the text of position p: 105 units above its junction.
float PositionRow(int p, float s) { return 800.0f + static_cast<float>(p * 720) * s - 105.0f; }

// Top of the text of resistor k, between its two junctions; k = N gives the
// total row below the string.
float ResistorRow(int k, float s) {
  return 750.0f + 250.0f * s + static_cast<float>((k - 1) * 720) * s;
}

// y of the deviation realised - target, in dB, on the chart.
float ChartY(float deviation) { return kZeroY + kUnitsPerDb * deviation; }

// Draws one report; the state and the page are kept here so each step reads
// as in the order of printing.
class ReportPage {
 public:
  ReportPage(surface::Surface& page, design::DesignState& state,
             const ResistorPrinter& printResistor)
      : page_(page), state_(state), PrintResistor(printResistor), n_(state.NumPositions) {}

  void setUp() {
    page_.setFontSize(kTextPoints);
    page_.setScale(kPageScale);
    page_.setPenWidth(kSchematicPen);
  }

  void schematic() {
    state_.Spacing = design::ColumnSpacing(n_);
    const float s = state_.Spacing;
    const Rgb colour = state_.DrawColor;
    state_.PenX = kStringX;
    state_.PenY = kStringTop;
    page_.line(LineMode::Line, PointF{kLeadX, kStringTop}, PointF{kStringX, kStringTop}, colour);
    for (int16_t k = 1; k <= n_ - 1; ++k) {
      PrintResistor(state_.PenX, state_.PenY);
      state_.PenY = state_.PenY + kJunctionStep * s;
      page_.line(LineMode::Line, PointF{state_.PenX, state_.PenY},
                 PointF{state_.PenX + kTapLength, state_.PenY}, colour);
    }
    page_.line(LineMode::Line, PointF{state_.PenX - kGroundLeft, state_.PenY},
               PointF{state_.PenX + kTapLength, state_.PenY}, colour);
    page_.line(LineMode::FilledBox,
               PointF{state_.PenX + kTapLength - kContactHalf, state_.PenY - kContactHalf},
               PointF{state_.PenX + kTapLength + kContactHalf, state_.PenY + kContactHalf}, colour);
  }

  void columns() {
    const float s = state_.Spacing;

    for (int16_t p = 0; p <= n_ - 2; ++p) {
      state_.TargetAtten[p] = static_cast<float>(p) * state_.StepSize;
      printValue(kTargetX, PositionRow(p, s), state_.TargetAtten[p], "dB");
    }

    // The ideal values again, by the ladder's own rule from the same inputs,
    // so they equal those the design run stored.
    printAt(kIdealX, kHeadingY, "Ideal:");
    design::ComputeIdealValues(state_.TotalOhms, n_, state_.StepSize, state_.IdealR);
    for (int16_t k = 1; k <= n_ - 1; ++k) {
      printValue(kIdealX, ResistorRow(k, s), state_.IdealR[k], " ohms");
    }
    printValue(kIdealX, ResistorRow(n_, s), state_.TotalOhms, " ohms total");

    nearestColumn(kNearest5X, kNearest5HeadingX, "Nearest 5%:", state_.R5Pct, state_.Total5Pct);
    nearestColumn(kNearest1X, kNearest1HeadingX, "Nearest 1%:", state_.R1Pct, state_.Total1Pct);
    realisedColumn(kRealised5X, state_.Atten5Pct);
    realisedColumn(kRealised1X, state_.Atten1Pct);
  }

  void chart() {
    page_.setPenWidth(kFramePen);
    page_.line(LineMode::OutlineBox, PointF{kChartLeft, kChartTop},
               PointF{kChartRight, kChartBottom}, kBlack);
    page_.setPenWidth(kZeroLinePen);
    page_.line(LineMode::Line, PointF{kChartLeft, kZeroY}, PointF{kChartRight, kZeroY}, kBlack);

    page_.setPenWidth(kGridPen);
    for (int16_t p = 1; p <= n_ - 2; ++p) {
      const float x = DeviationColumn(static_cast<int16_t>(p), static_cast<int16_t>(n_));
      page_.line(LineMode::Line, PointF{x, kChartTop}, PointF{x, kChartBottom}, state_.DrawColor);
    }
    printAt(kPositionCaption.x, kPositionCaption.y, "Position");
    for (int16_t p = 0; p <= n_ - 2; ++p) {
      page_.setTextPosition(PointF{DeviationColumn(static_cast<int16_t>(p), static_cast<int16_t>(n_)) - kNumberShift, kNumbersY});
      page_.printNumber(p + 1);
    }

    // The dB axis: v runs -1, -0.8 .. 1 as a single with 0.2 added each
    // pass, so the middle value is a few 1e-8 off zero and the last just
    // under 1; each line stays on its 0.2 dB mark.
    for (float v = -1.0f; v <= 1.0f; v = v + kAxisStep) {
      const float y = ChartY(v);
      page_.line(LineMode::Line, PointF{kChartLeft, y}, PointF{kChartRight, y}, kBlack);
    }
    printAt(kLessAtten.x, kLessAtten.y, "Less atten");
    printAt(kMoreAtten.x, kMoreAtten.y, "More atten");
    for (float v = -1.0f; v <= 1.0f; v = v + kAxisStep) {
      notation::FormatEng(v, state_.FmtText);
      const char* unit = std::fabs(v) < 0.001f ? "dB" : "";
      printAt(kAxisLabelX, ChartY(v) - kLabelRaise, state_.FmtText + unit);
    }

    markers(state_.Atten5Pct, kMarker5Half, LineMode::OutlineBox, kRed);
    markers(state_.Atten1Pct, kMarker1Half, LineMode::FilledBox, kGreen);
  }

  void footer(const std::string& date) {
    page_.setTextPosition(kFooterAt);
    page_.setFontSize(kFooterPoints);
    page_.printText(std::string("Kestrix from ") + kMakerAddress + "  - " + date);
  }

 private:
  void printAt(float x, float y, const std::string& text) {
    page_.setTextPosition(PointF{x, y});
    page_.printText(text);
  }

  // FormatEng of `value` into FmtText, printed at (x, y) followed by `unit`.
  void printValue(float x, float y, const float& value, const char* unit) {
    notation::FormatEng(value, state_.FmtText);
    printAt(x, y, state_.FmtText + unit);
  }

  void nearestColumn(float x, float headingX, const char* heading, const design::Column& rounded,
                     const float& total) {
    const float s = state_.Spacing;
    printAt(headingX, kHeadingY, heading);
    for (int16_t k = 1; k <= n_ - 1; ++k) printValue(x, ResistorRow(k, s), rounded[k], " ohms");
    printValue(x, ResistorRow(n_, s), total, " ohms total");
  }

  void realisedColumn(float x, const design::Column& realised) {
    const float s = state_.Spacing;
    for (int16_t p = 0; p <= n_ - 2; ++p) printValue(x, PositionRow(p, s), realised[p], " dB");
  }

  // One marker per position, centred on the deviation of the realised from
  // the target attenuation; not clipped to the frame. A deviation that is not
  // a number has no place on the page and is left out.
  void markers(const design::Column& realised, float half, LineMode mode, Rgb colour) {
    for (int16_t p = 0; p <= n_ - 2; ++p) {
      const float x = DeviationColumn(static_cast<int16_t>(p), static_cast<int16_t>(n_));
      const float y = kZeroY - kUnitsPerDb * (state_.TargetAtten[p] - realised[p]);
      if (!std::isfinite(y)) continue;
      page_.line(mode, PointF{x - half, y - half}, PointF{x + half, y + half}, colour);
    }
  }

  surface::Surface& page_;
  design::DesignState& state_;
  const ResistorPrinter& PrintResistor;
  const int n_;
};

}  // namespace

std::string ReportDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

bool DrawReport(surface::Surface& page, design::DesignState& state,
                const ResistorPrinter& PrintResistor, const std::string& date) {
  if (state.NumPositions < design::kMinPositions || state.NumPositions > design::kMaxPositions) {
    return false;
  }
  ReportPage report(page, state, PrintResistor);
  report.setUp();
  report.schematic();
  report.columns();
  report.chart();
  report.footer(date);
  return true;
}

}  // namespace ui
