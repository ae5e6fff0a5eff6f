// Attenuators of each kind in one line, and part values looked up by name, for the
// circuit tests.
#pragma once

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "circuit/analysis.h"

namespace testing_support {

inline circuit::KindSpec Spec(circuit::Kind kind, double ohms, circuit::TargetColumn targets,
                              double load = 0.0, double source = 0.0) {
  circuit::KindSpec spec;
  spec.What = kind;
  spec.Ohms = ohms;
  spec.Targets = std::move(targets);
  spec.Inputs = circuit::CircuitInputs{load, source, 0.0, 1.0};
  return spec;
}

inline circuit::KindSpec Relay(double ohms, int stages, double stepDb, double load = 0.0,
                               double source = 0.0) {
  circuit::KindSpec spec = Spec(circuit::Kind::RelayLadder, ohms, {}, load, source);
  spec.Stages = stages;
  spec.StepDb = stepDb;
  return spec;
}

inline circuit::KindAnalysis Analysed(const circuit::KindSpec& spec) {
  circuit::KindAnalysis analysis;
  EXPECT_TRUE(circuit::AnalyseKind(spec, analysis));
  return analysis;
}

// The index of the part called `name`, or -1.
inline int PartNamed(const circuit::Network& net, const std::string& name) {
  const auto at = std::find(net.Names.begin(), net.Names.end(), name);
  return at == net.Names.end() ? -1 : static_cast<int>(at - net.Names.begin());
}

}  // namespace testing_support
