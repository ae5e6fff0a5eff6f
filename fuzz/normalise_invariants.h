// What must hold once any typed text has gone through the parser, the input
// normalisation and the ladder calculation. The fuzzer checks it on every
// input; the corpus replay test checks it on the seed inputs.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/string_analysis.h"
#include "circuit_text/circuit_inputs.h"
#include "design/design_state.h"
#include "design/normalise.h"

namespace fuzz {

inline constexpr float kParseLimit = 1e10f;  // ParseEng clamps to +/- this

// Splits raw input into the three box texts at its first three line feeds;
// what follows the third feeds the in-circuit boxes.
design::BoxTexts SplitBoxes(std::string_view input);

// The in-circuit boxes: lines four to ten of the input (load, source, cable,
// tolerance, total, positions, steps), the last keeping whatever follows,
// line feeds and all.
circuit_text::CircuitBoxes SplitCircuitBoxes(std::string_view input);

// The in-circuit window's choices, taken from the input's first byte: bits
// 0-1 and 2-3 pick the two series among E24, E48, E96, E192, bit 4 Balanced.
struct CircuitChoices {
  std::array<const design::Series*, 2> RoundedIn{&design::kE96, &design::kE24};
  bool Balanced = false;
};
CircuitChoices SplitChoices(std::string_view input);

// Everything one pass through the three stages produced.
struct StageRun {
  std::array<float, 3> parsed{};  // ParseEng of each box as typed
  design::BoxTexts boxes;         // the boxes after the write-back
  design::NormaliseOutcome outcome;
  std::vector<std::string> messages;  // in the order they were shown
  design::DesignState state;

  // The in-circuit stage on that design.
  circuit_text::CircuitBoxes circuitBoxes;  // after the write-back
  circuit::CircuitInputs circuit;
  circuit_text::StringInputs string;  // started from the design, then read from the boxes
  std::vector<std::string> circuitMessages;
  bool analysed = false;  // whether the in-circuit stage ran
  circuit::CircuitAnalysis analysis;
  std::string table;  // the Copy key's text, with a comma as separator
};

// How far a run goes: the design window's stages alone, or on through the
// in-circuit boxes and analysis. The analysis costs a hundred times the rest,
// so each has a fuzz target of its own.
enum class Stages { Design, InCircuit };

// Parses each box, then normalises and calculates on a fresh design state,
// then (for Stages::InCircuit) reads the in-circuit boxes and analyses that
// design. Messages are recorded and never wait for anyone.
StageRun RunStages(const design::BoxTexts& typed,
                   const circuit_text::CircuitBoxes& circuitTyped = {},
                   const CircuitChoices& choices = {}, Stages stages = Stages::InCircuit);

// The first rule `run` breaks, in words, or an empty string when none is.
std::string FirstViolation(const StageRun& run);

}  // namespace fuzz
