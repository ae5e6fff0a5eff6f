// A ladder worked out straight from its three inputs, the way a design run
// leaves the design state, for tests that start from a finished design.
#pragma once

#include <cstdint>

#include "design/design_state.h"
#include "design/ladder.h"

namespace testing_support {

inline design::DesignState Designed(float totalOhms, int positions, float stepDb,
                                    int16_t tolType = 5) {
  design::DesignState state;
  state.TotalOhms = totalOhms;
  state.NumPositions = static_cast<int16_t>(positions);
  state.StepSize = stepDb;
  state.TolType = tolType;
  design::CalculateLadder(state);
  return state;
}

// The same design put into the program's own state, where the windows read it.
inline void DesignInProgram(float totalOhms, int positions, float stepDb) {
  design::modMain() = Designed(totalOhms, positions, stepDb);
}

}  // namespace testing_support
