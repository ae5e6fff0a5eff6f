// The keyboard beyond Tab and Space: Enter on buttons and boxes, Escape on
// open lists, shortcuts for the buttons, Ctrl+Q, and a focus that shows from
// the first frame.
#pragma once

#include <initializer_list>

#include <QKeySequence>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace ui {

// For every window: Enter or keypad Enter on a focused button or option
// presses it, as Space does; Escape on an open drop-down list closes the list
// and nothing else; Ctrl+Q closes the window and ends the program,
// as Exit does; and the focus frame is drawn from the first showing on, not
// only after the first Tab. Call once the window's buttons exist.
void InstallWindowKeys(QWidget* window);

// `keys` pressed anywhere in the button's window presses `button`.
void PressOnKey(QAbstractButton* button, const QKeySequence& keys);

// Enter or keypad Enter in any of `boxes` presses `button`.
void PressOnEnter(std::initializer_list<QLineEdit*> boxes, QAbstractButton* button);

}  // namespace ui
