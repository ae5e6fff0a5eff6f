// The ink every picture draws its frames, grids and text in.
#pragma once

#include "ui/surface/surface.h"

namespace ui {

inline constexpr surface::Rgb kBlack = 0x000000;  // frames, grids, text

}  // namespace ui
