// The as-built table's item model: one row per resistor, an editable value
// column per fitted string, then the position above that resistor with each
// channel's attenuation, deviation and the channel difference.
#pragma once

#include <functional>
#include <string>

#include <QAbstractTableModel>

#include "design/as_built.h"

namespace ui {

class AsBuiltTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `refused` hears of a typed text the reader refused, with its message.
  AsBuiltTableModel(std::function<void(const std::string&)> refused, QObject* parent);

  // Shows `analysis` of `fitted` (both kept by the caller and outliving the model).
  void show(const design::AsBuiltAnalysis* analysis, design::FittedStrings* fitted, char separator);

  int stringColumns() const;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // A cell took a new value.
  void fittedChanged();

 private:
  std::function<void(const std::string&)> refused_;
  const design::AsBuiltAnalysis* analysis_ = nullptr;
  design::FittedStrings* fitted_ = nullptr;
  char separator_ = '.';
};

}  // namespace ui
