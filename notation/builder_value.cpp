// Reading and writing values in builders' notation.
#include "notation/builder_value.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

#include "notation/decimal_separator.h"

namespace notation {
namespace {

// Exponents beyond this are far outside a double; keeping the sum of typed
// exponent and multiplier below it keeps the arithmetic in range.
constexpr long kExponentCap = 100000;

// The bytes of the text still to read.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool atEnd() const { return pos_ == text_.size(); }
  char peek(std::size_t ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
  }
  bool isDigit(std::size_t ahead = 0) const {
    const char c = peek(ahead);
    return c >= '0' && c <= '9';
  }
  void advance(std::size_t count = 1) { pos_ += count; }
  std::size_t position() const { return pos_; }

  // Takes `word` if the text continues with it; letters in either case when
  // `anyCase` is set.
  bool take(std::string_view word, bool anyCase = false) {
    if (text_.size() - pos_ < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
      char c = text_[pos_ + i];
      char w = word[i];
      if (anyCase) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (w >= 'A' && w <= 'Z') w = static_cast<char>(w - 'A' + 'a');
      }
      if (c != w) return false;
    }
    pos_ += word.size();
    return true;
  }

  // Spaces, tabs and no-break spaces (U+00A0, as pasted text often has).
  void skipSpaces() {
    for (;;) {
      if (peek() == ' ' || peek() == '\t') advance();
      else if (!take("\xC2\xA0")) return;
    }
  }

