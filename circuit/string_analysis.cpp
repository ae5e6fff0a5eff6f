// The loaded divider, its compensated string and roundings, the tolerance
// band and the impedances at the wiper.
#include "circuit/string_analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace circuit {
namespace {

bool PositionsInRange(std::size_t n) {
  return n >= static_cast<std::size_t>(design::kMinPositions) &&
         n <= static_cast<std::size_t>(kMaxStringPositions);
}

// Two impedances in parallel, ohms; a zero one shorts the pair.
double Parallel(double a, double b) {
  const double sum = a + b;
  return sum > 0.0 ? a * b / sum : 0.0;
}

// `ohms` with the load across it; no load leaves it as it is.
double IntoLoad(double ohms, const Surroundings& around) {
  return around.LoadOhms > 0.0 ? Parallel(ohms, around.LoadOhms) : ohms;
}

// Attenuation at a wiper with `upper` ohms above it and `lower` below, dB:
// the divider ratio y / (Rs + upper + y), y = lower in parallel with the load.
double DividerDb(double upper, double lower, const Surroundings& around) {
  const double y = IntoLoad(lower, around);
  const double ratio = y / (around.SourceOhms + upper + y);
  return -20.0 * std::log10(ratio);
}

// The wiper walk: the string above (Ru) and below (Rl) each position p,
// ohms. Ru is added from the top down and Rl from the ground up, resistor by
// resistor, so that no partial sum is a difference of two larger ones.
struct Arms {
  explicit Arms(std::size_t n) : Upper(n, 0.0), Lower(n, 0.0) {}
  std::vector<double> Upper;
  std::vector<double> Lower;
};

// Forms Rl(p) for p = lowerFrom down to 0 and Ru(p) for p = upperFrom up to
// N - 1 from their neighbours, the rest of `arms` being current: after resistor
// k changes, (k - 1, k) brings the arms up to date in the very order a whole
// walk (N - 2, 1) adds them, so both give the same bits.
void Walk(const OhmsColumn& string, int lowerFrom, int upperFrom, Arms& arms) {
  for (int p = lowerFrom; p >= 0; --p) arms.Lower[p] = string[p + 1] + arms.Lower[p + 1];
  for (int p = upperFrom; p < static_cast<int>(string.size()); ++p) {
    arms.Upper[p] = arms.Upper[p - 1] + string[p];
  }
}

Arms WalkWhole(const OhmsColumn& string) {
  Arms arms(string.size());
  Walk(string, static_cast<int>(string.size()) - 2, 1, arms);
  return arms;
}

// The worst deviation over positions 1 .. N - 2, looking at position
// `first` before the others; it gives up as soon as one position reaches
// `stopAt` and returns that position's: the optimiser only needs to know
// that a move does not help, and the position that was worst before a move
// is the likeliest to say so at once.
WorstPoint WorstOf(const Arms& arms, const TargetColumn& targets, const Surroundings& around,
                   int first, double stopAt) {
  const int n = static_cast<int>(arms.Lower.size());
  const double top = DividerDb(0.0, arms.Lower[0], around);
  WorstPoint worst;
  const auto reaches = [&](int p) {
    const double error =
        std::fabs((DividerDb(arms.Upper[p], arms.Lower[p], around) - top) - targets[p]);
    if (error > worst.Db) worst = {error, p};
    return worst.Db >= stopAt;
  };
  if (first >= 1 && first <= n - 2 && reaches(first)) return worst;
  for (int p = 1; p <= n - 2; ++p) {
    if (p != first && reaches(p)) break;
  }
  return worst;
}

// The divider ratio y / (Rs + upper + y) of DividerDb.
double DividerRatio(double upper, double lower, const Surroundings& around) {
  const double y = IntoLoad(lower, around);
  return y / (around.SourceOhms + upper + y);
}

// A quick look before the exact walk, at the position that was worst: a
// move of resistor k by delta ohms changes Rl above it and Ru below it by
// delta, so adding delta to the one sum at the top and the one at that
// position gives their ratio to within a few units of the last place (the
// sums are all positive). A deviation of at least best + kQuickMarginDb
// there means the ratio to the top's lies outside the window below, and
// the move cannot lower the worst; the margin is far above those few units.
constexpr double kQuickMarginDb = 1e-9;
struct QuickLook {
  QuickLook(const TargetColumn& targets, const WorstPoint& best)
      : position(best.Position),
        low(std::pow(10.0, -(targets[best.Position] + best.Db + kQuickMarginDb) / 20.0)),
        high(std::pow(10.0, -(targets[best.Position] - best.Db - kQuickMarginDb) / 20.0)) {}
  bool CannotHelp(const Arms& arms, int k, double delta, const Surroundings& around) const {
    if (position < 1) return false;
    const double top = DividerRatio(0.0, arms.Lower[0] + delta, around);
    const double upper = position >= k ? arms.Upper[position] + delta : arms.Upper[position];
    const double lower = position < k ? arms.Lower[position] + delta : arms.Lower[position];
    const double ratio = DividerRatio(upper, lower, around) / top;
    return ratio <= low || ratio >= high;
  }
  int position;
  double low, high;  // the ratio's window of deviations below best + margin
};

bool FitsTargets(std::size_t n, const TargetColumn& targets) {
  return PositionsInRange(n) && targets.size() + 1 >= n;
}

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
  const Arms arms = WalkWhole(string);
  atten.assign(string.size(), 0.0);
  for (std::size_t p = 0; p + 1 < string.size(); ++p) {
    atten[p] = DividerDb(arms.Upper[p], arms.Lower[p], around);
  }
}

