// The eleven strokes of one resistor symbol.
#include "ui/schematic.h"

namespace ui {

void DrawResistorSymbol(surface::Surface& target, const float& X, const float& Y, float S,
                        surface::Rgb color) {
  using surface::LineMode;
  using surface::PointF;
  target.line(LineMode::Line, PointF{X, Y}, PointF{X + 300.0f, Y}, color);
  target.line(LineMode::FilledBox, PointF{X + 270.0f, Y - 30.0f}, PointF{X + 330.0f, Y + 30.0f},
              color);
  target.line(LineMode::Line, PointF{X, Y}, PointF{X, Y + 160.0f * S}, color);
  // The zigzag: vertices alternate right and left of the lead.
  const PointF none{};
  target.line(LineMode::Continued, none, PointF{X + 60.0f * S, Y + 190.0f * S}, color);
  target.line(LineMode::Continued, none, PointF{X - 60.0f * S, Y + 260.0f * S}, color);
  target.line(LineMode::Continued, none, PointF{X + 60.0f * S, Y + 310.0f * S}, color);
  target.line(LineMode::Continued, none, PointF{X - 60.0f * S, Y + 370.0f * S}, color);
  target.line(LineMode::Continued, none, PointF{X + 60.0f * S, Y + 430.0f * S}, color);
  target.line(LineMode::Continued, none, PointF{X - 60.0f * S, Y + 490.0f * S}, color);
  target.line(LineMode::Continued, none, PointF{X, Y + 520.0f * S}, color);
  target.line(LineMode::Continued, none, PointF{X, Y + 720.0f * S}, color);
}

}  // namespace ui
