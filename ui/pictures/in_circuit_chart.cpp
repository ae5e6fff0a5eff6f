// The in-circuit chart, drawn through the shared surface operations.
#include "ui/pictures/in_circuit_chart.h"

#include <cmath>
#include <string>
#include <vector>

#include "notation/eng_notation.h"
#include "ui/pictures/chart_scale.h"
#include "ui/pictures/ink.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;
using surface::Rgb;

constexpr float kLineHeight = 1.2f;    // text lines, in font heights
constexpr float kCharWidth = 0.55f;    // a digit of the sans faces, in font heights
constexpr float kInsetMarkers = 3.0f;  // the end positions stand this many marker halves in

// The three series as deviations from the target steps, dB, per position.
struct Deviations {
  std::vector<double> designed, compensated, bandLow, bandHigh;
};

// What the chart draws: `points` positions, the outlined series (the
// design's set, or a kind's second set) and the filled one with their
// legends, the band, and the word under the axis.
struct ChartData {
  int points = 0;
  Deviations d;
  std::string outlined, filled;
  double tolerancePercent = 0.0;
  const char* axis = "Position";
};

// The deviations of `outlined` (none when null) and `filled` from the
// targets at positions 0 .. points - 1, the band measured from the filled
// set's top.
Deviations DeviationsOf(int points, const circuit::PositionColumn* outlined,
                        const circuit::PositionColumn& filled, const circuit::TargetColumn& target,
                        const circuit::PositionColumn& low, const circuit::PositionColumn& high) {
  Deviations d;
  const double top = filled[0];
  for (int p = 0; p < points; ++p) {
    const auto i = static_cast<std::size_t>(p);
    if (outlined) d.designed.push_back(circuit::Deviation(*outlined, p, target));
    d.compensated.push_back(circuit::Deviation(filled, p, target));
    d.bandLow.push_back((low[i] - top) - target[i]);
    d.bandHigh.push_back((high[i] - top) - target[i]);
  }
  return d;
}

// The designed series is empty when the string is not the design's.
Deviations DeviationsOf(const circuit::CircuitAnalysis& a) {
  return DeviationsOf(a.N - 1, a.Designed.empty() ? nullptr : &a.Designed[0].Db, a.Sets.front().Db,
                      a.Target, a.BandLowDb, a.BandHighDb);
}

ChartData DataOf(const circuit::CircuitAnalysis& a) {
  ChartData data;
  data.points = a.N - 1;
  if (a.N >= design::kMinPositions) data.d = DeviationsOf(a);
  data.outlined = "Design's E96 set";
  if (!a.Sets.empty()) data.filled = "Compensated " + std::string(a.Sets.front().RoundedIn->Name());
  data.tolerancePercent = a.Inputs.TolerancePercent;
  return data;
}

ChartData DataOf(const circuit::KindAnalysis& a) {
  ChartData data;
  data.points = static_cast<int>(a.Target.size());
  data.tolerancePercent = a.Inputs.TolerancePercent;
  if (a.What == circuit::Kind::RelayLadder) data.axis = "Code";
  if (a.Positions == 0 || a.Sets.empty() || data.points < 1) {
    data.points = 0;
    return data;
  }
  const circuit::PositionColumn* second = a.Sets.size() > 1 ? &a.Sets[1].Db : nullptr;
  data.d = DeviationsOf(data.points, second, a.Sets[0].Db, a.Target, a.BandLowDb, a.BandHighDb);
  data.filled = std::string(a.Sets[0].RoundedIn->Name()) + " set";
  if (second) data.outlined = std::string(a.Sets[1].RoundedIn->Name()) + " set";
  return data;
}

// 1, 2, 5, 10, 20, 50 ... dB: 1 dB at least, so a good design's small
// deviations show as small.
double HalfRange(const Deviations& d) {
  return ScaleHalfRange({&d.designed, &d.compensated, &d.bandLow, &d.bandHigh}, 1.0);
}

// A grid value as a label.
std::string Label(double value) { return notation::FormatEngTrimmed(static_cast<float>(value)); }

