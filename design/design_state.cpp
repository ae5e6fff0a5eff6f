// The one design state of the process.
#include "design/design_state.h"

namespace design {

DesignState& modMain() {
  static DesignState state;
  return state;
}

float ColumnSpacing(int n) {
  if (n > 6) return static_cast<float>(9.0 / static_cast<double>(n - 1));
  return 1.5f;
}

}  // namespace design
