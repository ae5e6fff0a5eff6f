// The ladder, shunt and relay ladder against hand-worked and published
// values: their ideal parts, their warnings, the improved rounding and what
// the analysis refuses.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit/analysis.h"
#include "tests/circuit/kind_spec.h"

namespace {

using circuit::Kind;
using testing_support::Analysed;
using testing_support::PartNamed;
using testing_support::Relay;
using testing_support::Spec;

// 24 positions: 1 dB steps to 20 dB, then 40 and 60 dB; the last is mute.
design::TargetColumn TwentyFourPositions() {
  design::TargetColumn targets;
  for (int p = 0; p <= 20; ++p) targets.push_back(p);
  targets.push_back(40.0);
  targets.push_back(60.0);
  return targets;
}

TEST(KindDesign, IdealPartsMatchWorkedValues) {
  const double six = 20.0 * std::log10(2.0);  // halves the voltage
  struct Row {
    const char* what;
    circuit::KindSpec spec;
    const char* part;
    double ohms, within;
  } const rows[] = {
      // Builders' shunt table, 10k series, no load, to the ohm.
      {"shunt 2 dB", Spec(Kind::Shunt, 10e3, {0, 2, 20, 40}), "Y1", 38621, 0.5},
      {"shunt 20 dB", Spec(Kind::Shunt, 10e3, {0, 2, 20, 40}), "Y2", 1111, 0.5},
      {"shunt 40 dB", Spec(Kind::Shunt, 10e3, {0, 2, 20, 40}), "Y3", 101, 0.5},
      {"shunt series", Spec(Kind::Shunt, 10e3, {0, 2, 20, 40}), "X", 10e3, 1e-9},
      // 10k into 10k halves; Y || 10k = 3333.3 halves that again.
      {"shunt into a load", Spec(Kind::Shunt, 10e3, {0, six}, 10e3), "Y1", 5000, 1e-6},
      {"ladder -20 dB series", Spec(Kind::Ladder, 10e3, TwentyFourPositions()), "S20", 9000, 1e-6},
      {"ladder -20 dB shunt", Spec(Kind::Ladder, 10e3, TwentyFourPositions()), "P20", 1000, 1e-6},
      {"ladder -60 dB series", Spec(Kind::Ladder, 10e3, TwentyFourPositions()), "S22", 9990, 1e-6},
      {"ladder -60 dB shunt", Spec(Kind::Ladder, 10e3, TwentyFourPositions()), "P22", 10, 1e-9},
      {"ladder top shunt", Spec(Kind::Ladder, 10e3, TwentyFourPositions()), "P0", 10e3, 1e-9},
      {"ladder mute series", Spec(Kind::Ladder, 10e3, TwentyFourPositions()), "S23", 10e3, 1e-9},
      // 3162.28 || P = 4700 at 10 dB.
      {"ladder shunt into 4k7", Spec(Kind::Ladder, 10e3, {0, 3, 6, 10}, 4700), "P3", 9665.402,
       1e-3},
      {"relay 1 dB series", Relay(10e3, 3, 1.0), "S1", 1087.4906, 1e-4},
      {"relay 1 dB shunt", Relay(10e3, 3, 1.0), "H1", 81954.816, 1e-3},
      {"relay 4 dB shunt", Relay(10e3, 3, 1.0), "H3", 17097.1386, 1e-3},
      {"termination without load", Relay(10e3, 3, 1.0), "T", 10e3, 1e-9},
      {"termination into 47k", Relay(10e3, 3, 1.0, 47e3), "T", 12702.7027, 1e-4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const circuit::KindAnalysis a = Analysed(row.spec);
    const int part = PartNamed(a.Design.Net, row.part);
    ASSERT_GE(part, 0);
    EXPECT_NEAR(a.Design.Ideal[part], row.ohms, row.within);
  }
}

// Matched sections: each position gives exactly its target (plus the
// source's loss against R), and the source always sees R.
TEST(KindDesign, MatchedKindsHitTargetsAtConstantInputImpedance) {
  struct Row {
    const char* what;
    circuit::KindSpec spec;
    double source;
    double topDb;  // 20 log10((R + Rs) / R)
  } const rows[] = {
      {"ladder, no load", Spec(Kind::Ladder, 10e3, TwentyFourPositions()), 0, 0},
      {"ladder into 47k", Spec(Kind::Ladder, 10e3, TwentyFourPositions(), 47e3), 0, 0},
      {"relay, no load", Relay(10e3, 8, 0.5), 0, 0},
      {"relay into 47k", Relay(10e3, 8, 0.5, 47e3), 0, 0},
      {"relay into 47k from 600", Relay(10e3, 8, 0.5, 47e3), 600, 0.5061173052954},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const circuit::KindAnalysis a = Analysed(row.spec);
    const circuit::Network& net = a.Design.Net;
    const design::Surroundings around{row.source, row.spec.Inputs.LoadOhms};
    design::PositionColumn db, zout, zin;
    circuit::Attenuation(net, a.Design.Ideal, around, db);
    circuit::Impedances(net, a.Design.Ideal, around, zout, zin);
    for (int p = 0; p < circuit::Positions(net); ++p) {
      if (circuit::HasOutput(net, p)) {
        EXPECT_NEAR(db[p], a.Target[p] + row.topDb, 1e-9) << p;
      }
      EXPECT_NEAR(zin[p], 10e3, 1e-8) << p;
    }
  }
  const circuit::KindAnalysis relay = Analysed(Relay(10e3, 8, 0.5));
  EXPECT_EQ(relay.Positions, 256);
  EXPECT_EQ(relay.Target[255], 127.5);
}

TEST(KindAnalysis, WarnsOfWhatCannotBeBuilt) {
  struct Row {
    const char* what;
    circuit::KindSpec spec;
    std::vector<int> noShuntAt;
    bool noTermination;
    std::vector<std::string> outOfRange;
    bool farAboveLoad;
  } const rows[] = {
      // a R >= 4.7k down to 6.56 dB.
      {"ladder above its load",
       Spec(Kind::Ladder, 10e3, {0, 3, 6, 10}, 4700),
       {0, 1, 2},
       false,
       {},
       false},
      {"relay into R", Relay(10e3, 3, 1.0, 10e3), {}, true, {}, false},
      {"relay just above R", Relay(10e3, 3, 1.0, 10.1e3), {}, false, {}, false},
      // The shunts of 160 dB and deeper fall below 1e-4 ohm; 80 dB's is 1.0001.
      {"relay of 20 dB steps",
       Relay(10e3, 8, 20.0),
       {},
       false,
       {"H4", "H5", "H6", "H7", "H8"},
       false},
      {"shunt far above its load", Spec(Kind::Shunt, 100e3, {0, 3}, 4700), {}, false, {}, true},
      {"shunt at ten loads", Spec(Kind::Shunt, 47e3, {0, 3}, 4700), {}, false, {}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const circuit::KindAnalysis a = Analysed(row.spec);
    EXPECT_EQ(a.NoShuntAt, row.noShuntAt);
    for (const int p : row.noShuntAt) EXPECT_EQ(a.Design.Sections[p].Shunt, circuit::kOpen);
    EXPECT_EQ(a.NoTermination, row.noTermination);
    if (row.spec.What == Kind::RelayLadder) {
      EXPECT_EQ(a.NoTermination, PartNamed(a.Design.Net, "T") < 0);
    }
    std::vector<std::string> named;
    for (const int part : a.OutOfRange) named.push_back(a.Design.Net.Names[part]);
    EXPECT_EQ(named, row.outOfRange);
    EXPECT_EQ(a.FarAboveLoad, row.farAboveLoad);
    for (const circuit::PartSet& set : a.Sets) {
      for (const double db : set.Db) EXPECT_TRUE(std::isfinite(db));
    }
  }
}

// The ladder's 3 dB position into 4.7k has no shunt: S1 alone gives 4.19 dB,
// and only a smaller S1 comes nearer. E96 2920.5 rounds to 2940; three
// steps down is 2740, 3.9895 dB, and no further.
TEST(ImproveRounding, MovesAPartAtMostThreeSteps) {
  const circuit::KindAnalysis a = Analysed(Spec(Kind::Ladder, 10e3, {0, 3}, 4700));
  const int s1 = PartNamed(a.Design.Net, "S1");
  const circuit::PartSet& set = a.Sets[0];
  EXPECT_EQ(set.Parts.Steps[s1], -3);
  EXPECT_NEAR(set.Parts.Ohms[s1], 2740, 1e-3);
  EXPECT_NEAR(set.Db[1], 3.9895016, 1e-6);
}

TEST(ImproveRounding, NeverWorseThanEachPartRoundedAlone) {
  const circuit::KindSpec rows[] = {
      Spec(Kind::Ladder, 10e3, TwentyFourPositions(), 47e3, 600),
      Spec(Kind::Ladder, 10e3, {0, 3}, 4700),
      Spec(Kind::Shunt, 4700, {0, 1.5, 3, 4.5, 6, 9, 12, 18, 24, 36}, 47e3, 100),
      Spec(Kind::String, 10e3, design::EqualSteps(25, 2.0), 10e3, 600),
      Relay(10e3, 8, 0.5, 47e3),
      Relay(600, 6, 1.0, 10e3),
  };
  int improved = 0;
  for (const circuit::KindSpec& spec : rows) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(spec.What) << " " << spec.Ohms);
    const circuit::KindAnalysis a = Analysed(spec);
    const design::Surroundings around{spec.Inputs.SourceOhms, spec.Inputs.LoadOhms};
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
        EXPECT_LE(std::abs(steps), circuit::kMostSteps);
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
  auto seriesMissing = Spec(Kind::Ladder, 10e3, {0, 3});
  seriesMissing.RoundedIn[1] = nullptr;
  auto negativeLoad = Spec(Kind::Shunt, 10e3, {0, 3}, -1.0);
  struct Row {
    const char* what;
    circuit::KindSpec spec;
    bool usable;
  } const rows[] = {
      {"ladder to 120 dB", Spec(Kind::Ladder, 10e3, {0, 60, 120}), true},
      {"ladder past 120 dB", Spec(Kind::Ladder, 10e3, {0, 60, 120.01}), false},
      {"shunt past 120 dB", Spec(Kind::Shunt, 10e3, {0, 120.01}), false},
      {"shunt with a boost", Spec(Kind::Shunt, 10e3, {0, -1}), false},
      {"string past 120 dB", Spec(Kind::String, 10e3, {0, 130}), true},
      {"string target not a number", Spec(Kind::String, 10e3, {0, nan}), false},
      {"one position", Spec(Kind::Ladder, 10e3, {}), false},
      {"64 positions", Spec(Kind::Ladder, 10e3, design::EqualSteps(64, 1.0)), true},
      {"65 positions", Spec(Kind::Shunt, 10e3, design::EqualSteps(65, 1.0)), false},
      {"no resistance", Spec(Kind::Ladder, 0.0, {0, 3}), false},
      {"resistance not a number", Spec(Kind::Shunt, nan, {0, 3}), false},
      {"series missing", seriesMissing, false},
      {"negative load", negativeLoad, false},
      {"relay of 8 stages of 20 dB", Relay(10e3, 8, 20.0), true},
      {"relay of no stage", Relay(10e3, 0, 1.0), false},
      {"relay of 9 stages", Relay(10e3, 9, 1.0), false},
      {"relay step too fine", Relay(10e3, 4, 0.009), false},
      {"relay step too coarse", Relay(10e3, 4, 20.5), false},
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
