// What the program sets up before it opens its first window.
#pragma once

class QApplication;

namespace app {

// Names the application and its desktop entry, sets the window icon, gives it the Fusion look on every desktop, takes the
// user's decimal separator when the parser can read it back, and maps the
// windows' typefaces onto installed ones. Call once, before any window exists.
void PrepareApplication(QApplication& application);

}  // namespace app
