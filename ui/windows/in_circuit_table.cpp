// The in-circuit table's item model.
#include "ui/windows/in_circuit_table.h"

#include <QString>

#include "ui/pictures/circuit_cells.h"

namespace ui {

void CircuitTableModel::setAnalysis(const design::CircuitAnalysis& analysis, char separator) {
  beginResetModel();
  rows_ = ShownCircuitCells(analysis, separator);
  series_ = {analysis.Sets.size() > 0 ? std::string(analysis.Sets[0].RoundedIn->Name()) : "",
             analysis.Sets.size() > 1 ? std::string(analysis.Sets[1].RoundedIn->Name()) : ""};
  for (std::size_t c = 0; c < design::kCircuitColumnCount; ++c) {
    names_[c] = design::ColumnName(design::kCircuitColumns[c], analysis);
  }
  endResetModel();
}

int CircuitTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CircuitTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(design::kCircuitColumnCount);
}

QVariant CircuitTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
    return {};
  }
  const std::string& cell =
      rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(cell);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::AccessibleTextRole: {
      const design::Heading& heading =
          design::kCircuitHeadings[static_cast<std::size_t>(index.column())];
      const QString value = cell.empty() ? QStringLiteral("none") : QString::fromStdString(cell);
      return QStringLiteral("%1: %2 %3")
          .arg(QString::fromLatin1(heading.meaning), value, QString::fromLatin1(heading.unit));
    }
    default:
      return {};
  }
}

QVariant CircuitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const design::Heading& heading = design::kCircuitHeadings[static_cast<std::size_t>(section)];
  switch (role) {
    case Qt::DisplayRole: {
      // The rounded sets' headings name the series chosen, and every dB
      // column is attenuation into the load.
      const design::CircuitColumn& column = design::kCircuitColumns[static_cast<std::size_t>(section)];
      QString unit = QString::fromLatin1(heading.unit);
      if (column.Set >= 0) {  // "E96 ohm": the series, then the unit
        unit = QString::fromStdString(series_[static_cast<std::size_t>(column.Set)]) + unit.mid(3);
      }
      if (column.Kind == design::CellKind::Decibels && section != 1) {
        unit += QStringLiteral("\ninto load");
      }
      return QStringLiteral("%1\n%2").arg(QString::fromLatin1(heading.what), unit);
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
      return QStringLiteral("%1 (%2)").arg(
          QString::fromLatin1(heading.meaning),
          QString::fromStdString(names_[static_cast<std::size_t>(section)]));
    default:
      return QAbstractTableModel::headerData(section, orientation, role);
  }
}

}  // namespace ui
