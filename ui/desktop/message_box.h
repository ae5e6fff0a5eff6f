// The program's message box, reached through a seam so tests can answer it.
#pragma once

#include "design/message_seam.h"

class QWidget;

namespace ui {

inline constexpr const char* kApplicationName = "Kestrix";

// Shows `message` modally over `parent` in a box titled with the program's
// name, whose only button is OK; returns once the box is closed.
design::MessageSeam MessageBoxSeam(QWidget* parent);

}  // namespace ui
