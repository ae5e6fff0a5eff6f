// The attenuator as the next stage really sees it: attenuation into a load
// from a source with its own impedance, the string compensated for that load,
// its E96/E24 roundings, the channel-matching band of toleranced parts, and
// the impedances at the wiper. Double precision throughout.
#pragma once

#include <array>
#include <optional>

#include "design/design_state.h"
#include "design/standard_values.h"

namespace design {

// Resistor k of a string at index k (1 .. N - 1), ohms; index 0 is unused.
using OhmsColumn = std::array<double, kArraySize>;
// A value per switch position p at index p (0 .. N - 1).
using PositionColumn = std::array<double, kArraySize>;

// What the string sits between: the driving stage's output impedance and the
// next stage's input impedance.
struct Surroundings {
  double SourceOhms = 0.0;  // ohms, 0 or more
  double LoadOhms = 0.0;    // ohms; 0 means no load (an open wiper)
};

// Attenuation of `string` (resistors 1 .. n - 1) into the load at positions
// 0 .. n - 2, dB: -20 log10 of the divider ratio y / (Rs + Ru + y), where Ru
// is the string above the wiper and y the string below it in parallel with
// the load. The partial sums are added resistor by resistor, never formed as
// a difference. The ground position n - 1 has no output and is not written.
void LoadedAttenuation(const OhmsColumn& string, int n, const Surroundings& around,
                       PositionColumn& atten);

// Largest |(A(p) - A(0)) - p x stepDb| over positions 1 .. n - 2, dB: how far
// the steps heard stray from the designed steps. 0 for two positions.
double WorstStepError(const OhmsColumn& string, int n, double stepDb, const Surroundings& around);

// The ideal string for equal steps into the load: Rl(p), the string below
// position p, solves the divider equation for the ratio H0 x 10^(-p x step/20)
// (H0 the ratio at position 0), taking the positive root in a form that does
// not cancel; with no load it is total x 10^(-p x step / 20). Resistors are
// the differences of neighbouring Rl, written to `resistors` (1 .. n - 1).
void CompensatedString(double totalOhms, int n, double stepDb, const Surroundings& around,
                       OhmsColumn& resistors);

// A standard series of IEC 60063: its nearest-value rounding and how many
// values it has per decade.
struct StandardSeries {
  void (*nearest)(const float& Precise, float& Nearest);
  int perDecade;
};
inline constexpr StandardSeries kE96Series{&Nearest1, 96};
inline constexpr StandardSeries kE24Series{&Nearest5, 24};

// Rounds each resistor on its own to the series (in single precision, as the
// standard-value tables are kept).
void RoundEach(const OhmsColumn& precise, int n, const StandardSeries& series,
               OhmsColumn& rounded);

// Improves a rounded string in place: visits resistors 1 .. n - 1 in turn,
// moving one at a time one series step up (else down) whenever that makes the
// worst step error strictly smaller, and repeats the visits until none helps.
// Every value stays a value of the series. Returns the moves made.
int ImproveRounding(OhmsColumn& rounded, int n, double stepDb, const Surroundings& around,
                    const StandardSeries& series);

// The next value of the series above (up) or below a standard value; the
// value itself at either end of the tables' range.
double SeriesNeighbour(double standard, bool up, const StandardSeries& series);

// Lowest and highest attenuation (dB, positions 0 .. n - 2) that parts within
// +/- tolerance (a fraction, 0.01 for 1%) of `string` can give: the resistors
// above the wiper at one extreme and those below at the other.
void ToleranceBand(const OhmsColumn& string, int n, double tolerance, const Surroundings& around,
                   PositionColumn& low, PositionColumn& high);

// Output impedance seen by the load, (Rs + Ru) in parallel with Rl (0 at
// ground), and input impedance seen by the source, Ru + Rl in parallel with
// the load, at positions 0 .. n - 1, ohms.
void WiperImpedances(const OhmsColumn& string, int n, const Surroundings& around,
                     PositionColumn& zout, PositionColumn& zin);

// The -3 dB frequency of the cable's capacitance against the output
// impedance `zoutOhms` in parallel with the load, Hz: 1 / (2 pi C Z). None
// without a cable or where that impedance is zero.
std::optional<double> TrebleCorner(double zoutOhms, double cableFarads, const Surroundings& around);

// The four inputs of the analysis after their boxes have been read.
struct CircuitInputs {
  double LoadOhms = 47000.0;       // ohms; 0 = no load
  double SourceOhms = 0.0;         // ohms
  double CableFarads = 100e-12;    // farads; 0 = no cable
  double TolerancePercent = 1.0;   // percent, 0.01 .. 20
};

// Everything the in-circuit window shows, for positions p = 0 .. N - 1.
struct CircuitAnalysis {
  int N = 0;
  double StepSize = 0.0;  // dB
  CircuitInputs Inputs;  // as the analysis used them
  OhmsColumn Compensated{};     // load-compensated ideal resistors
  OhmsColumn CompensatedE96{};  // rounded to E96, then improved
  OhmsColumn CompensatedE24{};
  PositionColumn Target{};          // p x StepSize, dB
  PositionColumn DesignedE96Db{};   // the design's R1Pct into the load, dB
  PositionColumn DesignedE24Db{};   // the design's R5Pct into the load, dB
  PositionColumn CompensatedE96Db{};
  PositionColumn CompensatedE24Db{};
  PositionColumn BandLowDb{};   // of the compensated E96 set
  PositionColumn BandHighDb{};
  PositionColumn ZoutOhms{};    // seen by the load, compensated E96 set; 0 at ground
  PositionColumn ZinOhms{};     // seen by the source
  std::array<std::optional<double>, kArraySize> F3dbHz{};  // none: no cable, ground, zero impedance
  // Worst step errors over positions 1 .. N - 2, dB.
  double WorstDesignedE96 = 0.0;
  double WorstCompensatedE96 = 0.0;
  double WorstCompensatedE24 = 0.0;
  double WidestBand = 0.0;  // largest high - low, dB
};

// Deviation of an attenuation column from the target steps at position p:
// (A(p) - A(0)) - p x StepSize, dB.
double StepError(const PositionColumn& atten, int p, double stepDb);

// Analyses the design the last design run left in `state` (TotalOhms,
// NumPositions, StepSize, R1Pct, R5Pct; nothing else is read, nothing
// written) with `inputs`, which must be normalised. Returns false and leaves
// N = 0 when the state holds no design (no positions, or rounded values that
// are not positive numbers).
bool AnalyseInCircuit(const DesignState& state, const CircuitInputs& inputs,
                      CircuitAnalysis& analysis);

}  // namespace design
