// A surface that hands every operation on to two others, so a test can keep
// what a window or the page draws while it is drawn for real.
#pragma once

#include "ui/surface/surface.h"

namespace surface {

// `first` and `second` get the same calls in the same order; each keeps its
// own current point, which stays the tee's as long as nothing else draws on
// them. Operations a surface makes for itself (a window drawing its picture
// again at a new size) are not passed on.
class TeeSurface : public Surface {
 public:
  TeeSurface(Surface& first, Surface& second) : first_(first), second_(second) {}

 protected:
  void doClear() override;
  void doSetPenWidth(float width) override;
  void doLine(LineMode mode, PointF from, PointF to, Rgb color) override;
  void doSetFontSize(float points) override;
  void doSetTextPosition(PointF at) override;
  void doPrintText(PointF at, const std::string& text) override;
  void doSetScale(const Scale& scale) override;
  // The first surface's measure: the one whose page is laid out.
  float doTextWidth(const std::string& text) const override { return first_.textWidth(text); }

 private:
  Surface& first_;
  Surface& second_;
};

}  // namespace surface
