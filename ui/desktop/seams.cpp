// The process-wide seams.
#include "ui/desktop/seams.h"

namespace ui {

Seams& AppSeams() {
  static Seams seams;
  return seams;
}

}  // namespace ui
