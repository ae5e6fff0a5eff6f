// The in-circuit pages, drawn through the shared surface operations.
#include "ui/pictures/in_circuit_page.h"

#include <algorithm>

#include "circuit_text/parts_lines.h"
#include "circuit_text/string_summary.h"
#include "circuit_text/string_table.h"
#include "notation/builder_value.h"
#include "ui/pictures/circuit_cells.h"
#include "ui/pictures/in_circuit_chart.h"
#include "ui/pictures/page_measures.h"
#include "ui/pictures/page_parts.h"

namespace ui {
namespace {

using surface::PointF;

// Everything stays this far inside the printable area, which itself starts
// some 3.5 mm in: 420 units are 7.4 mm of an A4 page's 210 mm.
constexpr float kMargin = 420.0f;
constexpr float kRight = 12000.0f - kMargin;
constexpr float kLineStep = 250.0f;  // lines of 8 pt text
constexpr float kRowHeight = 200.0f;
constexpr int kRowsOnFirstPage = 25;  // positions; the rest continue overleaf
constexpr float kFooterTop = 15400.0f;

void PrintAt(surface::Surface& page, float x, float y, const std::string& text) {
  page.printAt(PointF{x, y}, text);
}

// The table as the window shows it: each column's heading and unit, then a
// row a position.
PageTable CircuitTable(const circuit::CircuitAnalysis& analysis, char separator) {
  return PrintedTable(ShownCircuitTable(analysis, separator));
}

// The table's headings at `top`, then positions `from` .. `to` - 1. Returns
// the top of the next row.
float DrawTable(surface::Surface& page, const circuit::CircuitAnalysis& analysis, char separator,
                float top, int from, int to) {
  page.setFontSize(page::kTablePoints);
  const PageTable table = CircuitTable(analysis, separator);
  const std::vector<float> rights = TableColumnRights(page, table, kMargin, kRight);
  return DrawTableRows(page, table, rights, kMargin, top, kRowHeight, from, to);
}

void Title(surface::Surface& page, const std::string& title) {
  page.setScale(page::kScale);
  page.setPenWidth(page::kRulePen);
  page.setFontSize(page::kTitlePoints);
  PrintAt(page, kMargin, 0.0f, title);
}

void FirstPage(surface::Surface& page, const design::DesignState& state,
               const circuit::CircuitAnalysis& analysis, const std::string& lawText,
               char separator) {
  Title(page, "Kestrix - In circuit");
  page.setFontSize(page::kTextPoints);
  float y = 500.0f;
  const auto line = [&page, &y](const std::string& text) {
    PrintAt(page, kMargin, y, text);
    y += kLineStep;
  };
  line(DesignLine(state, separator));
  line(InputsLine(analysis.Inputs, separator));
  line(StringLine(analysis, lawText, separator));
  for (const std::string& text : circuit_text::SummaryLines(analysis, separator)) line(text);

  const float row =
      DrawTable(page, analysis, separator, y + 150.0f, 0, std::min(analysis.N, kRowsOnFirstPage));

  CircuitChartLayout chart;
  chart.left = kMargin + 1000.0f;
  chart.right = kRight;
  chart.top = row + 700.0f;
  // The chart takes what the page has left above its legend and footer.
  chart.bottom = std::max(chart.top + 3000.0f, 14300.0f);
  chart.textPoints = page::kTextPoints;
  chart.unitsPerPoint = page::kUnitsPerPoint;
  chart.framePen = 8.0f;
  chart.gridPen = 2.0f;
  chart.seriesPen = 5.0f;
  chart.bandPen = 14.0f;
  chart.marker = 45.0f;
  DrawInCircuitChart(page, analysis, chart);
}

void PartsPage(surface::Surface& page, const circuit::CircuitAnalysis& analysis, char separator) {
  Title(page, "Kestrix - Parts and build list");
  page.setFontSize(page::kTablePoints);
  // Columns of lines, as many as the lists need, side by side; each column
  // as wide as its longest line measured on this page, so none runs into
  // the next.
  constexpr float kTop = 600.0f, kBottom = 15000.0f, kColumn = 2800.0f, kGap = 250.0f;
  const int perColumn = std::max(1, static_cast<int>((kBottom - kTop) / kRowHeight));
  const std::vector<std::string> lines = circuit_text::PartsLines(analysis, separator);
  float x = kMargin;
  for (std::size_t first = 0; first < lines.size(); first += perColumn) {
    const std::size_t last = std::min(lines.size(), first + perColumn);
    float widest = kColumn - kGap;
    float y = kTop;
    for (std::size_t i = first; i < last; ++i) {
      PrintAt(page, x, y, lines[i]);
      widest = std::max(widest, page.textWidth(lines[i]));
      y += kRowHeight;
    }
    x += widest + kGap;
  }
}

}  // namespace

std::string DesignLine(const design::DesignState& state, char separator) {
  return "Design: " + EngText(state.TotalOhms, separator) + " ohms, " +
         std::to_string(state.NumPositions) + " positions, " + EngText(state.StepSize, separator) +
         " dB per step";
}

std::string InputsLine(const circuit::CircuitInputs& inputs, char separator) {
  const auto written = [separator](double value) {
    return notation::WriteBuilderValue(value, separator);
  };
  const std::string load = inputs.LoadOhms > 0.0 ? written(inputs.LoadOhms) + " ohms" : "none";
  const std::string cable = inputs.CableFarads > 0.0 ? written(inputs.CableFarads) + "F" : "none";
  return "Load " + load + ", source impedance " + written(inputs.SourceOhms) + " ohms, cable " +
         cable + ", parts \u00b1" + written(inputs.TolerancePercent) + " %";
}

std::string StringLine(const circuit::CircuitAnalysis& a, const std::string& lawText,
                       char separator) {
  std::string line = "String " + notation::WriteBuilderValue(a.TotalOhms, separator) + " ohms, " +
                     std::to_string(a.N) + " positions, steps " + lawText + " dB";
  for (const circuit::RoundedSet& set : a.Sets) line += ", " + std::string(set.RoundedIn->Name());
  return line + (a.Balanced ? ", balanced" : ", single-ended");
}

int InCircuitPageCount(const circuit::CircuitAnalysis& analysis) {
  if (analysis.N < design::kMinPositions) return 0;
  return analysis.N > kRowsOnFirstPage ? 3 : 2;
}

bool DrawInCircuitPage(surface::Surface& page, int pageIndex, const design::DesignState& state,
                       const circuit::CircuitAnalysis& analysis, const std::string& lawText,
                       char separator, const std::string& date) {
  const int pages = InCircuitPageCount(analysis);
  if (pageIndex < 0 || pageIndex >= pages) return false;
  if (pageIndex == 0) {
    FirstPage(page, state, analysis, lawText, separator);
  } else if (pageIndex == pages - 1) {
    PartsPage(page, analysis, separator);
  } else {
    Title(page, "Kestrix - In circuit (table, continued)");
    DrawTable(page, analysis, separator, 600.0f, kRowsOnFirstPage, analysis.N);
  }
  DrawFooter(page, "Kestrix - In circuit - " + date, pageIndex, pages, kMargin, kRight, kFooterTop);
  return true;
}

}  // namespace ui