double Deviation(const PositionColumn& atten, int p, const TargetColumn& targets) {
  return (atten[p] - atten[0]) - targets[p];
}

WorstPoint WorstDeviation(const OhmsColumn& string, const TargetColumn& targets,
                          const Surroundings& around) {
  if (!FitsTargets(string.size(), targets)) return {};
  return WorstOf(WalkWhole(string), targets, around, 0, std::numeric_limits<double>::infinity());
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
  rounded.Index.assign(precise.size(), 0);
  rounded.Ohms.assign(precise.size(), 0.0);
  for (std::size_t k = 1; k < precise.size(); ++k) {
    rounded.Index[k] = series.NearestIndex(precise[k]);
    rounded.Ohms[k] = series.Value(rounded.Index[k]);
  }
  rounded.Nearest = rounded.Index;
}

int ImproveRounding(RoundedString& rounded, const TargetColumn& targets, const Surroundings& around,
                    const design::Series& series) {
  OhmsColumn& string = rounded.Ohms;
  const int n = static_cast<int>(string.size());
  if (!FitsTargets(string.size(), targets) || rounded.Index.size() != string.size()) return 0;
  // Each part's steps from where it rounded to on its own.
  std::vector<int> reach(string.size(), 0);
  if (rounded.Nearest.size() == string.size()) {
    for (int k = 1; k <= n - 1; ++k) {
      reach[k] = StepsBetween(series, rounded.Nearest[k], rounded.Index[k]);
    }
  }
  // `arms` belong to the string as it stands, `trial` to the string with the
  // move being tried; a move touches Rl above and Ru below the resistor.
  Arms arms = WalkWhole(string);
  Arms trial = arms;
  WorstPoint best = WorstOf(arms, targets, around, 0, std::numeric_limits<double>::infinity());
  QuickLook quick(targets, best);
  int moves = 0;
  bool moved = true;
  while (moved) {
    moved = false;
    for (int k = 1; k <= n - 1; ++k) {
      for (const bool up : {true, false}) {
        if ((up ? reach[k] : -reach[k]) >= kImproveReach) continue;
        const double kept = string[k];
        const int next = series.Neighbour(rounded.Index[k], up);
        const double value = series.Value(next);
        if (value == kept) continue;
        if (quick.CannotHelp(arms, k, value - kept, around)) continue;
        string[k] = value;
        Walk(string, k - 1, k, trial);
        const WorstPoint worst = WorstOf(trial, targets, around, best.Position, best.Db);
        const bool helps = worst.Db < best.Db;
        // Bring whichever arms are behind up to the other.
        Arms& behind = helps ? arms : trial;
        const Arms& ahead = helps ? trial : arms;
        std::copy_n(ahead.Lower.begin(), k, behind.Lower.begin());
        std::copy(ahead.Upper.begin() + k, ahead.Upper.end(), behind.Upper.begin() + k);
        if (helps) {
          best = worst;
          quick = QuickLook(targets, best);
          rounded.Index[k] = next;
          reach[k] += up ? 1 : -1;
          ++moves;
          moved = true;
          break;
        }
        string[k] = kept;
      }
    }
  }
  return moves;
}

void ToleranceBand(const OhmsColumn& string, double tolerance, const Surroundings& around,
                   PositionColumn& low, PositionColumn& high) {
  const int n = static_cast<int>(string.size());
  if (!PositionsInRange(string.size())) return;
  low.assign(string.size(), 0.0);
  high.assign(string.size(), 0.0);
  const double more = 1.0 + tolerance;
  const double less = 1.0 - tolerance;
  for (int p = 0; p <= n - 2; ++p) {
    double upperMore = 0.0, upperLess = 0.0, lowerMore = 0.0, lowerLess = 0.0;
    for (int k = 1; k <= p; ++k) {
      upperMore = upperMore + string[k] * more;
      upperLess = upperLess + string[k] * less;
    }
    for (int k = n - 1; k >= p + 1; --k) {
      lowerMore = lowerMore + string[k] * more;
      lowerLess = lowerLess + string[k] * less;
    }
    // More above and less below the wiper attenuates most.
    const double loudest = DividerDb(upperLess, lowerMore, around);
    const double quietest = DividerDb(upperMore, lowerLess, around);
    low[p] = std::fmin(loudest, quietest);
    high[p] = std::fmax(loudest, quietest);
  }
}

