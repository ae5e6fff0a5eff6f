// Complete palettes for the windows, which paint fixed backgrounds: every
// colour a control takes comes from here, none from the desktop theme, so a
// dark theme cannot put light text on the white windows.
#pragma once

#include <QColor>
#include <QPalette>

namespace ui {

// Face of the command buttons (red, green and blue 224).
inline const QColor kButtonFace(224, 224, 224);

// The opening window's titles, and the focus frame on a dark window.
inline const QColor kLightCyan(192, 255, 255);

// Table cells that want a second look, under the tables' black text on every
// window, dark ones included (their tables keep white cells): a likely wrong
// part (light red, 12:1) and a part beyond its tolerance (light amber, 17:1).
// The two stay apart from each other, from white and from the selection.
inline const QColor kMisfitCell(255, 176, 176);
inline const QColor kBeyondToleranceCell(255, 236, 160);

// A palette for a window painted in `background`: text in black on a light
// background and in white on a dark one, white input boxes with black text,
// light grey buttons with black captions, and selection, disabled and tooltip
// colours that keep every text at a contrast of 4.5:1 or more.
QPalette FixedPalette(QColor background);

// The contrast ratio of two colours by the accessibility guideline's relative
// luminance (sRGB): 1 for equal colours up to 21 for black on white.
double ContrastRatio(QColor a, QColor b);

}  // namespace ui
