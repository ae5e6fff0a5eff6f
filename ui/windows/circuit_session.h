// What the in-circuit window keeps between its openings for the rest of the
// process: the surroundings, the string it designs, the two series and
// whether the build is balanced, and the boxes of the other kinds.
#pragma once

#include <array>
#include <optional>

#include "circuit/analysis.h"

#include "circuit/string_analysis.h"
#include "circuit_text/circuit_inputs.h"
#include "design/design_state.h"
#include "design/series.h"

namespace ui {

struct CircuitSession {
  circuit::CircuitInputs Inputs;
  circuit_text::StringInputs String;
  std::array<const design::Series*, 2> RoundedIn{&design::kE96, &design::kE24};
  bool Balanced = false;
  // The design the string started from (total, positions, step as the design
  // holds them); a run with another one restarts the string from it.
  float FromTotal = 0.0f;
  int FromPositions = -1;
  float FromStep = 0.0f;
  // The kind the window shows, and the ladder's, shunt's and relay ladder's
  // own boxes (by kind - 1), empty until the kind is first chosen. A relay
  // ladder's Positions are its relays, and its one step StepsDb[0].
  circuit::Kind Kind = circuit::Kind::String;
  std::array<std::optional<circuit_text::StringInputs>, 3> Kinds;
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
circuit::StringSpec SessionSpec(const CircuitSession& session, const design::DesignState& state);

// The boxes of `kind` in the session: the string's own for the string; a
// kind chosen the first time starts from the string (the relay ladder with
// the string's total, 6 relays and a 1 dB step).
circuit_text::StringInputs& KindInputs(CircuitSession& session, circuit::Kind kind);

// The spec of the session's kind other than the string, single-ended (the
// ladder and shunt with the law's targets).
circuit::KindSpec KindSessionSpec(CircuitSession& session);

}  // namespace ui

namespace circuit_text {

// The box routines with the program's decimal separator
// (notation::DecimalSeparator), for the window's other kinds, whose calls
// pass none.
void WriteCircuitBoxes(const circuit::CircuitInputs& inputs, const StringInputs& string,
                       CircuitBoxes& boxes);
bool NormaliseCircuitInputs(CircuitBoxes& boxes, circuit::CircuitInputs& inputs,
                            StringInputs& string, const design::MessageSeam& showMessage);
bool NormaliseRelayInputs(CircuitBoxes& boxes, circuit::CircuitInputs& inputs, StringInputs& relay,
                          const design::MessageSeam& showMessage);

}  // namespace circuit_text
