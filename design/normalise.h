// Reading the three input boxes into the design: parse, bring into range,
// write back in engineering notation, and hold the total attenuation to 100 dB.
#pragma once

#include <string>

#include "design/design_state.h"
#include "design/message_seam.h"

namespace design {

// The texts of the three input boxes: total resistance, number of switch
// positions, dB per step.
struct BoxTexts {
  std::string Total;      // Text1: ohms
  std::string Positions;  // Text2
  std::string Step;       // Text3: dB per step
};

inline constexpr const char* kAttenuationLimitMessage =
    "Program only handles total attenuations to 100 dB";
inline constexpr const char* kTotalRefusedMessage =
    "The total resistance must be at least 100 micro-ohms (100u). "
    "The design uses the default of 10k ohms instead.";

inline constexpr float kDefaultTotalOhms = 10000.0f;  // ohms
// The smallest power of ten FormatEng writes back as a value rather than as
// "0  " (it shows every magnitude up to 1e-5 as zero), so the total box always
// holds a total the next design run accepts.
inline constexpr float kMinTotalOhms = 1e-4f;          // ohms
inline constexpr float kMinStep = 0.01f;               // dB
inline constexpr float kMaxStep = 20.0f;               // dB
inline constexpr float kMaxTotalAttenuation = 100.0f;  // dB, N x StepSize

// What the normalisation had to correct beyond silent clamping.
struct NormaliseOutcome {
  bool totalRefused = false;  // the total was replaced by 10k
  bool stepLimited = false;   // N x step was above 100 dB; the step is now 1
};

// Parses `boxes` into TotalOhms, NumPositions (absolute value, 2 .. 25,
// truncated) and StepSize (absolute value, 0.01 .. 20 dB), and rewrites the
// boxes with FormatEng of the values used. A total below 100 micro-ohms (zero,
// negative or empty included) cannot be designed: it is replaced by 10k and
// reported through `showMessage`. When N x StepSize exceeds 100 dB the limit
// message is shown, Text3 becomes "1" and the design goes on at 1 dB per
// step. `boxes` already holds the written-back texts whenever `showMessage`
// runs, so the window can show them behind the message.
NormaliseOutcome NormaliseInputs(DesignState& state, BoxTexts& boxes,
                                 const MessageSeam& showMessage);

}  // namespace design
