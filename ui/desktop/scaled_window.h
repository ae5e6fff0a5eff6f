// The frame shared by the program's windows: a client area laid out in
// 12000 x 9000 design units that grows and shrinks with the window.
#pragma once

#include <memory>
#include <optional>

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QWidget>

#include "ui/surface/tee_surface.h"
#include "ui/surface/window_surface.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// The client area always holds the whole layout: 11880 x 8490 twips at the
// window's pixels per twip, centred, with the controls, their fonts and the
// kept picture scaled together. The window opens as large as the screen's
// scale units ask, limited to fit the screen, and is centred on it.
//
// A subclass creates its controls, then calls open(); layoutControls() places
// them again at every change of scale.
class ScaledWindow : public QWidget {
  Q_OBJECT

 public:
  // The laid-out client area inside the window, in pixels.
  QRectF contentRect() const;

 protected:
  ScaledWindow(const char* objectName, const char* caption, QColor background,
               QWidget* parent = nullptr);

  // Sizes the window for its screen and lays it out. Call once, after the
  // controls exist and before anything is drawn.
  void open();

  // Places the controls for the current scale (placeAt / placeInFrame).
  virtual void layoutControls() = 0;

  // A command button of this window, found by `name`; Enter does not press
  // it unless it has the focus.
  QPushButton* addButton(const char* name, const char* caption);
  // A label of this window showing `caption` (UTF-8), in `colour` when one
  // is given, otherwise in the palette's text colour.
  QLabel* addLabel(const char* name, const char* caption, Qt::Alignment alignment,
                   std::optional<QColor> colour = std::nullopt);
  // An empty input box of this window.
  QLineEdit* addBox(const char* name);

  // `units` is a rectangle in design units; `twips` one in twips relative to
  // the control's frame.
  void placeAt(QWidget* control, const QRectF& units) const;
  // Where placeAt puts a control, in pixels, without moving it.
  QRect placedRect(const QRectF& units) const;
  void placeAt(QWidget* control, qreal left, qreal top, qreal width, qreal height) const {
    placeAt(control, QRectF(left, top, width, height));
  }
  void placeInFrame(QWidget* control, const QRectF& twips) const;
  void placeInFrame(QWidget* control, qreal left, qreal top, qreal width, qreal height) const {
    placeInFrame(control, QRectF(left, top, width, height));
  }
  // `font` with its point size kept true at the laid-out size.
  QFont scaledFont(QFont font) const;

  // What the window draws on: its kept picture, and also the process's
  // window recorder when one was set (AppSeams) as the window was made.
  surface::Surface& picture();
  // Keeps the picture's image in step with the window's size and density;
  // a subclass that draws its own picture hears of it in pictureResized().
  virtual void pictureResized(QSize /*devicePixels*/) {}
  // The image the window shows over its client area: the kept picture.
  virtual const QImage& shownImage() const { return picture_.image(); }

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void applyScale();
  void sizePicture();

  QColor background_;
  surface::WindowSurface picture_;
  std::unique_ptr<surface::TeeSurface> recorded_;  // picture_ and the recorder
  double pixelsPerTwip_ = 1.0 / 15.0;
  qreal pictureRatio_ = 0.0;  // device pixel ratio the picture was drawn for
  QSize pictureSize_;
};

}  // namespace ui
