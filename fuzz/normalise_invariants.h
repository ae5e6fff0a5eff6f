// What must hold once any typed text has gone through the parser, the input
// normalisation and the ladder calculation. The fuzzer checks it on every
// input; the corpus replay test checks it on the seed inputs.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_state.h"
#include "design/normalise.h"

namespace fuzz {

inline constexpr float kParseLimit = 1e10f;  // ParseEng clamps to +/- this

// Splits raw input into the three box texts at its first two line feeds;
// whatever follows the second stays in the third text, line feeds and all.
design::BoxTexts SplitBoxes(std::string_view input);

// Everything one pass through the three stages produced.
struct StageRun {
  std::array<float, 3> parsed{};  // ParseEng of each box as typed
  design::BoxTexts boxes;         // the boxes after the write-back
  design::NormaliseOutcome outcome;
  std::vector<std::string> messages;  // in the order they were shown
  design::DesignState state;
};

// Parses each box, then normalises and calculates on a fresh design state.
// Messages are recorded and never wait for anyone.
StageRun RunStages(const design::BoxTexts& typed);

// The first rule `run` breaks, in words, or an empty string when none is.
std::string FirstViolation(const StageRun& run);

}  // namespace fuzz
