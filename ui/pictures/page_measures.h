// The measures the in-circuit, as-built and kinds' pages share: a portrait
// page of 12000 x 16000 units, its type sizes, how tall a point is in those
// units and the pen of the tables' rules.
#pragma once

#include "ui/surface/surface.h"

namespace ui::page {

inline constexpr surface::Scale kScale{0.0f, 0.0f, 12000.0f, 16000.0f};
inline constexpr float kTitlePoints = 12.0f;
inline constexpr float kTextPoints = 8.0f;
inline constexpr float kSmallestPoints = 7.0f;  // nothing printed is smaller
inline constexpr float kTablePoints = kSmallestPoints;  // tables, the parts and build lists
inline constexpr float kUnitsPerPoint = 20.0f;  // about a point of height on A4 and Letter
inline constexpr float kRulePen = 2.0f;         // printer dots: the rule under a table's headings

}  // namespace ui::page
