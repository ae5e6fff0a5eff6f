// The as-built table's item model: one row per switch position from the top
// (position 0) down to ground, each with the resistor just above that
// position's tap in every fitted string, then the position's attenuation in
// each channel, their deviations and the channel difference.
#pragma once

#include <functional>
#include <string>

#include <QAbstractTableModel>

#include "circuit_text/as_built_text.h"

namespace ui {

struct AsBuiltSession;

// Row p shows position p beside resistor k = p, which lies between
// positions p - 1 and p: the part whose value sets the step into position
// p, so a wrong R6 shows its jump on its own row, beside position 6.
// Position 0, at the top, has a row of its own with no resistor, and the
// ground row (p = N - 1) shows the last resistor with no attenuation. The
// columns are: the resistor's name, one editable value column per fitted
// string (AsBuiltSession::Fitted's order), then position, target dB, left
// and right dB, left and right deviation and the difference. The copied
// table (circuit_text::AsBuiltCells) holds the same rows.
//
// A fitted value is marked against the first set's (circuit::MarkFitted with
// the in-circuit tolerance): a likely wrong part and a part beyond the
// tolerance each get a background colour and a description, which screen
// readers hear and the tooltip shows.
class AsBuiltTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `refused` hears of a typed text the reader refused, with its message.
  AsBuiltTableModel(std::function<void(const std::string&)> refused, QObject* parent);

  // Shows `analysis` of `session`'s fitted values (both kept by the caller
  // and outliving the model). While the table keeps its rows and columns
  // the cells are only told they changed, so the view keeps its place.
  void show(const circuit::AsBuiltAnalysis* analysis, AsBuiltSession* session, char separator);

  int stringColumns() const;
  // The resistor a row holds (0 on position 0's row), and the row of
  // resistor `k`.
  static int ResistorOfRow(int row) { return row; }
  static int RowOfResistor(int k) { return k; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // A typed value was taken, as one step of the session's undo history.
  void fittedChanged();

 private:
  QVariant fittedData(int k, int column, int role) const;
  QVariant resultData(int p, int column) const;

  std::function<void(const std::string&)> refused_;
  const circuit::AsBuiltAnalysis* analysis_ = nullptr;
  AsBuiltSession* session_ = nullptr;
  char separator_ = '.';
  int rows_ = 0;
  int columns_ = 0;
};

}  // namespace ui
