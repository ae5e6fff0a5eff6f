// The drawing operations that every window and the printed pages share,
// behind one interface.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace surface {

using Rgb = uint32_t;  // 0x00RRGGBB

struct PointF {
  float x = 0.0f;
  float y = 0.0f;
  bool operator==(const PointF&) const = default;
};

// The logical coordinate space of a surface: the drawing area measures `width`
// x `height` units with (left, top) at its top-left corner, y growing down.
struct Scale {
  float left = 0.0f;
  float top = 0.0f;
  float width = 1.0f;
  float height = 1.0f;
  bool operator==(const Scale&) const = default;
};

// How wide `text` is when set at `points` on a device whose logical space is
// `scale`, in logical units across.
using TextMeasure = std::function<float(const std::string& text, float points, const Scale& scale)>;

enum class LineMode {
  Line,        // straight, between the two points given
  Continued,   // on from the current point; the first point given is ignored
  OutlineBox,  // edges of the axis-parallel rectangle with the points as corners
  FilledBox,   // that rectangle, edges and inside in the stroke's colour
};

// A drawing surface keeps one current point: every stroke leaves it at the
// stroke's end point, text is printed with its top-left corner there, and
// clearing puts it back to (0, 0). Coordinates are logical units of the
// current scale; pen widths are device dots; font sizes are points.
class Surface {
 public:
  virtual ~Surface() = default;

  void clear();
  void setPenWidth(float width);
  void line(LineMode mode, PointF from, PointF to, Rgb color);
  void setFontSize(float points);
  void setTextPosition(PointF at);
  void printText(const std::string& text);
  // Moves the text position to `at` and prints `text` there.
  void printAt(PointF at, const std::string& text);
  // A whole number as the platform prints numbers: a blank where a plus sign
  // would be, then the digits (" 7", "-7").
  void printNumber(long value);
  void setScale(const Scale& scale);
  // How wide `text` would print now, at the current font size and scale, in
  // logical units across: what a layout measures so that texts never touch.
  float textWidth(const std::string& text) const { return doTextWidth(text); }

  PointF currentPoint() const { return current_; }

 protected:
  virtual void doClear() = 0;
  virtual void doSetPenWidth(float width) = 0;
  // `from` is already resolved: for a continued line it is the current point.
  virtual void doLine(LineMode mode, PointF from, PointF to, Rgb color) = 0;
  virtual void doSetFontSize(float points) = 0;
  virtual void doSetTextPosition(PointF at) = 0;
  virtual void doPrintText(PointF at, const std::string& text) = 0;
  virtual void doSetScale(const Scale& scale) = 0;
  virtual float doTextWidth(const std::string& text) const = 0;

 private:
  PointF current_;
};

}  // namespace surface
