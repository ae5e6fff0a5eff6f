// The in-circuit page, drawn through the shared surface operations.
#include "ui/pictures/in_circuit_page.h"

#include <algorithm>
#include <cstdio>

#include "design/circuit_headings.h"
#include "design/circuit_inputs.h"
#include "design/in_circuit_text.h"
#include "notation/builder_value.h"
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
  design::WriteCircuitBoxes(inputs, design::StringInputs{}, boxes);
  const std::string load = inputs.LoadOhms > 0.0 ? Trimmed(boxes.Load) + " ohms" : "none";
  const std::string cable = inputs.CableFarads > 0.0 ? Trimmed(boxes.Cable) + "F" : "none";
  return "Load " + load + ", source impedance " + Trimmed(boxes.Source) + " ohms, cable " + cable +
         ", parts \u00b1" + Trimmed(boxes.Tolerance) + " %";
}

std::string StringLine(const design::CircuitAnalysis& a, const std::string& lawText) {
  std::string line = "String " + notation::WriteBuilderValue(a.TotalOhms, '.') + " ohms, " +
                     std::to_string(a.N) + " positions, steps " + lawText + " dB";
  for (const design::RoundedSet& set : a.Sets) line += ", " + std::string(set.RoundedIn->Name());
  return line + (a.Balanced ? ", balanced" : ", single-ended");
}

std::vector<std::string> SummaryLines(const design::CircuitAnalysis& a, char separator) {
  if (a.N < design::kMinPositions) return {"No string to analyse."};
  const auto db = [separator](double value) { return Hundredths(value, separator) + " dB"; };
  const auto worst = [&db](const std::string& what, const design::WorstPoint& w) {
    return what + ": worst deviation " + db(w.Db) + " at position " + std::to_string(w.Position) +
           ".";
  };
  std::vector<std::string> lines{"Insertion loss at full volume " + db(a.InsertionLossDb) +
                                 "; every dB column is into the load."};
  if (!a.Designed.empty()) lines.push_back(worst("Design's E96 set", a.Designed[0].Worst));
  for (const design::RoundedSet& set : a.Sets) {
    lines.push_back(worst("Compensated " + std::string(set.RoundedIn->Name()), set.Worst));
  }
  lines.push_back("Two channels of \u00b1" + Eng(a.Inputs.TolerancePercent) +
                  " % parts differ by up to " + db(a.WidestBand) + " (position " +
                  std::to_string(a.WidestBandAt) + ").");
  if (a.FarAboveLoad) {
    lines.push_back("Warning: the string is far above the load; the load sets the law.");
  }
  if (a.PartOutOfRange) {
    lines.push_back("Warning: a part is below 1 ohm or above 10M, hard to buy and measure.");
  }
  if (a.BestSetStrays) {
    lines.push_back("Warning: even the better set strays more than 0.5 dB from the law.");
  }
  return lines;
}

std::vector<std::string> PartsLines(const design::CircuitAnalysis& a, char separator) {
  std::vector<std::string> lines;
  if (a.N < design::kMinPositions) return lines;
  const int perValue = a.Balanced ? 4 : 2;  // strings in two channels
  for (std::size_t set = 0; set < a.Sets.size(); ++set) {
    const std::string name(a.Sets[set].RoundedIn->Name());
    lines.push_back(name + " parts (" + std::to_string(perValue) + " strings):");
    const std::vector<design::BuildStep> steps = design::BuildList(a, static_cast<int>(set));
    std::vector<design::BuildStep> byValue = steps;
    std::stable_sort(byValue.begin(), byValue.end(),
                     [](const auto& x, const auto& y) { return x.Ohms < y.Ohms; });
    for (std::size_t i = 0; i < byValue.size();) {
      std::size_t j = i;
      std::string which;
      while (j < byValue.size() && byValue[j].Ohms == byValue[i].Ohms) {
        which += " R" + std::to_string(byValue[j].Resistor);
        ++j;
      }
      lines.push_back("  " + std::to_string(static_cast<int>(j - i) * perValue) + " x " +
                      notation::WriteBuilderValue(byValue[i].Ohms, separator) + ":" + which);
      i = j;
    }
    lines.push_back(name + " build list:");
    for (const design::BuildStep& step : steps) {
      lines.push_back("  R" + std::to_string(step.Resistor) + "  lugs " +
                      std::to_string(step.FromLug) + "-" + std::to_string(step.ToLug) + "  " +
                      notation::WriteBuilderValue(step.Ohms, separator));
    }
  }
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
