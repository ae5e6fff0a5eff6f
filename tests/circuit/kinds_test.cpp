// The ladder, shunt and relay ladder against worked values: ideal parts,
// warnings, the improved rounding and what the analysis refuses.
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "circuit/analysis.h"
#include "tests/circuit/kind_cases.h"

namespace {

using enum circuit::Kind;
using testing_support::Analysed;
using testing_support::PartNamed;
using testing_support::Relay;
using testing_support::Spec;

// 24 positions: 1 dB steps to 20 dB, then 40 and 60 dB; the last is mute.
const circuit::TargetColumn kTwentyFour{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                        12, 13, 14, 15, 16, 17, 18, 19, 20, 40, 60};

TEST(KindDesign, IdealPartsMatchWorkedValues) {
  struct Row {
    circuit::KindSpec spec;
    double within;
    std::vector<std::pair<const char*, double>> parts;  // name, ohms
  } const rows[] = {
      // Builders' shunt table: 10k series, no load, to the ohm.
      {Spec(Shunt, 10e3, {0, 2, 20, 40}), 0.5, {{"Y1", 38621}, {"Y2", 1111}, {"Y3", 101}}},
      // 10k into 10k halves; Y || 10k = 3333.3 halves that again.
      {Spec(Shunt, 10e3, {0, 20.0 * std::log10(2.0)}, 10e3), 1e-6, {{"Y1", 5000}, {"X", 10e3}}},
      {Spec(Ladder, 10e3, kTwentyFour), 1e-6, {{"S20", 9000}, {"P20", 1000}, {"S22", 9990}}},
      {Spec(Ladder, 10e3, kTwentyFour), 1e-9, {{"P22", 10}, {"P0", 10e3}, {"S23", 10e3}}},
      // 3162.28 || P = 4700 at 10 dB.
      {Spec(Ladder, 10e3, {0, 3, 6, 10}, 4700), 1e-3, {{"P3", 9665.402}}},
      {Relay(10e3, 3, 1.0), 1e-3, {{"S1", 1087.4906}, {"H1", 81954.816}, {"H3", 17097.1386}}},
      {Relay(10e3, 3, 1.0), 1e-9, {{"T", 10e3}}},
      {Relay(10e3, 3, 1.0, 47e3), 1e-4, {{"T", 12702.7027}}},
  };
  for (const Row& row : rows) {
    const circuit::KindAnalysis a = Analysed(row.spec);
    for (const auto& [name, ohms] : row.parts) {
      SCOPED_TRACE(name);
      const int part = PartNamed(a.Design.Net, name);
      ASSERT_GE(part, 0);
      EXPECT_NEAR(a.Design.Ideal[part], ohms, row.within);
    }
  }
}

// Matched sections: each position gives exactly its target (plus the
// source's loss against R), and the source always sees R.
TEST(KindDesign, MatchedKindsHitTargetsAtConstantInputImpedance) {
  struct Row {
    circuit::KindSpec spec;
    double topDb;  // 20 log10((R + Rs) / R)
  } const rows[] = {
      {Spec(Ladder, 10e3, kTwentyFour), 0},
      {Spec(Ladder, 10e3, kTwentyFour, 47e3), 0},
      {Relay(10e3, 8, 0.5), 0},
      {Relay(10e3, 8, 0.5, 47e3), 0},
      {Relay(10e3, 8, 0.5, 47e3, 600), 0.5061173052954},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.spec.Inputs.LoadOhms << " " << row.topDb);
    const circuit::KindAnalysis a = Analysed(row.spec);
    const circuit::Network& net = a.Design.Net;
    const circuit::Surroundings around{row.spec.Inputs.SourceOhms, row.spec.Inputs.LoadOhms};
    circuit::PositionColumn db, zout, zin;
    circuit::Attenuation(net, a.Design.Ideal, around, db);
    circuit::Impedances(net, a.Design.Ideal, around, zout, zin);
    for (int p = 0; p < circuit::Positions(net); ++p) {
      EXPECT_NEAR(zin[p], 10e3, 1e-8) << p;
      if (!circuit::HasOutput(net, p)) continue;
      EXPECT_NEAR(db[p], a.Target[p] + row.topDb, 1e-9) << p;
    }
  }
  const circuit::KindAnalysis relay = Analysed(Relay(10e3, 8, 0.5));
  EXPECT_EQ(relay.Positions, 256);
  EXPECT_EQ(relay.Target[255], 127.5);
}

// The warnings in one line: positions without a shunt, no termination,
// parts out of range, far above the load.
std::string Warnings(const circuit::KindAnalysis& a) {
  std::string text;
  for (const int p : a.NoShuntAt) text += "P" + std::to_string(p) + " open; ";
  if (a.NoTermination) text += "no T; ";
  for (const int part : a.OutOfRange) text += a.Design.Net.Names[part] + " out; ";
  return text + (a.FarAboveLoad ? "far" : "");
}

