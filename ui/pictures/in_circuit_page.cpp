// The in-circuit page, drawn through the shared surface operations.
#include "ui/pictures/in_circuit_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "design/circuit_headings.h"
#include "design/circuit_inputs.h"
#include "design/in_circuit_text.h"
#include "notation/builder_value.h"
#include "notation/eng_notation.h"
#include "ui/pictures/in_circuit_chart.h"
#include "ui/pictures/page_measures.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;

constexpr surface::Scale kPageScale = page::kScale;
using page::kTextPoints;
using page::kTitlePoints;
using page::kUnitsPerPoint;
constexpr float kTablePoints = page::kSmallestPoints;

// Everything stays this far inside the printable area, which itself starts
// some 3.5 mm in: 420 units are 7.4 mm of an A4 page's 210 mm.
constexpr float kMargin = 420.0f;
constexpr float kLineStep = 250.0f;  // lines of 8 pt text
// The table: a narrow position column, then thirteen equal ones, numbers
// right-aligned with a gap before the next column.
constexpr float kTableLeft = kMargin;
constexpr float kPositionWidth = 480.0f;
constexpr float kColumnWidth = 820.0f;
constexpr float kColumnGap = 60.0f;
constexpr float kDigitWidth = 0.55f * kTablePoints * 20.0f;  // a digit of the sans face
constexpr float kRowHeight = 200.0f;
constexpr int kRowsOnFirstPage = 25;  // positions; the rest continue overleaf
constexpr float kRulePen = 2.0f;  // printer dots

// A box's text without FormatEng's blank suffix.
std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string Eng(double value) { return notation::FormatEngTrimmed(static_cast<float>(value)); }

// A dB figure to hundredths, with the decimal separator in use.
std::string Hundredths(double value, char separator) {
  if (std::fabs(value) < 0.005) value = 0.0;  // no "-0.00"
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

// The table's headings at `top`, then rows `from` .. `to` - 1, numbers
// right-aligned in their columns. Returns the top of the next row.
float DrawTable(surface::Surface& page, const design::CircuitAnalysis& analysis, char separator,
                float top, int from, int to) {
  page.setFontSize(kTablePoints);
  const float tableRight = ColumnLeft(design::kCircuitColumnCount) - kColumnGap;
  const auto rightAligned = [&page](std::size_t column, float at, const std::string& text) {
    const float right = ColumnLeft(column + 1) - kColumnGap;
    PrintAt(page, right - kDigitWidth * static_cast<float>(text.size()), at, text);
  };
  for (std::size_t c = 0; c < design::kCircuitColumnCount; ++c) {
    const design::CircuitColumn& column = design::kCircuitColumns[c];
    std::string unit = design::kCircuitHeadings[c].unit;
    if (column.Set >= 0 && static_cast<std::size_t>(column.Set) < analysis.Sets.size()) {
      unit = std::string(analysis.Sets[static_cast<std::size_t>(column.Set)].RoundedIn->Name()) +
             unit.substr(3);
    }
    rightAligned(c, top, design::kCircuitHeadings[c].what);
    rightAligned(c, top + kRowHeight, unit);
  }
  const float firstRow = top + 2.0f * kRowHeight + 40.0f;
  page.line(LineMode::Line, PointF{kTableLeft, firstRow - 20.0f},
            PointF{tableRight, firstRow - 20.0f}, 0x000000);
  float row = firstRow;
  const std::vector<design::CircuitRow> rows = design::CircuitCells(analysis, separator);
  for (int p = from; p < to && p < static_cast<int>(rows.size()); ++p) {
    const design::CircuitRow& cells = rows[static_cast<std::size_t>(p)];
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (!cells[c].empty()) rightAligned(c, row, cells[c]);
    }
    row += kRowHeight;
  }
  return row;
}

