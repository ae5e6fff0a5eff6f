// The chain arithmetic: the string as a network gives design's loaded
// divider bit for bit, and one position's band, corner and noise by hand.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "circuit/analysis.h"
#include "tests/circuit/kind_cases.h"

namespace {

// The string's chains added resistor by resistor as design adds them: the
// same bits for attenuation, impedances and band.
TEST(StringNetwork, GivesTheLoadedDividerBitForBit) {
  struct Row {
    double total;
    int n;
    double step, load, source;
  } const rows[] = {
      {10e3, 11, 2, 47e3, 0},    {100e3, 64, 1.5, 10e3, 600}, {4700, 3, 20, 0, 0},
      {1e6, 25, 0.37, 1e3, 1e4}, {10e3, 2, 3, 47e3, 50},      {10e3, 25, 2, 10e3, 0},
      {100e3, 20, 1, 47e3, 0},   {4700, 16, 2.5, 22e3, 300},  {20e3, 30, 0.75, 47e3, 0},
  };
  int compared = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.total << " / " << row.n << " into " << row.load);
    const circuit::Surroundings around{row.source, row.load};
    const circuit::TargetColumn targets = circuit::EqualSteps(row.n, row.step);
    circuit::OhmsColumn ideal;
    circuit::CompensatedString(row.total, targets, around, ideal);
    circuit::RoundedString string;
    circuit::RoundEach(ideal, design::kE24, string);
    circuit::KindDesign kind;
    circuit::StringDesign(row.total, targets, around, kind);
    const circuit::PartOhms parts(string.Ohms.begin() + 1, string.Ohms.end());

    // Attenuation, Zout, Zin, band low and high.
    circuit::PositionColumn want[5], got[5];
    circuit::LoadedAttenuation(string.Ohms, around, want[0]);
    circuit::Attenuation(kind.Net, parts, around, got[0]);
    circuit::WiperImpedances(string.Ohms, around, want[1], want[2]);
    circuit::Impedances(kind.Net, parts, around, got[1], got[2]);
    circuit::ToleranceBand(string.Ohms, 0.05, around, want[3], want[4]);
    circuit::ToleranceBand(kind.Net, parts, 0.05, around, got[3], got[4]);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(got[i], want[i]) << i;
    EXPECT_EQ(circuit::WorstDeviation(kind.Net, parts, targets, around).Db,
              circuit::WorstDeviation(string.Ohms, targets, around).Db);
    // Where the three-step limit never stops it, the improvement is design's, move for move.
    circuit::RoundedParts improved;
    circuit::RoundEach(kind.Ideal, design::kE24, improved);
    const int moves = circuit::ImproveRounding(kind.Net, improved, targets, around, design::kE24);
    const bool limited = std::any_of(improved.Steps.begin(), improved.Steps.end(), [](int steps) {
      return std::abs(steps) == circuit::kImproveReach;
    });
    if (!limited && moves > 0) {
      ++compared;
      EXPECT_EQ(moves, circuit::ImproveRounding(string, targets, around, design::kE24));
      EXPECT_EQ(improved.Ohms, circuit::PartOhms(string.Ohms.begin() + 1, string.Ohms.end()));
    }
  }
  EXPECT_GE(compared, 4);
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
