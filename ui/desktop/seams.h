// How the windows reach the modal parts of the platform (the message box, the
// printer dialog, a yes-or-no question), and where tests can listen in. One
// set for the process, because windows create one another.
#pragma once

#include <functional>
#include <string>

#include "design/message_seam.h"

class QPrinter;

namespace surface {
class Surface;
}

namespace ui {

// Lets the user choose and set up `printer`, modally. Returns false when the
// user cancels.
using PrinterSeam = std::function<bool(QPrinter& printer)>;

// Asks `question` modally with the buttons Yes and No. Returns true for Yes;
// No, Escape and closing the box give false.
using QuestionSeam = std::function<bool(const std::string& question)>;

struct Seams {
  design::MessageSeam showMessage;             // empty: the program's message box
  PrinterSeam choosePrinter;                   // empty: the platform's printer dialog
  QuestionSeam askQuestion;                    // empty: the program's Yes/No box
  surface::Surface* windowRecorder = nullptr;  // receives every window's drawing
  surface::Surface* pageRecorder = nullptr;    // receives the printed page's drawing
};

// The process-wide set, empty until a test fills it.
Seams& AppSeams();

}  // namespace ui
