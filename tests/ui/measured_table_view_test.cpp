// The table view that measures only the cells that can be the widest gives
// every column the width Qt's own measure of every cell gives it.
#include <iterator>
#include <vector>

#include <QFont>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include "ui/desktop/measured_table_view.h"

namespace {

class Exposed : public ui::MeasuredTableView {
 public:
  int measured(int column) const { return sizeHintForColumn(column); }
  int everyCell(int column) const { return QTableView::sizeHintForColumn(column); }
};

TEST(MeasuredTableView, ColumnsAsWideAsEveryCellMeasured) {
  const struct {
    const char* what;
    std::vector<const char*> cells;
  } kColumns[] = {
      {"numbers of one shape", {"12.345", "-0.001", "99.999", "10.000", "-7.250"}},
      {"the widest in the middle", {"1.5", "1.82k", "120.0005", "7", "0"}},
      {"few wide letters beat many narrow", {"iiiiiiiiii", "WWWW", "lll", "MMM", "i"}},
      {"kerning pairs", {"AVAVAVAV", "WAVE", "To To To", "AAAAAAAA", "VA"}},
      {"units and symbols", {"4.7 k\u03a9", "1.10 MHz", "\u2191 3 dB", "12 \u00b5V", "\u2014"}},
      {"empty cells", {"", "", "3", "", ""}},
  };
  QStandardItemModel model(5, static_cast<int>(std::size(kColumns)));
  for (int c = 0; c < model.columnCount(); ++c) {
    for (int r = 0; r < model.rowCount(); ++r) {
      model.setData(model.index(r, c), QString::fromUtf8(kColumns[c].cells[r]));
    }
  }
  Exposed view;
  view.setModel(&model);
  // Then a fixed-pitch font, where ten i are wider than four W: widths kept
  // from the first font must not carry over.
  for (const char* family : {"DejaVu Sans", "DejaVu Sans Mono"}) {
    view.setFont(QFont(QString::fromLatin1(family), 11));
    for (int c = 0; c < model.columnCount(); ++c) {
      SCOPED_TRACE(testing::Message() << kColumns[c].what << ", " << family);
      EXPECT_EQ(view.measured(c), view.everyCell(c));
    }
  }
}

}  // namespace
