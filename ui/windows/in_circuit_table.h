// The in-circuit analysis as an item model: one row per switch position, the
// cells in builder's notation for the eye ("1.82k", "1.10 MHz", dB to three
// decimals); the Copy key writes the plain decimals instead.
#pragma once

#include <array>
#include <vector>

#include <QAbstractTableModel>

#include "design/circuit_headings.h"
#include "design/in_circuit_text.h"

namespace ui {

class CircuitTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Takes the cells of `analysis`, decimal separator `separator`.
  void setAnalysis(const design::CircuitAnalysis& analysis, char separator);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  // A column's unit and meaning, naming the series chosen for its set.
  QString unit(int column) const;
  QString meaning(int column) const;

  std::vector<design::CircuitRow> rows_;  // as shown
  std::array<std::string, design::kCircuitColumnCount> names_;  // as the copied header has them
  std::array<std::string, 2> series_;                           // the rounded sets' series, "E96"
};

}  // namespace ui
