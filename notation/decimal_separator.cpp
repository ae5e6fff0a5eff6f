// The program-wide decimal separator.
#include "notation/decimal_separator.h"

#include <algorithm>

namespace notation {
namespace {

char gDecimalSeparator = '.';

}  // namespace

void SetDecimalSeparator(char separator) {
  gDecimalSeparator = (separator == ',') ? ',' : '.';
}

char DecimalSeparator() { return gDecimalSeparator; }

void PointToSeparator(std::string& text, char separator) {
  std::replace(text.begin(), text.end(), '.', separator);
}

void SeparatorToPoint(std::string& text, char separator) {
  std::replace(text.begin(), text.end(), separator, '.');
}

}  // namespace notation
