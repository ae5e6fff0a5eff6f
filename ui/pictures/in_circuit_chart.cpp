// The in-circuit chart, drawn through the shared surface operations.
#include "ui/pictures/in_circuit_chart.h"

#include <cmath>
#include <string>
#include <vector>

#include "notation/eng_notation.h"
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

// The designed series is empty when the string is not the design's.
Deviations DeviationsOf(const design::CircuitAnalysis& a) {
  Deviations d;
  const design::PositionColumn& first = a.Sets.front().Db;
  const double top = first[0];
  for (int p = 0; p <= a.N - 2; ++p) {
    const auto i = static_cast<std::size_t>(p);
    if (!a.Designed.empty()) d.designed.push_back(design::Deviation(a.Designed[0].Db, p, a.Target));
    d.compensated.push_back(design::Deviation(first, p, a.Target));
    d.bandLow.push_back((a.BandLowDb[i] - top) - a.Target[i]);
    d.bandHigh.push_back((a.BandHighDb[i] - top) - a.Target[i]);
  }
  return d;
}

// The dB between grid lines for a half range of 1, 2 or 5 times a power of
// ten: fifths of it, or quarters for the 2 series, so every label is round.
double GridStep(double halfRange) {
  const double decade = std::pow(10.0, std::floor(std::log10(halfRange) + 1e-9));
  const double leading = std::round(halfRange / decade);
  return leading == 2.0 ? halfRange / 4.0 : halfRange / 5.0;
}

// A grid value as a label.
std::string Label(double value) { return notation::FormatEngTrimmed(static_cast<float>(value)); }

class Chart {
 public:
  Chart(surface::Surface& s, const design::CircuitAnalysis& a, const CircuitChartLayout& l)
      : s_(s), a_(a), l_(l) {
    fontHeight_ = l.textPoints * l.unitsPerPoint;
    line_ = fontHeight_ * kLineHeight;
    char_ = fontHeight_ * kCharWidth;
  }

  void draw() {
    s_.setFontSize(l_.textPoints);
    text(l_.left, l_.top - 1.4f * line_, "Deviation from the target steps into the load, dB");
    if (a_.N < design::kMinPositions) {
      frame();
      text(l_.left + char_, l_.top + line_, "No design to analyse.");
      return;
    }
    const Deviations d = DeviationsOf(a_);
    half_ = ChartHalfRangeDb(a_);
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
    const int intervals = a_.N - 2;
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
    const double step = GridStep(half_);
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
    const int last = a_.N - 2;
    // Every position is numbered while the numbers fit, else every other one.
    const float room = last > 0 ? x(1) - x(0) : l_.right - l_.left;
    const int every = room > 3.0f * char_ ? 1 : 2;
    for (int p = 0; p <= last; ++p) {
      if (p > 0 && p < last) {
        s_.line(LineMode::Line, PointF{x(p), l_.top}, PointF{x(p), l_.bottom}, kGridColour);
      }
      if (p % every != 0) continue;
      const std::string number = std::to_string(p);
      text(x(p) - width(number) / 2.0f, l_.bottom + 0.25f * line_, number);
    }
    const float captionRow = l_.bottom + 1.3f * line_;
    text((l_.left + l_.right) / 2.0f - width("Position") / 2.0f, captionRow, "Position");
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
    for (int p = 0; p <= a_.N - 2; ++p) {
      bar(x(p), y(d.bandLow[static_cast<std::size_t>(p)]),
          y(d.bandHigh[static_cast<std::size_t>(p)]));
    }
  }

  void marker(float at, float row, LineMode shape, Rgb colour) {
    const float m = l_.marker;
    s_.line(shape, PointF{at - m, row - m}, PointF{at + m, row + m}, colour);
  }

  // The points joined by a line, then a marker on each.
  void series(const std::vector<double>& deviations, Rgb colour, LineMode shape) {
    s_.setPenWidth(l_.seriesPen);
    for (int p = 1; p <= a_.N - 2; ++p) {
      const auto i = static_cast<std::size_t>(p);
      const PointF to{x(p), y(deviations[i])};
      if (p == 1) {
        s_.line(LineMode::Line, PointF{x(0), y(deviations[0])}, to, colour);
      } else {
        s_.line(LineMode::Continued, PointF{}, to, colour);
      }
    }
    for (int p = 0; p <= a_.N - 2; ++p) {
      marker(x(p), y(deviations[static_cast<std::size_t>(p)]), shape, colour);
    }
  }

  void legend() {
    const float row = l_.bottom + 2.7f * line_;
    const float middle = row + fontHeight_ / 2.0f;
    const float third = (l_.right - l_.left) / 3.0f;
    const float sample = 4.0f * l_.marker;
    const std::string tolerance = Label(a_.Inputs.TolerancePercent);
    const struct {
      std::string words;
      Rgb colour;
      LineMode shape;
    } entries[] = {
        {"Design's E96 set", kDesignedColour, LineMode::OutlineBox},
        {"Load-compensated " + std::string(a_.Sets.front().RoundedIn->Name()), kCompensatedColour,
         LineMode::FilledBox},
        {"", kBandColour, LineMode::Line},
    };
    float left = l_.left;
    for (const auto& entry : entries) {
      if (entry.shape == LineMode::OutlineBox && a_.Designed.empty()) continue;
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
  const design::CircuitAnalysis& a_;
  const CircuitChartLayout& l_;
  float fontHeight_ = 0, line_ = 0, char_ = 0;
  double half_ = 1.0;
};

}  // namespace

double ChartHalfRangeDb(const design::CircuitAnalysis& analysis) {
  double largest = 0.0;
  if (analysis.N >= design::kMinPositions) {
    const Deviations d = DeviationsOf(analysis);
    for (const std::vector<double>* values :
         {&d.designed, &d.compensated, &d.bandLow, &d.bandHigh}) {
      for (double v : *values) {
        if (std::isfinite(v)) largest = std::fmax(largest, std::fabs(v));
      }
    }
  }
  // 1, 2, 5, 10, 20, 50 ... dB; the analysis never comes near the end.
  double half = 1.0;
  for (int i = 0; half < largest && i < 60; ++i) {
    const double decade = std::pow(10.0, std::floor(std::log10(half) + 1e-9));
    const double leading = std::round(half / decade);
    half = leading == 1.0 ? 2.0 * decade : leading == 2.0 ? 5.0 * decade : 10.0 * decade;
  }
  return half;
}

void DrawInCircuitChart(surface::Surface& surface, const design::CircuitAnalysis& analysis,
                        const CircuitChartLayout& layout) {
  Chart(surface, analysis, layout).draw();
}

}  // namespace ui
