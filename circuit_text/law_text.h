// The law of a string as typed: the attenuation step between each pair of neighbouring
// positions, read from the text a builder types ("11x2 3") and written back
// in one canonical form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "circuit/law.h"

namespace circuit_text {

// A typed word that is not an entry, and what in it was not understood.
struct LawWord {
  std::string Text;
  std::string Why;  // "its count is not a whole number from 1 to 64", ...
};

// What reading a law made of the typed text.
struct LawReading {
  // At least one entry and every step within 0.01 .. 20 dB; nothing below
  // the two lists is set otherwise, and the caller keeps its previous law.
  bool Usable = false;
  std::vector<LawWord> Dropped;         // typed words that are not entries
  std::vector<std::string> OutOfRange;  // entries whose step is outside 0.01 .. 20 dB
  int Positions = 0;                    // N, held to 2 .. 64
  std::vector<double> StepsDb;          // the N - 2 steps, dB; step i at index i - 1
  std::string Text;                     // the canonical text of every step typed
  double DepthDb = 0.0;                 // the deepest target of the N positions, dB
  int FittingPositions = 0;             // the most positions (2 .. 64) within 120 dB
};

// Reads the law `text` for a string of `positions` positions (2 .. 64) with
// `separator` as the decimal separator. Entries are separated by spaces; an
// entry is a step, or COUNTxSTEP (x, X or *) with COUNT a whole number from
// 1 to 64 in digits. Each step is a plain number read as builders write it,
// taken as its magnitude (builders write -2 for a 2 dB step) and rounded to
// the double its 6-significant-digit text reads back as, so the steps are
// exactly what the canonical text says. A step outside 0.01 .. 20 dB makes
// the whole law unusable: it is refused, not clamped. The last entry repeats
// down to fill the N - 2 steps; steps typed beyond them are kept in Text, so
// a switch of fewer positions never shortens the law. DepthDb sums the steps
// in double as LawTargets does; the law is not cut where it passes 120 dB:
// the caller decides, and FittingPositions tells how many positions of this
// law would stay within it. Words that are not entries are dropped and named.
void ReadLaw(std::string_view text, int positions, char separator, LawReading& law);

// The canonical text of `stepsDb`: equal neighbouring steps joined as
// COUNTxSTEP, the last run as a bare step, each step in its shortest decimal
// form up to 6 significant digits with `separator`. Empty steps give "".
std::string LawText(const std::vector<double>& stepsDb, char separator);

}  // namespace circuit_text
