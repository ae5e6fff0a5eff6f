// frmDesign: the design window, where the user enters the attenuator and sees
// the schematic with its value columns.
#pragma once

#include <cstdint>

#include "design/normalise.h"
#include "ui/desktop/scaled_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

// Construction runs the load handler, so the first design is drawn before the
// window is first shown.
class frmDesign : public ScaledWindow {
  Q_OBJECT

 public:
  // Messages go to AppSeams().showMessage when a test set it, otherwise to
  // the program's message box.
  explicit frmDesign(QWidget* parent = nullptr);

  // Normalises the three boxes into the design state, calculates the ladder
  // and draws the design.
  void RunDesign();

  QLabel* Label1;
  QLineEdit* Text1;
  QLabel* Label2;
  QLineEdit* Text2;
  QLabel* Label3;
  QLineEdit* Text3;
  QGroupBox* fraLinLog;
  QRadioButton* optLinear;
  QRadioButton* optLog;
  QGroupBox* fraToleranceType;
  QRadioButton* opt0;
  QRadioButton* opt1;
  QRadioButton* opt5;
  QPushButton* cmdDisplay;
  QPushButton* cmdExamine;
  QPushButton* cmdPrint;
  QPushButton* cmdInCircuit;  // beyond the laid-out controls: the in-circuit window
  QPushButton* cmdExit;

 protected:
  void layoutControls() override;

 private slots:
  void displayClicked();
  void curveTypeClicked();
  void toleranceClicked(int16_t tolType);
  void examineClicked();
  void inCircuitClicked();
  void printClicked();
  void exitClicked();

 private:
  void createControls();
  void chainTabOrder();
  void connectHandlers();
  void connectKeys();
  void load();
  void display();
  void showBoxes(const design::BoxTexts& boxes);
  void stepPrompt();

  // One resistor symbol on the window, and on the page being printed.
  void DrawResistor(const float& X, const float& Y);
  void PrintResistor(const float& X, const float& Y);

  void styleFrames(const QFont& font);

  design::MessageSeam showMessage_;
  surface::Surface* printedPage_ = nullptr;  // the page being printed, if any
};

}  // namespace ui
