// The in-circuit analysis as an item model: one row per switch position, the
// cells in builder's notation for the eye ("1.82k", "1.10 MHz", dB to three
// decimals); the Copy key writes the plain decimals instead.
#pragma once

#include <array>
#include <vector>

#include <QAbstractTableModel>

#include "circuit_text/circuit_headings.h"
#include "circuit_text/kind_table.h"
#include "circuit_text/string_table.h"

namespace ui {

class CircuitTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Takes the cells of `analysis`, decimal separator `separator`.
  void setAnalysis(const circuit::CircuitAnalysis& analysis, char separator);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  // A column's unit and meaning, naming the series chosen for its set.
  QString unit(int column) const;
  QString meaning(int column) const;

  std::vector<circuit_text::CircuitRow> rows_;  // as shown
  std::array<std::string, circuit_text::kCircuitColumnCount>
      names_;                                                   // as the copied header has them
  std::array<std::string, 2> series_;                           // the rounded sets' series, "E96"
};

// A ladder's, shunt's or relay ladder's table as an item model: the cells of
// circuit_text::PositionTable (a relay ladder's codes), its column names as
// headings split at their last underscore ("ideal_series" over "ohm").
class KindTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setAnalysis(const circuit::KindAnalysis& analysis, char separator);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  // The cell; for screen readers "column: cell", "none" for an empty cell.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  circuit_text::KindTable table_;
};

}  // namespace ui
