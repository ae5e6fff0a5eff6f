// The as-built pages, drawn through the shared surface operations.
#include "ui/pictures/as_built_page.h"

#include <sstream>
#include <vector>

#include "notation/builder_value.h"
#include "ui/pictures/as_built_chart.h"
#include "ui/pictures/in_circuit_page.h"
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
constexpr float kLineHeight = kTextPoints * kUnitsPerPoint * 1.35f;
constexpr float kRowHeight = kTablePoints * kUnitsPerPoint * 1.3f;
constexpr float kPositionWidth = 650.0f;
constexpr float kColumnWidth = 1130.0f;  // "right_cold_ohm", "-0.0000137673"
constexpr float kRulePen = 2.0f;  // printer dots
constexpr float kFooterTop = 15600.0f;

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, at)) parts.push_back(part);
  return parts;
}

float ColumnLeft(std::size_t column) {
  return column == 0 ? 0.0f : kPositionWidth + kColumnWidth * static_cast<float>(column - 1);
}

// The table from `top`: the copied table's heads, a rule, a row a position.
void DrawTable(surface::Surface& page, float top, const design::AsBuiltAnalysis& analysis,
               const design::FittedStrings& fitted, char separator) {
  page.setFontSize(kTablePoints);
  const std::vector<std::string> heads = Split(design::AsBuiltHeader(analysis.Balanced), '\t');
  for (std::size_t c = 0; c < heads.size(); ++c) page.printAt(PointF{ColumnLeft(c), top}, heads[c]);
  const float firstRow = top + kRowHeight + 40.0f;
  page.setPenWidth(kRulePen);
  page.line(LineMode::Line, PointF{0.0f, firstRow - 20.0f},
            PointF{ColumnLeft(heads.size()), firstRow - 20.0f}, 0x000000);
  float row = firstRow;
  for (const std::vector<std::string>& cells : design::AsBuiltCells(analysis, fitted, separator)) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (!cells[c].empty()) page.printAt(PointF{ColumnLeft(c), row}, cells[c]);
    }
    row += kRowHeight;
  }
}

}  // namespace

std::string AsBuiltSurroundingsText(const design::CircuitAnalysis& circuit, char separator) {
  std::string text = std::to_string(circuit.N) + " positions, " +
                     (circuit.Balanced ? "balanced" : "single-ended") + ", first set " +
                     (circuit.Sets.empty() ? std::string("-")
                                           : std::string(circuit.Sets[0].RoundedIn->Name())) +
                     ", total " + notation::WriteBuilderValue(circuit.TotalOhms, separator) +
                     " ohms";
  return text + ". " + InputsLine(circuit.Inputs) + ".";
}

int AsBuiltPageCount(const design::AsBuiltAnalysis& analysis) {
  if (analysis.N < 2) return 0;
  return analysis.N > kAsBuiltRowsOnFirstPage ? 2 : 1;
}

bool DrawAsBuiltPage(surface::Surface& page, int pageIndex, const design::CircuitAnalysis& circuit,
                     const design::AsBuiltAnalysis& analysis,
                     const design::FittedStrings& fitted, char separator,
                     const std::string& date) {
  const int pages = AsBuiltPageCount(analysis);
  if (pageIndex < 0 || pageIndex >= pages) return false;
  page.setScale(kPageScale);
  page.setFontSize(kTitlePoints);
  page.printAt(PointF{0.0f, 0.0f}, pageIndex == 0 ? "Kestrix - As built"
                                                  : "Kestrix - As built, the table");
  if (pageIndex == 1) {
    DrawTable(page, 600.0f, analysis, fitted, separator);
  } else {
    page.setFontSize(kTextPoints);
    float y = 500.0f;
    page.printAt(PointF{0.0f, y}, AsBuiltSurroundingsText(circuit, separator));
    y += kLineHeight * 1.5f;
    for (const std::string& line : Split(design::AsBuiltSummary(analysis, separator), '\n')) {
      page.printAt(PointF{0.0f, y}, line);
      y += kLineHeight;
    }
    AsBuiltChartLayout chart;
    chart.left = 900.0f;
    chart.right = 11600.0f;
    chart.top = y + 700.0f;
    chart.bottom = chart.top + 3600.0f;
    chart.textPoints = page::kSmallestPoints;
    chart.unitsPerPoint = kUnitsPerPoint;
    chart.framePen = 8.0f;
    chart.seriesPen = 5.0f;
    chart.marker = 45.0f;
    DrawAsBuiltChart(page, analysis, chart);
    if (pages == 1) {
      DrawTable(page, chart.bottom + 900.0f, analysis, fitted, separator);
    } else {
      page.setFontSize(kTextPoints);
      page.printAt(PointF{0.0f, chart.bottom + 900.0f},
                   "The table of fitted values is on the next page.");
    }
  }
  page.setFontSize(page::kSmallestPoints);
  page.printAt(PointF{0.0f, kFooterTop}, "Kestrix - As built - page " +
                                             std::to_string(pageIndex + 1) + " of " +
                                             std::to_string(pages) + " - " + date);
  return true;
}

}  // namespace ui
