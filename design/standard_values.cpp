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

// One routine over both tables (a span, not a template): GCC's identical-code
// folding of two instantiations otherwise confuses its array-bounds check.
void NearestIn(std::span<const float> table, float precise, float& nearest) {
  const int last = static_cast<int>(table.size()) - 1;
  // The ratio test divides by the value, and no standard value is near zero.
  if (precise == 0.0f || std::isnan(precise)) {
    nearest = 0.0f;
    return;
  }
  float scale = kFirstScale;
  for (;;) {
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
      nearest = (b > a) ? lo : hi;
      return;
    }
    scale = scale * 10.0f;
    // Past about 1e38 the scale itself overflows; nothing larger can be
    // bracketed, so the top of the last whole decade stands in.
    if (!std::isfinite(scale)) {
      nearest = top;
      return;
    }
  }
}

}  // namespace

void Nearest1(const float& Precise, float& Nearest) {
  NearestIn(kE96, Precise, Nearest);
}

void Nearest5(const float& Precise, float& Nearest) {
  NearestIn(kE24, Precise, Nearest);
}

}  // namespace design
