// The parts box beside the in-circuit table and the printed parts page: each
// rounded set's parts grouped by value in the builder's notation, then its
// build list. One writer for the string and every kind, so the bench sheet
// reads the same whatever was designed.
#pragma once

#include <string>
#include <vector>

#include "circuit/analysis.h"
#include "circuit/string_analysis.h"

namespace circuit_text {

// The string's box: for each set "E96 parts (2 strings):" (4 when balanced),
// then one line per value, ascending, "  2 x 1.82k: R1", the count over both
// channels and the resistors in order; then the set's BuildLines.
std::vector<std::string> PartsLines(const circuit::CircuitAnalysis& analysis, char separator);

// A kind's box in the same form, the count over two channels ("E96 parts (2
// channels):", "  4 x 1.3k: P9 S1"), the parts named as in the lists; the
// relay ladder opens with what each stage attenuates ("Stage 1: 1 dB (S1,
// H1)"). Nothing when the analysis holds no attenuator.
std::vector<std::string> PartsLines(const circuit::KindAnalysis& analysis, char separator);

}  // namespace circuit_text
