// The summary under the string's table: insertion loss, each set's worst
// deviation, the channels' band, the largest output noise and the warnings
// (summary_text, as every kind's summary says them).
#pragma once

#include <string>
#include <vector>

#include "circuit/string_analysis.h"

namespace circuit_text {

// The string's noise line (NoiseText) from its output impedances into its
// load (circuit::LargestNoise); empty when there is no string.
std::string NoiseLine(const circuit::CircuitAnalysis& analysis, char separator);

// The summary's warning about parts outside 1 ohm .. 10 Mohm (nominal
// standard values, as CircuitAnalysis::PartOutOfRange), naming resistors
// as OutOfRangeWarning does: "Warning: R43–R47 below 1 Ω; R1 above 10M,
// hard to buy and measure."; "E24 R4 and E192 R3 below 1 Ω" where the two
// sets differ on a side. Empty when every part is within range.
std::string PartsOutOfRangeWarning(const circuit::CircuitAnalysis& analysis);

// The summary, a sentence a line, figures in dB to hundredths with
// `separator`: the insertion loss at full volume, the worst deviation of
// the design's E96 set (while the string is the design's) and of each
// compensated set ("Compensated E96: worst deviation 0.12 dB at position
// 5."), the widest band, the noise line, and the warnings that apply: the
// string far above the load, the parts out of range, the better set
// straying. "No string to analyse." when the analysis holds none.
std::vector<std::string> SummaryLines(const circuit::CircuitAnalysis& analysis, char separator);

}  // namespace circuit_text
