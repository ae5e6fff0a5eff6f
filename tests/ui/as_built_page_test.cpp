// The printed as-built pages on the recording surface.
#include <sstream>

#include <gtest/gtest.h>

#include "circuit_text/as_built_text.h"
#include "tests/support/recorded_ops.h"
#include "ui/pictures/as_built_page.h"
#include "ui/surface/recording_surface.h"

namespace {

// Strings of n positions in 1k parts, the right channel's R1 1.1k: every
// page on the paper, no type below 7 points, each summary line and every
// fitted value printed, the table on a page of its own beyond 25 positions.
TEST(AsBuiltPage, HoldsTheSummaryAndEveryValueOnThePaperInSevenPointsOrMore) {
  for (const auto& [n, pages] : {std::pair{3, 1}, {25, 1}, {26, 2}, {64, 2}}) {
    SCOPED_TRACE(n);
    circuit::CircuitAnalysis circuit;
    circuit.N = n;
    circuit.Target = circuit::EqualSteps(n, 1.0);
    circuit.Inputs.LoadOhms = 10000.0;
    circuit.Sets = {{&design::kE24, {{}, circuit::OhmsColumn(std::size_t(n), 1000.0)}, {}, {}}};
    circuit::FittedStrings fitted;
    circuit::DesignedFitted(circuit, fitted);
    fitted[1][1] = 1100.0;
    circuit::AsBuiltAnalysis a;
    ASSERT_TRUE(circuit::AnalyseAsBuilt(circuit, fitted, a));
    ASSERT_EQ(ui::AsBuiltPageCount(a), pages);
    std::string printed;
    for (int page = 0; page < pages; ++page) {
      surface::RecordingSurface sheet;
      ASSERT_TRUE(ui::DrawAsBuiltPage(sheet, page, circuit, a, fitted, '.', "7 Dec 2026"));
      for (const surface::Op& op : sheet.ops()) {
        const auto* size = std::get_if<surface::FontSizeOp>(&op);
        EXPECT_TRUE(!size || size->points >= 7.f) << op;
      }
      const auto onPaper = [](surface::PointF p) {
        return p.x >= 0.f && p.x < 12000.f && p.y >= 0.f && p.y < 15800.f;
      };
      for (const surface::LineOp& line : recorded::Lines(sheet.ops())) {
        EXPECT_TRUE(onPaper(line.from) && onPaper(line.to));
      }
      for (const surface::TextOp& text : recorded::Texts(sheet.ops())) {
        EXPECT_TRUE(onPaper(text.at)) << text.text;
        printed += text.text + '\n';
      }
    }
    std::istringstream summary(circuit_text::AsBuiltSummary(a, '.'));
    for (std::string line; std::getline(summary, line);) {
      EXPECT_NE(printed.find(line + '\n'), printed.npos) << line;
    }
    const std::string part = "\n1k\n";  // as the window writes the E24 part
    std::size_t values = 0;
    for (std::size_t at = 0; (at = printed.find(part, at)) != printed.npos; ++at) ++values;
    EXPECT_EQ(values, 2u * std::size_t(n - 1) - 1);  // all but the right R1
  }
}

}  // namespace
