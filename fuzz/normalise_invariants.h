// What must hold once any typed text has gone through the parser, the input
// normalisation and the ladder calculation. The fuzzer checks it on every
// input; the corpus replay test checks it on the seed inputs.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design/circuit_inputs.h"
#include "design/design_state.h"
#include "design/in_circuit.h"
#include "design/normalise.h"

namespace fuzz {

inline constexpr float kParseLimit = 1e10f;  // ParseEng clamps to +/- this

// Splits raw input into the three box texts at its first three line feeds;
// what follows the third feeds the in-circuit boxes.
design::BoxTexts SplitBoxes(std::string_view input);

// The in-circuit boxes: lines four to seven of the input, the last keeping
// whatever follows, line feeds and all.
design::CircuitBoxes SplitCircuitBoxes(std::string_view input);

// Everything one pass through the three stages produced.
struct StageRun {
  std::array<float, 3> parsed{};  // ParseEng of each box as typed
  design::BoxTexts boxes;         // the boxes after the write-back
  design::NormaliseOutcome outcome;
  std::vector<std::string> messages;  // in the order they were shown
  design::DesignState state;

  // The in-circuit stage on that design.
  design::CircuitBoxes circuitBoxes;  // after the write-back
  design::CircuitInputs circuit;
  std::vector<std::string> circuitMessages;
  design::CircuitAnalysis analysis;
  std::string table;  // the Copy key's text, with a comma as separator
};

// Parses each box, then normalises and calculates on a fresh design state,
// then reads the in-circuit boxes and analyses that design. Messages are
// recorded and never wait for anyone.
StageRun RunStages(const design::BoxTexts& typed, const design::CircuitBoxes& circuitTyped = {});

// The first rule `run` breaks, in words, or an empty string when none is.
std::string FirstViolation(const StageRun& run);

}  // namespace fuzz
