// The sentences the string's summary and every other kind's summary share:
// the loss, each set's worst deviation, the channels' band, the noise and
// the warnings they have in common.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "circuit/noise.h"
#include "circuit/string_analysis.h"

namespace circuit_text {

// What every summary opens with. `Codes`: the positions are a relay
// ladder's codes ("at code 5"), not switch positions ("at position 5").
struct SummaryHead {
  bool Codes = false;
  double InsertionLossDb = 0.0;
  // Each set as the summary names it ("E96 set", "Compensated E96") and its
  // worst deviation from the targets.
  std::vector<std::pair<std::string, circuit::WorstPoint>> Worst{};
  double TolerancePercent = 0.0;  // the parts' tolerance, percent
  double WidestBandDb = 0.0;
  int WidestBandAt = 0;
  circuit::LoudestNoise Noise;
};

// The opening lines, dB to hundredths and every number with `separator`:
//   "Insertion loss at full volume 0.00 dB; every dB column is into the load."
//   "E96 set: worst deviation 0.12 dB at position 5."   (one per set)
//   "Two channels of ±1 % parts differ by up to 0.15 dB (position 7)."
//   the noise line (NoiseText).
// The tolerance is written as the Tolerance box writes it
// (notation::WriteBuilderValue).
std::vector<std::string> SummaryHeadLines(const SummaryHead& head, char separator);

// "Largest output noise 1.29 µV (-115.6 dBu) at position 23.", microvolts to
// three digits (notation::PartText) and dBu to one decimal; "No output noise
// at any position." when there is none.
std::string NoiseText(const circuit::LoudestNoise& noise, bool codes, char separator);

// "Warning: `what` is far above the load; the load sets the law."
std::string FarAboveLoadWarning(std::string_view what);

inline constexpr const char* kStraysWarning =
    "Warning: even the better set strays more than 0.5 dB from the law.";

// One rounded set as the out-of-range warning reads it: its series' name and
// each part's nominal value, ohms, in the order of the parts' names.
struct NominalSet {
  std::string_view Series;
  std::vector<double> Ohms;
};

// Parts whose nominal value in a set lies below 1 ohm or above 10M, named
// as runs (NameRuns: "R43–R47", "S1, H4–H8"): "Warning: R43–R47 below 1 Ω;
// R1 above 10M, hard to buy and measure." Where the sets differ on a side,
// each set with parts there is named by its series: "E24 R4 and E192 R3
// below 1 Ω". `names` holds the parts' names; a set with fewer values than
// names is read as far as it goes. Empty when every part is within range.
std::string OutOfRangeWarning(const std::vector<std::string>& names,
                              const std::vector<NominalSet>& sets);

}  // namespace circuit_text
