// A ladder worked out straight from its three inputs, the way a design run
// leaves the design state, for tests that start from a finished design.
#pragma once

#include <cstdint>
#include <cstring>

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

// Fails the test unless `after` holds the very design `before` held, bit for
// bit: inputs, selection, all six columns (entries past N - 1 included) and
// the sums. A reader of the design must leave it as it found it; the drawing
// values Spacing, PenX, PenY and FmtText are not the design.
inline void ExpectSameDesign(const design::DesignState& before, const design::DesignState& after) {
  const auto same = [](const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  EXPECT_TRUE(same(after.TotalOhms, before.TotalOhms) && same(after.StepSize, before.StepSize));
  EXPECT_EQ(after.NumPositions, before.NumPositions);
  EXPECT_EQ(after.TolType, before.TolType);
  EXPECT_EQ(after.DrawColor, before.DrawColor);
  EXPECT_TRUE(same(after.IdealR, before.IdealR));
  EXPECT_TRUE(same(after.TargetAtten, before.TargetAtten));
  EXPECT_TRUE(same(after.R1Pct, before.R1Pct) && same(after.R5Pct, before.R5Pct));
  EXPECT_TRUE(same(after.Atten1Pct, before.Atten1Pct) && same(after.Atten5Pct, before.Atten5Pct));
  EXPECT_TRUE(same(after.Total1Pct, before.Total1Pct) && same(after.Total5Pct, before.Total5Pct));
}

}  // namespace testing_support
