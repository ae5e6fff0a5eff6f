// The printed as-built pages on the recording surface.
#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "design/in_circuit_text.h"
#include "tests/support/recorded_ops.h"
#include "ui/pictures/as_built_page.h"
#include "ui/surface/recording_surface.h"

namespace {

// A string of `n` positions in 1k parts, the right channel's R1 1.1k.
struct Fitted {
  design::CircuitAnalysis circuit;
  design::FittedStrings fitted;
  design::AsBuiltAnalysis analysis;
  explicit Fitted(int n) {
    circuit.N = n;
    circuit.Target = design::EqualSteps(n, 1.0);
    circuit.Inputs.LoadOhms = 10000.0;
    circuit.Sets.resize(1);
    circuit.Sets[0].RoundedIn = &design::kE24;
    circuit.Sets[0].Parts.Ohms.assign(static_cast<std::size_t>(n), 1000.0);
    design::DesignedFitted(circuit, fitted);
    fitted[1][1] = 1100.0;
    design::AnalyseAsBuilt(circuit, fitted, analysis);
  }
};

TEST(AsBuiltPage, FiniteOnThePageNothingBelowSevenPointsWithTheSummary) {
  const struct {
    int positions;
    int pages;
  } cases[] = {{3, 1}, {25, 1}, {26, 2}, {64, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.positions);
    const Fitted f(c.positions);
    ASSERT_EQ(ui::AsBuiltPageCount(f.analysis), c.pages);
    std::string printed;
    int rows = 0;
    for (int page = 0; page < c.pages; ++page) {
      surface::RecordingSurface sheet;
      ASSERT_TRUE(ui::DrawAsBuiltPage(sheet, page, f.circuit, f.analysis, f.fitted, '.', "d"));
      for (const surface::Op& op : sheet.ops()) {
        if (const auto* size = std::get_if<surface::FontSizeOp>(&op)) {
          EXPECT_GE(size->points, 7.0f);
        }
      }
      for (const surface::LineOp& line : recorded::Lines(sheet.ops())) {
        for (const surface::PointF p : {line.from, line.to}) {
          EXPECT_TRUE(p.x >= 0.0f && p.x <= 12000.0f && p.y >= 0.0f && p.y <= 16000.0f);
        }
      }
      for (const surface::TextOp& text : recorded::Texts(sheet.ops())) {
        EXPECT_TRUE(text.at.x >= 0.0f && text.at.x < 12000.0f && text.at.y >= 0.0f &&
                    text.at.y < 15800.0f);
        printed += text.text + '\n';
        rows += text.text == design::PlainDecimal(1000.0, '.') ||
                text.text == design::PlainDecimal(1100.0, '.');  // the fitted cells
      }
    }
    EXPECT_EQ(rows, 2 * (c.positions - 1)) << "every fitted value, on whichever page";
    std::istringstream summary(design::AsBuiltSummary(f.analysis, '.'));
    for (std::string line; std::getline(summary, line);) {
      EXPECT_NE(printed.find(line + '\n'), std::string::npos) << line;
    }
    EXPECT_NE(printed.find("Best single change: R1 "), std::string::npos);
  }
}

}  // namespace
