// The keyboard beyond Tab and Space: Enter on buttons and boxes, Escape on
// open lists, shortcuts for the buttons, Ctrl+Q, and a focus that shows from
// the first frame.
#pragma once

#include <functional>
#include <initializer_list>

#include <QKeySequence>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace ui {

// For every window: Enter or keypad Enter on a focused button or option
// presses it, as Space does; Escape on an open drop-down list closes the list
// and nothing else; Ctrl+Q closes the window and ends the program, as Exit
// does (through QuitProgram); and the focus frame is drawn from the first
// showing on, not only after the first Tab. Call once the window's buttons
// exist; a second call on the same window does nothing.
void InstallWindowKeys(QWidget* window);

// Whether the program may end now, asked with the window it would end from;
// it may ask the user first.
using QuitCheck = std::function<bool(QWidget* window)>;
// Sets the check that Ctrl+Q and closing a window through its frame pass
// before the program ends. Without one the program ends at once.
void SetQuitCheck(QuitCheck check);
// Ends the program from `window` as Exit does (closes the window and quits
// the event loop) once the quit check allows it. Returns false when the
// check kept the program running.
bool QuitProgram(QWidget* window);

// `keys` pressed anywhere in the button's window presses `button`.
void PressOnKey(QAbstractButton* button, const QKeySequence& keys);

// Enter or keypad Enter in any of `boxes` presses `button`.
void PressOnEnter(std::initializer_list<QLineEdit*> boxes, QAbstractButton* button);

}  // namespace ui
