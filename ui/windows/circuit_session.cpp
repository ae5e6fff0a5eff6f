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

design::StringInputs& KindInputs(CircuitSession& session, circuit::Kind kind) {
  if (kind == circuit::Kind::String) return session.String;
  std::optional<design::StringInputs>& kept = session.Kinds[static_cast<std::size_t>(kind) - 1];
  if (!kept) {
    kept = session.String;
    if (kind == circuit::Kind::RelayLadder) {
      kept->Positions = 6;
      kept->StepsDb = {1.0};
      kept->LawText = std::string(1, '1');  // move-assigned: GCC 12 misreads a literal here
    }
  }
  return *kept;
}

circuit::KindSpec KindSessionSpec(CircuitSession& session) {
  const design::StringInputs& boxes = KindInputs(session, session.Kind);
  circuit::KindSpec spec;
  spec.What = session.Kind;
  spec.Ohms = boxes.TotalOhms;
  if (session.Kind == circuit::Kind::RelayLadder) {
    spec.Stages = boxes.Positions;
    spec.StepDb = boxes.StepsDb.empty() ? 0.0 : boxes.StepsDb.front();
  } else {
    design::LawTargets(boxes.StepsDb, spec.Targets);
  }
  spec.Inputs = session.Inputs;
  spec.RoundedIn = session.RoundedIn;
  return spec;
}

}  // namespace ui
