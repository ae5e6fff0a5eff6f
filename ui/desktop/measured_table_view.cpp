// Column widths from the few cells that can be the widest.
#include "ui/desktop/measured_table_view.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QAbstractItemDelegate>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyleOptionViewItem>

namespace ui {

// A text's width in a font from its characters' advances and the kerning of
// each neighbouring pair, each shaped once and kept: what shaping the whole
// text gives where the font's adjustments go pair by pair, as Latin digits,
// signs and units do.
class MeasuredTableView::PairWidths {
 public:
  explicit PairWidths(const QFont& font) : font_(font), metrics_(font) {}

  const QFont& font() const { return font_; }

  qreal width(const QString& text) {
    qreal sum = 0.0;
    for (qsizetype i = 0; i < text.size(); ++i) {
      sum += advance(text[i]);
      if (i > 0) sum += kerning(text[i - 1], text[i]);
    }
    return sum;
  }

 private:
  qreal advance(QChar character) {
    const char16_t key = character.unicode();
    auto found = advances_.find(key);
    if (found == advances_.end()) {
      found = advances_.emplace(key, metrics_.horizontalAdvance(character)).first;
    }
    return found->second;
  }
  qreal kerning(QChar left, QChar right) {
    const char32_t key = (char32_t{left.unicode()} << 16) | right.unicode();
    auto found = kernings_.find(key);
    if (found == kernings_.end()) {
      const QChar both[] = {left, right};
      const QString pair(both, 2);
      const qreal kern = metrics_.horizontalAdvance(pair) - advance(left) - advance(right);
      found = kernings_.emplace(key, kern).first;
    }
    return found->second;
  }

  QFont font_;
  QFontMetricsF metrics_;
  // Standard maps: under -O3 with LTO, GCC 12 takes QHash's first insert for
  // an allocation of SIZE_MAX bytes and fails the warnings-as-errors build.
  std::unordered_map<char16_t, qreal> advances_;
  std::unordered_map<char32_t, qreal> kernings_;
};

namespace {

// Texts this close in width, pixels, are laid out in full by the delegate:
// far more than the rounding between the pairwise and the whole shaping.
constexpr qreal kNearWidest = 0.5;

}  // namespace

MeasuredTableView::MeasuredTableView(QWidget* parent) : QTableView(parent) {}

MeasuredTableView::~MeasuredTableView() = default;

int MeasuredTableView::sizeHintForColumn(int column) const {
  const QAbstractItemModel* cells = model();
  if (!cells) return -1;
  const int rows = cells->rowCount(rootIndex());
  const int precision = horizontalHeader()->resizeContentsPrecision();
  if (precision >= 0 && rows > precision) return QTableView::sizeHintForColumn(column);
  ensurePolished();
  QStyleOptionViewItem option;
  initViewItemOption(&option);

  if (!widths_ || widths_->font() != option.font) widths_ = std::make_unique<PairWidths>(option.font);
  PairWidths& widths = *widths_;
  std::vector<std::pair<qreal, int>> ranked;
  ranked.reserve(static_cast<std::size_t>(rows));
  qreal widest = 0.0;
  for (int row = 0; row < rows; ++row) {
    if (verticalHeader()->isSectionHidden(row)) continue;
    const qreal width = widths.width(cells->index(row, column, rootIndex()).data().toString());
    widest = std::max(widest, width);
    ranked.emplace_back(width, row);
  }
  // The delegate's width grows with the text's, so the widest texts decide
  // it; of texts of one width (most of a column of numbers) one is enough.
  std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
    return a.first > b.first || (a.first == b.first && a.second < b.second);
  });
  int hint = 0;
  qreal measured = -1.0;
  for (const auto& [width, row] : ranked) {
    if (width < widest - kNearWidest) break;
    if (width == measured) continue;
    measured = width;
    const QModelIndex index = cells->index(row, column, rootIndex());
    hint = std::max(hint, itemDelegateForIndex(index)->sizeHint(option, index).width());
  }
  return showGrid() ? hint + 1 : hint;
}

}  // namespace ui
