// Reading typed values: the forgiving engineering-notation parser.
#include "notation/eng_notation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>
#include <vector>

namespace notation {
namespace {

constexpr std::size_t kMaxCharacters = 12;     // characters read after trimming
constexpr std::size_t kMaxCollected = 16;      // digits stop once this many are collected
constexpr float kClampLimit = 1e10f;           // exact in single precision

// Multiplier of a suffix letter, or nothing when the letter is no suffix.
// Only m and M depend on case (milli, mega); the other letters are read in
// either case.
std::optional<float> SuffixMultiplier(char32_t c) {
  switch (c) {
    case U'p': case U'P': return 1e-12f;
    case U'n': case U'N': return 1e-9f;
    case U'u': case U'U': return 1e-6f;
    case U'm':            return 1e-3f;
    case U'k': case U'K': return 1e3f;
    case U'M':            return 1e6f;
    case U'g': case U'G': return 1e9f;
    default:              return std::nullopt;
  }
}

// One character of the typed text and where its bytes lie.
struct Character {
  char32_t code;
  std::size_t begin;
  std::size_t end;
};

// Splits UTF-8 text into code points, so the 12-character cut counts
// characters as the user sees them. Only well-formed sequences count as one
// character (no over-long forms, no surrogate halves, nothing past U+10FFFF);
// any other byte is one character of its own.
std::vector<Character> DecodeUtf8(std::string_view text) {
  std::vector<Character> out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    char32_t cp = lead;
    if (lead >= 0xC2 && lead <= 0xDF) { length = 2; cp = lead & 0x1Fu; }
    else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; cp = lead & 0x0Fu; }
    else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; cp = lead & 0x07u; }
    // The byte after the lead has a narrower range where a wider one would
    // allow an over-long form (E0, F0), a surrogate (ED) or too large a code (F4).
    const unsigned secondLow = lead == 0xE0 ? 0xA0u : lead == 0xF0 ? 0x90u : 0x80u;
    const unsigned secondHigh = lead == 0xED ? 0x9Fu : lead == 0xF4 ? 0x8Fu : 0xBFu;
    bool valid = length == 1 || i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto cont = static_cast<unsigned char>(text[i + k]);
      const unsigned low = k == 1 ? secondLow : 0x80u, high = k == 1 ? secondHigh : 0xBFu;
      if (cont < low || cont > high) valid = false;
      else cp = (cp << 6) | (cont & 0x3Fu);
    }
    if (!valid) { length = 1; cp = lead; }
    out.push_back({cp, i, i + length});
    i += length;
  }
  return out;
}

// Trims spaces at both ends and keeps the first 12 characters.
std::vector<Character> WorkingText(std::string_view text) {
  std::vector<Character> chars = DecodeUtf8(text);
  const auto isSpace = [](const Character& c) { return c.code == U' '; };
  while (!chars.empty() && isSpace(chars.back())) chars.pop_back();
  const auto first = std::find_if_not(chars.begin(), chars.end(), isSpace);
  chars.erase(chars.begin(), first);
  if (chars.size() > kMaxCharacters) chars.resize(kMaxCharacters);
  return chars;
}

struct Collected {
  std::string number;       // sign, digits, '.', 'E' as accepted
  float multiplier = 1.0f;  // from the first suffix letter
};

Collected Collect(const std::vector<Character>& chars) {
  Collected out;
  bool pointSeen = false, exponentSeen = false, suffixSeen = false;
  for (const Character& character : chars) {
    char32_t c = character.code;
    if (c >= U'0' && c <= U'9') {
      if (out.number.size() < kMaxCollected && !suffixSeen) {
        out.number.push_back(static_cast<char>(c));
        continue;
      }
    }
    if (c == U',') c = U'.';
    if (c == U'.' && !suffixSeen && !pointSeen) {
      out.number.push_back('.');
      pointSeen = true;
      continue;
    }
    if (c == U'-' || c == U'+') {
      if (out.number.empty() || out.number.back() == 'E') out.number.push_back(static_cast<char>(c));
      continue;
    }
    if (out.number.empty()) continue;
    if ((c == U'e' || c == U'E') && !suffixSeen) {
      if (exponentSeen) continue;
      out.number.push_back('E');
      exponentSeen = true;
      pointSeen = true;  // no point after an exponent
      continue;
    }
    if (exponentSeen) continue;
    if (const auto multiplier = SuffixMultiplier(c)) {
      if (suffixSeen) continue;
      suffixSeen = true;
      out.multiplier = *multiplier;
    }
  }
  return out;
}

// Decimal exponent of the leading digit of an out-of-range number, enough to
// tell an overflow (positive) from an underflow. The collected text is at
// most 12 characters, so the exponent digits fit comfortably.
long long MagnitudeOrder(std::string_view number) {
  long long lead = 0;
  bool seenNonZero = false, inFraction = false;
  std::size_t i = 0;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
  for (; i < number.size() && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') { inFraction = true; continue; }
    if (!seenNonZero) {
      if (c != '0') { seenNonZero = true; if (inFraction) --lead; }
      else if (inFraction) --lead;
    } else if (!inFraction) {
      ++lead;
    }
  }
  long long exponent = 0;
  if (i < number.size()) {
    const std::string_view digits = number.substr(i + 1);
    std::from_chars(digits.data() + (!digits.empty() && digits[0] == '+'),
                    digits.data() + digits.size(), exponent);
  }
  return lead + exponent;
}

// Reads the longest prefix of number that is a decimal number; an empty or
// unusable prefix gives 0. Returns nothing when the number is beyond range.
std::optional<double> ConvertPrefix(std::string_view number) {
  // from_chars takes no leading '+', so the sign is handled here.
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), value,
                      std::chars_format::general);
  if (error == std::errc::invalid_argument) return 0.0;
  if (error == std::errc::result_out_of_range) {
    if (MagnitudeOrder(number) > 0) return std::nullopt;
    value = 0.0;  // too small for a double: zero, without a fault
  }
  (void)end;
  return negative ? -value : value;
}

}  // namespace

void ParseEng(std::string& text, float& result) {
  const std::vector<Character> chars = WorkingText(text);
  text = chars.empty() ? std::string() : text.substr(chars.front().begin,
                                                     chars.back().end - chars.front().begin);
  const Collected collected = Collect(chars);

  const std::optional<double> number = ConvertPrefix(collected.number);
  if (!number) {
    result = kClampLimit;  // overflow: +1e10 whatever the sign
    return;
  }
  // Beyond this a double rounds to infinity as a single.
  constexpr double kSingleOverflow = 0x1.ffffffp127;
  if (std::fabs(*number) >= kSingleOverflow) {
    result = kClampLimit;
    return;
  }
  // The product stays finite: a suffix is never taken after an exponent, so
  // a number with a multiplier other than 1 is at most 11 plain digits, and
  // below 1e11 x 1e9; without a suffix the multiplier is 1.
  const float single = static_cast<float>(*number);
  result = single * collected.multiplier;
  if (result > kClampLimit) result = kClampLimit;
  if (result < -kClampLimit) result = -kClampLimit;
}

float ParseEng(std::string_view text) {
  std::string copy(text);
  float result = 0.0f;
  ParseEng(copy, result);
  return result;
}

}  // namespace notation
