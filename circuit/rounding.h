// A network's parts rounded to a standard series, and the rounding improved
// by moving parts along their series while that lowers the worst deviation.
#pragma once

#include <vector>

#include "circuit/network.h"
#include "design/series.h"

namespace circuit {

// Each part's index in the series, its value (ohms), and how many series
// steps it sits above (+) or below (-) its nearest value.
struct RoundedParts {
  std::vector<int> Index;
  PartOhms Ohms;
  std::vector<int> Steps;
};

// Rounds every part on its own to the series' nearest value (ratio sense).
void RoundEach(const PartOhms& ideal, const design::Series& series, RoundedParts& rounded);

// Improves a rounding in place: visits the parts in index order, moving one
// at a time one series step up (else down) whenever that makes the worst
// deviation strictly smaller, and repeats the visits until none does. A
// part moves no further than kImproveReach steps from its nearest value
// (a part given further away may only come back toward it); a step that
// gives the same value (the series' end) is no move. Each move lowers the
// worst deviation, so the visits end, and a second call makes no move.
// Returns the moves made; nothing when the targets or the rounding do not
// fit the network. The string's improvement (circuit::ImproveRounding of a
// RoundedString) is this one on the string's chains.
int ImproveRounding(const Network& net, RoundedParts& rounded, const TargetColumn& targets,
                    const Surroundings& around, const design::Series& series);

}  // namespace circuit
