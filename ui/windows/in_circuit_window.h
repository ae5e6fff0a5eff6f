// frmInCircuit: the attenuator into the amplifier input that follows it, with
// the load-compensated string, its rounded sets and their tolerance band.
#pragma once

#include <QString>

#include "circuit/analysis.h"
#include "circuit/string_analysis.h"
#include "circuit_text/circuit_inputs.h"
#include "design/message_seam.h"
#include "ui/desktop/scaled_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace ui {

class CircuitTableModel;

// Construction fills the boxes with the inputs kept for this process (the
// string restarting from the design when the design window ran another) and
// analyses that string; the window never writes the design. Messages go through AppSeams().showMessage (the program's
// message box when empty), the drawing also goes to
// AppSeams().windowRecorder when a test set it.
class frmInCircuit : public ScaledWindow {
  Q_OBJECT

 public:
  explicit frmInCircuit(QWidget* parent = nullptr);
  // The table goes first: while it dies it may still ask its model.
  ~frmInCircuit() override;

  // Reads the seven boxes and the choices, writes back the values used (with a message when
  // one had to change), analyses and shows the table, summary and chart.
  void recompute();

  // The table as the Copy key puts it on the clipboard.
  QString tableText() const;
  // The parts list as Ctrl+Shift+C puts it on the clipboard.
  QString partsText() const;
  // The build list as "Copy build list" puts it on the clipboard.
  QString buildText() const;
  const circuit::CircuitAnalysis& analysis() const { return analysis_; }
  // The ladder's, shunt's or relay ladder's analysis while one is chosen.
  const circuit::KindAnalysis& kindAnalysis() const { return kindAnalysis_; }

  QLabel* lblDesign;
  QLabel* lblLoad;
  QLineEdit* txtLoad;  // load, ohms
  QLabel* lblSource;
  QLineEdit* txtSource;  // source impedance, ohms
  QLabel* lblCable;
  QLineEdit* txtCable;  // cable capacitance, farads
  QLabel* lblTolerance;
  QLineEdit* txtTolerance;  // part tolerance, percent
  QLabel* lblTotal;
  QLineEdit* txtTotal;  // the string's total, ohms
  QLabel* lblPositions;
  QLineEdit* txtPositions;  // switch positions, 2 .. 64
  QLabel* lblSteps;
  QLineEdit* txtSteps;  // the law, dB from the top down
  QLabel* lblFirstSeries;
  QComboBox* cboFirstSeries;
  QLabel* lblSecondSeries;
  QComboBox* cboSecondSeries;
  QCheckBox* chkBalanced;
  QPushButton* cmdRecompute;
  QPushButton* cmdPrint;
  QPushButton* cmdReturn;
  QPushButton* cmdAsBuilt;  // the values actually fitted
  QLabel* lblSummary;
  QTableView* grdPositions;
  QPlainTextEdit* txtParts;  // the parts and build lists, read only
  QLabel* lblKind;
  QComboBox* cboKind;  // series string, ladder, shunt, relay ladder

 protected:
  void layoutControls() override;

 private slots:
  void returnClicked();
  void printClicked();

 private:
  void createControls();
  void chainTabOrder();
  void connectHandlers();
  void drawChart();
  void showBoxes(const circuit_text::CircuitBoxes& boxes);
  void showParts(char separator);
  void showHeading(char separator);
  void placeTableAndParts();

  // The kinds other than the string (in_circuit_kinds.cpp).
  void createKindControls();
  void connectKindHandlers();
  void kindChosen(int index);
  // Captions, boxes and greyed choices for the session's kind.
  void showKindControls();
  void recomputeKind();
  void drawKindPicture();
  void printKind();
  bool isString() const;

  CircuitTableModel* model_;  // every kind's table
  circuit::KindAnalysis kindAnalysis_;
  QString asBuiltTip_;
  circuit::CircuitAnalysis analysis_;
  design::MessageSeam showMessage_;
};

}  // namespace ui
