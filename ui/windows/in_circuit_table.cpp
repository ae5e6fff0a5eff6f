// The in-circuit table's item model.
#include "ui/windows/in_circuit_table.h"

#include <QString>

#include "ui/pictures/circuit_cells.h"

namespace ui {

void CircuitTableModel::setAnalysis(const circuit::CircuitAnalysis& analysis, char separator) {
  beginResetModel();
  rows_ = ShownCircuitCells(analysis, separator);
  series_ = {analysis.Sets.size() > 0 ? std::string(analysis.Sets[0].RoundedIn->Name()) : "",
             analysis.Sets.size() > 1 ? std::string(analysis.Sets[1].RoundedIn->Name()) : ""};
  for (std::size_t c = 0; c < circuit_text::kCircuitColumnCount; ++c) {
    names_[c] = circuit_text::ColumnName(circuit_text::kCircuitColumns[c], analysis);
  }
  endResetModel();
}

QString CircuitTableModel::unit(int column) const {
  const circuit_text::CircuitColumn& kind =
      circuit_text::kCircuitColumns[static_cast<std::size_t>(column)];
  QString text =
      QString::fromLatin1(circuit_text::kCircuitHeadings[static_cast<std::size_t>(column)].unit);
  if (kind.Set >= 0) {  // "E96 ohm": the series, then the unit
    text = QString::fromStdString(series_[static_cast<std::size_t>(kind.Set)]) + text.mid(3);
  }
  return text;
}

QString CircuitTableModel::meaning(int column) const {
  QString text =
      QString::fromLatin1(circuit_text::kCircuitHeadings[static_cast<std::size_t>(column)].meaning);
  // The headings name the default series of the compensated sets, E96 and
  // E24; a meaning names one set at most.
  const char* const defaults[] = {"compensated E96", "compensated E24"};
  for (std::size_t set = 0; set < std::size(defaults); ++set) {
    const QString named = QString::fromLatin1(defaults[set]);
    const qsizetype at = text.indexOf(named);
    if (at < 0 || series_[set].empty()) continue;
    text.replace(at, named.size(),
                 QStringLiteral("compensated ") + QString::fromStdString(series_[set]));
    break;
  }
  return text;
}

int CircuitTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CircuitTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(circuit_text::kCircuitColumnCount);
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
      const QString value = cell.empty() ? QStringLiteral("none") : QString::fromStdString(cell);
      return QStringLiteral("%1: %2 %3").arg(meaning(index.column()), value, unit(index.column()));
    }
    default:
      return {};
  }
}

QVariant CircuitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const circuit_text::Heading& heading =
      circuit_text::kCircuitHeadings[static_cast<std::size_t>(section)];
  switch (role) {
    case Qt::DisplayRole: {
      // Every dB column is attenuation into the load.
      const circuit_text::CircuitColumn& column =
          circuit_text::kCircuitColumns[static_cast<std::size_t>(section)];
      QString shown = unit(section);
      if (column.Kind == circuit_text::CellKind::Decibels && section != 1) {
        shown += QStringLiteral("\ninto load");
      }
      return QStringLiteral("%1\n%2").arg(QString::fromLatin1(heading.what), shown);
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
      return QStringLiteral("%1 (%2)").arg(
          meaning(section), QString::fromStdString(names_[static_cast<std::size_t>(section)]));
    default:
      return QAbstractTableModel::headerData(section, orientation, role);
  }
}

void KindTableModel::setAnalysis(const circuit::KindAnalysis& analysis, char separator) {
  beginResetModel();
  table_ = circuit_text::PositionTable(analysis, separator);
  endResetModel();
}

int KindTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.Lines.size());
}

int KindTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.Header.size());
}

QVariant KindTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
    return {};
  }
  const circuit_text::Line& line = table_.Lines[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<std::size_t>(index.column());
  const QString cell = column < line.size() ? QString::fromStdString(line[column]) : QString();
  switch (role) {
    case Qt::DisplayRole:
      return cell;
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::AccessibleTextRole:
      return QStringLiteral("%1: %2").arg(QString::fromStdString(table_.Header[column]),
                                          cell.isEmpty() ? QStringLiteral("none") : cell);
    default:
      return {};
  }
}

QVariant KindTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const QString name = QString::fromStdString(table_.Header[static_cast<std::size_t>(section)]);
  switch (role) {
    case Qt::DisplayRole: {
      QString shown = name;
      const qsizetype last = shown.lastIndexOf(QLatin1Char('_'));
      if (last > 0) shown[last] = QLatin1Char('\n');
      return shown.replace(QLatin1Char('_'), QLatin1Char(' '));
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
      return name;
    default:
      return QAbstractTableModel::headerData(section, orientation, role);
  }
}

}  // namespace ui
