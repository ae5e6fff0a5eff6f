// What the in-circuit and as-built pages share: tables whose columns are
// measured on the page, the footer with its page number, and numbers written
// with the page's decimal separator.
#pragma once

#include <string>
#include <vector>

#include "ui/pictures/circuit_cells.h"
#include "ui/surface/surface.h"

namespace ui {

// A table as a page prints it, every text right-aligned in its column.
struct PageTable {
  std::vector<std::vector<std::string>> headings;  // per column, its lines from the top
  std::vector<std::vector<std::string>> rows;      // per row, a cell per column ("" for none)
};

// The table as the window shows it, each heading's two lines over the cells.
PageTable PrintedTable(const ShownTable& shown);

// The right edge of every column, logical units: each column as wide as the
// widest of its heading lines and cells (all rows, so that a table carried
// over onto another page keeps its columns), measured on `page` at its
// current font size, plus an equal share of the room left between `left`
// and `right`. Neighbouring texts stay at least a digit's width apart; a
// table too wide for that runs on past `right`.
std::vector<float> TableColumnRights(const surface::Surface& page, const PageTable& table,
                                     float left, float right);

// Draws the headings of `table` from `top`, `rowHeight` a line, a rule
// from `left` to the last column's right edge (pen as set), then rows `from`
// to `to` - 1, and returns the top of the row after them.
float DrawTableRows(surface::Surface& page, const PageTable& table,
                    const std::vector<float>& columnRights, float left, float top, float rowHeight,
                    int from, int to);

// The footer line at `top` in the smallest type: `text` from `left`, and,
// right-aligned to `right`, "Page i of n" for page `pageIndex` (from 0) of
// `pageCount`.
void DrawFooter(surface::Surface& page, const std::string& text, int pageIndex, int pageCount,
                float left, float right, float top);

// FormatEng's text of `value` without its blank suffix ("4.7k", "12"), with
// `separator` as its decimal separator whichever one FormatEng wrote.
std::string EngText(float value, char separator);

}  // namespace ui
