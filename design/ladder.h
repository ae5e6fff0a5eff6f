// The ladder calculation: ideal resistor values for equal dB steps, their E96
// and E24 roundings, and the attenuation each rounded string really gives.
#pragma once

#include "design/design_state.h"

namespace design {

// The constant per-position ratio r = 10^(-stepDb / 20), taken in double and
// stored as a single.
float StepRatio(float stepDb);

// Fills IdealR(1 .. N - 1): each resistor takes the share (1 - r) of the
// resistance still beneath its top end, and the last takes all that is left. Each
// step is a single-precision operation, and the remainder is reduced by the
// stored value, so the values add up to total within single rounding.
void ComputeIdealValues(float total, int n, float stepDb, Column& ideal);

// Runs the whole calculation on the normalised inputs of state (TotalOhms,
// NumPositions 2 .. 25, StepSize): IdealR, R1Pct, R5Pct, the two sums, the
// realised attenuations Atten1Pct / Atten5Pct at positions 1 .. N - 2 and
// TargetAtten at positions 0 .. N - 2. Both rounded sets are always computed.
void CalculateLadder(DesignState& state);

}  // namespace design
