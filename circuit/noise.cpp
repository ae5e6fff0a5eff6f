// Thermal noise at the attenuator's output.
#include "circuit/noise.h"

#include <cmath>

namespace circuit {

double NoiseMicrovolts(double zoutOhms, double loadOhms) {
  if (!(zoutOhms > 0.0)) return 0.0;
  const double open = std::sqrt(4.0 * kBoltzmann * kNoiseKelvin * kNoiseBandHz * zoutOhms);
  const double divided = loadOhms > 0.0 ? open * (loadOhms / (zoutOhms + loadOhms)) : open;
  return divided * 1e6;
}

std::optional<double> NoiseDbu(double microvolts) {
  if (!(microvolts > 0.0)) return std::nullopt;
  return 20.0 * std::log10(microvolts * 1e-6 / kDbuVolts);
}

LoudestNoise LargestNoise(const circuit::PositionColumn& microvolts) {
  LoudestNoise loudest;
  for (std::size_t p = 0; p < microvolts.size(); ++p) {
    if (microvolts[p] > loudest.Microvolts) {
      loudest.Microvolts = microvolts[p];
      loudest.Position = static_cast<int>(p);
    }
  }
  loudest.Dbu = NoiseDbu(loudest.Microvolts);
  return loudest;
}

LoudestNoise LargestNoise(const circuit::CircuitAnalysis& string) {
  circuit::PositionColumn microvolts(string.ZoutOhms.size(), 0.0);
  for (std::size_t p = 0; p < microvolts.size(); ++p) {
    microvolts[p] = NoiseMicrovolts(string.ZoutOhms[p], string.Inputs.LoadOhms);
  }
  return LargestNoise(microvolts);
}

}  // namespace circuit
