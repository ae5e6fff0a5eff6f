// The process-wide seams.
#include "ui/seams.h"

namespace ui {

Seams& AppSeams() {
  static Seams seams;
  return seams;
}

}  // namespace ui
