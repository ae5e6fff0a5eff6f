// A surface that draws nothing and keeps every operation with its exact
// coordinates, so tests can check what a picture is made of.
#pragma once

#include <string>
#include <utility>

#include "ui/surface/surface.h"
#include "ui/surface/surface_ops.h"

namespace surface {

// The recording surface's own measure, exact so that layouts can be tested:
// it stands for a device 600 points across (near the printable width of A4
// and Letter), and sets every character (UTF-8 code point) 0.6 em wide, a
// little wider than the digits of the page's sans face. So with the page's
// 12000 units across, a character at 7 points is 0.6 x 7 x 20 = 84 units.
float RecordedTextWidth(const std::string& text, float points, const Scale& scale);

// The font size before any is set, points.
inline constexpr float kRecordedStartPoints = 10.0f;

class RecordingSurface : public Surface {
 public:
  // Measures text by RecordedTextWidth.
  RecordingSurface() = default;
  // Measures text by `measure`: a page drawn here ahead of the printer is
  // laid out with the printer's own measure.
  explicit RecordingSurface(TextMeasure measure) : measure_(std::move(measure)) {}

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
  float doTextWidth(const std::string& text) const override;

 private:
  OpList ops_;
  TextMeasure measure_;
  float points_ = kRecordedStartPoints;
  Scale scale_;
};

}  // namespace surface
