// The standard series of IEC 60063 as data: each has its name, its decade
// table, a nearest value and neighbours found by index.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "design/standard_values.h"

namespace design {

// A standard value written exactly: Mantissa x 10^Exponent ohms, the
// mantissa three digits (100 .. 988).
struct DecimalValue {
  int Mantissa = 0;
  int Exponent = 0;
  // The double nearest the decimal value.
  double Ohms() const;
  bool operator==(const DecimalValue&) const = default;
};

// One series. Its values are numbered by index, one index per series step,
// so the neighbours of a value are the indices either side of it.
//
// E96 and E24 go through the single-precision tables of Nearest1 and
// Nearest5, so their values are the singles those give (100 can be
// 99.99999) and an index is a table entry at a decade scale. E48 and E192
// are kept in double: index i is the decade table's value i mod size at
// decade i div size, from 1e-20 to 9.88e24 ohms, and its value is the
// double nearest the decimal value.
class Series {
 public:
  constexpr Series(std::string_view name, std::span<const int> decade,
                   std::optional<SingleTable> single)
      : name_(name), decade_(decade), single_(single) {}

  std::string_view Name() const { return name_; }  // "E96"
  std::span<const int> Decade() const { return decade_; }  // ascending, 100 .. 988
  int PerDecade() const { return static_cast<int>(decade_.size()); }

  // Index of the value nearest `ohms` in the ratio sense: below the
  // geometric mean of two neighbours the lower, from there on the upper.
  // Values beyond the series' range take its end; zero, negatives and NaN
  // give the index of the smallest value.
  int NearestIndex(double ohms) const;
  double Value(int index) const;  // ohms
  // The index one step up or down; the index itself at either end.
  int Neighbour(int index, bool up) const;
  // The value of `index` written exactly.
  DecimalValue Decimal(int index) const;

  double Nearest(double ohms) const { return Value(NearestIndex(ohms)); }

  // The exact values around `ohms`: the nearest (by the same ratio rule, in
  // double) and `each` on either side, ascending. Fewer at the range's ends.
  std::vector<DecimalValue> Around(double ohms, int each) const;
  // The same into `values`, whose storage is reused.
  void Around(double ohms, int each, std::vector<DecimalValue>& values) const;
  // The one nearest exact value: Around(ohms, 0)'s.
  DecimalValue NearestExact(double ohms) const;

 private:
  std::string_view name_;
  std::span<const int> decade_;
  std::optional<SingleTable> single_;
};

extern const Series kE24;
extern const Series kE48;
extern const Series kE96;
extern const Series kE192;

// The four, in order of fineness.
inline const std::array<const Series*, 4> kAllSeries{&kE24, &kE48, &kE96, &kE192};

// The series named `name` ("E96", any case), or none.
const Series* FindSeries(std::string_view name);

}  // namespace design