  std::string digits() {
    std::string out;
    while (isDigit()) {
      out.push_back(peek());
      advance();
    }
    return out;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Takes a multiplier and returns its power of ten, or nothing. "meg" is
// tried before "m" so that it is not read as milli followed by junk.
std::optional<int> TakeMultiplier(Cursor& in) {
  if (in.take("meg", true)) return 6;
  if (in.take("\xC2\xB5") || in.take("\xCE\xBC")) return -6;  // micro sign, Greek mu
  switch (in.peek()) {
    case 'p': in.advance(); return -12;
    case 'n': in.advance(); return -9;
    case 'u': in.advance(); return -6;
    case 'm': in.advance(); return -3;
    case 'k': case 'K': in.advance(); return 3;
    case 'M': in.advance(); return 6;
    case 'G': in.advance(); return 9;
    default: return std::nullopt;
  }
}

bool TakeOhmsLetter(Cursor& in) { return in.take("R", true); }

bool TakeUnit(Cursor& in, BuilderUnit unit) {
  switch (unit) {
    case BuilderUnit::Ohms:
      // Capital omega and the ohm sign; "ohms" before "ohm".
      return in.take("\xCE\xA9") || in.take("\xE2\x84\xA6") || in.take("ohms", true) ||
             in.take("ohm", true) || TakeOhmsLetter(in);
    case BuilderUnit::Farads:
      return in.take("F", true);
    case BuilderUnit::Percent:
      return in.take("%");
    case BuilderUnit::None:
      break;
  }
  return false;
}

// A decimal exponent as typed, saturated at the cap.
long ExponentOf(const std::string& digits, bool negative) {
  long e = 0;
  for (const char c : digits) {
    if (e < kExponentCap) e = e * 10 + (c - '0');
  }
  return negative ? -e : e;
}

// How reading a text ended.
enum class Fault {
  None,      // a value
  Nothing,   // empty, or spaces only
  NoNumber,  // no digit where the number should start
  Stopped,   // a character that fits nowhere, at Scan::stop
  TooLarge,  // beyond the largest double
  TooSmall,  // below the smallest double, short of zero
};

struct Scan {
  Fault fault = Fault::None;
  double value = 0.0;
  std::size_t stop = 0;   // byte where reading stopped (Fault::Stopped)
  bool lettered = false;  // a multiplier or a unit was read
};

// Whether a number whose digits begin `whole` (or, without any, `fraction`)
// and that carries `exponent` is at least 1: an overflow then, an underflow
// otherwise.
bool AtLeastOne(const std::string& whole, const std::string& fraction, long exponent) {
  const std::size_t lead = whole.find_first_not_of('0');
  if (lead != std::string::npos) return exponent + static_cast<long>(whole.size() - lead) > 0;
  const std::size_t first = fraction.find_first_not_of('0');
  return first != std::string::npos && exponent - static_cast<long>(first) > 0;
}

Scan ScanValue(std::string_view text, char separator, BuilderUnit unit) {
  Scan scan;
  Cursor in(text);
  in.skipSpaces();
  if (in.atEnd()) {
    scan.fault = Fault::Nothing;
    return scan;
  }
  bool negative = false;
  if (in.peek() == '+' || in.peek() == '-') {
    negative = in.peek() == '-';
    in.advance();
  }
  const std::string whole = in.digits();
  std::string fraction;
  long exponent = 0;
  bool unitSeen = false;
  bool multiplierSeen = false;

  if (in.peek() == '.' || in.peek() == separator) {
    in.advance();
    fraction = in.digits();
  } else if (!whole.empty()) {
    // A letter in place of the point counts only when a digit follows it.
    Cursor ahead = in;
    const std::optional<int> letter = TakeMultiplier(ahead);
    if (letter && ahead.isDigit()) {
      in = ahead;
      exponent = *letter;
      multiplierSeen = true;
      fraction = in.digits();
    } else if (unit == BuilderUnit::Ohms && TakeOhmsLetter(ahead = in) && ahead.isDigit()) {
      in = ahead;
      unitSeen = true;
      multiplierSeen = true;
      fraction = in.digits();
    }
  }
  if (whole.empty() && fraction.empty()) {
    scan.fault = Fault::NoNumber;
    return scan;
  }
  const auto stopped = [&scan](const Cursor& at) {
    scan.fault = Fault::Stopped;
    scan.stop = at.position();
    return scan;
  };

  if (!multiplierSeen && (in.peek() == 'e' || in.peek() == 'E')) {
    const Cursor mark = in;
    in.advance();
    bool exponentNegative = false;
    if (in.peek() == '+' || in.peek() == '-') {
      exponentNegative = in.peek() == '-';
      in.advance();
    }
    const std::string exponentDigits = in.digits();
    if (exponentDigits.empty()) return stopped(mark);
    exponent = ExponentOf(exponentDigits, exponentNegative);
  }
  in.skipSpaces();
  if (!multiplierSeen) {
    if (const std::optional<int> power = TakeMultiplier(in)) {
      exponent += *power;
      multiplierSeen = true;
    }
    in.skipSpaces();
  }
  if (!unitSeen) {
    unitSeen = TakeUnit(in, unit);
    in.skipSpaces();
  }
  if (!in.atEnd()) return stopped(in);
  scan.lettered = multiplierSeen || unitSeen;

  // One correctly rounded conversion of the digits and the combined exponent,
  // so "2n2" is the double nearest 2.2e-9 rather than 2.2 x 1e-9 rounded twice.
  const std::string number =
      (whole.empty() ? "0" : whole) + "." + fraction + "e" + std::to_string(exponent);
  double magnitude = 0.0;
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), magnitude);
  if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(magnitude)) {
    scan.fault = AtLeastOne(whole, fraction, exponent) ? Fault::TooLarge : Fault::TooSmall;
    return scan;
  }
  scan.value = negative ? -magnitude : magnitude;
  return scan;
}

// One comma and no point: builders in every locale write "1,62k" for 1.62k.
bool CommaMayBePoint(std::string_view text, char separator) {
  return separator != ',' && std::count(text.begin(), text.end(), ',') == 1 &&
         text.find('.') == std::string_view::npos;
}

// The text read with `separator`, or, failing that, with its one comma as
// the point when a multiplier or a unit follows the number.
Scan Scanned(std::string_view text, char separator, BuilderUnit unit) {
  const Scan scan = ScanValue(text, separator, unit);
  if (scan.fault == Fault::None || !CommaMayBePoint(text, separator)) return scan;
  const Scan comma = ScanValue(text, ',', unit);
  return comma.fault == Fault::None && comma.lettered ? comma : scan;
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u; }

