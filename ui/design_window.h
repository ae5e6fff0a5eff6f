// frmDesign: the design window, where the user enters the attenuator and sees
// the schematic with its value columns.
#pragma once

#include <cstdint>

#include <QWidget>

#include "design/normalise.h"
#include "ui/surface/window_surface.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

// The window draws onto a kept image laid out in 12000 x 9000 design units,
// whatever its size: controls, fonts and drawing scale together with the
// window. Construction runs the load handler, so the first design is drawn
// before the window is first shown.
class frmDesign : public QWidget {
  Q_OBJECT

 public:
  // `showMessage` shows a modal message (the program's message box when left
  // empty). `recorder`, when given, receives every drawing operation too.
  explicit frmDesign(design::MessageSeam showMessage = {},
                     surface::Surface* recorder = nullptr, QWidget* parent = nullptr);

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
  QPushButton* cmdExit;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private slots:
  void displayClicked();
  void curveTypeClicked();
  void toleranceClicked(int16_t tolType);
  void printClicked();
  void exitClicked();

 private:
  void createControls();
  void chainTabOrder();
  void connectHandlers();
  void load();
  void display();
  void drawSchematic();
  void printColumns();
  void printAt(float x, float y, const std::string& text);
  // FormatEng of `value` into FmtText, printed at (x, y) followed by `unit`.
  void printValue(float x, float y, const float& value, const char* unit);
  void showBoxes(const design::BoxTexts& boxes);
  void stepPrompt();

  // One resistor symbol on the window, and on the page being printed.
  void DrawResistor(const float& X, const float& Y);
  void PrintResistor(const float& X, const float& Y);

  // Size, fonts and controls for the current pixels per twip.
  void applyScale();
  void styleFrames(const QFont& font);
  QRectF contentRect() const;
  void sizePicture();

  design::MessageSeam showMessage_;
  surface::WindowSurface picture_;
  surface::Surface* printer_ = nullptr;  // the page being printed, if any
  double pixelsPerTwip_ = 1.0 / 15.0;
  qreal pictureRatio_ = 0.0;  // device pixel ratio the picture was drawn for
  QSize pictureSize_;
};

}  // namespace ui
