// Everything a window shows of an attenuator of any kind in its circuit:
// the ideal parts, two rounded and improved sets, the tolerance band, the
// impedances, the treble corner and the noise, with the warnings.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "circuit/kinds.h"
#include "circuit/noise.h"
#include "circuit/rounding.h"

namespace circuit {

// What to analyse. Balanced: two identical legs, each into half the load
// from half the source (see circuit::StringSpec).
struct KindSpec {
  Kind What = Kind::Ladder;
  // ohms: the string's total, the ladder's and relay ladder's impedance, the
  // shunt's series part X.
  double Ohms = 10e3;
  // String, ladder, shunt: the targets of positions 0 .. N - 2, dB, N = 2 .. 64.
  TargetColumn Targets;
  int Stages = 0;       // relay ladder: 1 .. 8
  double StepDb = 0.0;  // relay ladder: 0.01 .. 20 dB, the first stage's
  circuit::CircuitInputs Inputs;
  std::array<const design::Series*, 2> RoundedIn{&design::kE96, &design::kE24};
  bool Balanced = false;
};

// The parts rounded to a series, improved, and what they give into the load.
struct PartSet {
  const design::Series* RoundedIn = &design::kE96;
  RoundedParts Parts;
  PositionColumn Db;  // attenuation by position; 0 where there is no output
  WorstPoint Worst;   // deviation from the targets
};

// By position p = 0 .. Positions - 1 (N, or 2^stages codes); positions
// without output (the mute one) hold 0 and no corner.
struct KindAnalysis {
  Kind What = Kind::Ladder;
  int Positions = 0;
  double Ohms = 0.0;
  int Stages = 0;
  double StepDb = 0.0;
  bool Balanced = false;
  circuit::CircuitInputs Inputs;  // as the analysis used them
  TargetColumn Target;           // dB, by position with output
  KindDesign Design;             // the chains, part names, ideal parts, sections
  std::vector<PartSet> Sets;     // the two rounded sets, in the order asked for
  PositionColumn BandLowDb;      // of the first set
  PositionColumn BandHighDb;
  PositionColumn ZoutOhms;  // seen by the load, first set (across the pair if balanced)
  PositionColumn ZinOhms;   // seen by the source; kOpenOhms where open
  std::vector<std::optional<double>> F3dbHz;
  PositionColumn NoiseMicrovolts;  // into the load, first set
  // Summary.
  double WidestBand = 0.0;  // largest high - low, dB
  int WidestBandAt = 0;
  double InsertionLossDb = 0.0;  // the first set's A(0)
  LoudestNoise Noise;
  // Warnings.
  std::vector<int> NoShuntAt;   // ladder positions whose shunt is open
  bool NoTermination = false;   // relay ladder without a termination
  std::vector<int> OutOfRange;  // parts whose value in either set lies outside 1 ohm .. 10 Mohm
  bool FarAboveLoad = false;    // string total or shunt X above kFarAboveLoad x the load
  bool BestSetStrays = false;   // even the better set strays beyond kStrayDb
};

// Analyses the attenuator `spec` describes. Returns false and leaves
// Positions = 0 when it describes none: a resistance that is not a positive
// number; source, load, cable or tolerance negative or not finite; a
// missing series; for string, ladder and shunt, N outside 2 .. 64 or a
// target that is not finite (ladder and shunt: outside 0 .. 120 dB); for
// the relay ladder, stages outside 1 .. 8 or a step outside 0.01 .. 20 dB.
bool AnalyseKind(const KindSpec& spec, KindAnalysis& analysis);

// AnalyseKind of a description its caller has checked by its own rules (the
// string's AnalyseString takes a source and load of any sign). Returns
// false and leaves Positions = 0 only when `spec` lays out no network.
bool AnalyseAsGiven(const KindSpec& spec, KindAnalysis& analysis);

}  // namespace circuit
