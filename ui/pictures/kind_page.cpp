// The pages of the other kinds, drawn through the shared surface operations.
#include "ui/pictures/kind_page.h"

#include <algorithm>
#include <cmath>

#include "circuit_text/parts_lines.h"
#include "circuit_text/build_list.h"
#include "circuit_text/kind_summary.h"
#include "circuit_text/kind_table.h"
#include "circuit_text/parts_list.h"
#include "notation/builder_value.h"
#include "ui/pictures/circuit_cells.h"
#include "ui/pictures/in_circuit_page.h"
#include "ui/pictures/kind_schematic.h"
#include "ui/pictures/page_measures.h"
#include "ui/pictures/page_parts.h"

namespace ui {
namespace {

using surface::PointF;

constexpr float kMargin = 420.0f;  // as the in-circuit page
constexpr float kRight = 12000.0f - kMargin;
constexpr float kLineStep = 250.0f;   // lines of 8 pt text
constexpr float kRowHeight = 200.0f;  // lines of 7 pt text
constexpr float kSchematicHeight = 2600.0f;
constexpr float kBottom = 15000.0f;  // above the footer
constexpr float kContinuedTop = 600.0f;
constexpr float kPartsColumn = 5580.0f;  // two columns of parts and build lines
// A line longer than this would run into the second column (at 7 pt, 0.6 em
// a character is 84 units; printer faces are narrower): such lists take one
// column a page.
constexpr std::size_t kCharsInPartsColumn = 60;

// The first page's rows, and the rows on each page after it.
struct Plan {
  PageTable table;
  std::vector<std::string> summary, parts;
  float tableTop = 0.0f;
  int firstRows = 0, laterRows = 0, tablePages = 1, partsPages = 0, partsColumns = 2;
};

int RowsBetween(float top) {
  return std::max(1, static_cast<int>((kBottom - top - 2.0f * kRowHeight - 40.0f) / kRowHeight));
}

Plan PlanOf(const circuit::KindAnalysis& a, char separator) {
  Plan plan;
  plan.table = PrintedTable(ShownKindTable(a, separator));
  plan.summary = circuit_text::SummaryLines(a, separator);
  plan.parts = circuit_text::PartsLines(a, separator);
  plan.tableTop = 500.0f + kLineStep * static_cast<float>(2 + plan.summary.size()) + 100.0f +
                  kSchematicHeight + 200.0f;
  plan.firstRows = RowsBetween(plan.tableTop);
  plan.laterRows = RowsBetween(kContinuedTop);
  const int rows = static_cast<int>(plan.table.rows.size());
  if (rows > plan.firstRows) {
    plan.tablePages += (rows - plan.firstRows + plan.laterRows - 1) / plan.laterRows;
  }
  for (const std::string& line : plan.parts) {
    if (line.size() > kCharsInPartsColumn) plan.partsColumns = 1;
  }
  const int perPage = plan.partsColumns * static_cast<int>((kBottom - kContinuedTop) / kRowHeight);
  plan.partsPages = (static_cast<int>(plan.parts.size()) + perPage - 1) / perPage;
  return plan;
}

void PrintAt(surface::Surface& page, float x, float y, const std::string& text) {
  page.printAt(PointF{x, y}, text);
}

// Rows `from` .. `to` - 1 under their headings at `top`, each column as wide
// as its widest text measured on the page, as the string's pages measure.
void DrawTable(surface::Surface& page, const PageTable& table, float top, int from, int to) {
  page.setFontSize(page::kTablePoints);
  const std::vector<float> rights = TableColumnRights(page, table, kMargin, kRight);
  DrawTableRows(page, table, rights, kMargin, top, kRowHeight, from,
                std::min(to, static_cast<int>(table.rows.size())));
}

}  // namespace

const char* KindName(circuit::Kind kind) {
  switch (kind) {
    case circuit::Kind::Ladder:
      return "Ladder";
    case circuit::Kind::Shunt:
      return "Shunt";
    case circuit::Kind::RelayLadder:
      return "Relay ladder";
    default:
      return "Series string";
  }
}

std::string KindLine(const circuit::KindAnalysis& a, std::string lawText, char separator) {
  if (a.Positions == 0) return "No attenuator to analyse.";
  // One separator on a line: the law's canonical text writes '.'.
  std::replace(lawText.begin(), lawText.end(), '.', separator);
  const std::string ohms = notation::WriteBuilderValue(a.Ohms, separator) + " ohms, ";
  std::string line = KindName(a.What);
  if (a.What == circuit::Kind::RelayLadder) {
    line += ", stage " + ohms + std::to_string(a.Stages) + " relays, step " + lawText + " dB";
  } else {
    line += std::string(a.What == circuit::Kind::Ladder ? ", input " : ", series ") + ohms +
            std::to_string(a.Positions) + " positions, steps " + lawText + " dB";
  }
  for (const circuit::PartSet& set : a.Sets) line += ", " + std::string(set.RoundedIn->Name());
  return line;
}

int KindPageCount(const circuit::KindAnalysis& analysis, char separator) {
  if (analysis.Positions == 0) return 0;
  const Plan plan = PlanOf(analysis, separator);
  return plan.tablePages + plan.partsPages;
}

bool DrawKindPage(surface::Surface& page, const circuit::KindAnalysis& analysis,
                  const std::string& lawText, char separator, const std::string& date, int index) {
  if (analysis.Positions == 0 || index < 0) return false;
  const Plan plan = PlanOf(analysis, separator);
  const int pages = plan.tablePages + plan.partsPages;
  if (index >= pages) return false;
  page.setScale(page::kScale);
  page.setPenWidth(2.0f);
  page.setFontSize(page::kTitlePoints);
  const std::string title = "Kestrix - In circuit - " + std::string(KindName(analysis.What));
  if (index == 0) {
    PrintAt(page, kMargin, 0.0f, title);
    page.setFontSize(page::kTextPoints);
    float y = 500.0f;
    for (const std::string& text : {InputsLine(analysis.Inputs, separator), KindLine(analysis, lawText, separator)}) {
      PrintAt(page, kMargin, y, text);
      y += kLineStep;
    }
    for (const std::string& text : plan.summary) {
      PrintAt(page, kMargin, y, text);
      y += kLineStep;
    }
    KindSchematicLayout schematic;
    schematic.left = kMargin;
    schematic.right = kRight;
    schematic.top = y + 100.0f;
    schematic.bottom = schematic.top + kSchematicHeight;
    schematic.textPoints = page::kTextPoints;
    schematic.unitsPerPoint = page::kUnitsPerPoint;
    schematic.wirePen = 4.0f;
    schematic.partPen = 8.0f;
    DrawKindSchematic(page, analysis, schematic, std::min(1, analysis.Positions - 1));
    DrawTable(page, plan.table, plan.tableTop, 0, plan.firstRows);
  } else if (index < plan.tablePages) {
    PrintAt(page, kMargin, 0.0f, title + " (table, continued)");
    const int from = plan.firstRows + (index - 1) * plan.laterRows;
    DrawTable(page, plan.table, kContinuedTop, from, from + plan.laterRows);
  } else {
    PrintAt(page, kMargin, 0.0f, "Kestrix - Parts and build list - " +
                                     std::string(KindName(analysis.What)));
    page.setFontSize(page::kTablePoints);
    const int perColumn = static_cast<int>((kBottom - kContinuedTop) / kRowHeight);
    const int perPage = plan.partsColumns * perColumn;
    const int first = (index - plan.tablePages) * perPage;
    for (int i = first; i < first + perPage && i < static_cast<int>(plan.parts.size()); ++i) {
      const int column = (i - first) / perColumn;
      PrintAt(page, kMargin + kPartsColumn * static_cast<float>(column),
              kContinuedTop + kRowHeight * static_cast<float>((i - first) % perColumn),
              plan.parts[static_cast<std::size_t>(i)]);
    }
  }
  page.setFontSize(page::kTablePoints);
  PrintAt(page, kMargin, 15400.0f,
          "Kestrix - In circuit - " + date + " - Page " + std::to_string(index + 1) + " of " +
              std::to_string(pages));
  return true;
}

}  // namespace ui
