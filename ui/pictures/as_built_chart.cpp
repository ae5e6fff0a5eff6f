// The as-built chart, drawn through the shared surface operations.
#include "ui/pictures/as_built_chart.h"

#include <algorithm>
#include <string>
#include <vector>

#include "notation/builder_value.h"
#include "ui/pictures/chart_scale.h"
#include "ui/pictures/ink.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;

struct Series {
  std::vector<double> values;  // dB, at positions first .. N - 2
  int first;
  surface::Rgb colour;
  LineMode marker;  // OutlineBox, FilledBox; Line draws a cross
  const char* name;
};

std::vector<Series> SeriesOf(const circuit::AsBuiltAnalysis& a) {
  std::vector<Series> all{{{}, 1, kLeftColour, LineMode::FilledBox, "left deviation"},
                          {{}, 1, kRightColour, LineMode::OutlineBox, "right deviation"},
                          {{}, 0, kDifferenceColour, LineMode::Line, "left - right"}};
  for (int p = 1; p <= a.N - 2; ++p) {
    all[0].values.push_back(circuit::Deviation(a.Db[0], p, a.Target));
    all[1].values.push_back(circuit::Deviation(a.Db[1], p, a.Target));
  }
  for (int p = 0; p <= a.N - 2; ++p) all[2].values.push_back(a.DifferenceDb[p]);
  return all;
}

}  // namespace

double AsBuiltHalfRangeDb(const circuit::AsBuiltAnalysis& analysis) {
  const std::vector<Series> all = SeriesOf(analysis);
  // From 0.1 dB: a well-matched pair parts by hundredths.
  return ScaleHalfRange({&all[0].values, &all[1].values, &all[2].values}, 0.1);
}

void DrawAsBuiltChart(surface::Surface& s, const circuit::AsBuiltAnalysis& a,
                      const AsBuiltChartLayout& l, char separator) {
  const float font = l.textPoints * l.unitsPerPoint;
  s.setFontSize(l.textPoints);
  s.printAt(PointF{l.left, l.top - 1.6f * font},
            "Deviation of each channel and channel difference, dB (more attenuation down)");
  s.setPenWidth(l.framePen);
  s.line(LineMode::OutlineBox, PointF{l.left, l.top}, PointF{l.right, l.bottom}, kBlack);
  if (a.N < 2) {
    s.printAt(PointF{l.left + font, l.top + font}, "Nothing to analyse.");
    return;
  }
  const double half = AsBuiltHalfRangeDb(a);
  const float middle = (l.top + l.bottom) / 2.0f;
  const auto y = [&](double db) {
    return static_cast<float>(middle + db * (l.bottom - l.top) / (2.0 * half));
  };
  const auto x = [&](int p) {
    const int intervals = std::max(a.N - 2, 1);
    const float inset = 3.0f * l.marker;
    return l.left + inset +
           (l.right - l.left - 2.0f * inset) * static_cast<float>(p) /
               static_cast<float>(intervals);
  };
  s.line(LineMode::Line, PointF{l.left, middle}, PointF{l.right, middle}, kBlack);
  for (const double db : {half, 0.0, -half}) {
    const std::string label = notation::WriteBuilderValue(db, separator);
    s.printAt(
        PointF{l.left - font * 0.55f * static_cast<float>(label.size() + 1), y(db) - font / 2},
        label);
  }
  // Position numbers under the frame, about a dozen at most.
  const int every = std::max(1, (a.N - 2 + 11) / 12);
  for (int p = 0; p <= a.N - 2; p += every) {
    const std::string number = std::to_string(p);
    s.printAt(
        PointF{x(p) - font * 0.28f * static_cast<float>(number.size()), l.bottom + 0.2f * font},
        number);
  }
  float legend = l.left;
  for (const Series& series : SeriesOf(a)) {
    s.setPenWidth(l.seriesPen);
    for (std::size_t i = 0; i < series.values.size(); ++i) {
      const PointF at{x(series.first + static_cast<int>(i)), y(series.values[i])};
      if (i > 0) {
        const PointF from{x(series.first + static_cast<int>(i) - 1), y(series.values[i - 1])};
        s.line(LineMode::Line, from, at, series.colour);
      }
      const float m = l.marker;
      if (series.marker == LineMode::Line) {
        s.line(LineMode::Line, PointF{at.x - m, at.y - m}, PointF{at.x + m, at.y + m},
               series.colour);
        s.line(LineMode::Line, PointF{at.x - m, at.y + m}, PointF{at.x + m, at.y - m},
               series.colour);
      } else {
        s.line(series.marker, PointF{at.x - m, at.y - m}, PointF{at.x + m, at.y + m},
               series.colour);
      }
    }
    const float row = l.bottom + 1.5f * font;
    s.line(series.marker == LineMode::Line ? LineMode::FilledBox : series.marker,
           PointF{legend, row + font * 0.3f}, PointF{legend + font * 0.6f, row + font * 0.9f},
           series.colour);
    s.printAt(PointF{legend + font, row}, series.name);
    legend += font * 0.55f * static_cast<float>(std::string(series.name).size() + 6);
  }
}

}  // namespace ui