// The whole UTF-8 character that starts at `at`.
std::string CharacterAt(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && IsContinuation(text[end])) ++end;
  return std::string(text.substr(at, end - at));
}

// What was read before `at`, without the spaces around it; a long one keeps
// its last characters only.
std::string Before(std::string_view text, std::size_t at) {
  constexpr std::size_t kLongest = 16;
  std::string_view read = text.substr(0, at);
  const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  while (!read.empty() && isSpace(read.front())) read.remove_prefix(1);
  while (!read.empty() && isSpace(read.back())) read.remove_suffix(1);
  if (read.size() <= kLongest) return std::string(read);
  std::size_t cut = read.size() - kLongest;
  while (cut < read.size() && IsContinuation(read[cut])) ++cut;
  return "..." + std::string(read.substr(cut));
}

// A positive finite double as its shortest round-trip digits: value =
// 0.D x 10^(exponent + 1), that is d.ddd x 10^exponent. `precision` < 0
// asks for the shortest digits, otherwise for precision + 1 digits.
struct Digits {
  std::string digits;
  int exponent = 0;
};

Digits DigitsOf(double magnitude, int precision) {
  std::array<char, 64> buffer{};
  const auto result =
      precision < 0
          ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                          std::chars_format::scientific)
          : std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                          std::chars_format::scientific, precision);
  Digits out;
  if (result.ec != std::errc()) return out;
  const char* p = buffer.data();
  for (; p != result.ptr && *p != 'e'; ++p) {
    if (*p != '.') out.digits.push_back(*p);
  }
  if (p != result.ptr) {
    ++p;
    if (p != result.ptr && *p == '+') ++p;
    std::from_chars(p, result.ptr, out.exponent);
  }
  return out;
}

// `digits` with a point placed after its first `integerDigits` digits,
// padded with zeros on either side as needed.
std::string Placed(const std::string& digits, int integerDigits) {
  const auto size = static_cast<int>(digits.size());
  if (integerDigits <= 0) return "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
  if (integerDigits >= size) return digits + std::string(static_cast<std::size_t>(integerDigits - size), '0');
  const auto k = static_cast<std::size_t>(integerDigits);
  return digits.substr(0, k) + '.' + digits.substr(k);
}

// The letter and its power of ten for a value whose leading digit has power
// `exponent`, or nothing outside the letters' range.
struct Prefix {
  int power;
  const char* letter;
};

std::optional<Prefix> PartPrefix(int exponent) {
  if (exponent >= 12 || exponent < -12) return std::nullopt;
  if (exponent >= 9) return Prefix{9, "G"};
  if (exponent >= 6) return Prefix{6, "M"};
  if (exponent >= 3) return Prefix{3, "k"};
  if (exponent >= -3) return Prefix{0, ""};
  if (exponent >= -6) return Prefix{-6, "u"};
  if (exponent >= -9) return Prefix{-9, "n"};
  return Prefix{-12, "p"};
}

// d.ddd e X as the reader takes it: "2.5e12", "1e-15".
std::string ExponentForm(const Digits& d) {
  return Placed(d.digits, 1) + "e" + std::to_string(d.exponent);
}

