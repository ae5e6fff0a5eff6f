// Keeping each drawing operation as a value.
#include "ui/surface/recording_surface.h"

namespace surface {

void RecordingSurface::doClear() { Append(ops_, ClearOp{}); }

void RecordingSurface::doSetPenWidth(float width) { Append(ops_, PenWidthOp{width}); }

void RecordingSurface::doLine(LineMode mode, PointF from, PointF to, Rgb color) {
  Append(ops_, LineOp{mode, from, to, color});
}

void RecordingSurface::doSetFontSize(float points) { Append(ops_, FontSizeOp{points}); }

void RecordingSurface::doSetTextPosition(PointF at) { Append(ops_, TextPositionOp{at}); }

void RecordingSurface::doPrintText(PointF at, const std::string& text) {
  Append(ops_, TextOp{at, text});
}

void RecordingSurface::doSetScale(const Scale& scale) { Append(ops_, ScaleOp{scale}); }

}  // namespace surface
