// The targets a law of steps gives.
#include "circuit/law.h"

namespace circuit {

void LawTargets(const std::vector<double>& stepsDb, std::vector<double>& targetsDb) {
  targetsDb.assign(stepsDb.size() + 1, 0.0);
  for (std::size_t p = 1; p < targetsDb.size(); ++p) {
    targetsDb[p] = targetsDb[p - 1] + stepsDb[p - 1];
  }
}

}  // namespace circuit
