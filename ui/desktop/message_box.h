// The program's message box and its yes-or-no question, reached through
// seams so tests can answer them.
#pragma once

#include <string>

#include "design/message_seam.h"

class QMessageBox;
class QWidget;

namespace ui {

inline constexpr const char* kApplicationName = "Kestrix";

// Shows `message` modally over `parent` in a box titled with the program's
// name, whose only button is OK; returns once the box is closed.
design::MessageSeam MessageBoxSeam(QWidget* parent);

// Asks `question` modally over `parent` in a box titled with the program's
// name, with Yes and No; No is the default and Escape's answer, so only a
// deliberate Yes goes on. Returns true for Yes.
bool AskQuestion(QWidget* parent, const std::string& question);
// Gives `box` that question and its buttons (AskQuestion runs it).
void SetUpQuestion(QMessageBox& box, const std::string& question);

}  // namespace ui
