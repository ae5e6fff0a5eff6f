// The in-circuit table's item model.
#include "ui/windows/in_circuit_table.h"

#include <utility>

#include <QString>

namespace ui {

void CircuitTableModel::setTable(ShownTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

int CircuitTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int CircuitTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.headings.size());
}

QVariant CircuitTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
    return {};
  }
  const auto column = static_cast<std::size_t>(index.column());
  const std::vector<std::string>& row = table_.rows[static_cast<std::size_t>(index.row())];
  // The text only for the roles that show it: a view asks for several roles
  // of every cell it draws or measures.
  const auto text = [&] {
    return column < row.size() ? QString::fromStdString(row[column]) : QString();
  };
  switch (role) {
    case Qt::DisplayRole:
      return text();
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::AccessibleTextRole: {
      const QString cell = text();
      const circuit_text::ColumnHeading& heading = table_.headings[column];
      return QStringLiteral("%1: %2 %3")
          .arg(QString::fromStdString(heading.Meaning),
               cell.isEmpty() ? QStringLiteral("none") : cell, QString::fromStdString(heading.Unit))
          .trimmed();
    }
    default:
      return {};
  }
}

QVariant CircuitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const circuit_text::ColumnHeading& heading = table_.headings[static_cast<std::size_t>(section)];
  switch (role) {
    case Qt::DisplayRole:
      return QStringLiteral("%1\n%2%3")
          .arg(QString::fromStdString(heading.What), QString::fromStdString(heading.Unit),
               heading.IntoLoad ? QStringLiteral("\ninto load") : QString());
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
      return QStringLiteral("%1 (%2)").arg(QString::fromStdString(heading.Meaning),
                                           QString::fromStdString(heading.Name));
    default:
      return QAbstractTableModel::headerData(section, orientation, role);
  }
}

}  // namespace ui
