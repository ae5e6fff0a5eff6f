// Small attenuators of each kind whose cells can be worked by hand, for the
// circuit_text tests.
#pragma once

#include <cmath>

#include "circuit/analysis.h"
#include "tests/circuit/kind_spec.h"

namespace testing_support {

inline const double kHalfDb = 20.0 * std::log10(2.0);   // a half: 6.02060 dB
inline const double kThirdDb = 20.0 * std::log10(3.0);  // a third: 9.54243 dB

// No load, no source, 100 pF of cable, 1% parts. Every part rounds to itself
// in E96 and E24 except 3k (E96 3.01k) and the relay's H2 (666.667 ohms:
// E96 665, E24 680), so the dB cells are the targets.
inline circuit::KindSpec Cabled(circuit::KindSpec spec) {
  spec.Inputs.CableFarads = 100e-12;
  return spec;
}

// 3k ladder of 4 positions at 0, a half and a third: S1 = P1 = 1.5k, S2 =
// 2k, P2 = 1k, P0 = S3 = 3k.
inline circuit::KindSpec SmallLadder() {
  return Cabled(Spec(circuit::Kind::Ladder, 3e3, {0, kHalfDb, kThirdDb}));
}
// 1k shunt of 4 positions at 0, two thirds and a half: Y1 = 2k, Y2 = 1k.
inline circuit::KindSpec SmallShunt() {
  return Cabled(Spec(circuit::Kind::Shunt, 1e3, {0, 20.0 * std::log10(1.5), kHalfDb}));
}
// 2k relay ladder of 2 stages of a half and a quarter: S1 = 1k, H1 = 2k, S2
// = 1.5k, H2 = 666.667, T = 2k.
inline circuit::KindSpec SmallRelay() { return Cabled(Relay(2e3, 2, kHalfDb)); }

}  // namespace testing_support
