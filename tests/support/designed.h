// A ladder worked out straight from its three inputs, the way a design run
// leaves the design state, for tests that start from a finished design.
#pragma once

#include <cstdint>

#include <gtest/gtest.h>

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

// Fails the test unless `after` holds the very design `before` held: a
// reader of the design must leave it as it found it.
inline void ExpectSameDesign(const design::DesignState& before, const design::DesignState& after) {
  EXPECT_EQ(after.TotalOhms, before.TotalOhms);
  EXPECT_EQ(after.NumPositions, before.NumPositions);
  EXPECT_EQ(after.StepSize, before.StepSize);
  EXPECT_EQ(after.IdealR, before.IdealR);
  EXPECT_EQ(after.R1Pct, before.R1Pct);
  EXPECT_EQ(after.R5Pct, before.R5Pct);
  EXPECT_EQ(after.TargetAtten, before.TargetAtten);
  EXPECT_EQ(after.Atten1Pct, before.Atten1Pct);
  EXPECT_EQ(after.Atten5Pct, before.Atten5Pct);
  EXPECT_EQ(after.Total1Pct, before.Total1Pct);
  EXPECT_EQ(after.Total5Pct, before.Total5Pct);
}

}  // namespace testing_support