void Footer(surface::Surface& page, const std::string& date) {
  page.setFontSize(kTablePoints);
  PrintAt(page, kMargin, 15400.0f, "Kestrix - In circuit - " + date);
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
  if (std::string parts = design::PartsOutOfRangeWarning(a); !parts.empty()) {
    lines.push_back(std::move(parts));
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
    // One part per resistor and string, grouped by exact value.
    std::vector<design::BuildStep> byValue = design::BuildList(a, static_cast<int>(set));
    std::stable_sort(byValue.begin(), byValue.end(),
                     [](const auto& x, const auto& y) { return x.Value.Ohms() < y.Value.Ohms(); });
    for (std::size_t i = 0; i < byValue.size();) {
      std::size_t j = i;
      std::string which;
      while (j < byValue.size() && byValue[j].Value == byValue[i].Value) {
        which += " R" + std::to_string(byValue[j].Resistor);
        ++j;
      }
      lines.push_back("  " + std::to_string(static_cast<int>(j - i) * perValue) + " x " +
                      notation::WriteBuilderValue(byValue[i].Value.Ohms(), separator) + ":" +
                      which);
      i = j;
    }
    const std::vector<std::string> build = design::BuildLines(a, static_cast<int>(set), separator);
    lines.insert(lines.end(), build.begin(), build.end());
  }
  return lines;
}

bool DrawInCircuitPage(surface::Surface& page, const design::DesignState& state,
                       const design::CircuitAnalysis& analysis, const std::string& lawText,
                       char separator, const std::string& date) {
  if (analysis.N < design::kMinPositions) return false;
  page.setScale(kPageScale);
  page.setPenWidth(kRulePen);
  page.setFontSize(kTitlePoints);
  PrintAt(page, kMargin, 0.0f, "Kestrix - In circuit");
  page.setFontSize(kTextPoints);
  float y = 500.0f;
  const auto line = [&page, &y](const std::string& text) {
    PrintAt(page, kMargin, y, text);
    y += kLineStep;
  };
  line(DesignLine(state));
  line(InputsLine(analysis.Inputs));
  line(StringLine(analysis, lawText));
  for (const std::string& text : SummaryLines(analysis, separator)) line(text);

  const float row = DrawTable(page, analysis, separator, y + 150.0f, 0,
                              std::min(analysis.N, kRowsOnFirstPage));

  CircuitChartLayout chart;
  chart.left = kMargin + 1000.0f;
  chart.right = 12000.0f - kMargin;
  chart.top = row + 700.0f;
  // The chart takes what the page has left above its legend and footer.
  chart.bottom = std::max(chart.top + 3000.0f, 14300.0f);
  chart.textPoints = kTextPoints;
  chart.unitsPerPoint = kUnitsPerPoint;
  chart.framePen = 8.0f;
  chart.gridPen = 2.0f;
  chart.seriesPen = 5.0f;
  chart.bandPen = 14.0f;
  chart.marker = 45.0f;
  DrawInCircuitChart(page, analysis, chart);

  Footer(page, date);
  return true;
}

bool DrawInCircuitMorePage(surface::Surface& page, const design::CircuitAnalysis& analysis,
                           char separator, const std::string& date) {
  if (analysis.N <= kRowsOnFirstPage) return false;
  page.setScale(kPageScale);
  page.setPenWidth(kRulePen);
  page.setFontSize(kTitlePoints);
  PrintAt(page, kMargin, 0.0f, "Kestrix - In circuit (table, continued)");
  DrawTable(page, analysis, separator, 600.0f, kRowsOnFirstPage, analysis.N);
  Footer(page, date);
  return true;
}

bool DrawPartsPage(surface::Surface& page, const design::CircuitAnalysis& analysis,
                   char separator, const std::string& date) {
  if (analysis.N < design::kMinPositions) return false;
  page.setScale(kPageScale);
  page.setPenWidth(kRulePen);
  page.setFontSize(kTitlePoints);
  PrintAt(page, kMargin, 0.0f, "Kestrix - Parts and build list");
  page.setFontSize(kTablePoints);
  // Columns of lines, as many as the lists need, side by side.
  constexpr float kTop = 600.0f, kBottom = 15000.0f, kColumn = 2800.0f;
  float x = kMargin, y = kTop;
  for (const std::string& text : PartsLines(analysis, separator)) {
    if (y + kRowHeight > kBottom) {
      x += kColumn;
      y = kTop;
    }
    PrintAt(page, x, y, text);
    y += kRowHeight;
  }
  Footer(page, date);
  return true;
}

}  // namespace ui
