// The attenuator as the next stage really sees it: attenuation into a load
// from a source with its own impedance, the string compensated for that load
// and a law of any steps, its roundings in two standard series, the
// channel-matching band of toleranced parts, and the impedances at the
// wiper, single-ended or balanced. Double precision throughout.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "circuit/law.h"
#include "design/design_state.h"
#include "design/series.h"

namespace circuit {

// Numbering as the design's: positions p = 0 (top) .. N - 1 (ground);
// resistor k = 1 .. N - 1 joins positions k - 1 and k. The string is one
// kind among the others: what these routines give is the network's
// (circuit/network.h, circuit/rounding.h) for the string's chains
// (circuit::StringChains), in the string's columns.
// A string: resistor k at index k, ohms; N entries, index 0 unused.
using OhmsColumn = std::vector<double>;
// A value per switch position p at index p; N entries.
using PositionColumn = std::vector<double>;
// The target of positions 0 .. N - 2, dB: the sum of the steps above each
// (0 at the top); N - 1 entries. The ground position has none.
using TargetColumn = std::vector<double>;

// What the string sits between: the driving stage's output impedance and the
// next stage's input impedance.
struct Surroundings {
  double SourceOhms = 0.0;  // ohms, 0 or more
  double LoadOhms = 0.0;    // ohms; 0 means no load (an open wiper)
};

// The targets of an equal law: p x stepDb for p = 0 .. n - 2.
TargetColumn EqualSteps(int n, double stepDb);

// Attenuation of `string` (N = string.size(), 2 .. 64) into the load at
// positions 0 .. N - 2, dB: -20 log10 of the divider ratio y / (Rs + Ru + y),
// where Ru is the string above the wiper and y the string below it in
// parallel with the load. The partial sums are added resistor by resistor,
// never formed as a difference. `atten` gets N entries; the ground position
// has no output and holds 0. Any other N leaves `atten` untouched.
void LoadedAttenuation(const OhmsColumn& string, const Surroundings& around, PositionColumn& atten);

// Deviation of an attenuation column from the targets at position p:
// (A(p) - A(0)) - target(p), dB.
double Deviation(const PositionColumn& atten, int p, const TargetColumn& targets);

// Largest |deviation| of `string` from `targets` over positions 1 .. N - 2,
// dB, and where it lies (the first such position; 0 when N is 2).
struct WorstPoint {
  double Db = 0.0;
  int Position = 0;
};
WorstPoint WorstDeviation(const OhmsColumn& string, const TargetColumn& targets,
                          const Surroundings& around);

// The ideal string of N = targets.size() + 1 positions (2 .. 64) for the
// targets into the load: Rl(p), the string below position p, solves the
// divider equation for the ratio H0 x 10^(-target(p)/20) (H0 the ratio at
// position 0), taking the positive root in a form that does not cancel;
// with no load it is total x 10^(-target(p)/20). Resistors are the
// differences of neighbouring Rl, written to `resistors` (N entries).
void CompensatedString(double totalOhms, const TargetColumn& targets, const Surroundings& around,
                       OhmsColumn& resistors);

// A string rounded to a series: each resistor's index in the series and its
// value (ohms), at k = 1 .. N - 1; index 0 unused. Nearest holds the index
// each resistor rounded to on its own (RoundEach), which improvement stays
// near; empty when the string was not rounded from precise values.
struct RoundedString {
  std::vector<int> Index;
  OhmsColumn Ohms;
  std::vector<int> Nearest{};
};

// Rounds each resistor on its own to the series' nearest value; Nearest
// gets the same indices as Index.
void RoundEach(const OhmsColumn& precise, const design::Series& series, RoundedString& rounded);

// How many series steps improvement (of any kind) may move a part from the
// value it rounded to on its own: far enough to trade a step's error
// between neighbours, never so far that a part stops being near its ideal
// value.
inline constexpr int kImproveReach = 3;

// Improves a rounded string in place: visits resistors 1 .. N - 1 in turn,
// moving one at a time one series step up (else down) whenever that makes
// the worst deviation strictly smaller and leaves the part within
// kImproveReach steps of its Nearest index (of its Index on entry when
// Nearest is not N long; a part further away may only come back toward
// it), and repeats the visits until none does. Each move
// lowers the worst deviation, so no string comes back and the visits end;
// on the result no single move within reach lowers it at all, and a second
// call makes no move. Every value stays a value of the series. Returns the
// moves made.
int ImproveRounding(RoundedString& rounded, const TargetColumn& targets, const Surroundings& around,
                    const design::Series& series);

// Lowest and highest attenuation (dB, positions 0 .. N - 2) that parts within
// +/- tolerance (a fraction, 0.01 for 1%) of `string` can give: the resistors
// above the wiper at one extreme and those below at the other.
void ToleranceBand(const OhmsColumn& string, double tolerance, const Surroundings& around,
                   PositionColumn& low, PositionColumn& high);

// Output impedance seen by the load, (Rs + Ru) in parallel with Rl (0 at
// ground), and input impedance seen by the source, Ru + Rl in parallel with
// the load, at positions 0 .. N - 1, ohms.
void WiperImpedances(const OhmsColumn& string, const Surroundings& around, PositionColumn& zout,
                     PositionColumn& zin);

// The -3 dB frequency of the cable's capacitance against the output
// impedance `zoutOhms` in parallel with the load, Hz: 1 / (2 pi C Z). None
// without a cable, where that impedance is zero, or where the corner lies
// beyond the largest double.
std::optional<double> TrebleCorner(double zoutOhms, double cableFarads, const Surroundings& around);

// The four inputs of the analysis after their boxes have been read.
struct CircuitInputs {
  double LoadOhms = 47000.0;      // ohms; 0 = no load
  double SourceOhms = 0.0;        // ohms
  double CableFarads = 100e-12;   // farads, per conductor to ground; 0 = no cable
  double TolerancePercent = 1.0;  // percent, 0.01 .. 20
};

// The string to analyse. Balanced: two identical strings per channel whose
// ground ends meet, the load between the two wipers, the source driving
// both tops. By symmetry the middle of the load and of the source sit at
// ground potential, so each leg is one string into half the load from half
// the source impedance. The cable's capacitance is per conductor to ground,
// so a leg's wiper sees all of it: the treble corner of a leg is
// 1 / (2 pi C (Zout || RL/2)), which is also the differential corner (the
// two conductors' capacitances in series, C / 2, against twice a leg's
// impedance).
struct StringSpec {
  double TotalOhms = 0.0;  // ohms, one string
  TargetColumn Targets;    // N - 1 targets, dB; N = 2 .. 64
  CircuitInputs Inputs;
  std::array<const design::Series*, 2> RoundedIn{&design::kE96, &design::kE24};
  bool Balanced = false;
  // The design's own E96 and E24 strings (N entries each), for the designed
  // columns; give them only while the string is the design's.
  std::vector<OhmsColumn> Designed;
};

// A string rounded to a series, improved, and what it gives into the load.
struct RoundedSet {
  const design::Series* RoundedIn = &design::kE96;
  RoundedString Parts;
  PositionColumn Db;  // attenuation into the load, 0 .. N - 2
  WorstPoint Worst;   // deviation from the targets
};

// The design's own string into the load.
struct DesignedSet {
  PositionColumn Db;
  WorstPoint Worst;
};

// A string far above its load: the load pulls each step well off the
// unloaded law. Beyond this many times the load (of a leg), the window warns.
inline constexpr double kFarAboveLoad = 10.0;
// Parts outside 1 ohm .. 10 Mohm are hard to buy and measure.
inline constexpr double kSmallestPartOhms = 1.0;
inline constexpr double kLargestPartOhms = 10e6;
// A best set straying further than this from the targets is worth a warning.
inline constexpr double kStrayDb = 0.5;

// Everything the in-circuit window shows, for positions p = 0 .. N - 1.
struct CircuitAnalysis {
  int N = 0;
  double TotalOhms = 0.0;
  bool Balanced = false;
  CircuitInputs Inputs;               // as the analysis used them
  TargetColumn Target;                // N - 1 entries, dB
  OhmsColumn Compensated;             // load-compensated ideal resistors
  std::vector<RoundedSet> Sets;       // the two rounded sets, in the order asked for
  std::vector<DesignedSet> Designed;  // empty, or the design's E96 and E24 sets
  PositionColumn BandLowDb;           // of the first set, 0 .. N - 2
  PositionColumn BandHighDb;
  PositionColumn ZoutOhms;                    // seen by the load, first set; 0 at ground
  PositionColumn ZinOhms;                     // seen by the source
  std::vector<std::optional<double>> F3dbHz;  // none: no cable, ground, zero impedance
  // Summary.
  double WidestBand = 0.0;  // largest high - low, dB
  int WidestBandAt = 0;
  double InsertionLossDb = 0.0;  // the first set's A(0)
  bool FarAboveLoad = false;     // total > kFarAboveLoad x the load a string sees
  bool PartOutOfRange = false;   // a part of either set outside 1 ohm .. 10 Mohm
  bool BestSetStrays = false;    // even the better set strays beyond kStrayDb
};

// Analyses the string `spec` describes. Returns false and leaves N = 0 when
// it describes none: N outside 2 .. 64, a total that is not a positive
// number, a target that is not finite, a missing series, or designed strings
// of the wrong length or with values that are not positive numbers.
bool AnalyseString(const StringSpec& spec, CircuitAnalysis& analysis);

// Whether the design `state` holds describes a string (N, total, step and
// the rounded sets a run leaves), and if so its spec with `inputs`: equal
// steps of its step, its total, E96 and E24, single-ended, and the design's
// own sets for the designed columns.
bool DesignSpec(const design::DesignState& state, const CircuitInputs& inputs, StringSpec& spec);

// Analyses the design the last design run left in `state` (TotalOhms,
// NumPositions, StepSize, R1Pct, R5Pct; nothing else is read, nothing
// written) with `inputs`, which must be normalised: AnalyseString of its
// DesignSpec. Returns false and leaves N = 0 when the state holds no design.
bool AnalyseInCircuit(const design::DesignState& state, const CircuitInputs& inputs,
                      CircuitAnalysis& analysis);

}  // namespace circuit
