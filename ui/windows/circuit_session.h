// What the in-circuit window keeps between its openings for the rest of the
// process: the surroundings, the string it designs, the two series and
// whether the build is balanced.
#pragma once

#include <array>

#include "design/circuit_inputs.h"
#include "design/design_state.h"
#include "design/in_circuit.h"
#include "design/series.h"

namespace ui {

struct CircuitSession {
  design::CircuitInputs Inputs;
  design::StringInputs String;
  std::array<const design::Series*, 2> RoundedIn{&design::kE96, &design::kE24};
  bool Balanced = false;
  // The design the string started from (total, positions, step as the design
  // holds them); a run with another one restarts the string from it.
  float FromTotal = 0.0f;
  int FromPositions = -1;
  float FromStep = 0.0f;
};

// The session of this process, starting from the defaults.
CircuitSession& KeptCircuitSession();

// Starts the string afresh from the design in `state` when that design's
// total, positions or step differ from the one it last started from; a
// return from another window, with the same design, keeps what was typed.
void FollowDesign(CircuitSession& session, const design::DesignState& state);

// The spec of the string the session describes: the design's own (with its
// designed sets) while the string is the design's, otherwise the string's
// total and law alone.
design::StringSpec SessionSpec(const CircuitSession& session, const design::DesignState& state);

}  // namespace ui
