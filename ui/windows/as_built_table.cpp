// The as-built table's cells.
#include "ui/windows/as_built_table.h"

#include "notation/builder_value.h"

namespace ui {
namespace {

constexpr const char* kResultHeadings[] = {"Position",  "Target dB", "Left dB",   "Right dB",
                                           "Left dev",  "Right dev", "Difference"};

}  // namespace

AsBuiltTableModel::AsBuiltTableModel(std::function<void(const std::string&)> refused,
                                     QObject* parent)
    : QAbstractTableModel(parent), refused_(std::move(refused)) {}

void AsBuiltTableModel::show(const design::AsBuiltAnalysis* analysis,
                             design::FittedStrings* fitted, char separator) {
  beginResetModel();
  analysis_ = analysis;
  fitted_ = fitted;
  separator_ = separator;
  endResetModel();
}

int AsBuiltTableModel::stringColumns() const {
  return fitted_ ? static_cast<int>(fitted_->size()) : 0;
}

int AsBuiltTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !analysis_ || analysis_->N < 2) return 0;
  return analysis_->N - 1;
}

int AsBuiltTableModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !fitted_) return 0;
  return 1 + stringColumns() + static_cast<int>(std::size(kResultHeadings));
}

QVariant AsBuiltTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !analysis_ || !fitted_) return {};
  const int k = index.row() + 1;
  const int column = index.column();
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  if (column == 0) return QStringLiteral("R%1").arg(k);
  if (column <= stringColumns()) {
    return QString::fromStdString(
        design::FittedText((*fitted_)[column - 1][k], analysis_->FirstSeries, separator_));
  }
  const design::AsBuiltAnalysis& a = *analysis_;
  const int p = k - 1;  // the position at the top of resistor k
  const auto db = [this](double value) {
    return QString::fromStdString(notation::DecibelText(value, separator_));
  };
  switch (column - 1 - stringColumns()) {
    case 0: return p;
    case 1: return db(a.Target[p]);
    case 2: return db(a.Db[0][p]);
    case 3: return db(a.Db[1][p]);
    case 4: return db(design::Deviation(a.Db[0], p, a.Target));
    case 5: return db(design::Deviation(a.Db[1], p, a.Target));
    default: return db(a.DifferenceDb[p]);
  }
}

bool AsBuiltTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !fitted_ || !(flags(index) & Qt::ItemIsEditable)) return false;
  const int k = index.row() + 1;
  const int column = index.column() - 1;
  const std::string text = value.toString().toStdString();
  // A cell left as it was shown keeps its value: a designed 1.82k stays the
  // part the analysis holds, not the decimal the cell writes.
  if (value.toString() == data(index, Qt::EditRole).toString()) return true;
  if (!design::ReadFittedCell(text, separator_, (*fitted_)[column][k])) {
    refused_(design::RefusedCellMessage(k, column, analysis_->Balanced, text, separator_));
    return false;
  }
  emit fittedChanged();
  return true;
}

Qt::ItemFlags AsBuiltTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() >= 1 && index.column() <= stringColumns()) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

QVariant AsBuiltTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !analysis_) return {};
  if (section == 0) return QStringLiteral("Resistor");
  if (section <= stringColumns()) {
    return QString::fromStdString(design::StringHeading(section - 1, analysis_->Balanced));
  }
  return QString::fromUtf8(kResultHeadings[section - 1 - stringColumns()]);
}

}  // namespace ui
