// frmExamine: the deviation window, a chart of how far each rounded set
// misses its target at every switch position.
#pragma once

#include "ui/desktop/scaled_window.h"

class QLabel;
class QPushButton;

namespace ui {

// Construction runs the load handler, which draws the chart from the design
// the last design run left; the window keeps that one drawing while it lives.
class frmExamine : public ScaledWindow {
  Q_OBJECT

 public:
  explicit frmExamine(QWidget* parent = nullptr);

  QPushButton* cmdExit;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;

 protected:
  void layoutControls() override;

 private slots:
  void returnClicked();

 private:
  void createControls();
  void load();
  void DrawDeviation();
};

}  // namespace ui
