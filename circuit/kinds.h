// The four kinds of stepped attenuator as networks: how each forms its
// chains from its parts and how it finds the parts' ideal values for its
// source and load.
#pragma once

#include <vector>

#include "circuit/network.h"

namespace circuit {

enum class Kind : std::uint8_t { String, Ladder, Shunt, RelayLadder };

inline constexpr int kMaxRelayStages = 8;

// Not a part: the element of a section that is a wire, or open.
inline constexpr int kWire = -1;
inline constexpr int kOpen = -2;

// The series and shunt part of a position that is one L section (ladder,
// shunt): part indices, or kWire / kOpen.
struct Section {
  int Series = kWire;
  int Shunt = kOpen;
};

// A kind laid out for its surroundings. Its parts are numbered in the order
// their names are listed below, which is also the order the improvement of
// a rounding visits them.
struct KindDesign {
  Network Net;
  PartOhms Ideal;                 // ohms, by part
  TargetColumn Targets;           // dB, by position with output
  std::vector<Section> Sections;  // ladder and shunt, by position; empty otherwise
  std::vector<int> NoShuntAt;     // ladder positions where no shunt can match the load
  bool NoTermination = false;     // relay ladder: the load is too low for a termination
};

// The series string of N = targets.size() + 1 positions: resistors R1 ..
// R<N-1> from the top; position p's chain is R1 + .. + Rp in series (a
// wire at the top) and R<N-1> + .. + R<p+1> to ground (a wire at the
// bottom), each arm added resistor by resistor from its far end, so that
// no partial sum is a difference of two larger ones. The ideal values are
// circuit::CompensatedString's for `totalOhms`.
void StringDesign(double totalOhms, const TargetColumn& targets, const Surroundings& around,
                  KindDesign& design);

// The string's chains alone, as StringDesign lays them for N positions:
// part k - 1 is resistor k. The string's own routines (LoadedAttenuation,
// ImproveRounding and the rest) work on these.
void StringChains(int n, Network& net);

// StringChains(n), laid once per thread and kept: the string's routines and
// the as-built search use the same chains many times a run, and laying
// their N^2 terms costs more than most uses of them. Outside 1 ..
// kMaxStringPositions laid afresh, good until the next call.
const Network& KeptStringChains(int n);

// A switched L pad per position (N = targets.size() + 1): series Sp =
// R (1 - ap), a wire at p = 0, and shunt Pp with Pp || RL = ap R, ap =
// 10^(-target/20); where RL <= ap R no shunt can keep the input at R, that
// shunt is open and the position named in NoShuntAt. The last position is
// mute: S<N-1> = R and a wire to ground.
void LadderDesign(double ohms, const TargetColumn& targets, const Surroundings& around,
                  KindDesign& design);

// One series X = `seriesOhms` and a shunt per position: none at the top, a
// wire at the bottom (mute), and Yp between, chosen so that the divider of
// Rs + X against Yp || RL gives 10^(-target/20) of what the load alone
// would get: Yp = S a RL / ((1 - a)(S + RL)), S = Rs + X (S a / (1 - a)
// without a load), algebraically y RL / (RL - y) with y = S g / (1 - g),
// g = a RL / (S + RL), but free of both cancellations.
void ShuntDesign(double seriesOhms, const TargetColumn& targets, const Surroundings& around,
                 KindDesign& design);

// `stages` (1 .. 8) relay-switched L sections of R, stage i (from the
// input) attenuating step x 2^(i-1) dB: series Si = R (1 - a), shunt Hi =
// R a / (1 - a); then a termination T from the output to ground with T ||
// RL = R (none where RL <= R). Position c = 0 .. 2^stages - 1 has stage i
// in when bit i - 1 of c is set, a stage out being bypassed; its target is
// c x step.
void RelayDesign(double ohms, int stages, double stepDb, const Surroundings& around,
                 KindDesign& design);

}  // namespace circuit
