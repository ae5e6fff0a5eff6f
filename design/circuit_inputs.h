// Reading the in-circuit window's four boxes: parse, bring into range, write
// back in engineering notation, and say what had to be changed.
#pragma once

#include <string>

#include "design/in_circuit.h"
#include "design/normalise.h"

namespace design {

// The texts of the four boxes, in their tab order.
struct CircuitBoxes {
  std::string Load;       // ohms; 0 or empty = no load
  std::string Source;     // ohms
  std::string Cable;      // farads; 0 = no cable
  std::string Tolerance;  // percent
};

// The smallest load the box can show again (FormatEng writes anything up to
// 1e-5 as "0  ", which would read back as no load at all).
inline constexpr double kMinLoadOhms = 1e-4;      // ohms
inline constexpr double kMaxCableFarads = 1e-3;   // farads; written back as "1m"
inline constexpr double kMinTolerancePercent = 0.01;
inline constexpr double kMaxTolerancePercent = 20.0;

// The inputs the in-circuit window last used; they stay for the rest of the
// process, starting from the defaults (47k load, no source impedance, 100p of
// cable, 1% parts).
CircuitInputs& KeptCircuitInputs();

// Writes `inputs` into the boxes: FormatEng of each value; the capacitance in
// picofarads with the suffix letters moved down by 1e12 ("100p", "2.2n").
void WriteCircuitBoxes(const CircuitInputs& inputs, CircuitBoxes& boxes);

// Parses the boxes with ParseEng into `inputs` and writes them back with the
// values used, which are exactly those their new texts read as. A negative
// value counts as its size; a load between zero and 0.0001 ohms becomes
// 0.0001, a cable above 1 mF becomes 1 mF, and a tolerance outside 0.01 to
// 20 % the nearer limit. Each such change is named, box and value used, in one message
// shown through `showMessage` after the boxes have been rewritten. Returns
// whether a message was shown.
bool NormaliseCircuitInputs(CircuitBoxes& boxes, CircuitInputs& inputs,
                            const MessageSeam& showMessage);

}  // namespace design
