// What the program sets up before it opens its first window.
#pragma once

class QApplication;

namespace app {

// The line the program prints, before it exits with status 1, when it has no
// display to open its windows on.
inline constexpr const char* kNoDisplayMessage =
    "kestrix: no graphical display found; Kestrix is a desktop program";

// False when neither an X display (DISPLAY) nor a Wayland one
// (WAYLAND_DISPLAY) is set and no platform is forced (QT_QPA_PLATFORM, or
// -platform among `argv`): Qt would then abort with advice to reinstall.
bool DisplayReachable(int argc, char** argv);

// Names the application and its desktop entry, sets the window icon, gives it the Fusion look on every desktop, takes the
// user's decimal separator when the parser can read it back, and maps the
// windows' typefaces onto installed ones. Call once, before any window exists.
void PrepareApplication(QApplication& application);

}  // namespace app
