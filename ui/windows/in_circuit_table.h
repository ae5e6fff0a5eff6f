// The in-circuit table of any kind as an item model: headings in words, the
// cells in builder's notation for the eye ("1.82k", "1.10 MHz", dB to three
// decimals); the Copy key writes the plain decimals instead.
#pragma once

#include <QAbstractTableModel>

#include "ui/pictures/circuit_cells.h"

namespace ui {

class CircuitTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Shows `table` (ShownCircuitTable or ShownKindTable).
  void setTable(ShownTable table);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  // The cell, right-aligned; for screen readers "meaning: cell unit", "none"
  // for an empty cell.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // The heading's lines ("Comp.", "E96 dB", "into load" for attenuation into
  // the load); its tool tip "meaning (copied name)".
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  ShownTable table_;
};

}  // namespace ui
