// frmAsBuilt: the values actually fitted in both channels (or four legs),
// each channel into the load, their difference and the one swap that helps.
#pragma once

#include <optional>

#include <QString>

#include "circuit/as_built.h"
#include "ui/desktop/scaled_window.h"

class QLabel;
class QPushButton;
class QTableView;

namespace ui {

class AsBuiltTableModel;

// Construction analyses the kept session (KeptAsBuilt: the in-circuit
// analysis last handed over and the typed values). Messages go through
// AppSeams().showMessage, or the program's message box when it is empty.
// Typing, pasting, Make this change and Designed values are each one step
// that Ctrl+Z undoes and Ctrl+Shift+Z or Ctrl+Y redoes. The window uses its
// room: enlarged, it shows more of the table, its text keeping the size it
// opened with.
class frmAsBuilt : public ScaledWindow {
  Q_OBJECT

 public:
  explicit frmAsBuilt(QWidget* parent = nullptr);
  // The table goes first: while it dies it may still ask its model, which
  // reads this window's analysis.
  ~frmAsBuilt() override;

  // Analyses the kept values again and shows the table, summary and chart.
  void recompute();
  // The table as the Copy key puts it on the clipboard.
  QString tableText() const;
  const circuit::AsBuiltAnalysis& analysis() const { return analysis_; }

  QLabel* lblSurroundings;
  QTableView* grdFitted;
  QLabel* lblSummary;
  QPushButton* cmdMakeChange;
  QPushButton* cmdDesigned;
  QPushButton* cmdPrint;
  QPushButton* cmdReturn;

 protected:
  void layoutControls() override;

 private slots:
  void makeChange();
  void designedValues();
  void undo();
  void redo();
  void printClicked();
  void returnClicked();

 private:
  void createControls();
  void connectHandlers();
  void showMessage(const std::string& message);
  void paste();
  void drawChart(char separator);
  // Recomputes after the session's values changed from `before`, with the
  // first changed cell made current.
  void showChanged(const circuit::FittedStrings& before);
  // The table as copied, noting the values as kept.
  QString copyTable();
  // The window's font at `points`, at textScale_.
  QFont textFont(double points) const;

  AsBuiltTableModel* model_;
  circuit::AsBuiltAnalysis analysis_;
  // How much scaledFont enlarges text now, never more than as the window
  // opened: a larger window shows more, not larger text.
  std::optional<double> openingTextScale_;
  double textScale_ = 1.0;
};

}  // namespace ui
