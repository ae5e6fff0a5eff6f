// Writing values in engineering notation, with the user's decimal separator.
#include "notation/eng_notation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace notation {
namespace {

// A size band: values of at least `limit` are divided by `divisor`, rounded to
// `decimals` and followed by `suffix`.
struct Band {
  float limit;
  float divisor;
  int decimals;
  char suffix;
};

constexpr std::array<Band, 6> kBands{{
    {1e9f, 1e9f, 3, 'G'},
    {1e6f, 1e6f, 3, 'M'},
    {1e3f, 1e3f, 3, 'k'},
    {100.0f, 1.0f, 2, ' '},
    {10.0f, 1.0f, 3, ' '},
    {1.0f, 1.0f, 4, ' '},
}};
constexpr int kSmallDecimals = 5;
constexpr double kTinyCut = 1e-5;  // a double: the single nearest 1e-5 lies below it

// A positive single written with 7 significant digits, correctly rounded from
// its binary value: value = d0.d1d2d3d4d5d6 x 10^exponent.
struct SevenDigits {
  std::array<char, 7> digits{};
  int exponent = 0;
};

SevenDigits ToSevenDigits(float magnitude) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, 6);
  // The text reads "d.dddddde+XX".
  SevenDigits out;
  out.digits[0] = buffer[0];
  for (int i = 1; i < 7; ++i) out.digits[i] = buffer[i + 1];
  const char* exponentText = buffer.data() + 9;
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, result.ptr, out.exponent);
  return out;
}

float ReadSingle(const std::string& decimalText) {
  float value = 0.0f;
  std::from_chars(decimalText.data(), decimalText.data() + decimalText.size(), value);
  return value;
}

// Rounds a positive v to `decimals` places, ties away from zero. The rounding
// works on v's seven significant digits, the digits a user would see for it,
// so a typed 3.4125 rounds up although its single lies just below the half.
float RoundToDecimals(float magnitude, int decimals) {
  const SevenDigits seven = ToSevenDigits(magnitude);
  const int keep = seven.exponent + 1 + decimals;  // digits up to the last kept place
  const std::string all(seven.digits.begin(), seven.digits.end());
  if (keep >= 7) return ReadSingle(all + 'e' + std::to_string(seven.exponent - 6));
  if (keep < 0) return 0.0f;

  std::string kept = all.substr(0, static_cast<std::size_t>(keep));
  if (all[static_cast<std::size_t>(keep)] >= '5') {
    int i = keep - 1;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
      kept[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0)
      ++kept[static_cast<std::size_t>(i)];
    else
      kept.insert(kept.begin(), '1');
  }
  if (kept.empty()) return 0.0f;
  return ReadSingle(kept + "e-" + std::to_string(decimals));
}

// A single as the standard conversion writes it: up to seven significant
// digits with trailing zeros dropped, and exponent form (2E-05) below 0.0001
// and from 1e7 up.
std::string SingleToText(float magnitude) {
  const SevenDigits seven = ToSevenDigits(magnitude);
  std::string digits(seven.digits.begin(), seven.digits.end());
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int e = seven.exponent;

  std::string text;
  if (e < -4 || e >= 7) {
    text = digits.substr(0, 1);
    if (digits.size() > 1) text += '.' + digits.substr(1);
    const int magnitudeOfExponent = std::abs(e);
    text += e < 0 ? "E-" : "E+";
    if (magnitudeOfExponent < 10) text += '0';
    text += std::to_string(magnitudeOfExponent);
  } else if (e >= 0) {
    const auto integerDigits = static_cast<std::size_t>(e + 1);
    if (digits.size() <= integerDigits) {
      text = digits + std::string(integerDigits - digits.size(), '0');
    } else {
      text = digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
    }
  } else {
    text = "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + digits;
  }
  return text;
}

}  // namespace

void FormatEng(const float& value, std::string& text) {
  // Nothing in the program produces a non-finite value; should one arrive,
  // it is shown as the largest single rather than as garbage.
  float input = value;
  if (std::isnan(input)) input = 0.0f;
  if (std::isinf(input)) input = std::copysign(std::numeric_limits<float>::max(), input);

  const float a = std::fabs(input);
  float v = 0.0f;
  int decimals = kSmallDecimals;
  char suffix = ' ';
  bool banded = false;
  for (const Band& band : kBands) {
    if (a >= band.limit) {
      v = input / band.divisor;
      decimals = band.decimals;
      suffix = band.suffix;
      banded = true;
      break;
    }
  }
  if (!banded && static_cast<double>(a) > kTinyCut) v = input;

  if (v == 0.0f) {
    text = "0  ";
    return;
  }
  const float w = RoundToDecimals(std::fabs(v), decimals);
  std::string number = SingleToText(w);
  PointToSeparator(number, DecimalSeparator());
  text = (v < 0.0f ? "-" : "") + number + suffix;
}

std::string FormatEng(float value) {
  std::string text;
  FormatEng(value, text);
  return text;
}

std::string FormatEngTrimmed(float value) {
  std::string text = FormatEng(value);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace notation
