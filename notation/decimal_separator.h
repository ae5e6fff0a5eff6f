// The decimal separator every written number uses, and the swap between it
// and the point the standard conversions write and read.
#pragma once

#include <string>

namespace notation {

// The one separator the program writes numbers with; FormatEng, the in-circuit
// boxes and every copied table read it here. The program passes the user's
// locale setting at start-up. Only '.' and ',' are taken, since the readers
// must be able to read back everything written; anything else leaves '.'.
void SetDecimalSeparator(char separator);
char DecimalSeparator();

// Replaces every '.' in `text` with `separator`: a number from std::to_chars
// made ready to show.
void PointToSeparator(std::string& text, char separator);

// Replaces every `separator` in `text` with '.': a shown number made ready for
// std::from_chars. With '.' as the separator the text is left as it is.
void SeparatorToPoint(std::string& text, char separator);

}  // namespace notation
