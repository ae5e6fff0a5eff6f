// The as-built table's cells.
#include "ui/windows/as_built_table.h"

#include <QBrush>

#include "circuit_text/as_built_text.h"
#include "notation/builder_value.h"
#include "ui/desktop/window_palette.h"
#include "ui/windows/as_built_session.h"

namespace ui {
namespace {

constexpr const char* kResultHeadings[] = {"Position",  "Target dB", "Left dB",   "Right dB",
                                           "Left dev",  "Right dev", "Difference"};

}  // namespace

AsBuiltTableModel::AsBuiltTableModel(std::function<void(const std::string&)> refused,
                                     QObject* parent)
    : QAbstractTableModel(parent), refused_(std::move(refused)) {}

void AsBuiltTableModel::show(const circuit::AsBuiltAnalysis* analysis, AsBuiltSession* session,
                             char separator) {
  const int rows = analysis && session && analysis->N >= 2 ? analysis->N : 0;
  const int columns = session ? 1 + static_cast<int>(session->Fitted.size()) +
                                    static_cast<int>(std::size(kResultHeadings))
                              : 0;
  const bool reshaped = rows != rows_ || columns != columns_ || session != session_;
  if (reshaped) beginResetModel();
  analysis_ = analysis;
  session_ = session;
  separator_ = separator;
  rows_ = rows;
  columns_ = columns;
  if (reshaped) {
    endResetModel();
  } else if (rows_ > 0 && columns_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  }
}

int AsBuiltTableModel::stringColumns() const {
  return session_ ? static_cast<int>(session_->Fitted.size()) : 0;
}

int AsBuiltTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int AsBuiltTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant AsBuiltTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ || index.column() >= columns_) return {};
  const int row = index.row();
  const int column = index.column();
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
  const int k = ResistorOfRow(row);
  if (column >= 1 && column <= stringColumns()) {
    return k == 0 ? QVariant() : fittedData(k, column - 1, role);
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  if (column == 0) return k == 0 ? QVariant() : QVariant(QStringLiteral("R%1").arg(k));
  return resultData(row, column - 1 - stringColumns());
}

QVariant AsBuiltTableModel::fittedData(int k, int column, int role) const {
  const double fitted = session_->Fitted[static_cast<std::size_t>(column)][k];
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    return QString::fromStdString(
        circuit_text::FittedText(fitted, analysis_->FirstSeries, separator_));
  }
  const circuit::CircuitAnalysis& circuit = session_->Circuit;
  if (circuit.Sets.empty()) return {};
  const double designed = circuit.Sets[0].Parts.Ohms[k];
  const double tolerance = circuit.Inputs.TolerancePercent;
  const circuit::FitMark mark = circuit::MarkFitted(fitted, designed, tolerance);
  if (mark == circuit::FitMark::AsDesigned) return {};
  const bool misfit = mark == circuit::FitMark::LikelyMisfit;
  switch (role) {
    case Qt::BackgroundRole:
      return QBrush(misfit ? kMisfitCell : kBeyondToleranceCell);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
      const std::string part =
          circuit_text::FittedText(designed, analysis_->FirstSeries, separator_);
      if (misfit) {
        return QString::fromStdString(
            "Likely a wrong part: more than " +
            notation::WriteBuilderValue(circuit::kMisfitRatio, separator_) +
            " times off the designed " + part);
      }
      return QString::fromStdString("Beyond the " +
                                    notation::WriteBuilderValue(tolerance, separator_) +
                                    "% tolerance of the designed " + part);
    }
    default:
      return {};
  }
}

QVariant AsBuiltTableModel::resultData(int p, int column) const {
  if (column == 0) return p;
  // The ground row has no attenuation: the copied table leaves it empty too.
  if (p == rows_ - 1) return {};
  const circuit::AsBuiltAnalysis& a = *analysis_;
  const auto db = [this](double value) {
    return QString::fromStdString(notation::DecibelText(value, separator_));
  };
  switch (column) {
    case 1: return db(a.Target[p]);
    case 2: return db(a.Db[0][p]);
    case 3: return db(a.Db[1][p]);
    case 4:
      return db(circuit::Deviation(a.Db[0], p, a.Target));
    case 5:
      return db(circuit::Deviation(a.Db[1], p, a.Target));
    default: return db(a.DifferenceDb[p]);
  }
}

bool AsBuiltTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !session_ || !(flags(index) & Qt::ItemIsEditable)) return false;
  const int k = ResistorOfRow(index.row());
  const int column = index.column() - 1;
  const std::string text = value.toString().toStdString();
  // A cell left as it was shown keeps its value: a designed 1.82k stays the
  // part the analysis holds, not the decimal the cell writes.
  if (value.toString() == data(index, Qt::EditRole).toString()) return true;
  double ohms = 0.0;
  if (!circuit_text::ReadFittedCell(text, separator_, ohms)) {
    refused_(circuit_text::RefusedCellMessage(k, column, analysis_->Balanced, text, separator_));
    return false;
  }
  if (ChangeFitted(*session_, [&](circuit::FittedStrings& fitted) { fitted[column][k] = ohms; })) {
    emit fittedChanged();
  }
  return true;
}

Qt::ItemFlags AsBuiltTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && ResistorOfRow(index.row()) > 0 && index.column() >= 1 &&
      index.column() <= stringColumns()) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

QVariant AsBuiltTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !analysis_ || section < 0 ||
      section >= columns_) {
    return {};
  }
  if (section == 0) return QStringLiteral("Resistor");
  if (section <= stringColumns()) {
    return QString::fromStdString(circuit_text::StringHeading(section - 1, analysis_->Balanced));
  }
  return QString::fromUtf8(kResultHeadings[section - 1 - stringColumns()]);
}

}  // namespace ui
