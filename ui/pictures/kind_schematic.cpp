// The ladder, shunt and relay-ladder schematics, drawn through the shared
// surface operations.
#include "ui/pictures/kind_schematic.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/pictures/ink.h"
#include "ui/pictures/schematic.h"

namespace ui {
namespace {

using surface::LineMode;
using surface::PointF;

// Symbol sizes in units at scale 1, in the string schematic's proportions
// (a resistor 720 long, its zigzag 60 either side).
constexpr float kBody = 720.0f;
constexpr float kZigzag = 60.0f;
constexpr float kLead = 200.0f;        // input terminal to the first part
constexpr float kWiper = 300.0f;       // series deck: its contact to the output node
constexpr float kDrop = 300.0f;        // the line to the top of a switched shunt
constexpr float kFoot = 150.0f;        // a shunt's bottom to the ground rail
constexpr float kColumn = 500.0f;      // between the last shunt, termination and load
constexpr float kStage = 1020.0f;      // a relay stage: a resistor and its leads
constexpr float kContactGap = 160.0f;  // between a relay contact's terminals
constexpr float kLegGap = 100.0f;      // a relay shunt's leg: line, contact, resistor

// Fixed in units by the resistor symbol with a switch contact, whatever the scale.
constexpr float kTap = 300.0f;
constexpr float kContactHalf = 30.0f;

// Marks in text heights, so they stay visible however far the picture shrinks.
constexpr float kGap = 0.3f;
constexpr float kCharWidth = 0.7f;  // a generous capital or digit
constexpr float kLineHeight = 1.2f;
constexpr float kTerminal = 0.18f;  // half an input terminal
constexpr float kDot = 0.15f;       // half a node or contact dot
constexpr float kArrowLength = 0.45f;
constexpr float kArrowHalf = 0.22f;
constexpr float kBladeRise = 0.35f;   // how far an open contact's blade stands off
constexpr float kGroundBar = 0.45f;   // half the ground symbol's widest bar
constexpr float kGroundDepth = 0.8f;  // below the rail

// The largest scale keeps a resistor about five text heights long, as on the
// design window; below a quarter of that the names crowd the symbols.
constexpr float kUnitsPerScale = 140.0f;  // text height at scale 1
constexpr float kSmallestScale = 0.25f;   // of the largest

constexpr int kShownBeforeEllipsis = 2;
constexpr float kRoom = 0.999f;  // of the rectangle the picture may fill

struct Measures {
  float text;  // height of a line of text, units
  float gap;
  float width(const std::string& s) const {
    return kCharWidth * text * static_cast<float>(s.size());
  }
};

class Ink {
 public:
  Ink(surface::Surface& target, const KindSchematicLayout& layout, const Measures& m)
      : s_(target), l_(layout), m_(m) {}

  surface::Surface& target() { return s_; }
  void wires() { s_.setPenWidth(l_.wirePen); }
  void parts() { s_.setPenWidth(l_.partPen); }
  void wire(PointF a, PointF b) { s_.line(LineMode::Line, a, b, kBlack); }
  void box(PointF centre, float half, LineMode mode) {
    s_.line(mode, PointF{centre.x - half, centre.y - half},
            PointF{centre.x + half, centre.y + half}, kBlack);
  }
  void dot(PointF at) { box(at, kDot * m_.text, LineMode::FilledBox); }
  void text(float x, float y, const std::string& t) { s_.printAt(PointF{x, y}, t); }
  // `t` with its middle at x.
  void centred(float x, float y, const std::string& t) { text(x - m_.width(t) / 2.0f, y, t); }

  // A resistor kBody x s long from `from`, to the right or downward, its
  // zigzag as the string schematic's symbol draws it. Returns its far end.
  PointF resistor(PointF from, bool across, float s) {
    constexpr float kAlong[] = {190.0f, 260.0f, 310.0f, 370.0f, 430.0f, 490.0f, 520.0f, 720.0f};
    constexpr float kSide[] = {1.0f, -1.0f, 1.0f, -1.0f, 1.0f, -1.0f, 0.0f, 0.0f};
    const auto at = [&](float along, float side) {
      return across ? PointF{from.x + along * s, from.y - side * kZigzag * s}
                    : PointF{from.x + side * kZigzag * s, from.y + along * s};
    };
    s_.line(LineMode::Line, from, at(160.0f, 0.0f), kBlack);
    for (std::size_t i = 0; i < std::size(kAlong); ++i) {
      s_.line(LineMode::Continued, PointF{}, at(kAlong[i], kSide[i]), kBlack);
    }
    return s_.currentPoint();
  }

