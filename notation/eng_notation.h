// Engineering notation: reading typed values with k/M/G-style suffixes and
// writing values the way every window and the printed page show them.
#pragma once

#include <string>
#include <string_view>

#include "notation/decimal_separator.h"

namespace notation {

// Reads typed text like "4.7k", "2.2M", "1e3" or "4,7 k" as a single.
// Never fails: unusable characters are skipped, text without digits gives 0,
// results are clamped to +/-1e10, and an overflowing number gives +1e10.
// The text is trimmed and cut to its first 12 characters in place, as the
// routine reads it; callers pass a copy of a box's contents. A point is the
// decimal point whatever the C locale says; a comma is read as a point.
void ParseEng(std::string& text, float& result);

// Writes value in engineering notation into text: a number of at most seven
// significant digits, rounded to the decimals of its size band, followed by
// "G", "M", "k" or one space. Zero and magnitudes up to 1e-5 give "0  ".
// The decimal separator is DecimalSeparator().
void FormatEng(const float& value, std::string& text);

// Convenience forms of the two routines above.
float ParseEng(std::string_view text);
std::string FormatEng(float value);

// FormatEng without the blank that stands for "no suffix" ("4.7k", "12"),
// for running text, labels and table cells where a unit or nothing follows.
std::string FormatEngTrimmed(float value);

}  // namespace notation
