// The program's message box, reached through a seam so tests can answer it.
#pragma once

#include "design/normalise.h"

class QWidget;

namespace ui {

inline constexpr const char* kApplicationName = "Kestrix";

// Shows `message` in a modal box titled with the application's name, whose
// only button is OK, over `parent`, and returns when it is closed.
design::MessageSeam MessageBoxSeam(QWidget* parent);

}  // namespace ui
