// The kinds' tables and copies against cells worked out by hand.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit_text/kind_table.h"
#include "circuit_text/string_table.h"
#include "tests/circuit_text/small_kinds.h"
#include "tests/support/tab_separated.h"

namespace {

using testing_support::Analysed;
using testing_support::Cells;

// Cells written with spaces between them; "_" is an empty cell.
std::vector<std::string> Line(const std::string& spaced) {
  std::vector<std::string> cells = testing_support::Split(spaced, ' ');
  for (std::string& cell : cells) cell = cell == "_" ? "" : cell;
  return cells;
}

// By hand: the dB cells are the targets; the band has 1% more in series and
// less in shunt and the other way (p = 1: 20 log10(3000 / 1485) and
// 20 log10(3000 / 1515)); Zout is the series part against the shunt; the
// corner 1 / (2 pi 100 pF Zout); the noise sqrt(4 k 300 K 20 kHz Zout). The
// E96 and E24 1k is the single 999.99994: seven digits, and 1591550 Hz.
TEST(KindTable, CopiesSmallLadderShuntAndRelayLadderCellByCell) {
  struct Row {
    circuit::KindSpec spec;
    std::vector<std::string> lines;  // the header, then each line
  } const rows[] = {
      {testing_support::SmallLadder(),
       {"position target_dB ideal_series_ohm ideal_shunt_ohm e96_series_ohm e96_shunt_ohm "
        "e24_series_ohm e24_shunt_ohm e96_dB e24_dB band_low_dB band_high_dB zout_ohm zin_ohm "
        "f3db_Hz noise_uV",
        "0 0 0 3000.00 0 3010.00 0 3000.00 0 0 0 0 0 3010.00 _ 0",
        "1 6.02060 1500.00 1500.00 1500.00 1500.00 1500.00 1500.00 6.02060 6.02060 5.93417 "
        "6.10790 750.000 3000.00 2122066 0.498515",
        "2 9.54243 2000.00 1000.00 2000.00 1000.000 2000.00 1000.000 9.54243 9.54243 9.42700 "
        "9.65863 666.667 3000.00 2387324 0.470004",
        "3 _ 3000.00 0 3010.00 0 3000.00 0 _ _ _ _ _ _ _ _"}},
      // Position 0: nothing from the input to ground without a load, so Zin
      // is open.
      {testing_support::SmallShunt(),
       {"position target_dB ideal_shunt_ohm e96_shunt_ohm e24_shunt_ohm e96_dB e24_dB "
        "band_low_dB band_high_dB zout_ohm zin_ohm f3db_Hz noise_uV",
        "0 0 _ _ _ 0 0 0 0 1000.000 _ 1591550 0.575635",
        "1 3.52183 2000.00 2000.00 2000.00 3.52183 3.52183 3.46430 3.58012 666.667 3000.00 "
        "2387324 0.470004",
        "2 6.02060 1000.00 1000.000 1000.000 6.02060 6.02060 5.93417 6.10790 500.000 2000.00 "
        "3183099 0.407035",
        "3 _ 0 0 0 _ _ _ _ _ _ _ _"}},
      // Codes 2 and 3 go through the rounded H2: see below.
      {testing_support::SmallRelay(),
       {"code target_dB e96_dB e24_dB band_low_dB band_high_dB zout_ohm zin_ohm f3db_Hz noise_uV",
        "0 0 0 0 0 0 0 2000.00 _ 0",
        "1 6.02060 6.02060 6.02060 5.93417 6.10790 500.000 2000.00 3183099 0.407035"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.lines[0]);
    const auto cells = Cells(circuit_text::KindTableText(Analysed(row.spec), '.'));
    ASSERT_GE(cells.size(), row.lines.size());
    for (std::size_t i = 0; i < row.lines.size(); ++i) EXPECT_EQ(cells[i], Line(row.lines[i]));
  }
}

// Through the rounded H2 the sets' dB differ, each in its own column; then an
// empty line and the stages by hand.
TEST(KindTable, CopiesTheRelayLaddersStages) {
  const circuit::KindAnalysis a = Analysed(testing_support::SmallRelay());
  const auto cells = Cells(circuit_text::KindTableText(a, '.'));
  ASSERT_EQ(cells.size(), 1 + 4 + 1 + 1 + 3u);
  for (const int c : {2, 3}) {
    EXPECT_EQ(cells[1 + c][2], circuit_text::PlainDecimal(a.Sets[0].Db[c], '.'));
    EXPECT_EQ(cells[1 + c][3], circuit_text::PlainDecimal(a.Sets[1].Db[c], '.'));
  }
  const char* const stages[] = {
      "_",
      ("stage stage_dB ideal_series_ohm ideal_shunt_ohm e96_series_ohm e96_shunt_ohm "
       "e24_series_ohm e24_shunt_ohm"),
      "1 6.02060 1000.00 2000.00 1000.000 2000.00 1000.000 2000.00",
      "2 12.0412 1500.00 666.667 1500.00 665.000 1500.00 680.000",
      "termination _ _ 2000.00 _ 2000.00 _ 2000.00"};
  for (std::size_t i = 0; i < std::size(stages); ++i) EXPECT_EQ(cells[5 + i], Line(stages[i]));
}

// Without a termination its cells are empty; the sets' series name the
// columns; a comma separator changes only the points.
TEST(KindTable, NamesTheSeriesAndWritesTheSeparator) {
  const auto relay = Cells(circuit_text::KindTableText(
      Analysed(testing_support::Relay(2e3, 2, testing_support::kHalfDb, 1e3)), '.'));
  EXPECT_EQ(relay.back(), Line("termination _ _ _ _ _ _ _"));
  circuit::KindSpec spec = testing_support::SmallLadder();
  spec.RoundedIn = {&design::kE192, &design::kE48};
  EXPECT_EQ(circuit_text::PositionTable(Analysed(spec), '.').Header[6], "e48_series_ohm");
  const circuit::KindAnalysis ladder = Analysed(testing_support::SmallLadder());
  std::string pointed = circuit_text::KindTableText(ladder, '.');
  std::replace(pointed.begin(), pointed.end(), '.', ',');
  EXPECT_EQ(circuit_text::KindTableText(ladder, ','), pointed);
}

}  // namespace
