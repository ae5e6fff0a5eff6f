// The in-circuit table's column headings, shared by the window's table and
// the printed page.
#pragma once

#include <array>

#include "circuit_text/string_table.h"

namespace circuit_text {

// A column heading as two short lines (what, unit), and what the column means.
struct Heading {
  const char* what;
  const char* unit;
  const char* meaning;  // for tool tips and screen readers
};
extern const std::array<Heading, kCircuitColumnCount> kCircuitHeadings;

}  // namespace circuit_text
