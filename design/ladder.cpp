// Ideal values, standard-value roundings and realised attenuations.
#include "design/ladder.h"

#include <cmath>

#include "design/standard_values.h"

namespace design {
namespace {

using Rounding = void (*)(const float&, float&);

// Rounds each ideal value with `nearest` and returns the sum of the rounded
// set, added in order of k.
float RoundSet(const Column& ideal, int n, Rounding nearest, Column& rounded) {
  float total = 0.0f;
  for (int k = 1; k <= n - 1; ++k) {
    float precise = ideal[k];
    float value = 0.0f;
    nearest(precise, value);
    rounded[k] = value;
    total = total + rounded[k];
  }
  return total;
}

// Attenuation of the rounded string at positions 1 .. N - 2: the divider ratio
// (total - resistance above the tap) / total, in dB. The partial sum is formed
// afresh for every position, in order of j, as the single-precision sums the
// values shown were made from.
void RealisedAttenuation(const Column& rounded, float total, int n, Column& atten) {
  const double ln10 = std::log(10.0);
  for (int p = 1; p <= n - 2; ++p) {
    float above = 0.0f;
    for (int j = 1; j <= p; ++j) above = above + rounded[j];
    const float ratio = (total - above) / total;
    atten[p] = static_cast<float>((std::log(static_cast<double>(ratio)) * -20.0) / ln10);
  }
}

}  // namespace

float StepRatio(float stepDb) {
  return static_cast<float>(std::pow(10.0, -static_cast<double>(stepDb) / 20.0));
}

void ComputeIdealValues(float total, int n, float stepDb, Column& ideal) {
  const float r = StepRatio(stepDb);  // the same on every pass
  float remainder = total;
  for (int k = 1; k <= n - 2; ++k) {
    const float next = r * remainder;
    ideal[k] = remainder - next;
    remainder = remainder - ideal[k];
  }
  ideal[n - 1] = remainder;
}

void CalculateLadder(DesignState& state) {
  const int n = state.NumPositions;
  if (n < kMinPositions || n > kMaxPositions) return;  // normalisation keeps n in range
  ComputeIdealValues(state.TotalOhms, n, state.StepSize, state.IdealR);

  state.Total1Pct = RoundSet(state.IdealR, n, Nearest1, state.R1Pct);
  RealisedAttenuation(state.R1Pct, state.Total1Pct, n, state.Atten1Pct);

  state.Total5Pct = RoundSet(state.IdealR, n, Nearest5, state.R5Pct);
  RealisedAttenuation(state.R5Pct, state.Total5Pct, n, state.Atten5Pct);

  for (int p = 0; p <= n - 2; ++p) {
    state.TargetAtten[p] = static_cast<float>(p) * state.StepSize;
  }
}

}  // namespace design
