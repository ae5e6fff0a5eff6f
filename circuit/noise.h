// The thermal noise an attenuator's output impedance puts into the load.
#pragma once

#include <optional>

#include "circuit/string_analysis.h"

namespace circuit {

inline constexpr double kBoltzmann = 1.380649e-23;  // J/K, exact since 2019 (SI)
inline constexpr double kNoiseKelvin = 300.0;       // K
inline constexpr double kNoiseBandHz = 20e3;        // Hz, the audio band
inline constexpr double kDbuVolts = 0.7746;         // V, 0 dBu (1 mW into 600 ohms)

// Johnson noise of `zoutOhms` across the load over the audio band, in
// microvolts: sqrt(4 k T B Zout) x RL / (Zout + RL); no load (0) leaves it
// whole. Zero impedance gives zero.
double NoiseMicrovolts(double zoutOhms, double loadOhms);

// 20 log10(e / 0.7746 V); none for no noise at all.
std::optional<double> NoiseDbu(double microvolts);

// The noisiest position and its noise.
struct LoudestNoise {
  double Microvolts = 0.0;
  std::optional<double> Dbu;
  int Position = 0;
};

// The largest of a column of noises (microvolts, by position), the first
// position on ties.
LoudestNoise LargestNoise(const circuit::PositionColumn& microvolts);

// The string's: its output impedances as the analysis shows them (across
// the pair when balanced) into its whole load.
LoudestNoise LargestNoise(const circuit::CircuitAnalysis& string);

}  // namespace circuit
