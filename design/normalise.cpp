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

// Reads a box from a copy, as the parser trims and cuts its argument.
float Parsed(const std::string& boxText) {
  std::string copy = boxText;
  float value = 0.0f;
  notation::ParseEng(copy, value);
  return value;
}

}  // namespace

NormaliseOutcome NormaliseInputs(DesignState& state, BoxTexts& boxes,
                                 const MessageSeam& showMessage) {
  NormaliseOutcome outcome;

  state.TotalOhms = Parsed(boxes.Text1);
  // The ladder divides by the total and its rounded sums, so zero and
  // negative totals cannot be designed; the lower limit is the smallest total
  // the box can show again (see kMinTotalOhms).
  if (!(state.TotalOhms >= kMinTotalOhms)) {
    state.TotalOhms = kDefaultTotalOhms;
    outcome.totalRefused = true;
  }

  // Clamped first, truncated after: 1.5 becomes 2 and 25.9 becomes 25.
  float positions = std::fabs(Parsed(boxes.Text2));
  if (positions < static_cast<float>(kMinPositions)) positions = kMinPositions;
  if (positions > static_cast<float>(kMaxPositions)) positions = kMaxPositions;
  state.NumPositions = static_cast<int16_t>(positions);

  state.StepSize = std::fabs(Parsed(boxes.Text3));
  if (state.StepSize < kMinStep) state.StepSize = kMinStep;
  if (state.StepSize > kMaxStep) state.StepSize = kMaxStep;

  const float numPositions = state.NumPositions;
  boxes.Text1 = Formatted(state, state.TotalOhms);
  boxes.Text2 = Formatted(state, numPositions);
  boxes.Text3 = Formatted(state, state.StepSize);

  if (outcome.totalRefused && showMessage) showMessage(kTotalRefusedMessage);

  // The test is on N x step, not on the deepest finite position.
  if (numPositions * state.StepSize > kMaxTotalAttenuation) {
    if (showMessage) showMessage(kAttenuationLimitMessage);
    boxes.Text3.assign(1, '1');  // the step box reads "1"
    state.StepSize = 1.0f;
    outcome.stepLimited = true;
  }
  return outcome;
}

}  // namespace design
