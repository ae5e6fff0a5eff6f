// The as-built session.
#include "ui/windows/as_built_session.h"

namespace ui {

AsBuiltSession& KeptAsBuilt() {
  static AsBuiltSession session;
  return session;
}

void StartAsBuilt(const design::CircuitAnalysis& circuit) {
  AsBuiltSession& kept = KeptAsBuilt();
  const bool same = kept.Circuit.N == circuit.N && kept.Circuit.Target == circuit.Target &&
                    kept.Circuit.Balanced == circuit.Balanced && !kept.Fitted.empty();
  kept.Circuit = circuit;
  if (!same) design::DesignedFitted(circuit, kept.Fitted);
}

}  // namespace ui
