// The law of a string: the attenuation step between each pair of neighbouring
// positions, read from the text a builder types ("11x2 3") and written back
// in one canonical form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace design {

inline constexpr int kMaxStringPositions = 64;  // relay boards of 64 positions
inline constexpr int kMaxLawCount = 64;         // largest COUNT of a COUNTxSTEP entry
inline constexpr double kMinLawStepDb = 0.01;   // dB
inline constexpr double kMaxLawStepDb = 20.0;   // dB
inline constexpr double kMaxLawDepthDb = 120.0; // dB, deepest target above ground
inline constexpr int kLawDigits = 6;            // significant digits of a step

// What reading a law made of the typed text.
struct LawReading {
  bool Usable = false;            // at least one entry; nothing below is set without one
  int Positions = 0;              // N, after the 120 dB limit
  std::vector<double> StepsDb;    // the N - 2 steps used, dB; step i at index i - 1
  std::string Text;               // the canonical text; reads back as exactly these steps
  std::vector<std::string> Dropped;  // typed entries that are not entries
  std::vector<std::string> Clamped;  // typed entries whose step was outside 0.01 to 20 dB
  int NoRoom = 0;                 // typed steps beyond the places of the positions given
  bool DepthCut = false;          // Positions was lowered to stay within 120 dB
};

// Reads the law `text` for a string of `positions` positions (2 .. 64) with
// `separator` as the decimal separator. Entries are separated by spaces; an
// entry is a step, or COUNTxSTEP (x, X or *) with COUNT a whole number from
// 1 to 64 in digits. Each step is a plain number read as builders write it,
// taken as its magnitude, clamped to 0.01 .. 20 dB and then rounded to the
// double its 6-significant-digit text reads back as, so the steps are
// exactly what the canonical text says. The last entry repeats down to fill
// the N - 2 steps. If the deepest target (the sum of all steps, in double)
// passes 120 dB, the positions are cut to the most that stay within it. With
// 2 positions no step is used and Text is the first step typed. Entries that
// are not entries are dropped and named; without any entry left, Usable is
// false and the caller keeps its previous law.
void ReadLaw(std::string_view text, int positions, char separator, LawReading& law);

// The canonical text of `stepsDb`: equal neighbouring steps joined as
// COUNTxSTEP, the last run as a bare step, each step in its shortest decimal
// form up to 6 significant digits with `separator`. Empty steps give "".
std::string LawText(const std::vector<double>& stepsDb, char separator);

// The targets of the positions above ground, dB: target(p) is the sum of the
// first p steps, added in order in double, for p = 0 .. steps (target(0) = 0).
void LawTargets(const std::vector<double>& stepsDb, std::vector<double>& targetsDb);

}  // namespace design
