// E96 and E24 tables (IEC 60063) and the nearest-value search over them.
#include "design/standard_values.h"

#include <array>
#include <cmath>
#include <span>

namespace design {
namespace {

// One decade of each series scaled into 0.1 .. 1, with the top of the decade
// below as guard entry 0; the E96 table also carries 1.0 as a guard above, so
// values between 0.976 and 1 are bracketed within the same pass.
constexpr std::array<float, 98> kE96{
    0.0976f,
    0.100f, 0.102f, 0.105f, 0.107f, 0.110f, 0.113f, 0.115f, 0.118f, 0.121f, 0.124f,
    0.127f, 0.130f, 0.133f, 0.137f, 0.140f, 0.143f, 0.147f, 0.150f, 0.154f, 0.158f,
    0.162f, 0.165f, 0.169f, 0.174f, 0.178f, 0.182f, 0.187f, 0.191f, 0.196f, 0.200f,
    0.205f, 0.210f, 0.215f, 0.221f, 0.226f, 0.232f, 0.237f, 0.243f, 0.249f, 0.255f,
    0.261f, 0.267f, 0.274f, 0.280f, 0.287f, 0.294f, 0.301f, 0.309f, 0.316f, 0.324f,
    0.332f, 0.340f, 0.348f, 0.357f, 0.365f, 0.374f, 0.383f, 0.392f, 0.402f, 0.412f,
    0.422f, 0.432f, 0.442f, 0.453f, 0.464f, 0.475f, 0.487f, 0.499f, 0.511f, 0.523f,
    0.536f, 0.549f, 0.562f, 0.576f, 0.590f, 0.604f, 0.619f, 0.634f, 0.649f, 0.665f,
    0.681f, 0.698f, 0.715f, 0.732f, 0.750f, 0.768f, 0.787f, 0.806f, 0.825f, 0.845f,
    0.866f, 0.887f, 0.909f, 0.931f, 0.953f, 0.976f,
    1.0f,
};

constexpr std::array<float, 25> kE24{
    0.091f,
    0.10f, 0.11f, 0.12f, 0.13f, 0.15f, 0.16f, 0.18f, 0.20f, 0.22f, 0.24f, 0.27f, 0.30f,
    0.33f, 0.36f, 0.39f, 0.43f, 0.47f, 0.51f, 0.56f, 0.62f, 0.68f, 0.75f, 0.82f, 0.91f,
};

constexpr float kFirstScale = 1e-6f;

template <std::size_t Size>
constexpr bool Ascending(const std::array<float, Size>& table) {
  for (std::size_t i = 1; i < Size; ++i) {
    if (!(table[i - 1] < table[i])) return false;
  }
  return true;
}
static_assert(Ascending(kE96) && Ascending(kE24), "standard value tables must ascend");

// The decade scales the search multiplies the tables by: kFirstScale, then
// each one ten times the one before, in single precision, as far as they
// stay finite. Formed once in the same order the search forms them, so an
// entry's value is the very single the search returns.
constexpr int kScaleCount = 45;  // 1e-6 .. 1e38
const std::array<float, kScaleCount>& Scales() {
  static const std::array<float, kScaleCount> scales = [] {
    std::array<float, kScaleCount> s{};
    s[0] = kFirstScale;
    for (int d = 1; d < kScaleCount; ++d) s[d] = s[d - 1] * 10.0f;
    return s;
  }();
  return scales;
}

std::span<const float> Table(SingleTable table) {
  if (table == SingleTable::E96) return kE96;
  return kE24;
}

// One routine over both tables (a span, not a template): GCC's identical-code
// folding of two instantiations otherwise confuses its array-bounds check.
// The entry found, or Scale -1 for zero and NaN, which have none.
SingleEntry NearestIn(std::span<const float> table, float precise) {
  const int last = static_cast<int>(table.size()) - 1;
  // The ratio test divides by the value, and no standard value is near zero.
  if (precise == 0.0f || std::isnan(precise)) return {-1, 0};
  const std::array<float, kScaleCount>& scales = Scales();
  for (int d = 0;; ++d) {
    const float scale = scales[d];
    // Candidates scale * table[i] ascend with i (rounding keeps the order), so
    // a pass whose top candidate is not above the value has none above it,
    // and the first candidate above it can be found by bisection.
    const float top = scale * table[last];
    if (top > precise) {
      int first = 1, past = last;  // the answer lies in [first, past]
      while (first < past) {
        const int middle = first + (past - first) / 2;
        if (scale * table[middle] > precise) past = middle;
        else first = middle + 1;
      }
      const float hi = scale * table[first];
      const float lo = scale * table[first - 1];
      const float a = precise / lo;
      const float b = hi / precise;
      return {d, (b > a) ? first - 1 : first};
    }
    // Past about 1e38 the scale itself overflows; nothing larger can be
    // bracketed, so the top of the last whole decade stands in.
    if (d + 1 == kScaleCount) return {d, last};
  }
}

float ValueIn(std::span<const float> table, SingleEntry entry) {
  if (entry.Scale < 0) return 0.0f;
  return Scales()[entry.Scale] * table[entry.Entry];
}

}  // namespace

void Nearest1(const float& Precise, float& Nearest) {
  Nearest = ValueIn(kE96, NearestIn(kE96, Precise));
}

void Nearest5(const float& Precise, float& Nearest) {
  Nearest = ValueIn(kE24, NearestIn(kE24, Precise));
}

SingleEntry NearestSingleEntry(SingleTable table, float precise) {
  return NearestIn(Table(table), precise);
}

float SingleValue(SingleTable table, SingleEntry entry) { return ValueIn(Table(table), entry); }

SingleEntry SingleNeighbour(SingleTable table, SingleEntry entry, bool up) {
  const int last = static_cast<int>(Table(table).size()) - 1;
  // Entries 1 .. perDecade hold one decade; E96 carries the next decade's
  // first value as a guard above it (entry perDecade + 1), and entry 0 of
  // every table is the decade below's top value.
  const int perDecade = table == SingleTable::E96 ? last - 1 : last;
  int d = entry.Scale, i = entry.Entry;
  if (d < 0) return entry;
  if (i == 0) {
    // The lowest scale's guard is where every tiny value goes: nothing lies
    // below it, and the first value of that decade above it.
    if (d == 0) return up ? SingleEntry{0, 1} : entry;
    d = d - 1;  // the same value as the decade below's top
    i = perDecade;
  }
  if (up) {
    if (d == kScaleCount - 1 && i >= perDecade) return entry;
    if (i < last) return {d, i + 1};
    if (i == perDecade) return {d + 1, 1};  // E24: 0.91 to the next decade's 0.10
    return {d + 1, 2};  // from E96's guard above, the next decade's 1.02
  }
  // The rounding finds a decade's first value, seen from above, at the
  // decade below when that one carries it as its guard (E96).
  if (i == 2 && last > perDecade && d > 0) return {d - 1, last};
  if (i >= 2) return {d, i - 1};
  // The first value of a decade steps down to the top of the decade below,
  // which the lowest scale reaches only as its guard entry.
  if (d == 0) return {0, 0};
  return {d - 1, perDecade};
}

}  // namespace design
