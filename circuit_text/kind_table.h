// The table of a ladder, shunt or relay ladder: its columns in words, its
// cells in any notation, and the tab-separated copy the Copy key puts on the
// clipboard.
#pragma once

#include <string>
#include <vector>

#include "circuit/analysis.h"
#include "circuit_text/cells.h"

namespace circuit_text {

using Line = std::vector<std::string>;

struct KindTable {
  Line Header;
  std::vector<Line> Lines;
};

// The position table's columns, one per column of PositionTable in its
// order, with their names there (<a> and <b> the two sets' series in lower
// case):
//   ladder: position target_dB ideal_series_ohm ideal_shunt_ohm
//           <a>_series_ohm <a>_shunt_ohm <b>_series_ohm <b>_shunt_ohm
//           <a>_dB <b>_dB band_low_dB band_high_dB zout_ohm zin_ohm f3db_Hz noise_uV
//   shunt:  position target_dB ideal_shunt_ohm <a>_shunt_ohm <b>_shunt_ohm
//           <a>_dB <b>_dB band_low_dB ... noise_uV (as the ladder)
//   relay ladder: code target_dB <a>_dB <b>_dB band_low_dB ... noise_uV
// and in words as the string's table heads its columns ("Pos.", "Target"
// over "dB", "Series" over "ohm" or over "E96 ohm", "Atten." over "E96
// dB", "Noise" over "µV"), a set's unit naming its series by SetUnit. None
// for a string's analysis (its headings are circuit_text::kCircuitHeadings).
std::vector<ColumnHeading> PositionHeadings(const circuit::KindAnalysis& analysis);

// One line per position (ladder, shunt: p = 0 .. N - 1; relay ladder: code
// c = 0 .. 2^n - 1) under the names of PositionHeadings. The position or
// code is a whole number, every other number as `write` gives it with
// `separator` (the copy's circuit_text::PlainDecimal unless another writer is
// given). A part cell holds the part's value (a rounded one as the analysis
// computed with it), "0" for a wire, and is empty where the position has no
// part (an open shunt). Band, impedances, corner and noise are the first
// set's. A mute position's line holds only its position and parts; an open
// input (circuit::kOpenOhms), no corner and no value are empty cells. A
// string's analysis has no lines here (its table is circuit_text::CircuitCells).
KindTable PositionTable(const circuit::KindAnalysis& analysis, char separator,
                        CellWriter write = PlainCell);

// The relay ladder's stages: header "stage stage_dB ideal_series_ohm
// ideal_shunt_ohm <a>_series_ohm <a>_shunt_ohm <b>_series_ohm
// <b>_shunt_ohm", one line per stage i = 1 .. n (S<i> and H<i>, stage_dB
// step x 2^(i-1)), and a last line "termination" with T in the shunt cells
// (empty without one) and the other cells empty. No header and no lines for
// the other kinds.
KindTable StageTable(const circuit::KindAnalysis& analysis, char separator);

// The copy: the position table's header and lines, and for the relay ladder
// an empty line and then the stage table; cells joined by one tab, every line
// ended by a line feed (as circuit_text::CircuitTableText).
std::string KindTableText(const circuit::KindAnalysis& analysis, char separator);

}  // namespace circuit_text
