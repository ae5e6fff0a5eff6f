// Tables, footers and numbers as the in-circuit and as-built pages print them.
#include "ui/pictures/page_parts.h"

#include <algorithm>

#include "notation/eng_notation.h"
#include "ui/pictures/page_measures.h"

namespace ui {

PageTable PrintedTable(const ShownTable& shown) {
  PageTable table;
  for (const circuit_text::ColumnHeading& heading : shown.headings) {
    table.headings.push_back({heading.What, heading.Unit});
  }
  table.rows = shown.rows;
  return table;
}

std::vector<float> TableColumnRights(const surface::Surface& page, const PageTable& table,
                                     float left, float right) {
  std::vector<float> widths(table.headings.size(), 0.0f);
  const auto widen = [&page, &widths](std::size_t column, const std::string& text) {
    if (column < widths.size() && !text.empty()) {
      widths[column] = std::max(widths[column], page.textWidth(text));
    }
  };
  for (std::size_t c = 0; c < table.headings.size(); ++c) {
    for (const std::string& line : table.headings[c]) widen(c, line);
  }
  for (const std::vector<std::string>& row : table.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) widen(c, row[c]);
  }
  float used = 0.0f;
  for (const float width : widths) used += width;
  const float columns = static_cast<float>(widths.size());
  const float gap = std::max(page.textWidth("0"), (right - left - used) / std::max(columns, 1.0f));
  // The first column's share lies before it too, so its texts stand clear
  // of the margin like the others stand clear of their neighbours.
  std::vector<float> rights;
  float at = left;
  for (const float width : widths) {
    at += gap + width;
    rights.push_back(at);
  }
  return rights;
}

float DrawTableRows(surface::Surface& page, const PageTable& table,
                    const std::vector<float>& columnRights, float left, float top, float rowHeight,
                    int from, int to) {
  const auto rightAligned = [&page, &columnRights](std::size_t column, float y,
                                                   const std::string& text) {
    if (column >= columnRights.size() || text.empty()) return;
    page.printAt(surface::PointF{columnRights[column] - page.textWidth(text), y}, text);
  };
  std::size_t lines = 0;
  for (std::size_t c = 0; c < table.headings.size(); ++c) {
    const std::vector<std::string>& heading = table.headings[c];
    lines = std::max(lines, heading.size());
    for (std::size_t i = 0; i < heading.size(); ++i) {
      rightAligned(c, top + rowHeight * static_cast<float>(i), heading[i]);
    }
  }
  const float firstRow = top + rowHeight * static_cast<float>(lines) + 40.0f;
  const float tableRight = columnRights.empty() ? left : columnRights.back();
  page.line(surface::LineMode::Line, surface::PointF{left, firstRow - 20.0f},
            surface::PointF{tableRight, firstRow - 20.0f}, 0x000000);
  float y = firstRow;
  for (int r = std::max(from, 0); r < to && r < static_cast<int>(table.rows.size()); ++r) {
    const std::vector<std::string>& cells = table.rows[static_cast<std::size_t>(r)];
    for (std::size_t c = 0; c < cells.size(); ++c) rightAligned(c, y, cells[c]);
    y += rowHeight;
  }
  return y;
}

void DrawFooter(surface::Surface& page, const std::string& text, int pageIndex, int pageCount,
                float left, float right, float top) {
  page.setFontSize(page::kSmallestPoints);
  page.printAt(surface::PointF{left, top}, text);
  const std::string number =
      "Page " + std::to_string(pageIndex + 1) + " of " + std::to_string(pageCount);
  page.printAt(surface::PointF{right - page.textWidth(number), top}, number);
}

std::string EngText(float value, char separator) {
  // FormatEng writes the program's separator, '.' or ',', and no other
  // point or comma: either one is the point.
  std::string text = notation::FormatEngTrimmed(value);
  for (char& c : text) {
    if (c == '.' || c == ',') c = separator;
  }
  return text;
}

}  // namespace ui
