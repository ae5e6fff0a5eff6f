// The in-circuit window's session state.
#include "ui/windows/circuit_session.h"

#include "circuit_text/law_text.h"
#include "notation/decimal_separator.h"

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
  circuit_text::StartStringInputs(state, session.String);
  session.FromTotal = state.TotalOhms;
  session.FromPositions = state.NumPositions;
  session.FromStep = state.StepSize;
}

circuit::StringSpec SessionSpec(const CircuitSession& session, const design::DesignState& state) {
  circuit::StringSpec spec;
  if (circuit_text::IsDesignString(session.String, state) &&
      circuit::DesignSpec(state, session.Inputs, spec)) {
    spec.RoundedIn = session.RoundedIn;
    spec.Balanced = session.Balanced;
    return spec;
  }
  spec.TotalOhms = session.String.TotalOhms;
  circuit::LawTargets(session.String.StepsDb, spec.Targets);
  spec.Inputs = session.Inputs;
  spec.RoundedIn = session.RoundedIn;
  spec.Balanced = session.Balanced;
  return spec;
}

circuit_text::StringInputs& KindInputs(CircuitSession& session, circuit::Kind kind) {
  if (kind == circuit::Kind::String) return session.String;
  std::optional<circuit_text::StringInputs>& kept =
      session.Kinds[static_cast<std::size_t>(kind) - 1];
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
  const circuit_text::StringInputs& boxes = KindInputs(session, session.Kind);
  circuit::KindSpec spec;
  spec.What = session.Kind;
  spec.Ohms = boxes.TotalOhms;
  if (session.Kind == circuit::Kind::RelayLadder) {
    spec.Stages = boxes.Positions;
    spec.StepDb = boxes.StepsDb.empty() ? 0.0 : boxes.StepsDb.front();
  } else {
    circuit::LawTargets(boxes.StepsDb, spec.Targets);
  }
  spec.Inputs = session.Inputs;
  spec.RoundedIn = session.RoundedIn;
  return spec;
}

}  // namespace ui
