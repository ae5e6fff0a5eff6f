// The loaded divider, its compensated string and roundings, the tolerance
// band and the impedances at the wiper.
#include "design/in_circuit.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace design {
namespace {

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

// Rl(p) for p = 0 .. n - 1: the string below each position, added from the
// ground up so that no partial sum is a difference.
void LowerSums(const OhmsColumn& string, int n, PositionColumn& lower) {
  lower[n - 1] = 0.0;
  for (int p = n - 2; p >= 0; --p) lower[p] = string[p + 1] + lower[p + 1];
}

// The worst step error of `string`, but it gives up as soon as one position
// reaches `stopAt` and returns that position's error: the optimiser only
// needs to know that a move does not help.
double WorstUnless(const OhmsColumn& string, int n, double stepDb, const Surroundings& around,
                   double stopAt) {
  PositionColumn lower;
  LowerSums(string, n, lower);
  const double top = DividerDb(0.0, lower[0], around);
  double worst = 0.0;
  double upper = 0.0;
  for (int p = 1; p <= n - 2; ++p) {
    upper = upper + string[p];
    const double error = std::fabs((DividerDb(upper, lower[p], around) - top) -
                                   static_cast<double>(p) * stepDb);
    if (error > worst) worst = error;
    if (worst >= stopAt) break;
  }
  return worst;
}

// The standard value `nearest` gives for a double, through a single.
double Standard(const StandardSeries& series, double value) {
  const float precise = static_cast<float>(value);
  float rounded = 0.0f;
  series.nearest(precise, rounded);
  return rounded;
}

}  // namespace

void LoadedAttenuation(const OhmsColumn& string, int n, const Surroundings& around,
                       PositionColumn& atten) {
  if (n < kMinPositions || n > kMaxPositions) return;
  PositionColumn lower;
  LowerSums(string, n, lower);
  double upper = 0.0;
  for (int p = 0; p <= n - 2; ++p) {
    if (p > 0) upper = upper + string[p];
    atten[p] = DividerDb(upper, lower[p], around);
  }
}

double StepError(const PositionColumn& atten, int p, double stepDb) {
  return (atten[p] - atten[0]) - static_cast<double>(p) * stepDb;
}

double WorstStepError(const OhmsColumn& string, int n, double stepDb, const Surroundings& around) {
  if (n < kMinPositions || n > kMaxPositions) return 0.0;
  return WorstUnless(string, n, stepDb, around, std::numeric_limits<double>::infinity());
}

