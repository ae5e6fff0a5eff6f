// The limits of a switch's law of steps, and the targets a law gives.
#pragma once

#include <vector>

namespace circuit {

inline constexpr int kMaxStringPositions = 64;   // relay boards of 64 positions
inline constexpr int kMaxLawCount = 64;          // largest COUNT of a COUNTxSTEP entry
inline constexpr double kMinLawStepDb = 0.01;    // dB
inline constexpr double kMaxLawStepDb = 20.0;    // dB
inline constexpr double kMaxLawDepthDb = 120.0;  // dB, deepest target above ground
inline constexpr int kLawDigits = 6;             // significant digits of a step

// Whether a depth passes kMaxLawDepthDb. A sum of six-digit steps lands a few
// ulps off its decimal (fifty 2.4 dB steps add to 120.00000000000011), so
// the limit allows for that and no more.
inline bool PastDepthLimit(double depthDb) { return depthDb > kMaxLawDepthDb + 1e-9; }

// The targets of the positions above ground, dB: target(p) is the sum of the
// first p steps, added in order in double, for p = 0 .. steps (target(0) = 0).
void LawTargets(const std::vector<double>& stepsDb, std::vector<double>& targetsDb);

}  // namespace circuit
