// The parts list Ctrl+Shift+C copies: one writer for the string and every
// kind, so the builder's shopping list reads the same whatever was designed.
#pragma once

#include <string>
#include <vector>

#include "circuit/analysis.h"

namespace circuit_text {

// One rounded set's parts: names and values (ohms, as the analysis computed
// with them), in the order the list names them within a value.
struct PartsListSet {
  std::string Series;  // lower case: "e96"
  std::vector<std::string> Names;
  std::vector<double> Ohms;
};

// Header "series\tvalue_ohm\tquantity\tresistors", then for each set in turn
// one line per distinct value cell (circuit_text::PlainDecimal with `separator`),
// ascending in value: the series, the cell, how many parts take it x
// `perPart` (the attenuators built: 2 channels, 4 legs when balanced), and
// their names in the set's order, one space apart. Tab-separated, each line
// ended by a line feed.
std::string PartsListText(const std::vector<PartsListSet>& sets, int perPart, char separator);

// The parts list: header "series\tvalue_ohm\tquantity\tresistors", then for
// each set in turn one line per distinct value cell, ascending in value:
// the series in lower case, the cell text, how many resistors take it x 2
// channels (x 2 more when balanced: four strings), and their numbers
// ascending ("R3 R7"). Tab-separated, each line ended by a line feed.
std::string PartsListText(const circuit::CircuitAnalysis& analysis, char separator);

// A kind's list, every part of a leg once per leg: ladder S1 .. S<N-1> then
// P0 .. P<N-2>; shunt X, Y1 .. Y<N-2>; relay ladder S1 .. Sn, H1 .. Hn, T
// (parts that are wires or open are not there). Only the header when the
// analysis holds no attenuator.
std::string PartsListText(const circuit::KindAnalysis& analysis, char separator);

}  // namespace circuit_text
