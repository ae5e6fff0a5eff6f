// The string as actually soldered: the values fitted in each channel (or
// each leg of a balanced channel), what each channel gives into the load,
// how far the two channels part, and the one swap of a part that brings
// them closest. Double precision throughout.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/string_analysis.h"

namespace circuit {

// The fitted strings in the table's column order: Left, Right; balanced,
// Left hot, Left cold, Right hot, Right cold. Each has N entries, resistor k
// at index k (index 0 unused).
using FittedStrings = std::vector<OhmsColumn>;

// How many strings a pair of channels has: 2, or 4 when balanced.
int FittedStringCount(bool balanced);

// Which channel (0 left, 1 right) string `column` belongs to.
int ChannelOf(int column, bool balanced);

// Every string set to the first set of `circuit`: what the builder was told
// to solder. Empty when the analysis has no string.
void DesignedFitted(const CircuitAnalysis& circuit, FittedStrings& fitted);

// The one string a channel is, into the whole load from the whole source.
// Single-ended, the channel's string itself. Balanced, the two legs' ground
// ends are joined and float, the load hangs between the wipers and the two
// inputs are driven in opposite phase through half the source impedance
// each: one current runs round a single loop through both legs, the load and
// the source, so the channel is one string whose resistor k is hot_k +
// cold_k. With equal legs that is twice a leg, into twice the half load the
// in-circuit window gives a leg, which divides the same.
void ChannelString(const FittedStrings& fitted, bool balanced, int channel, OhmsColumn& string);

// The value a change puts in a cell, To.Ohms(): a value of the first set's
// series (its exact decimal), the designed part (the first set's own value,
// a single for E24 and E96) or the value the other channel has there (any
// value a cell holds), so ohms rather than a series' decimal.
struct ChangedValue {
  double Value = 0.0;  // ohms
  double Ohms() const { return Value; }
};

// A single part swapped: resistor `Resistor` of string `Column` from
// `FromOhms` to `To`.
struct SingleChange {
  int Resistor = 0;
  int Column = 0;
  double FromOhms = 0.0;
  ChangedValue To;
  double WorstBeforeDb = 0.0;  // worst channel difference, dB
  double WorstAfterDb = 0.0;
};

// A change is offered only when it lowers the worst channel difference by
// at least this, dB: well inside what a pair of 1% parts leaves anyway.
inline constexpr double kWorthwhileChangeDb = 0.01;

// How a fitted value stands against the value the builder was told to fit.
enum class FitMark {
  AsDesigned,       // within the tolerance box's percentage
  BeyondTolerance,  // further off than that, yet near the designed value
  LikelyMisfit,     // more than kMisfitRatio times off: a wrong part
};
// A fitted value this many times above or below its designed value is
// taken for a wrong part (a colour band misread, a decade slipped).
inline constexpr double kMisfitRatio = 3.0;

// Marks `fittedOhms` against `designedOhms` (both positive ohms);
// `tolerancePercent` is the tolerance box's percentage. Values that are not
// positive numbers are marked as misfits.
FitMark MarkFitted(double fittedOhms, double designedOhms, double tolerancePercent);
// A mark per fitted cell: marks[column][k] for k = 1 .. N - 1 (index 0 is
// AsDesigned), in the column order of FittedStrings.
using FitMarks = std::vector<std::vector<FitMark>>;

// Marks every fitted value against the designed one (the first set of
// `circuit`, what DesignedFitted puts in) with the circuit's tolerance
// percentage. `marks` gets one column per string; a string of the wrong
// length, or a circuit without a first set of N values, is all AsDesigned.
void MarkFittedStrings(const CircuitAnalysis& circuit, const FittedStrings& fitted,
                       FitMarks& marks);

// A fitted value marked LikelyMisfit, for the summary.
struct Misfit {
  int Resistor = 0;
  int Column = 0;
  double FittedOhms = 0.0;
  double DesignedOhms = 0.0;
};
// Two results are taken as equal within this, dB.
inline constexpr double kChangeTieDb = 1e-9;

// Everything the as-built window shows, positions p = 0 .. N - 1.
struct AsBuiltAnalysis {
  int N = 0;
  bool Balanced = false;
  TargetColumn Target;                          // N - 1 entries, dB
  std::array<PositionColumn, 2> Db;             // each channel into the load; 0 at ground
  std::array<WorstPoint, 2> Worst;              // each channel's deviation, over 1 .. N - 2
  PositionColumn DifferenceDb;                  // A_left - A_right; 0 at ground
  WorstPoint WorstDifference;                   // largest |difference| over 0 .. N - 2
  std::optional<SingleChange> Best;             // none when no single change helps
  const design::Series* FirstSeries = nullptr;  // the first set's, for writing values
  FitMarks Marks;                               // every fitted cell, MarkFittedStrings
  std::vector<Misfit> Misfits;                  // the LikelyMisfit cells, by resistor then column
};

// The part of `series` that `ohms` is exactly, as the series holds it or as
// its decimal, or none.
std::optional<design::DecimalValue> PartOf(double ohms, const design::Series& series);

// Analyses `fitted` in the surroundings `circuit` was computed with, marks
// every cell and lists the likely misfits. Returns false and leaves N = 0
// when the strings do not fit it: the count, a length, or a value that is
// neither from kSmallestFittedOhms to kLargestFittedOhms nor the designed
// value of its resistor (the designed values are always taken, whatever
// their size).
bool AnalyseAsBuilt(const CircuitAnalysis& circuit, const FittedStrings& fitted,
                    AsBuiltAnalysis& analysis);

// The best single change: every resistor of every string tried at the
// seven values of the first set's series around it (its nearest and three
// either side), at its designed value (when `circuit` has a first set of N
// values) and at the value the other channel's string has there (balanced:
// the same leg of the other channel). A value that is the fitted part itself
// (exactly, or as the series' value of the same decimal) is no change, a
// series value that is the same part as the designed or the other channel's
// value is tried as that value, and values AnalyseAsBuilt would refuse are
// not tried. The best lowers the worst channel difference most; within
// kChangeTieDb the smaller of the two channels' worse deviation after the
// change wins, then the lower resistor, then the string further left in the
// table, then the lower value. None when no candidate lowers the worst
// difference by kWorthwhileChangeDb or more.
std::optional<SingleChange> BestSingleChange(const CircuitAnalysis& circuit,
                                             const FittedStrings& fitted);

// The fitted values a cell takes, ohms: far beyond any part, yet a string of
// 64 of them neither overflows nor loses its ratio to the source.
inline constexpr double kSmallestFittedOhms = 1e-6;
inline constexpr double kLargestFittedOhms = 1e12;

}  // namespace circuit
