// The kinds' tables and copies against cells worked out by hand.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit_text/kind_table.h"
#include "design/in_circuit_text.h"
#include "tests/circuit_text/small_kinds.h"
#include "tests/support/tab_separated.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;
using testing_support::Analysed;
using testing_support::Cells;

TEST(KindTable, HeadersNameEachKindsColumns) {
  circuit::KindSpec shunt = testing_support::SmallShunt();
  shunt.RoundedIn = {&design::kE192, &design::kE48};
  struct Row {
    circuit::KindSpec spec;
    std::vector<std::string> headers;  // the position table's, then the stage table's
  } const rows[] = {
      {testing_support::SmallLadder(),
       {"position\ttarget_dB\tideal_series_ohm\tideal_shunt_ohm\te96_series_ohm\te96_shunt_ohm\t"
        "e24_series_ohm\te24_shunt_ohm\te96_dB\te24_dB\tband_low_dB\tband_high_dB\tzout_ohm\t"
        "zin_ohm\tf3db_Hz\tnoise_uV"}},
      {shunt,
       {"position\ttarget_dB\tideal_shunt_ohm\te192_shunt_ohm\te48_shunt_ohm\te192_dB\te48_dB\t"
        "band_low_dB\tband_high_dB\tzout_ohm\tzin_ohm\tf3db_Hz\tnoise_uV"}},
      {testing_support::SmallRelay(),
       {"code\ttarget_dB\te96_dB\te24_dB\tband_low_dB\tband_high_dB\tzout_ohm\tzin_ohm\tf3db_Hz\t"
        "noise_uV",
        "stage\tstage_dB\tideal_series_ohm\tideal_shunt_ohm\te96_series_ohm\te96_shunt_ohm\t"
        "e24_series_ohm\te24_shunt_ohm"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.headers[0]);
    const std::string text = circuit_text::KindTableText(Analysed(row.spec), '.');
    EXPECT_EQ(text.substr(0, text.find('\n')), row.headers[0]);
    const std::size_t stages = text.find("\n\n");
    ASSERT_EQ(stages == std::string::npos, row.headers.size() == 1);
    if (row.headers.size() > 1) {
      EXPECT_EQ(text.substr(stages + 2).find(row.headers[1] + '\n'), 0u);
    }
  }
}

// Hand-worked: the dB cells are the targets; the band is 1% more in series
// and less in shunt, and the other way (p = 1: 20 log10(3000 / 1485) and
// 20 log10(3000 / 1515)); Zout is the series part against the shunt; the
// corner 1 / (2 pi 100 pF Zout); the noise sqrt(4 k 300 K 20 kHz Zout). The
// E96 and E24 1k is the single 999.99994, hence its seven digits and the
// shunt's 1591550 Hz rather than 1591549.
TEST(KindTable, CopiesSmallLadderAndShuntCellByCell) {
  struct Row {
    circuit::KindSpec spec;
    Rows lines;
  } const rows[] = {
      {testing_support::SmallLadder(),
       {{"0", "0", "0", "3000.00", "0", "3010.00", "0", "3000.00", "0", "0", "0", "0", "0",
         "3010.00", "", "0"},
        {"1", "6.02060", "1500.00", "1500.00", "1500.00", "1500.00", "1500.00", "1500.00",
         "6.02060", "6.02060", "5.93417", "6.10790", "750.000", "3000.00", "2122066", "0.498515"},
        {"2", "9.54243", "2000.00", "1000.00", "2000.00", "1000.000", "2000.00", "1000.000",
         "9.54243", "9.54243", "9.42700", "9.65863", "666.667", "3000.00", "2387324", "0.470004"},
        {"3", "", "3000.00", "0", "3010.00", "0", "3000.00", "0", "", "", "", "", "", "", "", ""}}},
      {testing_support::SmallShunt(),
       {{"0", "0", "", "", "", "0", "0", "0", "0", "1000.000", "", "1591550", "0.575635"},
        {"1", "3.52183", "2000.00", "2000.00", "2000.00", "3.52183", "3.52183", "3.46430",
         "3.58012", "666.667", "3000.00", "2387324", "0.470004"},
        {"2", "6.02060", "1000.00", "1000.000", "1000.000", "6.02060", "6.02060", "5.93417",
         "6.10790", "500.000", "2000.00", "3183099", "0.407035"},
        {"3", "", "0", "0", "0", "", "", "", "", "", "", "", ""}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.spec.What));
    const Rows cells = Cells(circuit_text::KindTableText(Analysed(row.spec), '.'));
    ASSERT_EQ(cells.size(), row.lines.size() + 1);
    for (std::size_t p = 0; p < row.lines.size(); ++p) EXPECT_EQ(cells[p + 1], row.lines[p]) << p;
  }
}

// Codes 0 and 1 and the stages by hand; codes 2 and 3 (through the rounded
// H2) read from the analysis as each column's meaning says.
TEST(KindTable, CopiesSmallRelayLadderCodesAndStages) {
  const circuit::KindAnalysis a = Analysed(testing_support::SmallRelay());
  const Rows cells = Cells(circuit_text::KindTableText(a, '.'));
  ASSERT_EQ(cells.size(), 1 + 4 + 1 + 1 + 3u);
  EXPECT_EQ(cells[1], (std::vector<std::string>{"0", "0", "0", "0", "0", "0", "0", "2000.00", "",
                                                "0"}));
  EXPECT_EQ(cells[2], (std::vector<std::string>{"1", "6.02060", "6.02060", "6.02060", "5.93417",
                                                "6.10790", "500.000", "2000.00", "3183099",
                                                "0.407035"}));
  const auto plain = [](double value) { return design::PlainDecimal(value, '.'); };
  for (const int c : {2, 3}) {
    SCOPED_TRACE(c);
    const std::vector<std::string> expected{
        std::to_string(c),   plain(c * testing_support::kHalfDb), plain(a.Sets[0].Db[c]),
        plain(a.Sets[1].Db[c]), plain(a.BandLowDb[c]), plain(a.BandHighDb[c]),
        plain(a.ZoutOhms[c]), plain(a.ZinOhms[c]), plain(*a.F3dbHz[c]),
        plain(a.NoiseMicrovolts[c])};
    EXPECT_EQ(cells[1 + c], expected);
  }
  EXPECT_EQ(cells[5], std::vector<std::string>{""});
  EXPECT_EQ(cells[7], (std::vector<std::string>{"1", "6.02060", "1000.00", "2000.00", "1000.000",
                                                "2000.00", "1000.000", "2000.00"}));
  EXPECT_EQ(cells[8], (std::vector<std::string>{"2", "12.0412", "1500.00", "666.667", "1500.00",
                                                "665.000", "1500.00", "680.000"}));
  EXPECT_EQ(cells[9], (std::vector<std::string>{"termination", "", "", "2000.00", "", "2000.00",
                                                "", "2000.00"}));
}

// An open input is an empty cell; with a load too low for it the relay
// ladder has no termination, and its shunt cells are empty; a comma
// separator changes only the points.
TEST(KindTable, LeavesOpenAndMissingEmptyAndWritesTheSeparator) {
  const Rows shunt = Cells(circuit_text::KindTableText(Analysed(testing_support::SmallShunt()), '.'));
  EXPECT_EQ(shunt[1][10], "");  // position 0: nothing from the input to ground without a load
  const Rows relay = Cells(circuit_text::KindTableText(
      Analysed(testing_support::Relay(2e3, 2, testing_support::kHalfDb, 1e3)), '.'));
  EXPECT_EQ(relay.back(), (std::vector<std::string>{"termination", "", "", "", "", "", "", ""}));
  const circuit::KindAnalysis ladder = Analysed(testing_support::SmallLadder());
  std::string pointed = circuit_text::KindTableText(ladder, '.');
  std::replace(pointed.begin(), pointed.end(), '.', ',');
  EXPECT_EQ(circuit_text::KindTableText(ladder, ','), pointed);
}

}  // namespace