  // An arrowhead with its tip at `tip`, pointing along the axis (dx, dy).
  void arrow(PointF tip, float dx, float dy) {
    const float back = kArrowLength * m_.text;
    const float half = kArrowHalf * m_.text;
    const PointF base{tip.x - dx * back, tip.y - dy * back};
    wire(tip, PointF{base.x + dy * half, base.y + dx * half});
    wire(tip, PointF{base.x - dy * half, base.y - dx * half});
  }

  // The ground symbol hanging from the rail at `at`: three shrinking bars.
  void ground(PointF at) {
    const float t = m_.text;
    const float step = kGroundDepth * t / 4.0f;  // a stub of two, then the bars
    wire(at, PointF{at.x, at.y + 2.0f * step});
    for (int bar = 0; bar < 3; ++bar) {
      const float half = kGroundBar * t * static_cast<float>(3 - bar) / 3.0f;
      const float y = at.y + static_cast<float>(bar + 2) * step;
      wire(PointF{at.x - half, y}, PointF{at.x + half, y});
    }
  }

 private:
  surface::Surface& s_;
  const KindSchematicLayout& l_;
  const Measures& m_;
};

// What one L section (ladder, shunt) holds at the position drawn.
struct Section {
  std::string series;          // the series part's name; empty: a wire
  int shunt = circuit::kOpen;  // a part, or circuit::kWire / circuit::kOpen
  std::string shuntName;
  bool switched = false;  // a deck picks the series part (the ladder)
};

std::string SectionCaption(int p, const Section& sec) {
  const std::string to = sec.shunt >= 0                ? sec.shuntName
                         : sec.shunt == circuit::kWire ? "a wire"
                                                       : "nothing";
  return "Position " + std::to_string(p) + ": " + (sec.series.empty() ? "a wire" : sec.series) +
         " in series, " + to + " to ground";
}

// A vertical resistor from the line down to the rail at x, named to its right.
void Hanging(Ink& ink, const Measures& m, float x, float top, float yG, float s,
             const std::string& name) {
  ink.parts();
  const PointF end = ink.resistor(PointF{x, top}, false, s);
  ink.wires();
  ink.wire(end, PointF{x, yG});
  ink.text(x + kZigzag * s + m.gap, top + kBody * s / 2.0f - m.text / 2.0f, name);
}

// What every kind draws alike: the input terminals and their label, the
// load on the output at x = xL (its body from `top` down), the ground rail
// at yG with its symbol.
struct Frame {
  float xIn, xL, y0, yG, top;
};

void DrawFrame(Ink& ink, const Measures& m, const Frame& f, float s, KindSchematicPins& pins) {
  const float t = m.text;
  const float half = kTerminal * t;
  ink.wires();
  ink.box(PointF{f.xIn, f.y0}, half, LineMode::OutlineBox);
  ink.box(PointF{f.xIn, f.yG}, half, LineMode::OutlineBox);
  ink.text(f.xIn - half - m.gap - m.width("In"), f.y0 - t / 2.0f, "In");
  pins.input = PointF{f.xIn + half, f.y0};
  pins.ground = PointF{f.xIn + half, f.yG};
  pins.output = PointF{f.xL, f.y0};
  ink.dot(pins.output);
  ink.text(f.xL + m.gap, f.y0 - m.gap - t, "Out");
  ink.wire(pins.output, PointF{f.xL, f.top});
  Hanging(ink, m, f.xL, f.top, f.yG, s, "Load");
  ink.wire(pins.ground, PointF{f.xL, f.yG});
  ink.ground(PointF{(f.xIn + f.xL) / 2.0f, f.yG});
}

// The widest the frame reaches right of the load's column.
float FrameRight(const Measures& m, float s) {
  return std::max(kZigzag * s, m.gap) + m.gap + std::max(m.width("Out"), m.width("Load"));
}

float InputX(const Measures& m, float ox) {
  return ox + m.width("In") + m.gap + kTerminal * m.text;
}

struct SectionPlan {
  float width, height;
  float xS0, xS1, xP, xO;  // series part, shunt symbol, output node
  float yC;                // the shunt deck's contact
  Frame frame;
};

// The shunt's symbol (the string's, with its switch contact) stands kTap left
// of the output node, so that its contact lies under the node's wiper.
SectionPlan PlanSection(const Measures& m, const Section& sec, float s, float ox, float oy) {
  const float t = m.text;
  const float g = m.gap;
  const float z = kZigzag * s;
  SectionPlan p{};
  Frame& f = p.frame;
  f.xIn = InputX(m, ox);
  const float span = std::max(kWiper * s, kContactHalf + (kArrowLength + kGap) * t);
  const float named = kTerminal * t + g + m.width(sec.shuntName) + g + z;
  p.xP = std::max(f.xIn + kTerminal * t + (kLead + kBody) * s + span - kTap, f.xIn + named);
  p.xO = p.xP + kTap;  // as the symbol places its contact
  p.xS0 = p.xO - span - kBody * s;
  p.xS1 = p.xS0 + kBody * s;  // where the resistor ends
  f.xL = p.xO + std::max(kColumn * s, t);
  p.width = f.xL + FrameRight(m, s) - ox;
  f.y0 = oy + z + g + t;
  p.yC = f.y0 + std::max(kDrop * s, kContactHalf + (kArrowLength + kGap) * t);
  f.top = p.yC;
  f.yG = p.yC + (kBody + kFoot) * s;
  p.height = f.yG + kGroundDepth * t - oy;
  return p;
}

void DrawSection(Ink& ink, const Measures& m, const Section& sec, const SectionPlan& p, float s,
                 KindSchematicPins& pins) {
  const float t = m.text;
  const float g = m.gap;
  const float z = kZigzag * s;
  const float y0 = p.frame.y0;
  DrawFrame(ink, m, p.frame, s, pins);
  ink.wire(pins.input, PointF{p.xS0, y0});
  if (sec.series.empty()) {
    ink.wire(PointF{p.xS0, y0}, PointF{p.xS1, y0});
  } else {
    ink.parts();
    ink.resistor(PointF{p.xS0, y0}, true, s);
    ink.centred((p.xS0 + p.xS1) / 2.0f, y0 - z - g - t, sec.series);
  }
  ink.parts();
  const PointF node{p.xO, y0};
  if (sec.switched) {
    ink.box(PointF{p.xS1, y0}, kContactHalf, LineMode::FilledBox);
    ink.wire(node, PointF{p.xS1, y0});
    ink.arrow(PointF{p.xS1 + kContactHalf, y0}, -1.0f, 0.0f);
  } else {
    ink.wires();
    ink.wire(PointF{p.xS1, y0}, node);
    ink.parts();
  }
  ink.wire(node, PointF{p.xO, p.yC});
  ink.arrow(PointF{p.xO, p.yC - kContactHalf}, 0.0f, 1.0f);
  if (sec.shunt >= 0) {
    DrawResistorSymbol(ink.target(), p.xP, p.yC, s, kBlack);
    ink.wires();
    ink.wire(PointF{p.xP, p.yC + kBody * s}, PointF{p.xP, p.frame.yG});
    ink.text(p.xP - z - g - m.width(sec.shuntName), p.yC + kBody * s / 2.0f - t / 2.0f,
             sec.shuntName);
  } else {
    ink.box(PointF{p.xO, p.yC}, kContactHalf, LineMode::FilledBox);
    ink.wires();
    if (sec.shunt == circuit::kWire) ink.wire(PointF{p.xO, p.yC}, PointF{p.xO, p.frame.yG});
  }
  ink.wire(node, pins.output);
  ink.dot(node);
}

// The relay ladder's stages as drawn: all, or some with an ellipsis after
// the one at `ellipsisAfter`.
struct Stages {
  std::vector<int> shown;  // stage numbers, 1 = at the input
  int ellipsisAfter = -1;  // index into `shown`
};

std::string RelayCaption(int c, int stages) {
  std::vector<int> in;
  for (int i = 1; i <= stages; ++i) {
    if ((c >> (i - 1)) & 1) in.push_back(i);
  }
  std::string text = "Position " + std::to_string(c) + ": ";
  if (in.empty()) return text + "every stage bypassed";
  if (static_cast<int>(in.size()) == stages) return text + "every stage in";
  text += in.size() == 1 ? "stage " : "stages ";
  for (std::size_t k = 0; k < in.size(); ++k) {
    if (k > 0) text += k + 1 == in.size() ? " and " : ", ";
    text += std::to_string(in[k]);
  }
  return text + " in, the others bypassed";
}

struct RelayPlan {
  float width, height;
  std::vector<float> left;  // per shown stage, its input node
  float stage, ellipsis;    // widths
  float yK, rise, half;     // the bypass line, a blade's stand-off, half a contact's gap
  float yA, yB, yH;         // a shunt leg's contact terminals and resistor top
  float xT;                 // the termination's column; 0 without one
  Frame frame;
};

RelayPlan PlanRelay(const Measures& m, const Stages& st, int stages, bool termination, float s,
                    float ox, float oy) {
  const float t = m.text;
  const float g = m.gap;
  const float z = kZigzag * s;
  RelayPlan p{};
  Frame& f = p.frame;
  const std::string last = std::to_string(stages);
  f.xIn = InputX(m, ox);
  p.stage = std::max(kStage * s, 2.0f * z + 3.0f * g + m.width("S" + last));
  p.ellipsis = std::max(kColumn * s, m.width("...") + 2.0f * g);
  float x = f.xIn + kTerminal * t + kLead * s;
  for (std::size_t k = 0; k < st.shown.size(); ++k) {
    p.left.push_back(x);
    x += p.stage;
    if (static_cast<int>(k) == st.ellipsisAfter) x += p.ellipsis;
  }
  const float room = std::max(kColumn * s, 2.0f * z + 3.0f * g + m.width("H" + last));
  p.xT = termination ? x + room : 0.0f;
  f.xL = termination ? p.xT + std::max(kColumn * s, 2.0f * z + 3.0f * g + m.width("T")) : x + room;
  p.width = f.xL + FrameRight(m, s) - ox;
  p.rise = kBladeRise * t;
  p.half = std::max(kContactGap * s / 2.0f, p.rise);
  f.y0 = oy + z + 3.0f * g + 2.0f * t + p.rise;
  p.yK = f.y0 - z - 2.0f * g - t;
  p.yA = f.y0 + std::max(kLegGap * s, g);
  p.yB = p.yA + 2.0f * p.half;
  p.yH = p.yB + std::max(kLegGap * s, g);
  f.top = p.yH;
  f.yG = p.yH + (kBody + kFoot) * s;
  p.height = f.yG + kGroundDepth * t - oy;
  return p;
}

void DrawRelay(Ink& ink, const Measures& m, const circuit::KindAnalysis& a, const Stages& st, int c,
               const RelayPlan& p, float s, KindSchematicPins& pins) {
  const std::vector<std::string>& names = a.Design.Net.Names;
  const float t = m.text;
  const float y0 = p.frame.y0;
  DrawFrame(ink, m, p.frame, s, pins);
  ink.wire(pins.input, PointF{p.left.front(), y0});
  for (std::size_t k = 0; k < st.shown.size(); ++k) {
    const int i = st.shown[k];
    const bool in = ((c >> (i - 1)) & 1) != 0;
    const float a0 = p.left[k];
    const float b = a0 + p.stage;
    const float mid = (a0 + b) / 2.0f;
    const float body = kBody * s / 2.0f;
    ink.wires();
    ink.wire(PointF{a0, y0}, PointF{mid - body, y0});
    ink.parts();
    const PointF end = ink.resistor(PointF{mid - body, y0}, true, s);
    ink.wires();
    ink.wire(end, PointF{b, y0});
    ink.centred(mid, y0 - kZigzag * s - m.gap - t, names[static_cast<std::size_t>(i - 1)]);
    // The bypass across the series part: K<i> closed takes the stage out.
    const PointF k0{mid - p.half, p.yK};
    const PointF k1{mid + p.half, p.yK};
    ink.wire(PointF{a0, y0}, PointF{a0, p.yK});
    ink.wire(PointF{a0, p.yK}, k0);
    ink.wire(k1, PointF{b, p.yK});
    ink.wire(PointF{b, p.yK}, PointF{b, y0});
    ink.parts();
    ink.dot(k0);
    ink.dot(k1);
    ink.wire(k0, in ? PointF{k1.x, k1.y - p.rise} : k1);
    ink.centred(mid, p.yK - p.rise - m.gap - t, "K" + std::to_string(i));
    // The shunt's leg, through the relay's other contact: closed with the stage in.
    const PointF h0{b, p.yA};
    const PointF h1{b, p.yB};
    ink.wires();
    ink.wire(PointF{b, y0}, h0);
    ink.parts();
    ink.dot(h0);
    ink.dot(h1);
    ink.wire(h0, in ? h1 : PointF{b + p.rise, p.yB});
    ink.wires();
    ink.wire(h1, PointF{b, p.yH});
    Hanging(ink, m, b, p.yH, p.frame.yG, s, names[static_cast<std::size_t>(a.Stages + i - 1)]);
    ink.dot(PointF{a0, y0});
    ink.dot(PointF{b, y0});
    if (static_cast<int>(k) == st.ellipsisAfter) {
      ink.wire(PointF{b, y0}, PointF{b + p.ellipsis, y0});
      ink.centred(b + p.ellipsis / 2.0f, y0 - m.gap - t, "...");
    }
  }
  const float x = p.left.back() + p.stage;
  ink.wire(PointF{x, y0}, pins.output);
  if (p.xT > 0.0f) {
    ink.dot(PointF{p.xT, y0});
    ink.wire(PointF{p.xT, y0}, PointF{p.xT, p.yH});
    Hanging(ink, m, p.xT, p.yH, p.frame.yG, s, names[static_cast<std::size_t>(2 * a.Stages)]);
  }
}

// The largest scale in [lo, hi] at which `fits` holds; 0 when not even lo.
template <class Fits>
float LargestScale(float lo, float hi, const Fits& fits) {
  if (!fits(lo)) return 0.0f;
  if (fits(hi)) return hi;
  for (int step = 0; step < 24; ++step) {
    const float mid = (lo + hi) / 2.0f;
    (fits(mid) ? lo : hi) = mid;
  }
  return lo;
}

bool Usable(const KindSchematicLayout& l) {
  const float measures[] = {l.left,       l.top,           l.right,   l.bottom,
                            l.textPoints, l.unitsPerPoint, l.wirePen, l.partPen};
  for (float v : measures) {
    if (!std::isfinite(v)) return false;
  }
  return l.right > l.left && l.bottom > l.top && l.textPoints > 0.0f && l.unitsPerPoint > 0.0f &&
         std::isfinite(l.right - l.left) && std::isfinite(l.bottom - l.top) &&
         std::isfinite(l.textPoints * l.unitsPerPoint);
}

// Whether the analysis holds every part the picture names.
bool Complete(const circuit::KindAnalysis& a) {
  const auto parts = static_cast<int>(a.Design.Net.Names.size());
  if (a.What == circuit::Kind::RelayLadder) {
    return a.Stages >= 1 && a.Stages <= circuit::kMaxRelayStages &&
           a.Positions == (1 << a.Stages) && parts >= 2 * a.Stages + (a.NoTermination ? 0 : 1);
  }
  if (a.Positions < 1 || a.Design.Sections.size() != static_cast<std::size_t>(a.Positions)) {
    return false;
  }
  return std::all_of(
      a.Design.Sections.begin(), a.Design.Sections.end(),
      [parts](const circuit::Section& sec) { return sec.Series < parts && sec.Shunt < parts; });
}

Section SectionAt(const circuit::KindAnalysis& a, int p) {
  const circuit::Section& at = a.Design.Sections[static_cast<std::size_t>(p)];
  const std::vector<std::string>& names = a.Design.Net.Names;
  Section sec;
  if (at.Series >= 0) sec.series = names[static_cast<std::size_t>(at.Series)];
  sec.shunt = at.Shunt;
  if (at.Shunt >= 0) sec.shuntName = names[static_cast<std::size_t>(at.Shunt)];
  sec.switched = a.What == circuit::Kind::Ladder;
  return sec;
}

// The caption in one line, or broken after its last comma when too wide.
std::vector<std::string> CaptionLines(const Measures& m, const std::string& caption, float width) {
  const std::size_t comma = caption.rfind(", ");
  if (m.width(caption) <= width || comma == std::string::npos) return {caption};
  return {caption.substr(0, comma + 1), caption.substr(comma + 2)};
}

}  // namespace

KindSchematicPins DrawKindSchematic(surface::Surface& surface,
                                    const circuit::KindAnalysis& analysis,
                                    const KindSchematicLayout& layout, int position) {
  KindSchematicPins pins;
  if (analysis.What == circuit::Kind::String || !Usable(layout)) return pins;
  const float t = layout.textPoints * layout.unitsPerPoint;
  const Measures m{t, kGap * t};
  const float width = layout.right - layout.left;
  // A hair inside, so that rounding as the picture is centred keeps it in.
  const float roomWide = kRoom * width;
  Ink ink(surface, layout, m);
  if (!Complete(analysis)) {
    if (t > layout.bottom - layout.top) return pins;
    surface.setFontSize(layout.textPoints);
    ink.text(layout.left, layout.top, "No design to draw.");
    return pins;
  }
  const int p = std::clamp(position, 0, analysis.Positions - 1);
  const bool relay = analysis.What == circuit::Kind::RelayLadder;
  const Section sec = relay ? Section{} : SectionAt(analysis, p);
  const std::vector<std::string> caption =
      CaptionLines(m, relay ? RelayCaption(p, analysis.Stages) : SectionCaption(p, sec), width);
  const float areaTop = layout.top + static_cast<float>(caption.size()) * kLineHeight * t + m.gap;
  const float height = layout.bottom - areaTop;
  const float roomHigh = kRoom * height;
  const float most = t / kUnitsPerScale;
  const float least = kSmallestScale * most;

  float s = 0.0f;
  Stages st;
  const bool termination = !analysis.NoTermination;
  if (relay) {
    const auto fits = [&](float scale) {
      const RelayPlan plan = PlanRelay(m, st, analysis.Stages, termination, scale, 0.0f, 0.0f);
      return plan.width <= roomWide && plan.height <= roomHigh;
    };
    for (int i = 1; i <= analysis.Stages; ++i) st.shown.push_back(i);
    s = LargestScale(least, most, fits);
    if (s == 0.0f && analysis.Stages > kShownBeforeEllipsis + 1) {
      st.shown = {1, 2, analysis.Stages};
      st.ellipsisAfter = kShownBeforeEllipsis - 1;
      s = LargestScale(least, most, fits);
    }
  } else {
    s = LargestScale(least, most, [&](float scale) {
      const SectionPlan plan = PlanSection(m, sec, scale, 0.0f, 0.0f);
      return plan.width <= roomWide && plan.height <= roomHigh;
    });
  }
  if (s == 0.0f) return pins;

  surface.setFontSize(layout.textPoints);
  for (std::size_t line = 0; line < caption.size(); ++line) {
    ink.text(layout.left, layout.top + static_cast<float>(line) * kLineHeight * t, caption[line]);
  }
  if (relay) {
    const RelayPlan size = PlanRelay(m, st, analysis.Stages, termination, s, 0.0f, 0.0f);
    const RelayPlan plan =
        PlanRelay(m, st, analysis.Stages, termination, s, layout.left + (width - size.width) / 2.0f,
                  areaTop + (height - size.height) / 2.0f);
    DrawRelay(ink, m, analysis, st, p, plan, s, pins);
  } else {
    const SectionPlan size = PlanSection(m, sec, s, 0.0f, 0.0f);
    const SectionPlan plan = PlanSection(m, sec, s, layout.left + (width - size.width) / 2.0f,
                                         areaTop + (height - size.height) / 2.0f);
    DrawSection(ink, m, sec, plan, s, pins);
  }
  pins.drawn = true;
  return pins;
}

}  // namespace ui
