// The in-circuit analysis as an item model: one row per switch position, the
// cells exactly as the Copy key writes them.
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
  std::vector<design::CircuitRow> rows_;
  std::array<std::string, design::kCircuitColumnCount> names_;  // as the copied header has them
};

}  // namespace ui