void CompensatedString(double totalOhms, int n, double stepDb, const Surroundings& around,
                       OhmsColumn& resistors) {
  if (n < kMinPositions || n > kMaxPositions) return;
  const double rt = totalOhms;
  const double rl = around.LoadOhms;
  const double s = around.SourceOhms + rt;
  const double y0 = IntoLoad(rt, around);
  const double h0 = y0 / (around.SourceOhms + y0);  // divider ratio at position 0

  // Rl(p) from the root, and beside it Ru(p) = y (1 - a) / a - Rs from the
  // same divider equation, with 1 - a = Rs / (Rs + y0) + H0 (1 - 10^(...))
  // formed from two terms that never cancel.
  PositionColumn lower, upper;
  lower[0] = rt;
  upper[0] = 0.0;
  lower[n - 1] = 0.0;
  for (int p = 1; p <= n - 2; ++p) {
    const double exponent = -static_cast<double>(p) * stepDb / 20.0 * std::numbers::ln10;
    const double steps = std::pow(10.0, -static_cast<double>(p) * stepDb / 20.0);
    const double a = h0 * steps;
    const double shortfall = around.SourceOhms / (around.SourceOhms + y0) - h0 * std::expm1(exponent);
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
  for (int k = 1; k <= n - 1; ++k) {
    const bool fromAbove =
        k <= n - 2 && upper[k] + 2.0 * around.SourceOhms < lower[k - 1];
    double r = fromAbove ? upper[k] - upper[k - 1] : lower[k - 1] - lower[k];
    // Past the resolution of doubles altogether: the smallest step they can
    // still tell apart from the string above, so the string stays a string.
    if (!(r > 0.0)) r = lower[k - 1] * 1e-16;
    resistors[k] = r;
  }
}

void RoundEach(const OhmsColumn& precise, int n, const StandardSeries& series,
               OhmsColumn& rounded) {
  for (int k = 1; k <= n - 1; ++k) rounded[k] = Standard(series, precise[k]);
}

double SeriesNeighbour(double standard, bool up, const StandardSeries& series) {
  // One series step is close to the 1/perDecade-th root of ten; the nearest
  // value to a point that far away is the neighbour, as the tables' ratios
  // to their neighbours all lie within a third of a step of it.
  const double factor = std::pow(10.0, (up ? 1.0 : -1.0) / series.perDecade);
  const double next = Standard(series, standard * factor);
  return (up ? next > standard : next < standard) ? next : standard;
}

int ImproveRounding(OhmsColumn& rounded, int n, double stepDb, const Surroundings& around,
                    const StandardSeries& series) {
  if (n < kMinPositions || n > kMaxPositions) return 0;
  double best = WorstStepError(rounded, n, stepDb, around);
  int moves = 0;
  // Each move lowers the worst error strictly, so the visits end; the cap is
  // a guard for arithmetic that would not settle.
  constexpr int kMaxVisits = 1000;
  bool moved = true;
  for (int visit = 0; moved && visit < kMaxVisits; ++visit) {
    moved = false;
    for (int k = 1; k <= n - 1; ++k) {
      for (const bool up : {true, false}) {
        const double kept = rounded[k];
        const double next = SeriesNeighbour(kept, up, series);
        if (next == kept) continue;
        rounded[k] = next;
        const double worst = WorstUnless(rounded, n, stepDb, around, best);
        if (worst < best) {
          best = worst;
          ++moves;
          moved = true;
          break;
        }
        rounded[k] = kept;
      }
    }
  }
  return moves;
}

void ToleranceBand(const OhmsColumn& string, int n, double tolerance, const Surroundings& around,
                   PositionColumn& low, PositionColumn& high) {
  if (n < kMinPositions || n > kMaxPositions) return;
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

void WiperImpedances(const OhmsColumn& string, int n, const Surroundings& around,
                     PositionColumn& zout, PositionColumn& zin) {
  if (n < kMinPositions || n > kMaxPositions) return;
  PositionColumn lower;
  LowerSums(string, n, lower);
  double upper = 0.0;
  for (int p = 0; p <= n - 1; ++p) {
    if (p > 0) upper = upper + string[p];
    zout[p] = Parallel(around.SourceOhms + upper, lower[p]);
    zin[p] = upper + IntoLoad(lower[p], around);
  }
}

std::optional<double> TrebleCorner(double zoutOhms, double cableFarads,
                                   const Surroundings& around) {
  const double seen = IntoLoad(zoutOhms, around);
  if (!(cableFarads > 0.0) || !(seen > 0.0)) return std::nullopt;
  return 1.0 / (2.0 * std::numbers::pi * cableFarads * seen);
}

bool AnalyseInCircuit(const DesignState& state, const CircuitInputs& inputs,
                      CircuitAnalysis& analysis) {
  analysis.N = 0;
  const int n = state.NumPositions;
  if (n < kMinPositions || n > kMaxPositions || !(state.TotalOhms > 0.0f) ||
      !std::isfinite(state.TotalOhms) || !std::isfinite(state.StepSize)) {
    return false;
  }
  // A design run leaves positive, finite rounded values; anything else is
  // not a design this analysis can divide by.
  for (int k = 1; k <= n - 1; ++k) {
    for (const float r : {state.R1Pct[k], state.R5Pct[k]}) {
      if (!(r > 0.0f) || !std::isfinite(r)) return false;
    }
  }
  CircuitAnalysis& a = analysis;
  a.N = n;
  a.StepSize = state.StepSize;
  a.Inputs = inputs;
  const Surroundings around{inputs.SourceOhms, inputs.LoadOhms};

  OhmsColumn designedE96{}, designedE24{};
  for (int k = 1; k <= n - 1; ++k) {
    designedE96[k] = state.R1Pct[k];
    designedE24[k] = state.R5Pct[k];
  }
  LoadedAttenuation(designedE96, n, around, a.DesignedE96Db);
  LoadedAttenuation(designedE24, n, around, a.DesignedE24Db);

  CompensatedString(state.TotalOhms, n, a.StepSize, around, a.Compensated);
  RoundEach(a.Compensated, n, kE96Series, a.CompensatedE96);
  ImproveRounding(a.CompensatedE96, n, a.StepSize, around, kE96Series);
  RoundEach(a.Compensated, n, kE24Series, a.CompensatedE24);
  ImproveRounding(a.CompensatedE24, n, a.StepSize, around, kE24Series);
  LoadedAttenuation(a.CompensatedE96, n, around, a.CompensatedE96Db);
  LoadedAttenuation(a.CompensatedE24, n, around, a.CompensatedE24Db);
  ToleranceBand(a.CompensatedE96, n, inputs.TolerancePercent / 100.0, around, a.BandLowDb,
                a.BandHighDb);

  for (int p = 0; p <= n - 1; ++p) a.Target[p] = static_cast<double>(p) * a.StepSize;

  WiperImpedances(a.CompensatedE96, n, around, a.ZoutOhms, a.ZinOhms);
  for (int p = 0; p <= n - 1; ++p) {
    a.F3dbHz[p].reset();
    if (p < n - 1) a.F3dbHz[p] = TrebleCorner(a.ZoutOhms[p], inputs.CableFarads, around);
  }

  a.WorstDesignedE96 = WorstStepError(designedE96, n, a.StepSize, around);
  a.WorstCompensatedE96 = WorstStepError(a.CompensatedE96, n, a.StepSize, around);
  a.WorstCompensatedE24 = WorstStepError(a.CompensatedE24, n, a.StepSize, around);
  a.WidestBand = 0.0;
  for (int p = 0; p <= n - 2; ++p) a.WidestBand = std::fmax(a.WidestBand, a.BandHighDb[p] - a.BandLowDb[p]);
  return true;
}

}  // namespace design
