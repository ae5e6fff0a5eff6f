// The kinds' parts lists, build lists, summaries and box captions.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit_text/box_captions.h"
#include "circuit_text/build_list.h"
#include "circuit_text/kind_summary.h"
#include "circuit_text/parts_lines.h"
#include "circuit_text/parts_list.h"
#include "circuit_text/string_summary.h"
#include "circuit_text/string_table.h"
#include "tests/circuit_text/small_kinds.h"

namespace {

using enum circuit::Kind;
using testing_support::Analysed;
using testing_support::Relay;
using testing_support::Spec;

// Ascending in value, names in the kind's order; two channels, four legs
// when balanced.
TEST(KindPartsList, CountsEveryLegAndOrdersByValue) {
  const std::pair<circuit::KindSpec, std::string> rows[] = {
      {testing_support::SmallLadder(),
       "e96\t1000.000\t2\tP2\ne96\t1500.00\t4\tS1 P1\ne96\t2000.00\t2\tS2\n"
       "e96\t3010.00\t4\tS3 P0\ne24\t1000.000\t2\tP2\ne24\t1500.00\t4\tS1 P1\n"
       "e24\t2000.00\t2\tS2\ne24\t3000.00\t4\tS3 P0\n"},
      {testing_support::SmallShunt(true),
       "e96\t1000.000\t8\tX Y2\ne96\t2000.00\t4\tY1\ne24\t1000.000\t8\tX Y2\n"
       "e24\t2000.00\t4\tY1\n"},
      {testing_support::SmallRelay(),
       "e96\t665.000\t2\tH2\ne96\t1000.000\t2\tS1\ne96\t1500.00\t2\tS2\ne96\t2000.00\t4\tH1 T\n"
       "e24\t680.000\t2\tH2\ne24\t1000.000\t2\tS1\ne24\t1500.00\t2\tS2\ne24\t2000.00\t4\tH1 T\n"},
  };
  for (const auto& [spec, lines] : rows) {
    EXPECT_EQ(circuit_text::PartsListText(Analysed(spec), '.'),
              "series\tvalue_ohm\tquantity\tresistors\n" + lines);
  }
}

// The box beside the table says the same in the builder's words: values in
// builder's notation, a relay ladder's stages first.
TEST(KindPartsBox, GroupsEachSetsPartsByValue) {
  const std::pair<circuit::KindSpec, std::vector<std::string>> rows[] = {
      {testing_support::SmallShunt(true),
       {"E96 parts (4 legs):", "  8 x 1k: X Y2", "  4 x 2k: Y1"}},
      {testing_support::SmallRelay(),
       {"Stage 1: 6.0206 dB (S1, H1)", "Stage 2: 12.0412 dB (S2, H2)", "E96 parts (2 channels):",
        "  2 x 665: H2", "  2 x 1k: S1", "  2 x 1.5k: S2", "  4 x 2k: H1 T"}},
  };
  for (const auto& [spec, head] : rows) {
    const std::vector<std::string> lines = circuit_text::PartsLines(Analysed(spec), '.');
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
  }
}

circuit::CircuitAnalysis AnalysedString(int n, double step, double load, bool balanced,
                                        const design::Series* second, double percent = 1) {
  const circuit::StringSpec spec{
      2e3, circuit::EqualSteps(n, step), {load, 0, 0, percent}, {&design::kE96, second}, balanced,
      {}};
  circuit::CircuitAnalysis a;
  EXPECT_TRUE(circuit::AnalyseString(spec, a));
  return a;
}

TEST(KindBuildList, WiresTheLaddersDecksLugByLug) {
  const circuit::KindAnalysis a = Analysed(testing_support::SmallLadder());
  const std::string left =
      "left series\twiring\tcommon input\toutput 1\nleft series\tS1\t2\toutput\tE96\t1500\n"
      "left series\tS2\t3\toutput\tE96\t2000\nleft series\tS3\t4\toutput\tE96\t3010\n"
      "left series\tS1\t2\toutput\tE24\t1500\nleft series\tS2\t3\toutput\tE24\t2000\n"
      "left series\tS3\t4\toutput\tE24\t3000\nleft shunt\twiring\tcommon output\tground 4\n"
      "left shunt\tP0\t1\tground\tE96\t3010\nleft shunt\tP1\t2\tground\tE96\t1500\n"
      "left shunt\tP2\t3\tground\tE96\t1000\nleft shunt\tP0\t1\tground\tE24\t3000\n"
      "left shunt\tP1\t2\tground\tE24\t1500\nleft shunt\tP2\t3\tground\tE24\t1000\n";
  std::string right = left;
  for (std::size_t at; (at = right.find("left")) != std::string::npos;)
    right.replace(at, 4, "right");
  EXPECT_EQ(circuit_text::BuildListText(a, '.'),
            "deck\tresistor\tlug_from\tlug_to\tseries\tvalue_ohm\n" + left + right);
  std::string lines;
  for (const std::string& line : circuit_text::BuildLines(a, 1, ',')) lines += line + '\n';
  EXPECT_EQ(lines,
            "E24 build list, every series deck alike and every shunt deck alike:\n"
            "  Decks: left series, left shunt, right series, right shunt.\n  Series deck: input "
            "to the common (wiper); S parts from their lugs to the output; lug 1 wired to the "
            "output (full volume).\n  Shunt deck: common (wiper) to the output; P parts from "
            "their lugs to ground; lug 4 wired to ground.\n"
            "  The last position, lug 4, is mute (no output).\n  S1  lug 2 to output  1,5k\n"
            "  S2  lug 3 to output  2k\n  S3  lug 4 to output  3k\n  P0  lug 1 to ground  3k\n"
            "  P1  lug 2 to ground  1,5k\n  P2  lug 3 to ground  1k\n");
  EXPECT_TRUE(circuit_text::BuildLines(a, 2, '.').empty());
}

// Each kind's wiring line and the parts' lines that say where they go.
TEST(KindBuildList, SaysWhereEachKindsSignalsGo) {
  struct Row {
    circuit::KindSpec spec;
    std::vector<std::string> lines;  // each found in the copy
  } const rows[] = {
      // 8.9k leaves P0 (10k) and P1 (8.91k) open.
      {Spec(Ladder, 10e3, {0, 1, 2, 20}, 8.9e3),
       {"left shunt\twiring\tcommon output\tground 5\topen 1\u20132\n", "\tP2\t3\tground\tE96\t"}},
      {testing_support::SmallShunt(true),
       {"right cold\twiring\tcommon output\tground 4\topen 1\n",
        "right cold\tX\tinput\toutput\tE24\t1000\n"}},
      {testing_support::SmallRelay(),
       {"left\twiring\tinput K1 in\toutput K2 out\n", "left\tS2\tK2 in\tK2 out\tE96\t1500\n",
        "left\tH2\tK2 out\tground\tE24\t680\n", "right\tT\toutput\tground\tE96\t2000\n"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.lines[0]);
    const circuit::KindAnalysis a = Analysed(row.spec);
    const std::string text = circuit_text::BuildListText(a, '.');
    for (const std::string& line : row.lines) EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  const circuit::KindAnalysis open = Analysed(Relay(2e3, 2, testing_support::kHalfDb, 1e3));
  EXPECT_EQ(circuit_text::BuildListText(open, '.').find("\tT\t"), std::string::npos);
}

// By hand: sqrt(4 k 300 K 20 kHz x 1k) = 0.5756 uV, 20 log10 of it over
// 0.7746 V = -122.58 dBu; 500 ohms: 0.4070 uV, -125.59 dBu.
TEST(KindSummary, NamesTheLargestNoiseAndWhere) {
  // 1k over 1k.
  EXPECT_EQ(circuit_text::NoiseLine(
                AnalysedString(3, testing_support::kHalfDb, 0, false, &design::kE24), ','),
            "Largest output noise 0,407 \u00b5V (-125,6 dBu) at position 1.");
  EXPECT_EQ(circuit_text::NoiseLine(Analysed(testing_support::SmallShunt()), '.'),
            "Largest output noise 0.576 \u00b5V (-122.6 dBu) at position 0.");
  EXPECT_EQ(circuit_text::NoiseLine(Analysed(Spec(Ladder, 3e3, {0})), '.'),
            "No output noise at any position.");
  EXPECT_EQ(circuit_text::SummaryLines(Analysed(testing_support::SmallRelay()), ','),
            (std::vector<std::string>{
                "Insertion loss at full volume 0,00 dB; every dB column is into the load.",
                "E96 set: worst deviation 0,01 dB at code 3.",
                "E24 set: worst deviation 0,10 dB at code 3.",
                "Two channels of \u00b11 % parts differ by up to 0,37 dB (code 3).",
                "Largest output noise 0,407 \u00b5V (-125,6 dBu) at code 1."}));
  EXPECT_EQ(circuit_text::SummaryLines(circuit::KindAnalysis{}, '.'),
            std::vector<std::string>{"No attenuator to analyse."});
}

// The string's summary in the kinds' words. 1k over 1k (0 and 6.02 dB) is
// exact in E96 and E24, every deviation nil, so the worst is the first
// position's. Two channels of ±t parts part most at position 1, by
// 20 log10((1 + t) / (1 - t)): 0.1737 dB at 1 %, 0.0869 at 0.5 %, 0.0214 at
// 0.123456 %. The tolerance is written as its box writes it, with the
// separator given.
TEST(StringSummary, SaysTheKindsSentencesAndTheTolerancesBoxText) {
  const std::string exact = " worst deviation 0,00 dB at position 0.";
  EXPECT_EQ(circuit_text::SummaryLines(
                AnalysedString(3, testing_support::kHalfDb, 0, false, &design::kE24), ','),
            (std::vector<std::string>{
                "Insertion loss at full volume 0,00 dB; every dB column is into the load.",
                "Compensated E96:" + exact, "Compensated E24:" + exact,
                "Two channels of \u00b11 % parts differ by up to 0,17 dB (position 1).",
                "Largest output noise 0,407 \u00b5V (-125,6 dBu) at position 1."}));
  const struct {
    double percent;
    char separator;
    const char* band;
  } rows[] = {{0.5, ',', "Two channels of \u00b10,5 % parts differ by up to 0,09 dB (position 1)."},
              {0.123456, '.',
               "Two channels of \u00b10.123456 % parts differ by up to 0.02 dB (position 1)."}};
  for (const auto& row : rows) {
    const std::vector<std::string> lines = circuit_text::SummaryLines(
        AnalysedString(3, testing_support::kHalfDb, 0, false, &design::kE24, row.percent),
        row.separator);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], row.band);
  }
  EXPECT_EQ(circuit_text::SummaryLines(circuit::CircuitAnalysis{}, '.'),
            std::vector<std::string>{"No string to analyse."});
}

// Each warning on either side of where it starts.
TEST(KindSummary, WarnsOnEachSideOfItsLine) {
  const std::string noShunt = ": the load is below what the ladder needs.";
  const std::string range = ", hard to buy and measure.";
  const std::string far = "Warning: X is far above the load; the load sets the law.";
  const std::string strays = "Warning: even the better set strays more than 0.5 dB from the law.";
  struct Row {
    circuit::KindSpec spec;
    std::string warning;
    bool shown;
  } const rows[] = {
      // P1 needs more than 10k x 10^(-1/20) = 8.913k; P0 more than 10k.
      {Spec(Ladder, 10e3, {0, 1, 2, 20}, 8.9e3), "Warning: P0\u2013P1 open" + noShunt, true},
      {Spec(Ladder, 10e3, {0, 1, 2, 20}, 8.92e3), "Warning: P0 open" + noShunt, true},
      {Spec(Ladder, 10e3, {0, 1, 2, 20}, 10.01e3), "Warning: P0 open" + noShunt, false},
      {Relay(10e3, 2, 1, 10e3), "Warning: no termination T" + noShunt, true},
      {Relay(10e3, 2, 1, 10.01e3), "Warning: no termination T" + noShunt, false},
      {Spec(Shunt, 10e3, {0, 6}, 999), far, true},
      {Spec(Shunt, 10e3, {0, 6}, 1000), far, false},
      // 80 dB of 10k is 1 ohm exactly; 81 .. 83 dB are 0.89, 0.79, 0.71.
      {Spec(Ladder, 10e3, {0, 80}), "Warning: P1 below 1 \u03a9" + range, false},
      {Spec(Ladder, 10e3, {0, 81, 82, 83}), "Warning: P1\u2013P3 below 1 \u03a9" + range, true},
      // 0.977 ohms: E96 0.976, E24 1.0.
      {Spec(Ladder, 10e3, {0, 80.2}), "Warning: E96 P1 below 1 \u03a9" + range, true},
      // 0.001 dB into 10k: P1 = 9998.85 x 10k / 1.15 = 86.9M; 100 dB: P2 = 0.1 ohm.
      {Spec(Ladder, 10e3, {0, 0.001, 100}, 10e3),
       "Warning: P2 below 1 \u03a9; P1 above 10M" + range, true},
      {Spec(Ladder, 10e3, {0, 1, 2, 3}, 1e3), strays, true},
      {testing_support::SmallLadder(), strays, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.warning + (row.shown ? " shown" : " not shown"));
    const std::vector<std::string> lines = circuit_text::SummaryLines(Analysed(row.spec), '.');
    EXPECT_EQ(std::count(lines.begin(), lines.end(), row.warning), row.shown ? 1 : 0);
  }
}

// The string's captions are the window's own; within a kind each access key
// is used once.
TEST(BoxCaptions, KeepTheStringsAndGiveEachKindItsOwnKeys) {
  const auto captions = [](circuit::Kind kind) {
    const circuit_text::KindCaptions& c = circuit_text::CaptionsFor(kind);
    std::string all;
    for (const circuit_text::BoxCaption& box :
         {c.Load, c.Source, c.Cable, c.Tolerance, c.Total, c.Positions, c.Steps, c.FirstSeries,
          c.SecondSeries, c.Balanced}) {
      all += std::string(box.Caption) + "|";
    }
    return all;
  };
  EXPECT_EQ(captions(String),
            "&Load (ohms):|&Source (ohms):|&Cable (farads):|&Tolerance (%):|T&otal (ohms):|"
            "&Positions:|St&eps (dB):|&First series:|Seco&nd series:|&Balanced|");
  const std::pair<circuit::Kind, const char*> rows[] = {{Ladder, "|&Input (ohms):|&Positions:|"},
                                                        {Shunt, "|Se&ries (ohms):|&Positions:|"},
                                                        {RelayLadder, "|Sta&ge (ohms):|Rela&ys:|"}};
  for (const auto& [kind, total] : rows) {
    const std::string all = captions(kind);
    EXPECT_NE(all.find(total), std::string::npos) << all;
    std::string keys;
    for (std::size_t at = all.find('&'); at != std::string::npos; at = all.find('&', at + 1)) {
      keys += static_cast<char>(std::tolower(static_cast<unsigned char>(all[at + 1])));
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end()) << keys;
  }
}

}  // namespace
