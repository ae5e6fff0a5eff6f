// Accessible names, hints and descriptions.
#include "ui/windows/accessibility.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QLabel>
#include <QLineEdit>

#include "design/design_state.h"
#include "notation/eng_notation.h"

namespace ui {
namespace {

constexpr std::size_t kMostStraying = 3;

// FormatEng's text of `value` followed by `unit`, with the suffix blank and
// the unit's space merged into one.
std::string Spoken(float value, const char* unit) {
  return notation::FormatEngTrimmed(value) + " " + unit;
}

std::string Position(int p) { return "Position " + std::to_string(p + 1); }

void AppendStrayers(std::string& summary, const char* set, const design::Column& realised,
                    const design::DesignState& state) {
  struct Stray {
    int p;
    float d;  // dB; positive: more attenuation than the target
  };
  std::vector<Stray> strays;
  for (int p = 0; p <= state.NumPositions - 2; ++p) {
    const float d = realised[p] - state.TargetAtten[p];
    if (std::isfinite(d) && d != 0.0f) strays.push_back({p, d});
  }
  std::stable_sort(strays.begin(), strays.end(),
                   [](const Stray& a, const Stray& b) { return std::fabs(a.d) > std::fabs(b.d); });
  summary += set;
  if (strays.empty()) {
    summary += ": every position on its target.";
    return;
  }
  summary += " stray most at ";
  for (std::size_t i = 0; i < std::min(strays.size(), kMostStraying); ++i) {
    if (i > 0) summary += "; ";
    summary += "position " + std::to_string(strays[i].p + 1) + ", " +
               Spoken(std::fabs(strays[i].d), "dB") +
               (strays[i].d > 0.0f ? " more attenuation" : " less attenuation");
  }
  summary += ".";
}

}  // namespace

const char* const kTotalHint =
    "Ohms, such as 10k, 4.7k or 1M; the number stops at its first suffix letter, "
    "so 4k7 reads as 4k and \"100 ohms\" as 0.1 (m is milli)";
const char* const kPositionsHint = "Switch positions, 2 to 25; a fraction is cut off";
const char* const kStepHint =
    "Decibels per step, 0.01 to 20, such as 2, 1.5 or 1,5; positions times step "
    "may be at most 100 dB";

void LabelBox(QLabel* prompt, QLineEdit* box, const char* hint) {
  prompt->setBuddy(box);
  box->setToolTip(QString::fromUtf8(hint));
}

std::string DesignDescription(const design::DesignState& state) {
  const int n = state.NumPositions;
  const bool five = state.TolType == 5;
  const bool rounded = five || state.TolType == 1;
  const std::string nearest = five ? "nearest 5% " : "nearest 1% ";
  const design::Column& values = five ? state.R5Pct : state.R1Pct;
  const design::Column& realised = five ? state.Atten5Pct : state.Atten1Pct;
  std::string text;
  for (int p = 0; p <= n - 1; ++p) {
    if (p > 0) {
      text += "Resistor " + std::to_string(p) + ": ideal " + Spoken(state.IdealR[p], "ohms");
      if (rounded) text += ", " + nearest + Spoken(values[p], "ohms");
      text += "\n";
    }
    text += Position(p);
    if (p == n - 1) {
      text += ": ground\n";
      continue;
    }
    text += ": target " + Spoken(state.TargetAtten[p], "dB");
    if (rounded) text += ", realised " + Spoken(realised[p], "dB");
    text += "\n";
  }
  text += "Total: ideal " + Spoken(state.TotalOhms, "ohms");
  if (rounded) text += ", " + nearest + Spoken(five ? state.Total5Pct : state.Total1Pct, "ohms");
  text += "\n";
  return text;
}

std::string DeviationSummary(const design::DesignState& state) {
  std::string summary;
  AppendStrayers(summary, "5% resistors", state.Atten5Pct, state);
  summary += "\n";
  AppendStrayers(summary, "1% resistors", state.Atten1Pct, state);
  return summary;
}

}  // namespace ui
