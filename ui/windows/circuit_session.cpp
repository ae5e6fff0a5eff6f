// The in-circuit window's session state.
#include "ui/windows/circuit_session.h"

#include "design/law.h"

namespace ui {

CircuitSession& KeptCircuitSession() {
  static CircuitSession session;
  return session;
}

void FollowDesign(CircuitSession& session, const design::DesignState& state) {
  if (session.FromPositions == state.NumPositions && session.FromTotal == state.TotalOhms &&
      session.FromStep == state.StepSize) {
    return;
  }
  design::StartStringInputs(state, session.String);
  session.FromTotal = state.TotalOhms;
  session.FromPositions = state.NumPositions;
  session.FromStep = state.StepSize;
}

design::StringSpec SessionSpec(const CircuitSession& session, const design::DesignState& state) {
  design::StringSpec spec;
  if (design::IsDesignString(session.String, state) &&
      design::DesignSpec(state, session.Inputs, spec)) {
    spec.RoundedIn = session.RoundedIn;
    spec.Balanced = session.Balanced;
    return spec;
  }
  spec.TotalOhms = session.String.TotalOhms;
  design::LawTargets(session.String.StepsDb, spec.Targets);
  spec.Inputs = session.Inputs;
  spec.RoundedIn = session.RoundedIn;
  spec.Balanced = session.Balanced;
  return spec;
}

}  // namespace ui
