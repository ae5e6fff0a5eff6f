// The printed in-circuit and as-built pages, recorded, read as a builder
// would; and a file name of its own for each report.
#include <array>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circuit/as_built.h"
#include "notation/decimal_separator.h"
#include "tests/circuit/kind_cases.h"
#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"
#include "ui/pictures/as_built_page.h"
#include "ui/pictures/in_circuit_page.h"
#include "ui/pictures/kind_page.h"
#include "ui/pictures/print_names.h"

namespace {

// A string of `n` positions, 1.5 dB a step, from 600 ohms through 2.2n of
// cable into `loadOhms` (0: none), analysed as the in-circuit window does.
circuit::CircuitAnalysis Analysed(int n, double totalOhms, bool balanced, double loadOhms) {
  circuit::StringSpec spec;
  spec.TotalOhms = totalOhms;
  spec.Targets = circuit::EqualSteps(n, 1.5);
  spec.Inputs = {loadOhms, 600.0, 2.2e-9, 0.5};
  spec.Balanced = balanced;
  circuit::CircuitAnalysis a;
  EXPECT_TRUE(circuit::AnalyseString(spec, a));
  return a;
}

// Short and long strings, with and without a page carried over, up to an
// unloaded gigohm string's megohm impedances, under either separator.
struct Print {
  int n;
  double totalOhms, loadOhms;
  bool balanced;
  char separator;
  std::array<int, 2> pages;  // in circuit, as built
};
constexpr Print kPrints[] = {{3, 47e3, 4700.0, false, '.', {2, 1}},
                             {25, 4700.0, 4700.0, false, ',', {2, 1}},
                             {26, 1e9, 0.0, true, '.', {3, 2}},
                             {64, 47e3, 4700.0, true, ',', {3, 2}}};

// The in-circuit print of `print`'s string, then the as-built print of its
// first set with the right channel's R1 fitted 10 % high in whole ohms, as
// the windows print them under the user's separator.
std::array<std::vector<surface::OpList>, 2> Printed(const Print& print) {
  const circuit::CircuitAnalysis a =
      Analysed(print.n, print.totalOhms, print.balanced, print.loadOhms);
  const char before = notation::DecimalSeparator();
  notation::SetDecimalSeparator(print.separator);
  const design::DesignState state = testing_support::Designed(4700.0f, 12, 1.5f);
  const std::string law = std::string("1") + print.separator + "5";
  circuit::FittedStrings fitted;
  circuit::DesignedFitted(a, fitted);
  fitted[1][1] = std::round(fitted[1][1] * 1.1);
  circuit::AsBuiltAnalysis built;
  EXPECT_TRUE(circuit::AnalyseAsBuilt(a, fitted, built));
  std::array<std::vector<surface::OpList>, 2> prints;
  for (int p = 0; p < 2; ++p) {
    for (int i = 0; i < (p == 0 ? ui::InCircuitPageCount(a) : ui::AsBuiltPageCount(built)); ++i) {
      surface::RecordingSurface sheet;
      EXPECT_TRUE(p == 0
                      ? ui::DrawInCircuitPage(sheet, i, state, a, law, print.separator, "7 Dec")
                      : ui::DrawAsBuiltPage(sheet, i, a, built, fitted, print.separator, "7 Dec"));
      prints[static_cast<std::size_t>(p)].push_back(sheet.ops());
    }
  }
  notation::SetDecimalSeparator(before);
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

TEST(PrintedPages, NoTwoTextsOnALineTouchAndEveryPageIsNumbered) {
  // By hand: 0.6 em a character, 600 points across 12000 units; \u00b1 is one.
  EXPECT_FLOAT_EQ(surface::RecordedTextWidth("\u00b11.82k", 7.0f, {0, 0, 12000, 1}), 504.0f);
  for (const Print& print : kPrints) {
    SCOPED_TRACE(print.n);
    const auto prints = Printed(print);
    for (std::size_t p = 0; p < prints.size(); ++p) {
      ASSERT_EQ(prints[p].size(), static_cast<std::size_t>(print.pages[p]));
      for (std::size_t i = 0; i < prints[p].size(); ++i) {
        const std::string number =
            "\nPage " + std::to_string(i + 1) + " of " + std::to_string(prints[p].size()) + '\n';
        EXPECT_NE(Texts({prints[p][i]}).find(number), std::string::npos) << number;
        recorded::ExpectNoTextsTouch(prints[p][i]);
      }
    }
  }
}

// What the windows show: headings in words (never "left_hot_ohm"), every
// resistor named, builder's notation with the user's separator throughout.
TEST(PrintedPages, PrintTheWindowsWordsAndNumbers) {
  for (const Print& print : kPrints) {
    SCOPED_TRACE(print.n);
    const auto prints = Printed(print);
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
    EXPECT_FALSE(std::regex_search(all, std::regex(R"(\d[.,]\d{4}|\n\d{5,}\n)"))) << all;
    if (print.separator == '.') continue;
    EXPECT_FALSE(std::regex_search(all, std::regex(R"(\d\.\d)"))) << all;
    EXPECT_NE(all.find("\nDesign: 4,7k ohms"), all.npos);
  }
}

TEST(PrintNames, NameEachReportAfterItsDesign) {
  const circuit::CircuitAnalysis string11 = Analysed(11, 10000.0, false, 4700.0);
  const circuit::CircuitAnalysis balanced48 = Analysed(48, 50000.0, true, 4700.0);
  const std::pair<std::string, std::string> rows[] = {
      {ui::ReportFileName(testing_support::Designed(10000.f, 11, 2.f), '.'),
       "Kestrix design 10k 11x2dB.pdf"},
      {ui::ReportFileName(testing_support::Designed(4700.f, 12, 1.5f), ','),
       "Kestrix design 4,7k 12x1,5dB.pdf"},
      {ui::InCircuitFileName(string11, "2", '.'), "Kestrix in circuit 10k 11 positions 2 dB.pdf"},
      {ui::InCircuitFileName(balanced48, "10x0,5 1,5", ','),
       "Kestrix in circuit 50k 48 positions 10x0,5 1,5 dB.pdf"},
      {ui::AsBuiltFileName(string11, '.'), "Kestrix as built 10k 11 positions E96.pdf"},
      {ui::AsBuiltFileName(balanced48, '.'), "Kestrix as built 50k 48 positions E96 balanced.pdf"},
      {ui::PdfFileName(". a/b\\c:d*e?f\"g<h>i|j\tk ."), "a-b-c-d-e-f-g-h-i-j-k.pdf"},
      {ui::PdfFileName(std::string(119, 'x') + "\u00b5x"), std::string(119, 'x') + ".pdf"},
  };
  for (const auto& [name, expected] : rows) EXPECT_EQ(name, expected);
}

}  // namespace

// Every kind's pages too: a long ladder and shunt, and eight relays (256
// codes); the first page's table in the window's words and notation.
TEST(PrintedPages, EveryKindsPagesAreNumberedAndNoTextsTouch) {
  using circuit::Kind;
  const std::vector<circuit::KindSpec> specs{
      testing_support::Spec(Kind::Ladder, 10e3, circuit::EqualSteps(48, 1.5), 47e3, 100.0),
      testing_support::Spec(Kind::Shunt, 4.7e3, circuit::EqualSteps(24, 2.0), 10e3),
      testing_support::Relay(10e3, 8, 0.5, 60e3)};
  for (const circuit::KindSpec& spec : specs) {
    const circuit::KindAnalysis a = testing_support::Analysed(spec);
    const int count = ui::KindPageCount(a, ',');
    SCOPED_TRACE(ui::KindLine(a, "1.5", ','));
    ASSERT_GE(count, 2);
    for (int i = 0; i < count; ++i) {
      surface::RecordingSurface sheet;
      EXPECT_TRUE(ui::DrawKindPage(sheet, a, "1.5", ',', "7 Dec", i));
      const std::string texts = Texts({sheet.ops()});
      const std::string number = "Page " + std::to_string(i + 1) + " of " + std::to_string(count);
      EXPECT_NE(texts.find(number), std::string::npos) << number;
      recorded::ExpectNoTextsTouch(sheet.ops());
      if (i > 0) continue;
      EXPECT_EQ(texts.find('_'), texts.npos) << texts;
      EXPECT_FALSE(std::regex_search(texts, std::regex(R"(\n\d+[.,]\d{5,}\n)"))) << texts;
      EXPECT_NE(texts.find("\nTarget\n"), texts.npos);
    }
  }
}
