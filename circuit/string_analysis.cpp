// The string's load-compensated ideal values and its analysis as a kind
// among the others: its attenuation, band, impedances and the improvement
// of its rounding are the string's chains' (circuit/network.h), in the
// string's columns.
#include "circuit/string_analysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "circuit/analysis.h"

namespace circuit {
namespace {

bool PositionsInRange(std::size_t n) {
  return n >= static_cast<std::size_t>(design::kMinPositions) &&
         n <= static_cast<std::size_t>(kMaxStringPositions);
}

// `ohms` with the load across it; no load leaves it as it is.
double IntoLoad(double ohms, const Surroundings& around) {
  return around.LoadOhms > 0.0 ? Parallel(ohms, around.LoadOhms) : ohms;
}

bool FitsTargets(std::size_t n, const TargetColumn& targets) {
  return PositionsInRange(n) && targets.size() + 1 >= n;
}

// The string's columns (resistor k at index k, index 0 unused) and the
// parts of its chains (part k - 1), each way.
PartOhms AsParts(const OhmsColumn& string) {
  return string.empty() ? PartOhms{} : PartOhms(string.begin() + 1, string.end());
}
template <class Value>
void AsColumn(const std::vector<Value>& parts, std::size_t n, std::vector<Value>& column) {
  column.assign(n, Value{});
  if (n > 0) std::copy(parts.begin(), parts.end(), column.begin() + 1);
}

const Network& Chains(std::size_t n) { return KeptStringChains(static_cast<int>(n)); }

// Series steps from index `from` to index `to`, up positive. Compared as
// decimals: a value can have two table entries whose singles differ.
int StepsBetween(const design::Series& series, int from, int to) {
  const design::DecimalValue goal = series.Decimal(to);
  const double goalOhms = series.Value(to);
  const bool up = goalOhms > series.Value(from);
  int steps = 0;
  for (int at = from; !(series.Decimal(at) == goal); ++steps) {
    const int next = series.Neighbour(at, up);
    if (next == at) break;  // the end of the series
    at = next;
    // A step past it (an index that is no entry of the series): stop there.
    if (!(series.Decimal(at) == goal) &&
        (up ? series.Value(at) > goalOhms : series.Value(at) < goalOhms)) {
      ++steps;
      break;
    }
  }
  return up ? steps : -steps;
}

}  // namespace

TargetColumn EqualSteps(int n, double stepDb) {
  TargetColumn targets(static_cast<std::size_t>(std::max(n - 1, 0)));
  for (int p = 0; p < n - 1; ++p) targets[p] = static_cast<double>(p) * stepDb;
  return targets;
}

void LoadedAttenuation(const OhmsColumn& string, const Surroundings& around,
                       PositionColumn& atten) {
  if (!PositionsInRange(string.size())) return;
  Attenuation(Chains(string.size()), AsParts(string), around, atten);
}

double Deviation(const PositionColumn& atten, int p, const TargetColumn& targets) {
  return (atten[p] - atten[0]) - targets[p];
}

WorstPoint WorstDeviation(const OhmsColumn& string, const TargetColumn& targets,
                          const Surroundings& around) {
  if (!FitsTargets(string.size(), targets)) return {};
  return WorstDeviation(Chains(string.size()), AsParts(string), targets, around);
}

void CompensatedString(double totalOhms, const TargetColumn& targets, const Surroundings& around,
                       OhmsColumn& resistors) {
  const int n = static_cast<int>(targets.size()) + 1;
  if (!PositionsInRange(targets.size() + 1)) return;
  const double rt = totalOhms;
  const double rl = around.LoadOhms;
  const double s = around.SourceOhms + rt;
  const double y0 = IntoLoad(rt, around);
  const double h0 = y0 / (around.SourceOhms + y0);  // divider ratio at position 0

  // Rl(p) from the root, and beside it Ru(p) = y (1 - a) / a - Rs from the
  // same divider equation, with 1 - a = Rs / (Rs + y0) + H0 (1 - 10^(...))
  // formed from two terms that never cancel.
  std::vector<double> lower(static_cast<std::size_t>(n)), upper(static_cast<std::size_t>(n));
  lower[0] = rt;
  upper[0] = 0.0;
  lower[n - 1] = 0.0;
  for (int p = 1; p <= n - 2; ++p) {
    const double exponent = -targets[p] / 20.0 * std::numbers::ln10;
    const double steps = std::pow(10.0, -targets[p] / 20.0);
    const double a = h0 * steps;
    const double shortfall =
        around.SourceOhms / (around.SourceOhms + y0) - h0 * std::expm1(exponent);
    if (rl <= 0.0) {
      lower[p] = rt * steps;
    } else {
      // a x^2 + b x - c = 0 for x = Rl(p), from y = a (S - x + y), y = x || RL.
      const double b = rl - a * s;
      const double c = a * s * rl;
      const double root = std::sqrt(b * b + 4.0 * a * c);
      lower[p] = b > 0.0 ? 2.0 * c / (b + root) : (root - b) / (2.0 * a);
    }
    upper[p] = IntoLoad(lower[p], around) * shortfall / a - around.SourceOhms;
  }
  // Rk = Rl(k - 1) - Rl(k) loses every digit when a tiny resistor sits under
  // a large string (a huge string into a tiny load); the upper arms give the
  // same resistor with an error on the scale of Ru + Rs instead of Rl, so
  // each resistor comes from the form whose terms are smaller. The last one
  // is the whole of Rl(N - 2).
  resistors.assign(static_cast<std::size_t>(n), 0.0);
  for (int k = 1; k <= n - 1; ++k) {
    const bool fromAbove = k <= n - 2 && upper[k] + 2.0 * around.SourceOhms < lower[k - 1];
    double r = fromAbove ? upper[k] - upper[k - 1] : lower[k - 1] - lower[k];
    // Past the resolution of doubles altogether: the smallest step they can
    // still tell apart from the string above, so the string stays a string.
    if (!(r > 0.0)) r = lower[k - 1] * 1e-16;
    resistors[k] = r;
  }
}

void RoundEach(const OhmsColumn& precise, const design::Series& series, RoundedString& rounded) {
  RoundedParts parts;
  RoundEach(AsParts(precise), series, parts);
  AsColumn(parts.Index, precise.size(), rounded.Index);
  AsColumn(parts.Ohms, precise.size(), rounded.Ohms);
  rounded.Nearest = rounded.Index;
}

int ImproveRounding(RoundedString& rounded, const TargetColumn& targets, const Surroundings& around,
                    const design::Series& series) {
  const std::size_t n = rounded.Ohms.size();
  if (!FitsTargets(n, targets) || rounded.Index.size() != n) return 0;
  RoundedParts parts;
  parts.Index.assign(rounded.Index.begin() + 1, rounded.Index.end());
  parts.Ohms = AsParts(rounded.Ohms);
  parts.Steps.assign(n - 1, 0);
  if (rounded.Nearest.size() == n) {
    for (std::size_t k = 1; k < n; ++k) {
      parts.Steps[k - 1] = StepsBetween(series, rounded.Nearest[k], rounded.Index[k]);
    }
  }
  const int moves = ImproveRounding(Chains(n), parts, targets, around, series);
  std::copy(parts.Index.begin(), parts.Index.end(), rounded.Index.begin() + 1);
  std::copy(parts.Ohms.begin(), parts.Ohms.end(), rounded.Ohms.begin() + 1);
  return moves;
}

void ToleranceBand(const OhmsColumn& string, double tolerance, const Surroundings& around,
                   PositionColumn& low, PositionColumn& high) {
  if (!PositionsInRange(string.size())) return;
  ToleranceBand(Chains(string.size()), AsParts(string), tolerance, around, low, high);
}

void WiperImpedances(const OhmsColumn& string, const Surroundings& around, PositionColumn& zout,
                     PositionColumn& zin) {
  if (!PositionsInRange(string.size())) return;
  Impedances(Chains(string.size()), AsParts(string), around, zout, zin);
}

std::optional<double> TrebleCorner(double zoutOhms, double cableFarads,
                                   const Surroundings& around) {
  const double seen = IntoLoad(zoutOhms, around);
  if (!(cableFarads > 0.0) || !(seen > 0.0)) return std::nullopt;
  const double hertz = 1.0 / (2.0 * std::numbers::pi * cableFarads * seen);
  // A few femto-ohms against a picofarad put the corner past any double:
  // there is no corner to show.
  if (!std::isfinite(hertz)) return std::nullopt;
  return hertz;
}

namespace {

bool PositiveNumbers(const OhmsColumn& string) {
  for (std::size_t k = 1; k < string.size(); ++k) {
    if (!(string[k] > 0.0) || !std::isfinite(string[k])) return false;
  }
  return true;
}

bool Describable(const StringSpec& spec) {
  const std::size_t n = spec.Targets.size() + 1;
  if (!PositionsInRange(n) || !(spec.TotalOhms > 0.0) || !std::isfinite(spec.TotalOhms)) {
    return false;
  }
  for (const double target : spec.Targets) {
    if (!std::isfinite(target)) return false;
  }
  for (const design::Series* series : spec.RoundedIn) {
    if (series == nullptr) return false;
  }
  for (const OhmsColumn& designed : spec.Designed) {
    if (designed.size() != n || !PositiveNumbers(designed)) return false;
  }
  return true;
}

}  // namespace

bool AnalyseString(const StringSpec& spec, CircuitAnalysis& analysis) {
  analysis.N = 0;
  if (!Describable(spec)) return false;
  KindSpec kind;
  kind.What = Kind::String;
  kind.Ohms = spec.TotalOhms;
  kind.Targets = spec.Targets;
  kind.Inputs = spec.Inputs;
  kind.RoundedIn = spec.RoundedIn;
  kind.Balanced = spec.Balanced;
  KindAnalysis k;
  if (!AnalyseAsGiven(kind, k)) return false;
  CircuitAnalysis& a = analysis;
  const std::size_t n = static_cast<std::size_t>(k.Positions);
  a.N = k.Positions;
  a.TotalOhms = spec.TotalOhms;
  a.Balanced = spec.Balanced;
  a.Inputs = spec.Inputs;
  a.Target = std::move(k.Target);
  AsColumn(k.Design.Ideal, n, a.Compensated);
  a.Sets.assign(k.Sets.size(), {});
  for (std::size_t i = 0; i < k.Sets.size(); ++i) {
    RoundedSet& set = a.Sets[i];
    PartSet& laid = k.Sets[i];
    set.RoundedIn = laid.RoundedIn;
    RoundEach(a.Compensated, *set.RoundedIn, set.Parts);  // Nearest: each on its own
    AsColumn(laid.Parts.Index, n, set.Parts.Index);
    AsColumn(laid.Parts.Ohms, n, set.Parts.Ohms);
    set.Db = std::move(laid.Db);
    set.Worst = laid.Worst;
  }
  // The design's own strings on the same chains, into what one leg sees.
  const double legs = spec.Balanced ? 2.0 : 1.0;
  const Surroundings around{spec.Inputs.SourceOhms / legs, spec.Inputs.LoadOhms / legs};
  a.Designed.assign(spec.Designed.size(), {});
  for (std::size_t i = 0; i < spec.Designed.size(); ++i) {
    Attenuation(k.Design.Net, AsParts(spec.Designed[i]), around, a.Designed[i].Db);
    a.Designed[i].Worst = WorstOfColumn(k.Design.Net, a.Designed[i].Db, a.Target);
  }
  a.BandLowDb = std::move(k.BandLowDb);
  a.BandHighDb = std::move(k.BandHighDb);
  a.ZoutOhms = std::move(k.ZoutOhms);
  a.ZinOhms = std::move(k.ZinOhms);
  a.F3dbHz = std::move(k.F3dbHz);
  a.WidestBand = k.WidestBand;
  a.WidestBandAt = k.WidestBandAt;
  a.InsertionLossDb = k.InsertionLossDb;
  a.FarAboveLoad = k.FarAboveLoad;
  a.PartOutOfRange = !k.OutOfRange.empty();
  a.BestSetStrays = k.BestSetStrays;
  return true;
}

bool DesignSpec(const design::DesignState& state, const CircuitInputs& inputs, StringSpec& spec) {
  const int n = state.NumPositions;
  if (n < design::kMinPositions || n > design::kMaxPositions || !(state.TotalOhms > 0.0f) ||
      !std::isfinite(state.TotalOhms) || !std::isfinite(state.StepSize)) {
    return false;
  }
  spec.TotalOhms = state.TotalOhms;
  spec.Targets = EqualSteps(n, state.StepSize);
  spec.Inputs = inputs;
  spec.RoundedIn = {&design::kE96, &design::kE24};
  spec.Balanced = false;
  spec.Designed.assign(2, OhmsColumn(static_cast<std::size_t>(n), 0.0));
  for (int k = 1; k <= n - 1; ++k) {
    spec.Designed[0][k] = state.R1Pct[k];
    spec.Designed[1][k] = state.R5Pct[k];
  }
  // A design run leaves positive, finite rounded values; anything else is
  // not a design this analysis can divide by.
  return PositiveNumbers(spec.Designed[0]) && PositiveNumbers(spec.Designed[1]);
}

bool AnalyseInCircuit(const design::DesignState& state, const CircuitInputs& inputs,
                      CircuitAnalysis& analysis) {
  StringSpec spec;
  if (!DesignSpec(state, inputs, spec)) {
    analysis.N = 0;
    return false;
  }
  return AnalyseString(spec, analysis);
}

}  // namespace circuit
