// Values the way builders write them on parts and in notes ("4k7", "100p",
// "1meg", "100 ohms"): the reader and writer of the in-circuit window's boxes,
// and the figures that window shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace notation {

// The unit a box accepts after the number.
enum class BuilderUnit {
  Ohms,    // "Ω", "ohm", "ohms" (any case) or "R"; "R" may also stand for the point
  Farads,   // "F" or "f"
  Percent,  // "%"
  None,     // a plain number: positions, dB
};

// Reads the whole of `text` as one value, in double precision. Accepted: a
// number with '.' or `separator` as its point and an optional exponent
// ("1e3", "2.2E-9"), then optionally a multiplier (p n u µ m k K M G, or
// "meg" in any case; "m" is milli and "M" mega), then optionally `unit`, with
// spaces allowed between them and around the whole. A multiplier letter (or
// "R" in ohms) may stand in place of the point, as printed on parts: "4k7" is
// 4700, "4R7" 4.7, "2n2" 2.2e-9. A text with one comma, no point and a
// multiplier or unit after the number reads the comma as the point whatever
// `separator` is ("1,62k", "2,455 kΩ"): builders write values so in every
// locale. The result is the decimal value correctly rounded to a double, with
// the sign as typed ("-0" included); callers that want a magnitude take it
// themselves. Returns false, leaving `value` alone, for anything else: empty
// text, junk anywhere ("abc", "4k7k", "1..2", "1,5" when the separator is
// '.'), and numbers beyond the range of a double in either direction (an
// underflow is refused rather than read as zero).
bool ReadBuilderValue(std::string_view text, char separator, BuilderUnit unit, double& value);
std::optional<double> ReadBuilderValue(std::string_view text, char separator, BuilderUnit unit);

// What ReadBuilderValue did not understand in `text`, as the end of a
// sentence that says the text is not a value: "nothing is typed", "it does
// not start with a number", "\"k\" after \"4k7\" is not understood" (a comma
// where '.' is the point adds "(the decimal point here is \".\")"), "the
// number is too large", "the number is too small to tell from zero". Empty
// when the text reads.
std::string BuilderValueTrouble(std::string_view text, char separator, BuilderUnit unit);

// Writes `value` in the boxes' notation: the shortest digits that read back
// through ReadBuilderValue as exactly the same double, with `separator` for
// the point and a multiplier chosen by size: "G", "M", "k" from 1e3 up to
// below 1e12, no letter from 0.001 to below 1000 ("0.1", "470"), "u", "n",
// "p" below that down to 1e-12. The milli letter is never written: "m" and "M"
// are too easily confused. Outside 1e-12 to 1e12 the value is written in
// exponent form ("1e-15", "2.5e12"). Zero (either sign) is "0"; a value that
// is not finite gives an empty text.
void WriteBuilderValue(const double& value, char separator, std::string& text);
std::string WriteBuilderValue(double value, char separator);

// A part's value for the screen: builder notation rounded to three
// significant digits, trailing zeros dropped ("1.82k", "887", "47k", "261u").
// Display only: it need not read back as the same value.
std::string PartText(double ohms, char separator);

// A frequency for the screen: three significant digits with a prefixed
// hertz unit, mHz to THz ("1.10 MHz", "63.9 THz", "159 Hz"); exponent form
// outside that range. Display only.
std::string FrequencyText(double hertz, char separator);

// A figure in dB for the screen: three decimals, no unit ("2.000",
// "-0.613"); a value that rounds to zero shows no sign. Display only.
std::string DecibelText(double db, char separator);

}  // namespace notation
