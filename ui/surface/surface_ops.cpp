// Replaying recorded drawing operations and printing them for test messages.
#include "ui/surface/surface_ops.h"

#include <iomanip>
#include <type_traits>

namespace surface {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

const char* ModeName(LineMode mode) {
  switch (mode) {
    case LineMode::Line: return "line";
    case LineMode::Continued: return "continued";
    case LineMode::OutlineBox: return "outline box";
    case LineMode::FilledBox: return "filled box";
  }
  return "?";
}

}  // namespace

void Replay(const OpList& ops, Surface& target) {
  for (const Op& op : ops) {
    std::visit(Overloaded{
                   [&](const ClearOp&) { target.clear(); },
                   [&](const PenWidthOp& o) { target.setPenWidth(o.width); },
                   [&](const LineOp& o) { target.line(o.mode, o.from, o.to, o.color); },
                   [&](const FontSizeOp& o) { target.setFontSize(o.points); },
                   [&](const TextPositionOp& o) { target.setTextPosition(o.at); },
                   [&](const TextOp& o) { target.printText(o.text); },
                   [&](const ScaleOp& o) { target.setScale(o.scale); },
               },
               op);
  }
}

void PrintTo(const PointF& point, std::ostream* os) {
  *os << std::setprecision(9) << '(' << point.x << ", " << point.y << ')';
}

void PrintTo(LineMode mode, std::ostream* os) { *os << ModeName(mode); }

void PrintTo(const Op& op, std::ostream* os) {
  *os << std::setprecision(9);
  std::visit(Overloaded{
                 [&](const ClearOp&) { *os << "clear"; },
                 [&](const PenWidthOp& o) { *os << "pen width " << o.width; },
                 [&](const LineOp& o) {
                   *os << ModeName(o.mode) << ' ';
                   PrintTo(o.from, os);
                   *os << " to ";
                   PrintTo(o.to, os);
                   *os << " colour " << std::hex << o.color << std::dec;
                 },
                 [&](const FontSizeOp& o) { *os << "font size " << o.points; },
                 [&](const TextPositionOp& o) {
                   *os << "text position ";
                   PrintTo(o.at, os);
                 },
                 [&](const TextOp& o) {
                   *os << "text \"" << o.text << "\" at ";
                   PrintTo(o.at, os);
                 },
                 [&](const ScaleOp& o) {
                   *os << "scale left " << o.scale.left << " top " << o.scale.top << " width "
                       << o.scale.width << " height " << o.scale.height;
                 },
             },
             op);
}

std::ostream& operator<<(std::ostream& os, const Op& op) {
  PrintTo(op, &os);
  return os;
}

}  // namespace surface
