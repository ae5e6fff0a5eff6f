// The printed in-circuit and as-built pages on the recording surface: tables
// whose texts never touch, a page number on every page, headings in words,
// one decimal separator, and a file name of its own for each report.
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/as_built.h"
#include "notation/decimal_separator.h"
#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"
#include "ui/pictures/as_built_page.h"
#include "ui/pictures/in_circuit_page.h"
#include "ui/pictures/print_names.h"

namespace {

// A string of `n` positions, 1.5 dB a step, from 600 ohms through 2.2n of
// cable into `loadOhms` (0: none), analysed as the in-circuit window does.
design::CircuitAnalysis Analysed(int n, double totalOhms, bool balanced, double loadOhms) {
  const design::StringSpec spec{.TotalOhms = totalOhms,
                                .Targets = design::EqualSteps(n, 1.5),
                                .Inputs = {loadOhms, 600.0, 2.2e-9, 0.5},
                                .Balanced = balanced,
                                .Designed = {}};
  design::CircuitAnalysis a;
  EXPECT_TRUE(design::AnalyseString(spec, a));
  return a;
}

// The in-circuit print of `a`, then the as-built print of its first set with
// the right channel's R1 fitted 10 % high, in whole ohms as typed.
std::array<std::vector<surface::OpList>, 2> Printed(const design::CircuitAnalysis& a,
                                                    char separator) {
  const design::DesignState state = testing_support::Designed(4700.0f, 12, 1.5f);
  std::array<std::vector<surface::OpList>, 2> prints;
  for (int i = 0; i < ui::InCircuitPageCount(a); ++i) {
    surface::RecordingSurface sheet;
    const std::string law = std::string("1") + separator + "5";
    EXPECT_TRUE(ui::DrawInCircuitPage(sheet, i, state, a, law, separator, "7 Dec 2026"));
    prints[0].push_back(sheet.ops());
  }
  design::FittedStrings fitted;
  design::DesignedFitted(a, fitted);
  fitted[1][1] = std::round(fitted[1][1] * 1.1);
  design::AsBuiltAnalysis built;
  EXPECT_TRUE(design::AnalyseAsBuilt(a, fitted, built));
  for (int i = 0; i < ui::AsBuiltPageCount(built); ++i) {
    surface::RecordingSurface sheet;
    EXPECT_TRUE(ui::DrawAsBuiltPage(sheet, i, a, built, fitted, separator, "7 Dec 2026"));
    prints[1].push_back(sheet.ops());
  }
  return prints;
}

// Every text of `pages`, a line each.
std::string Texts(const std::vector<surface::OpList>& pages) {
  std::string all = "\n";
  for (const surface::OpList& page : pages) {
    for (const surface::TextOp& text : recorded::Texts(page)) all += text.text + '\n';
  }
  return all;
}

// Short and long strings, with and without a page carried over, up to an
// unloaded gigohm string's megohm impedances.
const struct {
  int n;
  double totalOhms, loadOhms;
  bool balanced;
  std::array<int, 2> pages;  // in circuit, as built
} kPrints[] = {{3, 47e3, 4700.0, false, {2, 1}},
               {25, 47e3, 4700.0, false, {2, 1}},
               {26, 1e9, 0.0, true, {3, 2}},
               {64, 47e3, 4700.0, true, {3, 2}}};

TEST(PrintedPages, NoTwoTextsOnALineTouchAndEveryPageIsNumbered) {
  for (const auto& print : kPrints) {
    SCOPED_TRACE(print.n);
    const auto prints =
        Printed(Analysed(print.n, print.totalOhms, print.balanced, print.loadOhms), '.');
    for (std::size_t p = 0; p < prints.size(); ++p) {
      ASSERT_EQ(prints[p].size(), static_cast<std::size_t>(print.pages[p]));
      for (std::size_t i = 0; i < prints[p].size(); ++i) {
        const std::string number =
            "\nPage " + std::to_string(i + 1) + " of " + std::to_string(prints[p].size()) + '\n';
        EXPECT_NE(Texts({prints[p][i]}).find(number), std::string::npos) << number;
        std::map<float, std::vector<recorded::TextBox>> lines;
        for (const auto& box : recorded::TextBoxes(prints[p][i])) lines[box.top].push_back(box);
        for (auto& [top, boxes] : lines) {
          std::sort(boxes.begin(), boxes.end(), [](auto& a, auto& b) { return a.left < b.left; });
          for (std::size_t b = 1; b < boxes.size(); ++b) {
            EXPECT_GT(boxes[b].left, boxes[b - 1].right)
                << '"' << boxes[b - 1].text << "\" and \"" << boxes[b].text << "\" at y " << top;
          }
        }
      }
    }
  }
}

// Words in the headings, never the copied names ("left_hot_ohm"); the
// as-built table names every resistor; values in the window's notation.
TEST(PrintedPages, HeadTablesInWordsAndNameTheResistors) {
  for (const auto& print : kPrints) {
    SCOPED_TRACE(print.n);
    const auto prints =
        Printed(Analysed(print.n, print.totalOhms, print.balanced, print.loadOhms), '.');
    const std::string built = Texts(prints[1]);
    const std::string all = Texts(prints[0]) + built;
    EXPECT_EQ(all.find('_'), all.npos);
    for (const std::string heading :
         {"Resistor", "Position", "Difference", print.balanced ? "Right hot" : "Right"}) {
      EXPECT_NE(built.find('\n' + heading + '\n'), built.npos) << heading;
    }
    for (int k = 1; k < print.n; ++k) {
      EXPECT_NE(built.find("\nR" + std::to_string(k) + '\n'), built.npos) << k;
    }
    EXPECT_FALSE(std::regex_search(all, std::regex(R"(\d\.\d{4}|\n\d{5,}\n)"))) << all;
  }
}

TEST(PrintedPages, WriteEveryNumberWithTheUsersSeparator) {
  const char before = notation::DecimalSeparator();
  notation::SetDecimalSeparator(',');
  const auto prints = Printed(Analysed(26, 4700.0, true, 4700.0), ',');
  notation::SetDecimalSeparator(before);
  const std::string all = Texts(prints[0]) + Texts(prints[1]);
  EXPECT_FALSE(std::regex_search(all, std::regex(R"(\d\.\d)"))) << all;
  EXPECT_NE(all.find("\nString 4,7k ohms"), all.npos);
  EXPECT_NE(all.find("\nDesign: 4,7k ohms"), all.npos);
}

TEST(PrintNames, NameEachReportAfterItsDesign) {
  const design::CircuitAnalysis string11 = Analysed(11, 10000.0, false, 4700.0);
  const design::CircuitAnalysis balanced48 = Analysed(48, 50000.0, true, 4700.0);
  const char before = notation::DecimalSeparator();
  notation::SetDecimalSeparator(',');
  const std::string comma = ui::ReportFileName(testing_support::Designed(4700.f, 12, 1.5f), ',');
  notation::SetDecimalSeparator(before);
  const std::pair<std::string, std::string> rows[] = {
      {ui::ReportFileName(testing_support::Designed(10000.f, 11, 2.f), '.'),
       "Kestrix design 10k 11x2dB.pdf"},
      {comma, "Kestrix design 4,7k 12x1,5dB.pdf"},
      {ui::InCircuitFileName(string11, "2", '.'), "Kestrix in circuit 10k 11 positions 2 dB.pdf"},
      {ui::InCircuitFileName(balanced48, "10x0,5 1,5", ','),
       "Kestrix in circuit 50k 48 positions 10x0,5 1,5 dB.pdf"},
      {ui::InCircuitFileName(balanced48, std::string(33, '1'), '.'),
       "Kestrix in circuit 50k 48 positions.pdf"},  // a law too long to name
      {ui::AsBuiltFileName(string11, '.'), "Kestrix as built 10k 11 positions E96.pdf"},
      {ui::AsBuiltFileName(balanced48, '.'), "Kestrix as built 50k 48 positions E96 balanced.pdf"},
      {ui::PdfFileName("a/b\\c:d*e?f\"g<h>i|j\tk"), "a-b-c-d-e-f-g-h-i-j-k.pdf"},
      {ui::PdfFileName(" .. "), "Kestrix.pdf"},
      {ui::PdfFileName(". R6 ."), "R6.pdf"},
      {ui::PdfFileName(std::string(119, 'x') + "\u00b5x"), std::string(119, 'x') + ".pdf"},
  };
  for (const auto& [name, expected] : rows) EXPECT_EQ(name, expected);
}

}  // namespace
