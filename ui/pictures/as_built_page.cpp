// The as-built pages, drawn through the shared surface operations.
#include "ui/pictures/as_built_page.h"

#include <sstream>
#include <utility>
#include <vector>

#include "circuit_text/as_built_text.h"
#include "notation/builder_value.h"
#include "ui/pictures/as_built_chart.h"
#include "ui/pictures/in_circuit_page.h"
#include "ui/pictures/page_measures.h"
#include "ui/pictures/page_parts.h"

namespace ui {
namespace {

using surface::PointF;

constexpr float kLineHeight = page::kTextPoints * page::kUnitsPerPoint * 1.35f;
constexpr float kRowHeight = page::kTablePoints * page::kUnitsPerPoint * 1.3f;
constexpr float kFooterTop = 15600.0f;
constexpr float kRight = 11600.0f;  // the chart's right edge, which the table and footer keep

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, at)) parts.push_back(part);
  return parts;
}

// The table as the window shows it, a row a resistor: its name, the value
// fitted in each string, then the position above it with each channel's
// attenuation and deviation and their difference.
PageTable FittedTable(const circuit::AsBuiltAnalysis& a, const circuit::FittedStrings& fitted,
                      char separator) {
  PageTable table;
  table.headings.push_back({"Resistor"});
  for (std::size_t c = 0; c < fitted.size(); ++c) {
    table.headings.push_back({circuit_text::StringHeading(static_cast<int>(c), a.Balanced), "ohm"});
  }
  table.headings.push_back({"Position"});
  for (const char* what : {"Target", "Left", "Right", "Left dev", "Right dev", "Difference"}) {
    table.headings.push_back({what, "dB"});
  }
  const auto db = [separator](double value) { return notation::DecibelText(value, separator); };
  for (int k = 1; k < a.N; ++k) {
    std::vector<std::string> cells{"R" + std::to_string(k)};
    for (const circuit::OhmsColumn& string : fitted) {
      cells.push_back(
          circuit_text::FittedText(string[static_cast<std::size_t>(k)], a.FirstSeries, separator));
    }
    const int p = k - 1;  // the position at the top of resistor k
    cells.insert(cells.end(),
                 {std::to_string(p), db(a.Target[p]), db(a.Db[0][p]), db(a.Db[1][p]),
                  db(circuit::Deviation(a.Db[0], p, a.Target)),
                  db(circuit::Deviation(a.Db[1], p, a.Target)), db(a.DifferenceDb[p])});
    table.rows.push_back(std::move(cells));
  }
  return table;
}

// The table from `top`: the headings, a rule, a row a resistor.
void DrawTable(surface::Surface& page, float top, const circuit::AsBuiltAnalysis& analysis,
               const circuit::FittedStrings& fitted, char separator) {
  page.setFontSize(page::kTablePoints);
  page.setPenWidth(page::kRulePen);
  const PageTable table = FittedTable(analysis, fitted, separator);
  const std::vector<float> rights = TableColumnRights(page, table, 0.0f, kRight);
  DrawTableRows(page, table, rights, 0.0f, top, kRowHeight, 0, static_cast<int>(table.rows.size()));
}

}  // namespace

std::string AsBuiltSurroundingsText(const circuit::CircuitAnalysis& circuit, char separator) {
  std::string text = std::to_string(circuit.N) + " positions, " +
                     (circuit.Balanced ? "balanced" : "single-ended") + ", first set " +
                     (circuit.Sets.empty() ? std::string("-")
                                           : std::string(circuit.Sets[0].RoundedIn->Name())) +
                     ", total " + notation::WriteBuilderValue(circuit.TotalOhms, separator) +
                     " ohms";
  return text + ". " + InputsLine(circuit.Inputs, separator) + ".";
}

int AsBuiltPageCount(const circuit::AsBuiltAnalysis& analysis) {
  if (analysis.N < 2) return 0;
  return analysis.N > kAsBuiltRowsOnFirstPage ? 2 : 1;
}

bool DrawAsBuiltPage(surface::Surface& page, int pageIndex, const circuit::CircuitAnalysis& circuit,
                     const circuit::AsBuiltAnalysis& analysis, const circuit::FittedStrings& fitted,
                     char separator, const std::string& date) {
  const int pages = AsBuiltPageCount(analysis);
  if (pageIndex < 0 || pageIndex >= pages) return false;
  page.setScale(page::kScale);
  page.setFontSize(page::kTitlePoints);
  page.printAt(PointF{0.0f, 0.0f}, pageIndex == 0 ? "Kestrix - As built"
                                                  : "Kestrix - As built, the table");
  if (pageIndex == 1) {
    DrawTable(page, 600.0f, analysis, fitted, separator);
  } else {
    page.setFontSize(page::kTextPoints);
    float y = 500.0f;
    page.printAt(PointF{0.0f, y}, AsBuiltSurroundingsText(circuit, separator));
    y += kLineHeight * 1.5f;
    for (const std::string& line : Split(circuit_text::AsBuiltSummary(analysis, separator), '\n')) {
      page.printAt(PointF{0.0f, y}, line);
      y += kLineHeight;
    }
    AsBuiltChartLayout chart;
    chart.left = 900.0f;
    chart.right = kRight;
    chart.top = y + 700.0f;
    chart.bottom = chart.top + 3600.0f;
    chart.textPoints = page::kSmallestPoints;
    chart.unitsPerPoint = page::kUnitsPerPoint;
    chart.framePen = 8.0f;
    chart.seriesPen = 5.0f;
    chart.marker = 45.0f;
    DrawAsBuiltChart(page, analysis, chart, separator);
    if (pages == 1) {
      DrawTable(page, chart.bottom + 900.0f, analysis, fitted, separator);
    } else {
      page.setFontSize(page::kTextPoints);
      page.printAt(PointF{0.0f, chart.bottom + 900.0f},
                   "The table of fitted values is on the next page.");
    }
  }
  DrawFooter(page, "Kestrix - As built - " + date, pageIndex, pages, 0.0f, kRight, kFooterTop);
  return true;
}

}  // namespace ui
