// The resistor symbol, and the string with its value columns.
#include "ui/pictures/schematic.h"

#include "design/ladder.h"
#include "notation/eng_notation.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;

constexpr float kStringTop = 800.0f;     // junction of position 0
constexpr float kJunctionStep = 720.0f;  // times Spacing
constexpr float kTapLength = 300.0f;
constexpr float kGroundLeft = 500.0f;  // ground line, left of the column
constexpr float kContactHalf = 30.0f;  // half side of the ground contact
constexpr float kRowRaise = 105.0f;    // position texts sit this far above their junction
constexpr float kHeadingY = 300.0f;

// Top of the text of position p.
float PositionRow(int p, float s) {
  return kStringTop + static_cast<float>(p * 720) * s - kRowRaise;
}

// Top of the text of resistor k, between its two junctions; k = N gives the
// total row below the string.
float ResistorRow(int k, float s) {
  return 750.0f + 250.0f * s + static_cast<float>((k - 1) * 720) * s;
}

class ColumnPrinter {
 public:
  ColumnPrinter(surface::Surface& target, design::DesignState& state)
      : target_(target), state_(state) {}

  void at(float x, float y, const std::string& text) { target_.printAt(PointF{x, y}, text); }
  // FormatEng of `value` into FmtText, printed at (x, y) followed by `unit`.
  void value(float x, float y, const float& value, const char* unit) {
    notation::FormatEng(value, state_.FmtText);
    at(x, y, state_.FmtText + unit);
  }

 private:
  surface::Surface& target_;
  design::DesignState& state_;
};

constexpr RoundedColumns kWindowFivePercent[] = {{5, 9200.0f, 9200.0f, 10300.0f}};
constexpr RoundedColumns kWindowOnePercent[] = {{1, 9200.0f, 9200.0f, 10300.0f}};

}  // namespace

SchematicLayout DesignWindowSchematic(int16_t tolType) {
  SchematicLayout layout{.leadX = 5800.0f,
                         .stringX = 6300.0f,
                         .targetX = 6840.0f,  // 6300 + 540
                         .idealX = 7700.0f,
                         .textPoints = 6.0f,
                         .rounded = {}};
  if (tolType == 5) layout.rounded = kWindowFivePercent;
  if (tolType == 1) layout.rounded = kWindowOnePercent;
  return layout;
}

void DrawResistorSymbol(surface::Surface& target, const float& X, const float& Y, float S,
                        surface::Rgb color) {
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

void DrawSchematicWithColumns(surface::Surface& target, design::DesignState& state,
                              const SchematicLayout& layout, const ResistorDrawer& drawResistor) {
  const int16_t n = state.NumPositions;
  state.Spacing = design::ColumnSpacing(n);
  const float s = state.Spacing;
  const surface::Rgb colour = state.DrawColor;

  state.PenX = layout.stringX;
  state.PenY = kStringTop;
  target.line(LineMode::Line, PointF{layout.leadX, kStringTop}, PointF{layout.stringX, kStringTop},
              colour);
  for (int16_t k = 1; k <= n - 1; ++k) {
    drawResistor(state.PenX, state.PenY);
    state.PenY = state.PenY + kJunctionStep * s;
    target.line(LineMode::Line, PointF{state.PenX, state.PenY},
                PointF{state.PenX + kTapLength, state.PenY}, colour);
  }
  // Ground: a line along the bottom of the string and its contact.
  target.line(LineMode::Line, PointF{state.PenX - kGroundLeft, state.PenY},
              PointF{state.PenX + kTapLength, state.PenY}, colour);
  target.line(LineMode::FilledBox,
              PointF{state.PenX + kTapLength - kContactHalf, state.PenY - kContactHalf},
              PointF{state.PenX + kTapLength + kContactHalf, state.PenY + kContactHalf}, colour);

  if (layout.textPoints) target.setFontSize(*layout.textPoints);
  ColumnPrinter print(target, state);
  for (int16_t p = 0; p <= n - 2; ++p) {
    state.TargetAtten[p] = static_cast<float>(p) * state.StepSize;
    print.value(layout.targetX, PositionRow(p, s), state.TargetAtten[p], "dB");
  }

  // The same rule and inputs as the ladder calculation: the same values.
  design::ComputeIdealValues(state.TotalOhms, n, state.StepSize, state.IdealR);
  print.at(layout.idealX, kHeadingY, "Ideal:");
  for (int16_t k = 1; k <= n - 1; ++k) {
    print.value(layout.idealX, ResistorRow(k, s), state.IdealR[k], " ohms");
  }
  print.value(layout.idealX, ResistorRow(n, s), state.TotalOhms, " ohms total");

  for (const RoundedColumns& set : layout.rounded) {
    const bool five = set.tolerance == 5;
    const design::Column& values = five ? state.R5Pct : state.R1Pct;
    print.at(set.headingX, kHeadingY, five ? "Nearest 5%:" : "Nearest 1%:");
    for (int16_t k = 1; k <= n - 1; ++k) {
      print.value(set.valuesX, ResistorRow(k, s), values[k], " ohms");
    }
    print.value(set.valuesX, ResistorRow(n, s), five ? state.Total5Pct : state.Total1Pct,
                " ohms total");
  }
  for (const RoundedColumns& set : layout.rounded) {
    const design::Column& realised = set.tolerance == 5 ? state.Atten5Pct : state.Atten1Pct;
    for (int16_t p = 0; p <= n - 2; ++p) {
      print.value(set.realisedX, PositionRow(p, s), realised[p], " dB");
    }
  }
}

}  // namespace ui
