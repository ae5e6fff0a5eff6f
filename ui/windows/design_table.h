// The last design as tab-separated text a spreadsheet pastes into columns,
// and the design window's two ways of copying it.
#pragma once

#include <string>

class QWidget;

namespace design {
struct DesignState;
}

namespace ui {

inline constexpr const char* kDesignTableHeader =
    "position\ttarget_dB\tideal_ohm\te96_ohm\te24_ohm\te96_dB\te24_dB";

// The shortest decimal text that reads back to exactly `value` (std::to_chars
// on the single), with `separator` in place of the point.
std::string ShortestText(float value, char separator);

// The header, then one line per switch position p = 0 .. N - 1 with resistor
// k = p in the ohm columns (none on line 0) and the attenuations of position p
// (none on the ground line N - 1), then a "total" line with the three sums in
// the ohm columns. Every line has seven cells and ends with a line feed.
std::string DesignTable(const design::DesignState& state, char separator);

// Ctrl+C anywhere in `window` (a box with selected text copies that text
// instead) and a "Copy design" entry in the window's context menu both put
// DesignTable of the design state on the clipboard, with the decimal separator
// the program writes.
void InstallDesignCopy(QWidget* window);

}  // namespace ui