class Chart {
 public:
  Chart(surface::Surface& s, const ChartData& a, const CircuitChartLayout& l)
      : s_(s), a_(a), l_(l) {
    fontHeight_ = l.textPoints * l.unitsPerPoint;
    line_ = fontHeight_ * kLineHeight;
    char_ = fontHeight_ * kCharWidth;
  }

  void draw() {
    s_.setFontSize(l_.textPoints);
    text(l_.left, l_.top - 1.4f * line_, "Deviation from the target steps into the load, dB");
    if (a_.points < 1) {
      frame();
      text(l_.left + char_, l_.top + line_, "No design to analyse.");
      return;
    }
    const Deviations& d = a_.d;
    half_ = HalfRange(d);
    grid();
    frame();
    positions();
    band(d);
    if (!d.designed.empty()) series(d.designed, kDesignedColour, LineMode::OutlineBox);
    series(d.compensated, kCompensatedColour, LineMode::FilledBox);
    legend();
  }

 private:
  float x(int p) const {
    const int intervals = a_.points - 1;
    const float middle = (l_.left + l_.right) / 2.0f;
    if (intervals <= 0) return middle;
    const float inset = kInsetMarkers * l_.marker;
    const float across = (l_.right - l_.left) - 2.0f * inset;
    return l_.left + inset + across * static_cast<float>(p) / static_cast<float>(intervals);
  }
  // More attenuation than the target lies below the zero line.
  float y(double deviation) const {
    const double middle = (l_.top + l_.bottom) / 2.0;
    const double perDb = (l_.bottom - l_.top) / (2.0 * half_);
    return static_cast<float>(middle + deviation * perDb);
  }

  void text(float left, float top, const std::string& words) {
    s_.printAt(PointF{left, top}, words);
  }
  float width(const std::string& words) const { return char_ * static_cast<float>(words.size()); }

  void frame() {
    s_.setPenWidth(l_.framePen);
    s_.line(LineMode::OutlineBox, PointF{l_.left, l_.top}, PointF{l_.right, l_.bottom}, kBlack);
  }

  void grid() {
    const double step = ScaleGridStep(half_);
    const int lines = static_cast<int>(std::lround(half_ / step));
    s_.setPenWidth(l_.gridPen);
    for (int i = -lines; i <= lines; ++i) {
      const float row = y(i * step);
      s_.line(LineMode::Line, PointF{l_.left, row}, PointF{l_.right, row},
              i == 0 ? kBlack : kGridColour);
      const std::string label = Label(i * step);
      text(l_.left - width(label) - char_, row - fontHeight_ / 2.0f, label);
    }
    text(l_.right - width("less attenuation ^"), l_.top - 1.4f * line_, "less attenuation \u2191");
  }

  void positions() {
    s_.setPenWidth(l_.gridPen);
    const int last = a_.points - 1;
    // Every position is numbered while the numbers fit, else every 2nd,
    // 5th or 10th, so labels thin out rather than overlap.
    const float room = last > 0 ? x(1) - x(0) : l_.right - l_.left;
    int every = 1;
    for (const int step : {2, 5, 10}) {
      if (room * static_cast<float>(every) > 3.0f * char_) break;
      every = step;
    }
    for (int p = 0; p <= last; ++p) {
      if (p > 0 && p < last) {
        s_.line(LineMode::Line, PointF{x(p), l_.top}, PointF{x(p), l_.bottom}, kGridColour);
      }
      if (p % every != 0) continue;
      const std::string number = std::to_string(p);
      text(x(p) - width(number) / 2.0f, l_.bottom + 0.25f * line_, number);
    }
    const float captionRow = l_.bottom + 1.3f * line_;
    text((l_.left + l_.right) / 2.0f - width(a_.axis) / 2.0f, captionRow, a_.axis);
    text(l_.right - width("more attenuation v"), captionRow, "more attenuation \u2193");
  }

