// What assistive technology hears from the windows: the boxes named by their
// prompts, a one-line hint on each box, and the two pictures as text.
#pragma once

#include <string>

class QLabel;
class QLineEdit;

namespace design {
struct DesignState;
}

namespace ui {

// Makes `prompt` the label of `box` (its buddy), so the box's accessible name
// is the prompt's text, and gives the box `hint` as its tooltip.
void LabelBox(QLabel* prompt, QLineEdit* box, const char* hint);

// The tooltips of the design window's three boxes.
extern const char* const kTotalHint;
extern const char* const kPositionsHint;
extern const char* const kStepHint;

// The design window's drawing as text, one line per switch position and per
// resistor from the top of the string, each with the values the drawing
// shows for the selected set, then the totals. Positions are numbered from 1,
// as the deviation chart numbers them.
std::string DesignDescription(const design::DesignState& state);

// The deviation chart in a few words: for the 5% and the 1% set, the (at
// most three) positions that stray furthest from their target, largest
// first, with the size and the direction of each deviation.
std::string DeviationSummary(const design::DesignState& state);

}  // namespace ui
