// The summary under the table of a ladder, shunt or relay ladder: insertion
// loss, each set's worst deviation, the channels' band, the largest output
// noise and the warnings (summary_text, as the string's summary says them).
#pragma once

#include <string>
#include <vector>

#include "circuit/analysis.h"

namespace circuit_text {

// The largest output noise and where, microvolts in the builder's notation
// to three digits (notation::PartText) and dBu to one decimal, `separator`
// as the point: "Largest output noise 1.29 µV (-115.6 dBu) at position 23."
// (a relay ladder's "at code 5."). "No output noise at any position." when
// every output is driven from zero ohms; empty when there is no analysis.
std::string NoiseLine(const circuit::KindAnalysis& analysis, char separator);

// Parts whose nominal value in a set lies below 1 ohm or above 10M, by the
// parts' names (OutOfRangeWarning): "Warning: H4–H8 below 1 Ω; S1 above
// 10M, hard to buy and measure."
std::string PartsOutOfRangeWarning(const circuit::KindAnalysis& analysis);

// The lines, figures in dB to hundredths with `separator`:
//   "Insertion loss at full volume 0.00 dB; every dB column is into the load."
//   "E96 set: worst deviation 0.12 dB at position 5."   (one per set)
//   "Two channels of ±1 % parts differ by up to 0.15 dB (position 7)."
//   the noise line, then the warnings that apply:
//   "Warning: X is far above the load; the load sets the law."          (shunt)
//   "Warning: P40–P46 open: the load is below what the ladder needs."   (ladder)
//   "Warning: no termination T: the load is below what the ladder needs." (relay)
//   the parts out of range, and
//   "Warning: even the better set strays more than 0.5 dB from the law."
// A relay ladder's positions are codes ("at code 5"). "No attenuator to
// analyse." when the analysis holds none.
std::vector<std::string> SummaryLines(const circuit::KindAnalysis& analysis, char separator);

}  // namespace circuit_text
