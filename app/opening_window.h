// frmOpening: the title screen the program starts with.
#pragma once

#include <QImage>

#include "app/background.h"
#include "ui/desktop/scaled_window.h"

class QLabel;
class QPushButton;

namespace app {

// Construction runs the load handler: the labels are placed, the version is
// set and the background is drawn, all before the window is first shown.
class frmOpening : public ui::ScaledWindow {
  Q_OBJECT

 public:
  explicit frmOpening(QWidget* parent = nullptr);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QPushButton* cmdStart;
  QPushButton* cmdExit;

 protected:
  void layoutControls() override;
  void pictureResized(QSize devicePixels) override;
  const QImage& shownImage() const override { return background_; }
  void paintEvent(QPaintEvent* event) override;

 private slots:
  void startClicked();
  void exitClicked();

 private:
  void createControls();
  void load();

  BackgroundRows rows_{};
  float lineEndX_ = 0.0f;  // units: the right end of every background line
  // One pixel wide, one pixel row per row of the client area, each stretched
  // across the window when painted.
  QImage background_;
};

}  // namespace app
