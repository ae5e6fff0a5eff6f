// The in-circuit analysis as plain-decimal text: the cells of its table and
// the tab-separated form the Copy key puts on the clipboard.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "design/in_circuit.h"

namespace design {

inline constexpr std::size_t kCircuitColumnCount = 14;

// Column names of the header line, in order.
inline constexpr std::array<const char*, kCircuitColumnCount> kCircuitColumns{
    "position",           "target_dB",         "designed_e96_dB",    "designed_e24_dB",
    "compensated_ohm",    "compensated_e96_ohm", "compensated_e24_ohm", "compensated_e96_dB",
    "compensated_e24_dB", "band_low_dB",       "band_high_dB",       "zout_ohm",
    "zin_ohm",            "f3db_Hz"};

using CircuitRow = std::array<std::string, kCircuitColumnCount>;

// `value` as a plain decimal with at least six significant digits (fixed
// notation: no exponent, no grouping, no suffix), `separator` as the decimal
// separator; zero is "0". A value that is not finite gives an empty cell.
// Digits stop 30 places after the separator, far below anything the
// analysis gives.
std::string PlainDecimal(double value, char separator);

// One row per position p = 0 .. N - 1. Resistor cells of row p hold resistor
// k = p (empty on row 0); the ground row has no attenuation, band or
// frequency, and a frequency that does not exist is an empty cell.
std::vector<CircuitRow> CircuitCells(const CircuitAnalysis& analysis, char separator);

// The header line, then the rows: cells joined by one tab, each line ended by
// a line feed.
std::string CircuitTableText(const CircuitAnalysis& analysis, char separator);

}  // namespace design
