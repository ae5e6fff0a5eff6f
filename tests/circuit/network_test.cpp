// The chain arithmetic: the string's chains give the plain loaded divider
// bit for bit, one position's band, corner and noise by hand, and a part
// the improvement finds beyond its reach comes back toward its nearest value.
#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "circuit/analysis.h"
#include "tests/circuit/kind_cases.h"

namespace {

// The divider as written plainly: Ru added from the top down and Rl from
// ground up, resistor by resistor, y = Rl || RL, y / ((Rs + Ru) + y); each
// band extreme with every part above the wiper at one tolerance and every
// part below at the other. Columns as LoadedAttenuation, WiperImpedances,
// ToleranceBand give them.
std::vector<circuit::PositionColumn> PlainDivider(const circuit::OhmsColumn& r,
                                                  const circuit::Surroundings& s, double tol) {
  const int n = static_cast<int>(r.size());
  const auto parallel = [](double a, double b) { return a + b > 0.0 ? a * b / (a + b) : 0.0; };
  const auto db = [&](double upper, double lower) {
    const double y = s.LoadOhms > 0.0 ? parallel(lower, s.LoadOhms) : lower;
    return -20.0 * std::log10(y / ((s.SourceOhms + upper) + y));
  };
  std::vector<circuit::PositionColumn> c(5, circuit::PositionColumn(r.size(), 0.0));
  for (int p = 0; p < n; ++p) {
    double up[3] = {}, low[3] = {};  // as they are, more, less
    for (int k = 1; k <= p; ++k) {
      for (int i = 0; i < 3; ++i) up[i] = up[i] + r[k] * (i == 0 ? 1.0 : i == 1 ? 1 + tol : 1 - tol);
    }
    for (int k = n - 1; k > p; --k) {
      for (int i = 0; i < 3; ++i) low[i] = low[i] + r[k] * (i == 0 ? 1.0 : i == 1 ? 1 + tol : 1 - tol);
    }
    c[1][p] = parallel(s.SourceOhms + up[0], low[0]);
    c[2][p] = up[0] + (s.LoadOhms > 0.0 ? parallel(low[0], s.LoadOhms) : low[0]);
    if (p == n - 1) break;
    c[0][p] = db(up[0], low[0]);
    c[3][p] = std::fmin(db(up[2], low[1]), db(up[1], low[2]));
    c[4][p] = std::fmax(db(up[2], low[1]), db(up[1], low[2]));
  }
  return c;
}

TEST(StringNetwork, GivesThePlainDividerBitForBit) {
  struct Row {
    double total;
    int n;
    double step, load, source;
  } const rows[] = {
      {10e3, 11, 2, 47e3, 0},    {100e3, 64, 1.5, 10e3, 600}, {4700, 3, 20, 0, 0},
      {1e6, 25, 0.37, 1e3, 1e4}, {10e3, 2, 3, 47e3, 50},      {10e3, 25, 2, 10e3, 0},
      {100e3, 20, 1, 47e3, 0},   {4700, 16, 2.5, 22e3, 300},  {20e3, 30, 0.75, 0, 600},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.total << " / " << row.n << " into " << row.load);
    const circuit::Surroundings around{row.source, row.load};
    circuit::OhmsColumn ideal;
    circuit::CompensatedString(row.total, circuit::EqualSteps(row.n, row.step), around, ideal);
    circuit::RoundedString string;
    circuit::RoundEach(ideal, design::kE24, string);
    const std::vector<circuit::PositionColumn> want = PlainDivider(string.Ohms, around, 0.05);
    std::vector<circuit::PositionColumn> got(5);
    circuit::LoadedAttenuation(string.Ohms, around, got[0]);
    circuit::WiperImpedances(string.Ohms, around, got[1], got[2]);
    circuit::ToleranceBand(string.Ohms, 0.05, around, got[3], got[4]);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(got[i], want[i]) << i;
  }
}

// 16k over 10k (E24) for 6.02 dB, the 16k given five steps above its
// nearest 10k: it may only come back. R1 16k -> 15k, R2 10k -> 11k;
// 13k, 12k; R1 12k hits 2:1, and nothing nearer is left.
TEST(ImproveRounding, BringsAPartBeyondItsReachBack) {
  const circuit::TargetColumn targets{0.0, 20.0 * std::log10(2.0)};
  circuit::RoundedString rounded;
  circuit::RoundEach({0, 16e3, 10e3}, design::kE24, rounded);
  rounded.Nearest[1] = design::kE24.NearestIndex(10e3);
  EXPECT_EQ(circuit::ImproveRounding(rounded, targets, {}, design::kE24), 5);
  EXPECT_EQ(rounded.Ohms[1], design::kE24.Nearest(12e3));
  EXPECT_EQ(rounded.Ohms[2], design::kE24.Nearest(12e3));
}

// 10k in series, 10k to ground, nothing else: Zout = 5k. With 1%, 10.1k
// over 9.9k gives 6.1079 dB, 9.9k over 10.1k 5.9342 dB; 100 pF against
// 5k, 318.31 kHz; sqrt(4 k 300 K 20 kHz 5k) = 1.2872 uV. The top, 10k, is
// noisier by 3 dB: 1.8203 uV, -112.579 dBu.
TEST(KindAnalysis, BandCornerAndNoiseOfOnePositionByHand) {
  circuit::KindSpec spec =
      testing_support::Spec(circuit::Kind::Shunt, 10e3, {0, 20.0 * std::log10(2.0)});
  spec.Inputs.CableFarads = 100e-12;
  const circuit::KindAnalysis a = testing_support::Analysed(spec);
  ASSERT_EQ(a.Positions, 3);
  EXPECT_NEAR(a.ZoutOhms[1], 5000, 1e-3);
  EXPECT_NEAR(a.ZinOhms[1], 20000, 1e-2);
  EXPECT_EQ(a.ZinOhms[0], circuit::kOpenOhms) << "no load, no shunt";
  EXPECT_NEAR(a.BandLowDb[1], 5.934172, 1e-6);
  EXPECT_NEAR(a.BandHighDb[1], 6.107896, 1e-6);
  EXPECT_NEAR(a.F3dbHz[1].value_or(0), 318309.886, 0.1);
  EXPECT_FALSE(a.F3dbHz[2].has_value()) << "the mute position";
  EXPECT_NEAR(a.NoiseMicrovolts[1], 1.28716, 1e-5);
  EXPECT_EQ(a.Noise.Position, 0);
  EXPECT_NEAR(a.Noise.Dbu.value_or(0), -112.5786, 1e-4);
  EXPECT_NEAR(circuit::NoiseMicrovolts(5000, 5000), 0.64358, 1e-5) << "halved into 5k";
  EXPECT_FALSE(circuit::NoiseDbu(0.0).has_value());
}

// A 20k string halved: Zout 5k at the middle; balanced, the pair's 10k.
TEST(Noise, LargestOfTheStringAcrossItsOutputs) {
  for (const auto& [balanced, microvolts] : {std::pair{false, 1.28716}, {true, 1.82032}}) {
    const circuit::StringSpec spec{20e3,           {0, 20.0 * std::log10(2.0)},
                                   {0, 0, 0, 1.0}, {&design::kE96, &design::kE24},
                                   balanced,       {}};
    circuit::CircuitAnalysis a;
    ASSERT_TRUE(circuit::AnalyseString(spec, a));
    const circuit::LoudestNoise noise = circuit::LargestNoise(a);
    EXPECT_EQ(noise.Position, 1);
    EXPECT_NEAR(noise.Microvolts, microvolts, 1e-5) << balanced;
  }
}

}  // namespace
