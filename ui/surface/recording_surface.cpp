// Keeping each drawing operation as a value.
#include "ui/surface/recording_surface.h"

namespace surface {

void RecordingSurface::doClear() { ops_.push_back(ClearOp{}); }

void RecordingSurface::doSetPenWidth(float width) { ops_.push_back(PenWidthOp{width}); }

void RecordingSurface::doLine(LineMode mode, PointF from, PointF to, Rgb color) {
  ops_.push_back(LineOp{mode, from, to, color});
}

void RecordingSurface::doSetFontSize(float points) { ops_.push_back(FontSizeOp{points}); }

void RecordingSurface::doSetTextPosition(PointF at) { ops_.push_back(TextPositionOp{at}); }

void RecordingSurface::doPrintText(PointF at, const std::string& text) {
  ops_.push_back(TextOp{at, text});
}

void RecordingSurface::doSetScale(const Scale& scale) { ops_.push_back(ScaleOp{scale}); }

}  // namespace surface
