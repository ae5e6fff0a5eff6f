// The measures the in-circuit and as-built pages share: a portrait page of
// 12000 x 16000 units, its type sizes and how tall a point is in those units.
#pragma once

#include "ui/surface/surface.h"

namespace ui::page {

inline constexpr surface::Scale kScale{0.0f, 0.0f, 12000.0f, 16000.0f};
inline constexpr float kTitlePoints = 12.0f;
inline constexpr float kTextPoints = 8.0f;
inline constexpr float kSmallestPoints = 7.0f;  // nothing printed is smaller
inline constexpr float kUnitsPerPoint = 20.0f;  // about a point of height on A4 and Letter

}  // namespace ui::page
