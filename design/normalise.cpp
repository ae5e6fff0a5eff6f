// Parsing, range limits and write-back of the three design inputs.
#include "design/normalise.h"

#include <cmath>

#include "notation/eng_notation.h"

namespace design {
namespace {

std::string Formatted(DesignState& state, float value) {
  notation::FormatEng(value, state.FmtText);
  return state.FmtText;
}

}  // namespace

NormaliseOutcome NormaliseInputs(DesignState& state, BoxTexts& boxes,
                                 const MessageSeam& showMessage) {
  NormaliseOutcome outcome;

  state.TotalOhms = notation::ParseEng(std::string_view(boxes.Total));
  // The ladder divides by the total and its rounded sums, so zero and
  // negative totals cannot be designed; the lower limit is the smallest total
  // the box can show again (see kMinTotalOhms).
  if (!(state.TotalOhms >= kMinTotalOhms)) {
    state.TotalOhms = kDefaultTotalOhms;
    outcome.totalRefused = true;
  }

  // Clamped first, truncated after: 1.5 becomes 2 and 25.9 becomes 25.
  float positions = std::fabs(notation::ParseEng(std::string_view(boxes.Positions)));
  if (positions < static_cast<float>(kMinPositions)) positions = kMinPositions;
  if (positions > static_cast<float>(kMaxPositions)) positions = kMaxPositions;
  state.NumPositions = static_cast<int16_t>(positions);

  state.StepSize = std::fabs(notation::ParseEng(std::string_view(boxes.Step)));
  if (state.StepSize < kMinStep) state.StepSize = kMinStep;
  if (state.StepSize > kMaxStep) state.StepSize = kMaxStep;

  const float numPositions = state.NumPositions;
  boxes.Total = Formatted(state, state.TotalOhms);
  boxes.Positions = Formatted(state, numPositions);
  boxes.Step = Formatted(state, state.StepSize);

  if (outcome.totalRefused && showMessage) showMessage(kTotalRefusedMessage);

  // The test is on N x step, not on the deepest finite position.
  if (numPositions * state.StepSize > kMaxTotalAttenuation) {
    if (showMessage) showMessage(kAttenuationLimitMessage);
    boxes.Step.assign(1, '1');  // the step box reads "1"
    state.StepSize = 1.0f;
    outcome.stepLimited = true;
  }
  return outcome;
}

}  // namespace design
