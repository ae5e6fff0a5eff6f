// The build list of a ladder, shunt or relay ladder: where each part is
// soldered, as lines to read and as the tab-separated copy, in the form of
// the string's build list.
//
// Switch lugs are numbered as on the switch, 1 .. N: lug p + 1 is position
// p, lug 1 full volume and lug N the last position. The decks are those of
// BuildDecks: a deck is one leg's switch wafer (for the relay ladder, one
// leg's relay board).
//
// Ladder: two decks per leg.
//   Series deck: the input to the common (wiper); S<p> from lug p + 1 to the
//   output; lug 1 (and any other position whose series part is a wire)
//   wired to the output.
//   Shunt deck: the common (wiper) to the output; P<p> from lug p + 1 to
//   ground; lug N (mute) wired to ground; a position with no shunt leaves
//   its lug open.
//   The last position is mute: S<N-1> in series, the output wired to ground.
// Shunt: one deck per leg. X is fixed between the input and the output, off
//   the switch; the common (wiper) to the output; Y<p> from lug p + 1 to
//   ground; lug 1 open (full volume, and any other 0 dB position); lug N
//   wired to ground (mute).
// Relay ladder: no switch. Relays K1 .. Kn in a row from the input, each
//   relay's out the next one's in, the last one's out the output. Relay K<i>
//   operated puts S<i> from K<i> in to K<i> out and H<i> from K<i> out to
//   ground (through its second contact); released it joins K<i> in to K<i>
//   out and lifts H<i>. Code c operates K<i> when bit i - 1 of c is set
//   (the line lists each relay's dB to three digits, notation::PartText).
//   T from the output to ground.
#pragma once

#include <string>
#include <vector>

#include "circuit/analysis.h"

namespace circuit_text {

// The decks, by leg, the legs being the string's decks (BuildDecks of
// `Balanced`): "left", "right"; balanced "left hot", "left cold", "right
// hot", "right cold"; the ladder's each twice, " series" and " shunt" after
// the leg ("left series", "left shunt", ...). None for a string or an empty
// analysis.
std::vector<std::string> BuildDecks(const circuit::KindAnalysis& analysis);

// The build list of set `set` (0 or 1) to read, values in the boxes'
// notation (notation::WriteBuilderValue) with `separator` as the point;
// empty for a set the analysis does not have or a string. For a 4-position
// E96 ladder, single-ended:
//   "E96 build list, every series deck alike and every shunt deck alike:"
//   "  Decks: left series, left shunt, right series, right shunt."
//   "  Series deck: input to the common (wiper); S parts from their lugs to
//      the output; lug 1 wired to the output (full volume)."
//   "  Shunt deck: common (wiper) to the output; P parts from their lugs to
//      ground; lug 4 wired to ground."
//   "  The last position, lug 4, is mute (no output)."
//   "  S1  lug 2 to output  1.5k"   ... then "  P0  lug 1 to ground  3.01k" ...
// A balanced build adds, after the decks,
//   "  Balanced: every leg has its own series and shunt deck; its input and
//      output are the leg's own, and its ground joins the other leg's."
// ("each deck is one leg" for the shunt, "each board is one leg" for the
// relay ladder).
// A part's line is its name, where it goes ("lug 2 to output", "input to
// output", "K1 in to K1 out", "output to ground") and its value.
std::vector<std::string> BuildLines(const circuit::KindAnalysis& analysis, int set, char separator);

// The copy: the header "deck\tresistor\tlug_from\tlug_to\tseries\tvalue_ohm",
// then for each deck a wiring line, "wiring" in its second cell and where
// the deck's signals go after it, each cell a signal and a place:
//   ladder series deck "left series\twiring\tcommon input\toutput 1"
//   ladder shunt deck  "left shunt\twiring\tcommon output\tground 4" (and
//                      "open 41–47" where shunts are missing)
//   shunt              "left\twiring\tcommon output\tground 4\topen 1"
//   relay ladder       "left\twiring\tinput K1 in\toutput K3 out"
// then one line per set and part, each set's parts in order:
// "left series\tS1\t2\toutput\tE96\t1500". A lug is its number; the far end
// is "output", "ground", "input" or a relay's "K1 in" / "K1 out". The value
// is the exact standard value (ExactDecimal). Only the header when there is
// nothing to build.
std::string BuildListText(const circuit::KindAnalysis& analysis, char separator);

}  // namespace circuit_text
