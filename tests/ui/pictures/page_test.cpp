// The printed in-circuit and as-built pages on the recording surface: tables
// whose texts never touch, a page number on every page, headings in words,
// one decimal separator, and a file name of its own for each report.
#include <algorithm>
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
#include "ui/surface/recording_surface.h"

namespace {

using Pages = std::vector<surface::OpList>;

// A string of `n` positions, 1.5 dB a step, into `loadOhms` (0: none) from
// 600 ohms through 2.2n of cable, analysed as the in-circuit window does.
design::CircuitAnalysis Analysed(int n, double totalOhms, bool balanced,
                                 double loadOhms = 4700.0) {
  design::StringSpec spec;
  spec.TotalOhms = totalOhms;
  spec.Targets = design::EqualSteps(n, 1.5);
  spec.Inputs = {loadOhms, 600.0, 2.2e-9, 0.5};
  spec.Balanced = balanced;
  design::CircuitAnalysis a;
  EXPECT_TRUE(design::AnalyseString(spec, a));
  return a;
}

// Both prints of `a`: the in-circuit pages, then the as-built pages of its
// first set with the right channel's R1 fitted 10 % high, in whole ohms as
// typed.
std::pair<Pages, Pages> Printed(const design::CircuitAnalysis& a, char separator) {
  const design::DesignState state = testing_support::Designed(4700.0f, 12, 1.5f);
  const std::string law = std::string("1") + separator + "5";
  std::pair<Pages, Pages> printed;
  for (int i = 0; i < ui::InCircuitPageCount(a); ++i) {
    surface::RecordingSurface sheet;
    EXPECT_TRUE(ui::DrawInCircuitPage(sheet, i, state, a, law, separator, "7 Dec 2026"));
    printed.first.push_back(sheet.ops());
  }
  design::FittedStrings fitted;
  design::DesignedFitted(a, fitted);
  fitted[1][1] = std::round(fitted[1][1] * 1.1);
  design::AsBuiltAnalysis built;
  EXPECT_TRUE(design::AnalyseAsBuilt(a, fitted, built));
  for (int i = 0; i < ui::AsBuiltPageCount(built); ++i) {
    surface::RecordingSurface sheet;
    EXPECT_TRUE(ui::DrawAsBuiltPage(sheet, i, a, built, fitted, separator, "7 Dec 2026"));
    printed.second.push_back(sheet.ops());
  }
  return printed;
}

struct Print {
  int n;
  double totalOhms;
  double loadOhms;
  bool balanced;
  int inCircuitPages;
  int asBuiltPages;
};
// Short and long strings, with and without a page carried over, up to a
// gigohm string unloaded.
constexpr Print kPrints[] = {{3, 47e3, 4700.0, false, 2, 1},
                             {25, 47e3, 4700.0, false, 2, 1},
                             {26, 1e9, 0.0, true, 3, 2},
                             {64, 47e3, 4700.0, true, 3, 2}};

std::string AllTexts(const surface::OpList& ops) {
  std::string all;
  for (const surface::TextOp& text : recorded::Texts(ops)) all += text.text + '\n';
  return all;
}

TEST(PrintedPages, NoTwoTextsOnALineTouch) {
  for (const Print& print : kPrints) {
    SCOPED_TRACE(print.n);
    const auto [inCircuit, asBuilt] = Printed(Analysed(print.n, print.totalOhms, print.balanced, print.loadOhms), '.');
    Pages pages = inCircuit;
    pages.insert(pages.end(), asBuilt.begin(), asBuilt.end());
    for (const surface::OpList& page : pages) {
      std::map<float, std::vector<recorded::TextBox>> lines;
      for (const recorded::TextBox& box : recorded::TextBoxes(page)) lines[box.top].push_back(box);
      for (auto& [top, boxes] : lines) {
        std::sort(boxes.begin(), boxes.end(),
                  [](const auto& a, const auto& b) { return a.left < b.left; });
        for (std::size_t i = 1; i < boxes.size(); ++i) {
          EXPECT_GT(boxes[i].left, boxes[i - 1].right)
              << '"' << boxes[i - 1].text << "\" and \"" << boxes[i].text << "\" at y " << top;
        }
      }
    }
  }
}

TEST(PrintedPages, EveryPageSaysWhichOfHowMany) {
  for (const Print& print : kPrints) {
    SCOPED_TRACE(print.n);
    const auto [inCircuit, asBuilt] = Printed(Analysed(print.n, print.totalOhms, print.balanced, print.loadOhms), '.');
    for (const auto& [pages, count] : {std::pair{inCircuit, print.inCircuitPages},
                                       std::pair{asBuilt, print.asBuiltPages}}) {
      ASSERT_EQ(pages.size(), static_cast<std::size_t>(count));
      for (int i = 0; i < count; ++i) {
        const std::string number =
            "Page " + std::to_string(i + 1) + " of " + std::to_string(count) + '\n';
        const std::string all = AllTexts(pages[static_cast<std::size_t>(i)]);
        EXPECT_NE(all.find(number), all.npos) << number;
      }
    }
  }
}

// Words in the headings, no copied names ("left_hot_ohm"); the as-built
// table names every resistor, and every value is in the window's notation.
TEST(PrintedPages, HeadTablesInWordsAndNameTheResistors) {
  for (const Print& print : kPrints) {
    SCOPED_TRACE(print.n);
    const auto [inCircuit, asBuilt] = Printed(Analysed(print.n, print.totalOhms, print.balanced, print.loadOhms), '.');
    std::string builtTexts;
    for (const surface::OpList& page : asBuilt) builtTexts += AllTexts(page);
    std::string all = builtTexts;
    for (const surface::OpList& page : inCircuit) all += AllTexts(page);
    EXPECT_EQ(all.find('_'), all.npos);
    for (const std::string heading :
         {"Resistor", "Position", "Difference", print.balanced ? "Right hot" : "Right"}) {
      EXPECT_NE(builtTexts.find('\n' + heading + '\n'), builtTexts.npos) << heading;
    }
    for (int k = 1; k < print.n; ++k) {
      const std::string name = "\nR" + std::to_string(k) + '\n';
      EXPECT_NE(builtTexts.find(name), builtTexts.npos) << name;
    }
    // Never the copied table's digits: at most three dB decimals, no long
    // whole numbers.
    EXPECT_FALSE(std::regex_search(all, std::regex(R"(\d\.\d{4})"))) << all;
    EXPECT_FALSE(std::regex_search(all, std::regex(R"(\n\d{5,}\n)"))) << all;
  }
}

TEST(PrintedPages, WriteEveryNumberWithTheUsersSeparator) {
  const char before = notation::DecimalSeparator();
  notation::SetDecimalSeparator(',');
  const auto [inCircuit, asBuilt] = Printed(Analysed(26, 4700.0, true), ',');
  notation::SetDecimalSeparator(before);
  std::string all;
  for (const Pages& pages : {inCircuit, asBuilt}) {
    for (const surface::OpList& page : pages) all += AllTexts(page);
  }
  EXPECT_FALSE(std::regex_search(all, std::regex(R"(\d\.\d)"))) << all;
  EXPECT_NE(all.find("String 4,7k ohms"), all.npos);
  EXPECT_NE(all.find("Design: 4,7k ohms"), all.npos);
}

TEST(PrintNames, NameEachReportAfterItsDesign) {
  const char before = notation::DecimalSeparator();
  const design::CircuitAnalysis string11 = Analysed(11, 10000.0, false);
  const design::CircuitAnalysis balanced48 = Analysed(48, 50000.0, true);
  notation::SetDecimalSeparator(',');
  const std::string comma = ui::ReportFileName(testing_support::Designed(4700.f, 12, 1.5f), ',');
  notation::SetDecimalSeparator(before);
  struct Row {
    std::string name;
    std::string expected;
  };
  const Row rows[] = {
      {ui::ReportFileName(testing_support::Designed(10000.f, 11, 2.f), '.'),
       "Kestrix design 10k 11x2dB.pdf"},
      {comma, "Kestrix design 4,7k 12x1,5dB.pdf"},
      {ui::InCircuitFileName(string11, "2", '.'), "Kestrix in circuit 10k 11 positions 2 dB.pdf"},
      {ui::InCircuitFileName(balanced48, "10x0,5 1,5", ','),
       "Kestrix in circuit 50k 48 positions 10x0,5 1,5 dB.pdf"},
      {ui::InCircuitFileName(balanced48, std::string(33, '1'), '.'),
       "Kestrix in circuit 50k 48 positions.pdf"},
      {ui::AsBuiltFileName(string11, '.'), "Kestrix as built 10k 11 positions E96.pdf"},
      {ui::AsBuiltFileName(balanced48, '.'), "Kestrix as built 50k 48 positions E96 balanced.pdf"},
      {ui::PdfFileName("a/b\\c:d*e?f\"g<h>i|j\tk"), "a-b-c-d-e-f-g-h-i-j-k.pdf"},
      {ui::PdfFileName(" .. "), "Kestrix.pdf"},
      {ui::PdfFileName(". R6 ."), "R6.pdf"},
      {ui::PdfFileName(std::string(119, 'x') + "\u00b5x"), std::string(119, 'x') + ".pdf"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(row.name, row.expected);
  }
}

}  // namespace
