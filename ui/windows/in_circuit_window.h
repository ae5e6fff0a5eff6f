// frmInCircuit: the attenuator into the amplifier input that follows it, with
// the load-compensated string, its rounded sets and their tolerance band.
#pragma once

#include <QString>

#include "design/in_circuit.h"
#include "ui/desktop/scaled_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace ui {

class CircuitTableModel;

// Construction fills the four boxes with the inputs last used in this process
// and analyses the design the last design run left; the window never writes
// that design. Messages go through AppSeams().showMessage (the program's
// message box when empty), the drawing also goes to
// AppSeams().windowRecorder when a test set it.
class frmInCircuit : public ScaledWindow {
  Q_OBJECT

 public:
  explicit frmInCircuit(QWidget* parent = nullptr);

  // Reads the four boxes, writes back the values used (with a message when
  // one had to change), analyses and shows the table, summary and chart.
  void recompute();

  // The table as the Copy key puts it on the clipboard.
  QString tableText() const;
  const design::CircuitAnalysis& analysis() const { return analysis_; }

  QLabel* lblDesign;
  QLabel* lblLoad;
  QLineEdit* txtLoad;  // load, ohms
  QLabel* lblSource;
  QLineEdit* txtSource;  // source impedance, ohms
  QLabel* lblCable;
  QLineEdit* txtCable;  // cable capacitance, farads
  QLabel* lblTolerance;
  QLineEdit* txtTolerance;  // part tolerance, percent
  QPushButton* cmdRecompute;
  QPushButton* cmdPrint;
  QPushButton* cmdReturn;
  QPushButton* cmdAsBuilt;  // the values actually fitted
  QLabel* lblSummary;
  QTableView* grdPositions;

 protected:
  void layoutControls() override;

 private slots:
  void returnClicked();
  void printClicked();

 private:
  void createControls();
  void chainTabOrder();
  void connectHandlers();
  void showMessage(const std::string& message);
  void drawChart();
  void fitColumns();

  CircuitTableModel* model_;
  design::CircuitAnalysis analysis_;
};

}  // namespace ui
