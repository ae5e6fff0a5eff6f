// The drawing operations as values: what a recording surface keeps and what a
// window surface replays when it has to draw its picture again.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "ui/surface/surface.h"

namespace surface {

struct ClearOp {
  bool operator==(const ClearOp&) const = default;
};
struct PenWidthOp {
  float width = 0.0f;  // device dots
  bool operator==(const PenWidthOp&) const = default;
};
// `from` is the resolved start: the current point for a continued line.
struct LineOp {
  LineMode mode = LineMode::Line;
  PointF from;
  PointF to;
  Rgb color = 0;
  bool operator==(const LineOp&) const = default;
};
struct FontSizeOp {
  float points = 0.0f;
  bool operator==(const FontSizeOp&) const = default;
};
struct TextPositionOp {
  PointF at;
  bool operator==(const TextPositionOp&) const = default;
};
// `at` is the current point the text was printed at (its top-left corner).
struct TextOp {
  PointF at;
  std::string text;
  bool operator==(const TextOp&) const = default;
};
struct ScaleOp {
  Scale scale;
  bool operator==(const ScaleOp&) const = default;
};

using Op = std::variant<ClearOp, PenWidthOp, LineOp, FontSizeOp, TextPositionOp, TextOp, ScaleOp>;
using OpList = std::vector<Op>;

// Adds `op` at the end of `ops`, made in place: copying in a whole variant
// makes GCC warn that the alternatives it does not hold may be uninitialized.
template <class T>
void Append(OpList& ops, T op) {
  ops.emplace_back(std::in_place_type<T>, std::move(op));
}

// Performs `ops` on `target` in order, as the calls that produced them.
void Replay(const OpList& ops, Surface& target);

// Readable forms for test failure messages; floats are written with all the
// digits that tell two singles apart.
void PrintTo(const PointF& point, std::ostream* os);
void PrintTo(LineMode mode, std::ostream* os);
void PrintTo(const Op& op, std::ostream* os);
std::ostream& operator<<(std::ostream& os, const Op& op);

}  // namespace surface
