// Small attenuators of each kind whose cells can be worked by hand: no load,
// no source, 100 pF of cable, 1% parts.
#pragma once

#include <cmath>

#include "circuit/analysis.h"
#include "tests/circuit/kind_cases.h"

namespace testing_support {

inline const double kHalfDb = 20.0 * std::log10(2.0);  // 6.02060 dB

inline circuit::KindSpec Cabled(circuit::KindSpec spec, bool balanced = false) {
  spec.Inputs.CableFarads = 100e-12;
  spec.Balanced = balanced;
  return spec;
}

// 3k ladder at 0, a half and a third: S1 = P1 = 1.5k, S2 = 2k, P2 = 1k, P0 =
// S3 = 3k (E96 3.01k).
inline circuit::KindSpec SmallLadder() {
  return Cabled(Spec(circuit::Kind::Ladder, 3e3, {0, kHalfDb, 20.0 * std::log10(3.0)}));
}
// 1k shunt at 0, two thirds and a half: Y1 = 2k, Y2 = 1k.
inline circuit::KindSpec SmallShunt(bool balanced = false) {
  return Cabled(Spec(circuit::Kind::Shunt, 1e3, {0, 20.0 * std::log10(1.5), kHalfDb}), balanced);
}
// 2k relay ladder, stages of a half and a quarter: S1 = 1k, H1 = 2k, S2 =
// 1.5k, H2 = 666.667 (E96 665, E24 680), T = 2k.
inline circuit::KindSpec SmallRelay() { return Cabled(Relay(2e3, 2, kHalfDb)); }

}  // namespace testing_support
