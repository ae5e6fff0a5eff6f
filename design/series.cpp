// The E24, E48, E96 and E192 series of IEC 60063 and the walk along them.
#include "design/series.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace design {
namespace {

// E192, one decade in three digits. IEC 60063 keeps 920 where the formula
// 10^(i/192) would give 919.
constexpr std::array<int, 192> kE192Decade{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

// E96 is every second value of E192, and E48 every second of E96.
template <std::size_t Size, std::size_t Half = Size / 2>
constexpr std::array<int, Half> EverySecond(const std::array<int, Size>& decade) {
  std::array<int, Half> half{};
  for (std::size_t i = 0; i < Half; ++i) half[i] = decade[2 * i];
  return half;
}
constexpr std::array<int, 96> kE96Decade = EverySecond(kE192Decade);
constexpr std::array<int, 48> kE48Decade = EverySecond(kE96Decade);

constexpr std::array<int, 24> kE24Decade{100, 110, 120, 130, 150, 160, 180, 200,
                                         220, 240, 270, 300, 330, 360, 390, 430,
                                         470, 510, 560, 620, 680, 750, 820, 910};

template <std::size_t Size>
constexpr bool Ascending(const std::array<int, Size>& decade) {
  for (std::size_t i = 1; i < Size; ++i) {
    if (!(decade[i - 1] < decade[i])) return false;
  }
  return decade[0] == 100 && decade[Size - 1] < 1000;
}
static_assert(Ascending(kE192Decade) && Ascending(kE24Decade));
static_assert(kE96Decade[1] == 102 && kE96Decade[95] == 976 && kE48Decade[47] == 953);
static_assert(kE192Decade[185] == 920);

// Powers of ten that doubles hold exactly, so that m x 10^j rounds once.
constexpr std::array<double, 23> kPowersOfTen{
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLowestExponent = -22;  // of the three-digit mantissa
constexpr int kDecades = 45;          // exponents -22 .. 22

// Decimal indices: index i is decade table value i mod size at decade i div
// size.
DecimalValue DecimalAt(std::span<const int> decade, int index) {
  const int size = static_cast<int>(decade.size());
  return {decade[static_cast<std::size_t>(index % size)], kLowestExponent + index / size};
}

int LastDecimalIndex(std::span<const int> decade) {
  return kDecades * static_cast<int>(decade.size()) - 1;
}

// The nearest decimal index in the ratio sense, a tie going up.
int NearestDecimal(std::span<const int> decade, double ohms) {
  const int last = LastDecimalIndex(decade);
  if (!(ohms > DecimalAt(decade, 0).Ohms())) return 0;
  if (ohms >= DecimalAt(decade, last).Ohms()) return last;
  // The last index whose value is not above ohms.
  int low = 0, high = last;  // value(low) <= ohms < value(high)
  while (high - low > 1) {
    const int middle = low + (high - low) / 2;
    if (DecimalAt(decade, middle).Ohms() <= ohms) low = middle;
    else high = middle;
  }
  const double lo = DecimalAt(decade, low).Ohms();
  const double hi = DecimalAt(decade, high).Ohms();
  return hi / ohms > ohms / lo ? low : high;
}

// Indices of the single tables: entry e at scale d is index d x size + e.
int TableSize(SingleTable table) { return table == SingleTable::E96 ? 98 : 25; }

int IndexOf(SingleTable table, SingleEntry entry) {
  return entry.Scale < 0 ? 0 : entry.Scale * TableSize(table) + entry.Entry;
}

SingleEntry EntryOf(SingleTable table, int index) {
  return {index / TableSize(table), index % TableSize(table)};
}

}  // namespace

double DecimalValue::Ohms() const {
  const double m = Mantissa;
  if (Exponent >= 0 && Exponent <= 22) return m * kPowersOfTen[static_cast<std::size_t>(Exponent)];
  if (Exponent < 0 && Exponent >= -22) return m / kPowersOfTen[static_cast<std::size_t>(-Exponent)];
  // Past 1e22 the power itself is rounded and m x 10^j would round twice
  // (1.2e25 a unit high): the decimal text converts with one rounding.
  const std::string text = std::to_string(Mantissa) + "e" + std::to_string(Exponent);
  double value = 0.0;
  const std::errc error = std::from_chars(text.data(), text.data() + text.size(), value).ec;
  return error == std::errc() ? value : m * std::pow(10.0, Exponent);
}

int Series::NearestIndex(double ohms) const {
  if (single_) return IndexOf(*single_, NearestSingleEntry(*single_, static_cast<float>(ohms)));
  return NearestDecimal(decade_, ohms);
}

double Series::Value(int index) const {
  if (single_) return SingleValue(*single_, EntryOf(*single_, index));
  return DecimalAt(decade_, index).Ohms();
}

int Series::Neighbour(int index, bool up) const {
  if (single_) return IndexOf(*single_, SingleNeighbour(*single_, EntryOf(*single_, index), up));
  const int next = index + (up ? 1 : -1);
  return next < 0 || next > LastDecimalIndex(decade_) ? index : next;
}

DecimalValue Series::Decimal(int index) const {
  if (!single_) return DecimalAt(decade_, index);
  // Table entries are the mantissas / 1000 and scale d is 10^(d - 6), so
  // entry e at scale d is mantissa e - 1 x 10^(d - 9); entry 0 and E96's
  // guard above are the neighbouring decades' values.
  SingleEntry entry = EntryOf(*single_, index);
  const int size = PerDecade();
  if (entry.Entry == 0) entry = {entry.Scale - 1, size};
  if (entry.Entry == size + 1) entry = {entry.Scale + 1, 1};
  return {decade_[static_cast<std::size_t>(entry.Entry - 1)], entry.Scale - 9};
}

std::vector<DecimalValue> Series::Around(double ohms, int each) const {
  std::vector<DecimalValue> values;
  Around(ohms, each, values);
  return values;
}

void Series::Around(double ohms, int each, std::vector<DecimalValue>& values) const {
  const int centre = NearestDecimal(decade_, ohms);
  const int first = std::max(0, centre - each);
  const int last = std::min(LastDecimalIndex(decade_), centre + each);
  values.clear();
  for (int i = first; i <= last; ++i) values.push_back(DecimalAt(decade_, i));
}

DecimalValue Series::NearestExact(double ohms) const {
  return DecimalAt(decade_, NearestDecimal(decade_, ohms));
}

const Series kE24{"E24", kE24Decade, SingleTable::E24};
const Series kE48{"E48", kE48Decade, std::nullopt};
const Series kE96{"E96", kE96Decade, SingleTable::E96};
const Series kE192{"E192", kE192Decade, std::nullopt};

const Series* FindSeries(std::string_view name) {
  for (const Series* series : kAllSeries) {
    const std::string_view own = series->Name();
    if (own.size() == name.size() &&
        std::equal(own.begin(), own.end(), name.begin(), [](char a, char b) {
          return std::toupper(static_cast<unsigned char>(a)) ==
                 std::toupper(static_cast<unsigned char>(b));
        })) {
      return series;
    }
  }
  return nullptr;
}

}  // namespace design