std::string DropTrailingZeros(std::string text) {
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

bool ReadBuilderValue(std::string_view text, char separator, BuilderUnit unit, double& value) {
  const Scan scan = Scanned(text, separator, unit);
  if (scan.fault != Fault::None) return false;
  value = scan.value;
  return true;
}

std::string BuilderValueTrouble(std::string_view text, char separator, BuilderUnit unit) {
  Scan scan = ScanValue(text, separator, unit);
  if (scan.fault == Fault::None) return {};
  if (CommaMayBePoint(text, separator)) {
    const Scan comma = ScanValue(text, ',', unit);
    if (comma.fault == Fault::None && comma.lettered) return {};
    // Read as a comma decimal the text got further: its stop is the slip.
    if (comma.fault == Fault::Stopped && comma.stop > scan.stop) scan = comma;
  }
  switch (scan.fault) {
    case Fault::None: break;
    case Fault::Nothing: return "nothing is typed";
    case Fault::NoNumber: return "it does not start with a number";
    case Fault::TooLarge: return "the number is too large";
    case Fault::TooSmall: return "the number is too small to tell from zero";
    case Fault::Stopped: {
      std::string why = "\"" + CharacterAt(text, scan.stop) + "\" after \"" +
                        Before(text, scan.stop) + "\" is not understood";
      if (text[scan.stop] == ',' && separator != ',') {
        why += " (the decimal point here is \"";
        why += separator;
        why += "\")";
      }
      return why;
    }
  }
  return {};
}

std::optional<double> ReadBuilderValue(std::string_view text, char separator, BuilderUnit unit) {
  double value = 0.0;
  if (!ReadBuilderValue(text, separator, unit, value)) return std::nullopt;
  return value;
}

void WriteBuilderValue(const double& value, char separator, std::string& text) {
  text.clear();
  if (!std::isfinite(value)) return;
  if (value == 0.0) {
    text = "0";
    return;
  }
  // The shortest digits that convert back to this double; where the point
  // and the letter go does not change the decimal value they stand for.
  const Digits d = DigitsOf(std::fabs(value), -1);
  if (const std::optional<Prefix> prefix = PartPrefix(d.exponent)) {
    text = Placed(d.digits, d.exponent - prefix->power + 1) + prefix->letter;
  } else {
    text = ExponentForm(d);
  }
  if (value < 0.0) text.insert(text.begin(), '-');
  PointToSeparator(text, separator);
}

std::string WriteBuilderValue(double value, char separator) {
  std::string text;
  WriteBuilderValue(value, separator, text);
  return text;
}

std::string PartText(double ohms, char separator) {
  if (!std::isfinite(ohms)) return {};
  if (ohms == 0.0) return "0";
  // Rounded first, so 999.7 becomes "1k" rather than "1000".
  Digits d = DigitsOf(std::fabs(ohms), 2);
  std::string text;
  if (const std::optional<Prefix> prefix = PartPrefix(d.exponent)) {
    text = DropTrailingZeros(Placed(d.digits, d.exponent - prefix->power + 1)) + prefix->letter;
  } else {
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    text = ExponentForm(d);
  }
  if (ohms < 0.0) text.insert(text.begin(), '-');
  PointToSeparator(text, separator);
  return text;
}

std::string FrequencyText(double hertz, char separator) {
  if (!std::isfinite(hertz)) return {};
  if (hertz == 0.0) return "0 Hz";
  const Digits d = DigitsOf(std::fabs(hertz), 2);
  static constexpr std::array<const char*, 6> kUnits{"mHz", "Hz", "kHz", "MHz", "GHz", "THz"};
  std::string text;
  if (d.exponent >= -3 && d.exponent < 15) {
    const int group = (d.exponent + 3) / 3;  // 0 for mHz
    text = Placed(d.digits, d.exponent - (group * 3 - 3) + 1) + " " +
           kUnits[static_cast<std::size_t>(group)];
  } else {
    text = ExponentForm(d) + " Hz";
  }
  if (hertz < 0.0) text.insert(text.begin(), '-');
  PointToSeparator(text, separator);
  return text;
}

std::string DecibelText(double db, char separator) {
  if (!std::isfinite(db)) return {};
  std::array<char, 400> buffer{};  // the largest double in fixed notation
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), db,
                                    std::chars_format::fixed, 3);
  if (result.ec != std::errc()) return {};
  std::string text(buffer.data(), result.ptr);
  if (text == "-0.000") text = "0.000";
  PointToSeparator(text, separator);
  return text;
}

}  // namespace notation
