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

// The printed page's typeface, regular weight: a sans of Arial's widths
// (Liberation Sans where installed), narrow enough for the page's value
// columns, which stand 1000 units (about 17 mm) apart.
QFont PageFont();

}  // namespace ui