  // A bar from the band's lower to its upper edge, capped at both ends.
  void bar(float at, float from, float to) {
    const float cap = l_.marker * 1.3f;
    s_.line(LineMode::Line, PointF{at, from}, PointF{at, to}, kBandColour);
    s_.line(LineMode::Line, PointF{at - cap, from}, PointF{at + cap, from}, kBandColour);
    s_.line(LineMode::Line, PointF{at - cap, to}, PointF{at + cap, to}, kBandColour);
  }

  void band(const Deviations& d) {
    s_.setPenWidth(l_.bandPen);
    for (int p = 0; p < a_.points; ++p) {
      bar(x(p), y(d.bandLow[static_cast<std::size_t>(p)]),
          y(d.bandHigh[static_cast<std::size_t>(p)]));
    }
  }

  // Markers shrink with the room between positions, so neighbours at 64
  // positions stay apart.
  void marker(float at, float row, LineMode shape, Rgb colour) {
    const float room = a_.points > 1 ? x(1) - x(0) : l_.right - l_.left;
    const float m = std::fmin(l_.marker, 0.3f * room);
    s_.line(shape, PointF{at - m, row - m}, PointF{at + m, row + m}, colour);
  }

  // The points joined by a line, then a marker on each.
  void series(const std::vector<double>& deviations, Rgb colour, LineMode shape) {
    s_.setPenWidth(l_.seriesPen);
    for (int p = 1; p < a_.points; ++p) {
      const auto i = static_cast<std::size_t>(p);
      const PointF to{x(p), y(deviations[i])};
      if (p == 1) {
        s_.line(LineMode::Line, PointF{x(0), y(deviations[0])}, to, colour);
      } else {
        s_.line(LineMode::Continued, PointF{}, to, colour);
      }
    }
    for (int p = 0; p < a_.points; ++p) {
      marker(x(p), y(deviations[static_cast<std::size_t>(p)]), shape, colour);
    }
  }

  void legend() {
    const float row = l_.bottom + 2.7f * line_;
    const float middle = row + fontHeight_ / 2.0f;
    const float third = (l_.right - l_.left) / 3.0f;
    const float sample = 4.0f * l_.marker;
    const std::string tolerance = Label(a_.tolerancePercent);
    const struct {
      std::string words;
      Rgb colour;
      LineMode shape;
    } entries[] = {
        {a_.outlined, kDesignedColour, LineMode::OutlineBox},
        {a_.filled, kCompensatedColour, LineMode::FilledBox},
        {"", kBandColour, LineMode::Line},
    };
    float left = l_.left;
    for (const auto& entry : entries) {
      if (entry.shape == LineMode::OutlineBox && a_.d.designed.empty()) continue;
      const float at = left + sample;
      if (entry.shape == LineMode::Line) {
        s_.setPenWidth(l_.bandPen);
        bar(at, middle - 1.5f * l_.marker, middle + 1.5f * l_.marker);
        text(at + sample, row, "Band of \u00b1" + tolerance + " % parts");
      } else {
        s_.setPenWidth(l_.seriesPen);
        s_.line(LineMode::Line, PointF{left, middle}, PointF{at + sample, middle}, entry.colour);
        marker(at, middle, entry.shape, entry.colour);
        text(at + sample + char_, row, entry.words);
      }
      left += third;
    }
  }

  surface::Surface& s_;
  const ChartData& a_;
  const CircuitChartLayout& l_;
  float fontHeight_ = 0, line_ = 0, char_ = 0;
  double half_ = 1.0;
};

}  // namespace

double ChartHalfRangeDb(const circuit::CircuitAnalysis& analysis) {
  if (analysis.N < design::kMinPositions) return 1.0;
  return HalfRange(DeviationsOf(analysis));
}

void DrawInCircuitChart(surface::Surface& surface, const circuit::CircuitAnalysis& analysis,
                        const CircuitChartLayout& layout) {
  const ChartData data = DataOf(analysis);
  Chart(surface, data, layout).draw();
}

void DrawKindChart(surface::Surface& surface, const circuit::KindAnalysis& analysis,
                   const CircuitChartLayout& layout) {
  const ChartData data = DataOf(analysis);
  Chart(surface, data, layout).draw();
}

}  // namespace ui
