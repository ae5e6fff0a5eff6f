// Moving from one window to the next: only one window exists at a time. This
// is the one place that knows every window, so the windows need not know one
// another.
#pragma once

class QWidget;

namespace circuit {
struct CircuitAnalysis;
}

namespace ui {

// Shows `next` (already loaded) as a window of its own that is destroyed when
// it closes, in the place, at the size and in the maximised state of
// `leaving`, then closes `leaving`. The next window is shown first, so the
// program never runs out of windows in between.
void ReplaceWindow(QWidget* leaving, QWidget* next);

// Shows `window` as a window of its own that is destroyed when it closes.
// From then on, ending the program from any window (Ctrl+Q, the frame's
// close) first passes MayEndProgram.
void ShowOwnWindow(QWidget* window);

// The question asked before the program ends while the as-built values hold
// something typed and not copied since.
inline constexpr const char* kDiscardFittedQuestion =
    "The values typed in the as-built window have not been copied. Quit and "
    "discard them?";

// True when ending the program loses nothing, or the user answered Yes to
// kDiscardFittedQuestion (through AppSeams().askQuestion, or the program's
// question box over `window` when that is empty).
bool MayEndProgram(QWidget* window);

// The hand-overs the buttons ask for: each loads the next window, shows it
// and closes `leaving`.
void ShowDesignWindow(QWidget* leaving);
void ShowDeviationWindow(QWidget* leaving);
void ShowInCircuitWindow(QWidget* leaving);
// The as-built window on the in-circuit analysis `circuit` as last computed.
void ShowAsBuiltWindow(QWidget* leaving, const circuit::CircuitAnalysis& circuit);

}  // namespace ui
