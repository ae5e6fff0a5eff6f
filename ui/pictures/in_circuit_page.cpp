// The in-circuit page, drawn through the shared surface operations.
#include "ui/pictures/in_circuit_page.h"

#include <cstdio>

#include "design/circuit_headings.h"
#include "design/circuit_inputs.h"
#include "design/in_circuit_text.h"
#include "notation/eng_notation.h"
#include "ui/pictures/in_circuit_chart.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;

constexpr surface::Scale kPageScale{0.0f, 0.0f, 12000.0f, 16000.0f};
constexpr float kTitlePoints = 12.0f;
constexpr float kTextPoints = 8.0f;
constexpr float kTablePoints = 6.5f;
constexpr float kUnitsPerPoint = 20.0f;  // about a point of height on A4 and Letter

// The table: a narrow position column, then thirteen equal ones.
constexpr float kTableLeft = 0.0f;
constexpr float kPositionWidth = 520.0f;
constexpr float kColumnWidth = 880.0f;
constexpr float kHeadingTop = 1700.0f;
constexpr float kRowHeight = 185.0f;
constexpr float kRulePen = 2.0f;  // printer dots

// A box's text without FormatEng's blank suffix.
std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string Eng(double value) { return notation::FormatEngTrimmed(static_cast<float>(value)); }

// A dB figure to hundredths, with the decimal separator in use.
std::string Hundredths(double value, char separator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text(buffer);
  for (char& c : text) {
    if (c == '.') c = separator;
  }
  return text;
}

float ColumnLeft(std::size_t column) {
  if (column == 0) return kTableLeft;
  return kTableLeft + kPositionWidth + kColumnWidth * static_cast<float>(column - 1);
}

void PrintAt(surface::Surface& page, float x, float y, const std::string& text) {
  page.printAt(PointF{x, y}, text);
}

}  // namespace

std::string DesignLine(const design::DesignState& state) {
  return "Design: " + Eng(state.TotalOhms) + " ohms, " + std::to_string(state.NumPositions) +
         " positions, " + Eng(state.StepSize) + " dB per step";
}

std::string InputsLine(const design::CircuitInputs& inputs) {
  design::CircuitBoxes boxes;
  design::WriteCircuitBoxes(inputs, boxes);
  const std::string load = inputs.LoadOhms > 0.0 ? Trimmed(boxes.Load) + " ohms" : "none";
  const std::string cable = inputs.CableFarads > 0.0 ? Trimmed(boxes.Cable) + "F" : "none";
  return "Load " + load + ", source impedance " + Trimmed(boxes.Source) + " ohms, cable " + cable +
         ", parts \u00b1" + Trimmed(boxes.Tolerance) + " %";
}

std::vector<std::string> SummaryLines(const design::CircuitAnalysis& a, char separator) {
  if (a.N < design::kMinPositions) return {"No design to analyse."};
  const auto db = [separator](double value) { return Hundredths(value, separator) + " dB"; };
  const auto name = [&a](std::size_t set) { return std::string(a.Sets[set].RoundedIn->Name()); };
  std::vector<std::string> lines{"Worst step error into the load:"};
  if (!a.Designed.empty()) lines.push_back("design's E96 set " + db(a.Designed[0].Worst.Db) + ",");
  lines.push_back("compensated " + name(0) + " " + db(a.Sets[0].Worst.Db) + ", " + name(1) + " " +
                  db(a.Sets[1].Worst.Db) + ".");
  lines.push_back("Two channels of \u00b1" + Eng(a.Inputs.TolerancePercent) +
                  " % parts differ by up to " + db(a.WidestBand) + ".");
  return lines;
}

bool DrawInCircuitPage(surface::Surface& page, const design::DesignState& state,
                       const design::CircuitAnalysis& analysis, char separator,
                       const std::string& date) {
  if (analysis.N < design::kMinPositions) return false;
  page.setScale(kPageScale);
  page.setPenWidth(kRulePen);
  page.setFontSize(kTitlePoints);
  PrintAt(page, 0.0f, 0.0f, "Kestrix - In circuit");
  page.setFontSize(kTextPoints);
  PrintAt(page, 0.0f, 500.0f, DesignLine(state));
  PrintAt(page, 0.0f, 780.0f, InputsLine(analysis.Inputs));
  std::string summary;
  for (const std::string& line : SummaryLines(analysis, separator)) {
    summary += (summary.empty() ? "" : " ") + line;
  }
  PrintAt(page, 0.0f, 1060.0f, summary);

  page.setFontSize(kTablePoints);
  const float tableRight = ColumnLeft(design::kCircuitColumnCount);
  for (std::size_t c = 0; c < design::kCircuitColumnCount; ++c) {
    PrintAt(page, ColumnLeft(c), kHeadingTop, design::kCircuitHeadings[c].what);
    PrintAt(page, ColumnLeft(c), kHeadingTop + kRowHeight, design::kCircuitHeadings[c].unit);
  }
  const float firstRow = kHeadingTop + 2.0f * kRowHeight + 40.0f;
  page.line(LineMode::Line, PointF{kTableLeft, firstRow - 20.0f},
            PointF{tableRight, firstRow - 20.0f}, 0x000000);
  float row = firstRow;
  for (const design::CircuitRow& cells : design::CircuitCells(analysis, separator)) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (!cells[c].empty()) PrintAt(page, ColumnLeft(c), row, cells[c]);
    }
    row += kRowHeight;
  }

  CircuitChartLayout chart;
  chart.left = 1400.0f;
  chart.right = 11600.0f;
  chart.top = row + 900.0f;
  chart.bottom = chart.top + 4200.0f;
  chart.textPoints = kTextPoints;
  chart.unitsPerPoint = kUnitsPerPoint;
  chart.framePen = 8.0f;
  chart.gridPen = 2.0f;
  chart.seriesPen = 5.0f;
  chart.bandPen = 14.0f;
  chart.marker = 45.0f;
  DrawInCircuitChart(page, analysis, chart);

  page.setFontSize(6.0f);
  PrintAt(page, 0.0f, 15500.0f, "Kestrix - In circuit - " + date);
  return true;
}

}  // namespace ui