TEST(KindAnalysis, WarnsOfWhatCannotBeBuilt) {
  struct Row {
    circuit::KindSpec spec;
    const char* warnings;
  } const rows[] = {
      // a R >= 4.7k down to 6.56 dB.
      {Spec(Ladder, 10e3, {0, 3, 6, 10}, 4700), "P0 open; P1 open; P2 open; "},
      {Relay(10e3, 3, 1.0, 10e3), "no T; "},
      {Relay(10e3, 3, 1.0, 10.1e3), ""},
      // The shunts of 160 dB and deeper fall below 1e-4 ohm; 80 dB's is 1.0001.
      {Relay(10e3, 8, 20.0), "H4 out; H5 out; H6 out; H7 out; H8 out; "},
      {Spec(Shunt, 100e3, {0, 3}, 4700), "far"},
      {Spec(Shunt, 47e3, {0, 3}, 4700), ""},
  };
  for (const Row& row : rows) {
    const circuit::KindAnalysis a = Analysed(row.spec);
    EXPECT_EQ(Warnings(a), row.warnings);
    for (const int p : a.NoShuntAt) EXPECT_EQ(a.Design.Sections[p].Shunt, circuit::kOpen);
    for (const circuit::PartSet& set : a.Sets) {
      for (const double db : set.Db) EXPECT_TRUE(std::isfinite(db));
    }
  }
}

// The ladder's 3 dB position into 4.7k has no shunt: S1 alone gives 4.19 dB,
// and only a smaller S1 comes nearer. E96 2920.5 rounds to 2940; three
// steps down is 2740, 3.9895 dB, and no further.
TEST(ImproveRounding, MovesAPartAtMostThreeSteps) {
  const circuit::KindAnalysis a = Analysed(Spec(Ladder, 10e3, {0, 3}, 4700));
  const int s1 = PartNamed(a.Design.Net, "S1");
  const circuit::PartSet& set = a.Sets[0];
  EXPECT_EQ(set.Parts.Steps[s1], -3);
  EXPECT_NEAR(set.Parts.Ohms[s1], 2740, 1e-3);
  EXPECT_NEAR(set.Db[1], 3.9895016, 1e-6);
}

TEST(ImproveRounding, NeverWorseThanEachPartRoundedAlone) {
  const circuit::KindSpec rows[] = {
      Spec(Ladder, 10e3, kTwentyFour, 47e3, 600),
      Spec(Ladder, 10e3, {0, 3}, 4700),
      Spec(Shunt, 4700, {0, 1.5, 3, 4.5, 6, 9, 12, 18, 24, 36}, 47e3, 100),
      Spec(String, 10e3, circuit::EqualSteps(25, 2.0), 10e3, 600),
      Relay(10e3, 8, 0.5, 47e3),
      Relay(600, 6, 1.0, 10e3),
  };
  int improved = 0;
  for (const circuit::KindSpec& spec : rows) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(spec.What) << " " << spec.Ohms);
    const circuit::KindAnalysis a = Analysed(spec);
    const circuit::Surroundings around{spec.Inputs.SourceOhms, spec.Inputs.LoadOhms};
    for (const circuit::PartSet& set : a.Sets) {
      circuit::RoundedParts alone, again = set.Parts;
      circuit::RoundEach(a.Design.Ideal, *set.RoundedIn, alone);
      const double worstAlone =
          circuit::WorstDeviation(a.Design.Net, alone.Ohms, a.Target, around).Db;
      EXPECT_LE(set.Worst.Db, worstAlone);
      improved += set.Worst.Db < worstAlone;
      for (std::size_t j = 0; j < alone.Index.size(); ++j) {
        int index = alone.Index[j];
        const int steps = set.Parts.Steps[j];
        EXPECT_LE(std::abs(steps), circuit::kImproveReach);
        for (int s = 0; s < std::abs(steps); ++s)
          index = set.RoundedIn->Neighbour(index, steps > 0);
        EXPECT_EQ(set.Parts.Index[j], index) << a.Design.Net.Names[j];
      }
      EXPECT_EQ(circuit::ImproveRounding(a.Design.Net, again, a.Target, around, *set.RoundedIn), 0);
    }
  }
  EXPECT_GE(improved, 6);
}

TEST(KindAnalysis, RefusesWhatDescribesNoAttenuator) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto seriesMissing = Spec(Ladder, 10e3, {0, 3});
  seriesMissing.RoundedIn[1] = nullptr;
  struct Row {
    const char* what;
    circuit::KindSpec spec;
    bool usable;
  } const rows[] = {
      {"ladder to 120 dB", Spec(Ladder, 10e3, {0, 60, 120}), true},
      {"ladder past 120 dB", Spec(Ladder, 10e3, {0, 60, 120.01}), false},
      {"shunt with a boost", Spec(Shunt, 10e3, {0, -1}), false},
      {"string target not a number", Spec(String, 10e3, {0, nan}), false},
      {"one position", Spec(Ladder, 10e3, {}), false},
      {"64 positions", Spec(Ladder, 10e3, circuit::EqualSteps(64, 1.0)), true},
      {"65 positions", Spec(Shunt, 10e3, circuit::EqualSteps(65, 1.0)), false},
      {"no resistance", Spec(Ladder, 0.0, {0, 3}), false},
      {"resistance not a number", Spec(Shunt, nan, {0, 3}), false},
      {"series missing", seriesMissing, false},
      {"negative load", Spec(Shunt, 10e3, {0, 3}, -1.0), false},
      {"relay of 8 stages of 20 dB", Relay(10e3, 8, 20.0), true},
      {"relay of 9 stages", Relay(10e3, 9, 1.0), false},
      {"relay step too fine", Relay(10e3, 4, 0.009), false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    circuit::KindAnalysis a;
    a.Positions = 99;
    EXPECT_EQ(circuit::AnalyseKind(row.spec, a), row.usable);
    EXPECT_EQ(a.Positions > 0, row.usable);
  }
}

}  // namespace
