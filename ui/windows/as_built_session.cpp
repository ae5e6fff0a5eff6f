// The as-built session.
#include "ui/windows/as_built_session.h"

#include <utility>

namespace ui {
namespace {

bool Step(std::vector<circuit::FittedStrings>& from, std::vector<circuit::FittedStrings>& to,
          circuit::FittedStrings& fitted) {
  if (from.empty()) return false;
  to.push_back(std::move(fitted));
  fitted = std::move(from.back());
  from.pop_back();
  return true;
}

}  // namespace

AsBuiltSession& KeptAsBuilt() {
  static AsBuiltSession session;
  return session;
}

void StartAsBuilt(const circuit::CircuitAnalysis& circuit) {
  AsBuiltSession& kept = KeptAsBuilt();
  const bool same = kept.Circuit.N == circuit.N && kept.Circuit.Target == circuit.Target &&
                    kept.Circuit.Balanced == circuit.Balanced && !kept.Fitted.empty();
  kept.Circuit = circuit;
  if (!same) {
    circuit::DesignedFitted(circuit, kept.Fitted);
    kept.Undo.clear();
    kept.Redo.clear();
    kept.Kept = kept.Fitted;
  }
}

bool UndoFitted(AsBuiltSession& session) {
  return Step(session.Undo, session.Redo, session.Fitted);
}

bool RedoFitted(AsBuiltSession& session) {
  return Step(session.Redo, session.Undo, session.Fitted);
}

void NoteFittedCopied(AsBuiltSession& session) { session.Kept = session.Fitted; }

bool FittedUncopied(const AsBuiltSession& session) {
  if (session.Kept == session.Fitted) return false;
  circuit::FittedStrings designed;
  circuit::DesignedFitted(session.Circuit, designed);
  return designed != session.Fitted;
}

}  // namespace ui