void WiperImpedances(const OhmsColumn& string, const Surroundings& around, PositionColumn& zout,
                     PositionColumn& zin) {
  if (!PositionsInRange(string.size())) return;
  const Arms arms = WalkWhole(string);
  zout.assign(string.size(), 0.0);
  zin.assign(string.size(), 0.0);
  for (std::size_t p = 0; p < string.size(); ++p) {
    zout[p] = Parallel(around.SourceOhms + arms.Upper[p], arms.Lower[p]);
    zin[p] = arms.Upper[p] + IntoLoad(arms.Lower[p], around);
  }
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
  CircuitAnalysis& a = analysis;
  const int n = static_cast<int>(spec.Targets.size()) + 1;
  a.N = n;
  a.TotalOhms = spec.TotalOhms;
  a.Balanced = spec.Balanced;
  a.Inputs = spec.Inputs;
  a.Target = spec.Targets;
  const CircuitInputs& inputs = spec.Inputs;
  // What one string sees: a balanced leg drives half the load from half the
  // source impedance.
  const double legs = spec.Balanced ? 2.0 : 1.0;
  const Surroundings around{inputs.SourceOhms / legs, inputs.LoadOhms / legs};

  a.Designed.assign(spec.Designed.size(), {});
  for (std::size_t i = 0; i < spec.Designed.size(); ++i) {
    LoadedAttenuation(spec.Designed[i], around, a.Designed[i].Db);
    a.Designed[i].Worst = WorstDeviation(spec.Designed[i], a.Target, around);
  }

  CompensatedString(spec.TotalOhms, a.Target, around, a.Compensated);
  a.Sets.assign(spec.RoundedIn.size(), {});
  for (std::size_t i = 0; i < spec.RoundedIn.size(); ++i) {
    RoundedSet& set = a.Sets[i];
    set.RoundedIn = spec.RoundedIn[i];
    RoundEach(a.Compensated, *set.RoundedIn, set.Parts);
    ImproveRounding(set.Parts, a.Target, around, *set.RoundedIn);
    LoadedAttenuation(set.Parts.Ohms, around, set.Db);
    set.Worst = WorstDeviation(set.Parts.Ohms, a.Target, around);
  }
  const OhmsColumn& first = a.Sets[0].Parts.Ohms;
  ToleranceBand(first, inputs.TolerancePercent / 100.0, around, a.BandLowDb, a.BandHighDb);

  WiperImpedances(first, around, a.ZoutOhms, a.ZinOhms);
  a.F3dbHz.assign(static_cast<std::size_t>(n), std::nullopt);
  for (int p = 0; p <= n - 2; ++p)
    a.F3dbHz[p] = TrebleCorner(a.ZoutOhms[p], inputs.CableFarads, around);
  // Shown across the pair of wipers and the pair of tops.
  for (int p = 0; p <= n - 1; ++p) {
    a.ZoutOhms[p] = a.ZoutOhms[p] * legs;
    a.ZinOhms[p] = a.ZinOhms[p] * legs;
  }

  a.WidestBand = 0.0;
  a.WidestBandAt = 0;
  for (int p = 0; p <= n - 2; ++p) {
    const double width = a.BandHighDb[p] - a.BandLowDb[p];
    if (width > a.WidestBand) {
      a.WidestBand = width;
      a.WidestBandAt = p;
    }
  }
  a.InsertionLossDb = a.Sets[0].Db[0];
  a.FarAboveLoad = around.LoadOhms > 0.0 && spec.TotalOhms > kFarAboveLoad * around.LoadOhms;
  a.PartOutOfRange = false;
  double best = std::numeric_limits<double>::infinity();
  for (const RoundedSet& set : a.Sets) {
    for (int k = 1; k <= n - 1; ++k) {
      const double nominal = set.RoundedIn->Decimal(set.Parts.Index[k]).Ohms();
      if (nominal < kSmallestPartOhms || nominal > kLargestPartOhms) a.PartOutOfRange = true;
    }
    best = std::fmin(best, set.Worst.Db);
  }
  a.BestSetStrays = best > kStrayDb;
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
