// The window typeface and its stand-ins on systems that lack it.
#pragma once

#include <QFont>

namespace ui {

inline constexpr const char* kWindowFamily = "MS Sans Serif";
inline constexpr double kWindowPoints = 9.75;

// Maps the window typeface and Arial onto installed sans faces of close
// metrics (Liberation Sans, then DejaVu Sans), and Times New Roman onto
// Liberation Serif. Safe to call more than once.
void InstallFontSubstitutions();

// The windows' font: the window typeface, bold, at `points`.
QFont WindowFont(double points = kWindowPoints);

}  // namespace ui
