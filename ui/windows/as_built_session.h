// What the as-built window keeps for the rest of the process: the in-circuit
// analysis it was last opened on and the values the user typed.
#pragma once

#include "design/as_built.h"
#include "design/in_circuit.h"

namespace ui {

struct AsBuiltSession {
  design::CircuitAnalysis Circuit;  // the in-circuit window's, as last computed
  design::FittedStrings Fitted;     // the table's values
};

// The process's session.
AsBuiltSession& KeptAsBuilt();

// Takes `circuit` as the surroundings. The typed values stay while the
// positions, the law and balanced stay the same; otherwise every cell starts
// again from the new first set.
void StartAsBuilt(const design::CircuitAnalysis& circuit);

}  // namespace ui
