// frmExamine: the deviation window, charting how far the 5% and 1% designs
// stray from the target attenuation.
#pragma once

#include "ui/scaled_window.h"

class QLabel;
class QPushButton;

namespace surface {
class Surface;
}

namespace ui {

// Construction runs the load handler, which draws the chart from the design
// the last design run left; nothing draws it again while the window is open.
class frmExamine : public ScaledWindow {
  Q_OBJECT

 public:
  // `recorder` receives every drawing operation too (the process's window
  // recorder when left empty).
  explicit frmExamine(surface::Surface* recorder = nullptr, QWidget* parent = nullptr);

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
