// A surface that draws nothing and keeps every operation with its exact
// coordinates, so tests can check what a picture is made of.
#pragma once

#include "ui/surface/surface.h"
#include "ui/surface/surface_ops.h"

namespace surface {

class RecordingSurface : public Surface {
 public:
  const OpList& ops() const { return ops_; }
  void forget() { ops_.clear(); }

 protected:
  void doClear() override;
  void doSetPenWidth(float width) override;
  void doLine(LineMode mode, PointF from, PointF to, Rgb color) override;
  void doSetFontSize(float points) override;
  void doSetTextPosition(PointF at) override;
  void doPrintText(PointF at, const std::string& text) override;
  void doSetScale(const Scale& scale) override;

 private:
  OpList ops_;
};

}  // namespace surface
