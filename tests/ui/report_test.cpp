// The printed report: its page recorded operation by operation, and the
// Print button end to end, into a real PDF file.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "design/design_state.h"
#include "design/ladder.h"
#include "notation/eng_notation.h"
#include "ui/desktop/print_job.h"
#include "ui/desktop/seams.h"
#include "ui/pictures/report.h"
#include "ui/pictures/schematic.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/design_window.h"

#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::Op;
using surface::TextOp;

using testing_support::Designed;

surface::OpList Report(design::DesignState& state) {
  surface::RecordingSurface page;
  ui::DrawReport(
      page, state,
      [&](const float& X, const float& Y) {
        ui::DrawResistorSymbol(page, X, Y, state.Spacing, state.DrawColor);
      },
      "1.2.2025");
  return page.ops();
}

std::vector<TextOp> Texts(const surface::OpList& ops, float x) {
  std::vector<TextOp> found;
  for (const Op& op : ops) {
    if (const auto* text = std::get_if<TextOp>(&op); text && text->at.x == x)
      found.push_back(*text);
  }
  return found;
}

using recorded::Lines;

// The pens the page draws with, in printer dots: 8 for the schematic (every
// line before the chart), 16 for the chart's frame, 4 for its zero line and
// 2 for everything after.
void ExpectPagePens(const surface::OpList& ops, int16_t n) {
  const std::vector<recorded::PennedLine> penned = recorded::PennedLines(ops, 0.0f);
  const auto frame = std::find_if(penned.begin(), penned.end(), [](const auto& drawn) {
    return drawn.line.mode == LineMode::OutlineBox;
  });
  ASSERT_EQ(frame - penned.begin(), 12 * (n - 1) + 3) << "lead, symbols, taps, ground";
  ASSERT_GE(penned.end() - frame, 2);
  for (auto drawn = penned.begin(); drawn != frame; ++drawn) EXPECT_EQ(drawn->pen, 8.0f);
  EXPECT_EQ(frame->line,
            (LineOp{LineMode::OutlineBox, {3000.0f, 8500.0f}, {9000.0f, 12500.0f}, 0}));
  EXPECT_EQ(frame->pen, 16.0f);
  EXPECT_EQ(frame[1].line, (LineOp{LineMode::Line, {3000.0f, 10500.0f}, {9000.0f, 10500.0f}, 0}));
  EXPECT_EQ(frame[1].pen, 4.0f);
  for (auto drawn = frame + 2; drawn != penned.end(); ++drawn) {
    EXPECT_EQ(drawn->pen, 2.0f) << drawn->line;
  }
}

// Names each operation for the step of the report it belongs to, dropping
// text positions and repeats, so the list reads as the order of printing.
std::vector<std::string> Steps(const surface::OpList& ops) {
  std::vector<std::string> steps;
  const auto column = [](float x) -> std::string {
    if (x == 3040.0f) return "target";
    if (x == 3700.0f) return "ideal";
    if (x == 5500.0f || x == 5700.0f) return "nearest 5%";
    if (x == 8400.0f || x == 8600.0f) return "nearest 1%";
    if (x == 6500.0f) return "realised 5%";
    if (x == 9400.0f) return "realised 1%";
    if (x == 2500.0f) return "dB label";
    if (x == 1200.0f) return "side label";
    if (x == 2000.0f) return "footer";
    return "other text";
  };
  for (const Op& op : ops) {
    std::string step;
    if (const auto* font = std::get_if<surface::FontSizeOp>(&op)) {
      step = "font " + std::to_string(static_cast<int>(font->points));
    } else if (std::holds_alternative<surface::ScaleOp>(op)) {
      step = "scale";
    } else if (const auto* pen = std::get_if<surface::PenWidthOp>(&op)) {
      step = "pen " + std::to_string(static_cast<int>(pen->width));
    } else if (const auto* line = std::get_if<LineOp>(&op)) {
      step = line->color == 0xFF0000              ? "5% marker"
             : line->color == 0x00FF00            ? "1% marker"
             : line->to.x <= 2830.0f              ? "schematic"
             : line->mode == LineMode::OutlineBox ? "frame"
             : line->from.x == line->to.x         ? "position line"
                                                  : "dB line";
    } else if (const auto* text = std::get_if<TextOp>(&op)) {
      step = text->at.y == 12800.0f     ? "number"
             : text->text == "Position" ? "caption"
                                        : column(text->at.x);
    }
    if (!step.empty() && (steps.empty() || steps.back() != step)) steps.push_back(step);
  }
  return steps;
}

bool Finite(surface::PointF p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The design proper, bit for bit: inputs, selection, all six arrays and the
// sums (not the drawing values Spacing, PenX, PenY and FmtText).
void ExpectSameDesign(const design::DesignState& now, const design::DesignState& before) {
  const auto same = [](const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  EXPECT_TRUE(same(now.IdealR, before.IdealR));
  EXPECT_TRUE(same(now.TargetAtten, before.TargetAtten));
  EXPECT_TRUE(same(now.R1Pct, before.R1Pct) && same(now.R5Pct, before.R5Pct));
  EXPECT_TRUE(same(now.Atten1Pct, before.Atten1Pct) && same(now.Atten5Pct, before.Atten5Pct));
  EXPECT_TRUE(same(now.Total1Pct, before.Total1Pct) && same(now.Total5Pct, before.Total5Pct));
  EXPECT_TRUE(same(now.TotalOhms, before.TotalOhms) && same(now.StepSize, before.StepSize));
  EXPECT_EQ(now.NumPositions, before.NumPositions);
  EXPECT_EQ(now.TolType, before.TolType);
  EXPECT_EQ(now.DrawColor, before.DrawColor);
}

struct Shape {
  int16_t n;
  float bottom;         // y of the last junction: 800 + 6480, or 800 + (N - 1) x 1080
  float firstInterval;  // x(1) - x(0) on the chart: 6000 / (N - 2)
};

TEST(Report, DrawsEveryStepInOrderAtFiniteCoordinates) {
  const Shape shapes[] = {{2, 1880.0f, 0.0f},
                          {5, 5120.0f, 2000.0f},
                          {8, 7280.0f, 1000.0f},
                          {11, 7280.0f, 666.6667f},
                          {25, 7280.0f, 260.86957f}};
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(testing::Message() << shape.n << " positions");
    design::DesignState state = Designed(10000.0f, shape.n, 2.0f);
    const surface::OpList ops = Report(state);

    std::vector<std::string> expected = {
        "font 8",        "scale",      "pen 8",      "schematic",   "target",
        "ideal",         "nearest 5%", "nearest 1%", "realised 5%", "realised 1%",
        "pen 16",        "frame",      "pen 4",      "dB line",     "pen 2",
        "position line", "caption",    "number",     "dB line",     "side label",
        "dB label",      "5% marker",  "1% marker",  "font 6",      "footer"};
    if (shape.n == 2) expected.erase(expected.begin() + 15);  // no interval, no position line
    EXPECT_EQ(Steps(ops), expected);
    EXPECT_EQ(std::get<surface::ScaleOp>(ops[1]).scale, (surface::Scale{0, -1000, 12000, 16000}));

    for (const Op& op : ops) {
      if (const auto* line = std::get_if<LineOp>(&op)) {
        EXPECT_TRUE(Finite(line->from) && Finite(line->to)) << op;
      }
      if (const auto* text = std::get_if<TextOp>(&op)) {
        EXPECT_TRUE(Finite(text->at)) << op;
      }
    }

    // The string: N - 1 symbols at x = 2500, one below the other; at the
    // last junction the line to ground and its square.
    const float s = design::ColumnSpacing(shape.n);
    std::vector<float> junctions;
    for (const LineOp& line : Lines(ops)) {
      if (line.mode == LineMode::Line && line.from.x == 2500.0f && line.to.x == 2500.0f) {
        junctions.push_back(line.from.y);
      }
    }
    ASSERT_EQ(junctions.size(), static_cast<std::size_t>(shape.n - 1));
    for (std::size_t k = 0; k < junctions.size(); ++k) {
      EXPECT_NEAR(junctions[k], 800.0f + static_cast<float>(k) * 720.0f * s, 0.01f);
    }
    EXPECT_NEAR(state.PenY, shape.bottom, 0.01f);
    const std::vector<LineOp> lines = Lines(ops);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        LineOp{LineMode::Line, {2000.0f, state.PenY}, {2800.0f, state.PenY}, 0}),
              lines.end());
    const LineOp contact{
        LineMode::FilledBox, {2770.0f, state.PenY - 30.0f}, {2830.0f, state.PenY + 30.0f}, 0};
    EXPECT_NE(std::find(lines.begin(), lines.end(), contact), lines.end());
    ExpectPagePens(ops, shape.n);

    // Chart points are numbered from 1 to N - 1, each 100 left of its point.
    std::vector<TextOp> numbers;
    for (const Op& op : ops) {
      if (const auto* text = std::get_if<TextOp>(&op); text && text->at.y == 12800.0f)
        numbers.push_back(*text);
    }
    ASSERT_EQ(numbers.size(), static_cast<std::size_t>(shape.n - 1));
    EXPECT_EQ(numbers.front().at.x, 2900.0f);
    EXPECT_EQ(numbers.back().at.x, shape.n == 2 ? 2900.0f : 8900.0f);
    EXPECT_EQ(numbers.back().text, " " + std::to_string(shape.n - 1));
    if (shape.n > 2) {
      EXPECT_NEAR(numbers[1].at.x - numbers[0].at.x, shape.firstInterval, 0.001f);
    }
  }
}

std::vector<std::string> Strings(const std::vector<TextOp>& texts) {
  std::vector<std::string> found;
  for (const TextOp& text : texts) found.push_back(text.text);
  return found;
}

// The opening design worked by hand (10k, 11 positions, 2 dB; S = 0.9).
TEST(Report, PrintsTheDefaultDesignInItsRows) {
  design::DesignState state = Designed(10000.0f, 11, 2.0f);
  const surface::OpList ops = Report(state);

  const std::vector<TextOp> targets = Texts(ops, 3040.0f);
  EXPECT_EQ(Strings(targets),
            (std::vector<std::string>{"0  dB", "2 dB", "4 dB", "6 dB", "8 dB", "10 dB", "12 dB",
                                      "14 dB", "16 dB", "18 dB"}));
  EXPECT_EQ(targets.front().at.y, 695.0f);           // 800 - 105
  EXPECT_NEAR(targets.back().at.y, 6527.0f, 0.01f);  // 800 + 9 x 648 - 105

  const std::vector<TextOp> ideal = Texts(ops, 3700.0f);
  EXPECT_EQ(Strings(ideal), (std::vector<std::string>{
                                "Ideal:", "2.057k ohms", "1.634k ohms", "1.298k ohms",
                                "1.031k ohms", "818.79  ohms", "650.39  ohms", "516.62  ohms",
                                "410.37  ohms", "325.97  ohms", "1.259k ohms", "10k ohms total"}));
  EXPECT_EQ(ideal[0].at.y, 300.0f);
  EXPECT_NEAR(ideal[1].at.y, 975.0f, 0.01f);    // 750 + 225, between junctions 800 and 1448
  EXPECT_NEAR(ideal[11].at.y, 7455.0f, 0.01f);  // the total, below the string's end at 7280

  // The rounded columns, headed 200 units right of their values, and the
  // realised attenuations beside the positions.
  for (const auto& [x, heading, rounded, total, realisedX, realised] :
       {std::tuple{5500.0f, "Nearest 5%:", state.R5Pct, state.Total5Pct, 6500.0f, state.Atten5Pct},
        std::tuple{8400.0f, "Nearest 1%:", state.R1Pct, state.Total1Pct, 9400.0f,
                   state.Atten1Pct}}) {
    SCOPED_TRACE(heading);
    const std::vector<TextOp> headings = Texts(ops, x + 200.0f);
    ASSERT_EQ(headings.size(), 1u);
    EXPECT_EQ(headings[0].text, heading);
    EXPECT_EQ(headings[0].at.y, 300.0f);
    std::vector<TextOp> values = Texts(ops, x);
    std::erase_if(
        values, [](const TextOp& text) { return text.text == "Position"; });  // the chart's caption
    ASSERT_EQ(values.size(), 11u);
    for (int k = 1; k <= 10; ++k) {
      EXPECT_EQ(values[k - 1].text, notation::FormatEng(rounded[k]) + " ohms");
      EXPECT_EQ(values[k - 1].at.y, ideal[k].at.y);
    }
    EXPECT_EQ(values[10].text, notation::FormatEng(total) + " ohms total");
    const std::vector<TextOp> attens = Texts(ops, realisedX);
    ASSERT_EQ(attens.size(), 10u);
    EXPECT_EQ(attens[0].text, "0   dB");
    for (int p = 0; p <= 9; ++p) {
      EXPECT_EQ(attens[p].text, notation::FormatEng(realised[p]) + " dB");
      EXPECT_EQ(attens[p].at.y, targets[p].at.y);
    }
  }

  // Chart points at x = 3000, 3666.7 .. 9000; both position-0 markers sit
  // on the zero line.
  std::vector<LineOp> red;
  for (const LineOp& line : Lines(ops)) {
    if (line.color == 0xFF0000) red.push_back(line);
  }
  ASSERT_EQ(red.size(), 10u);
  EXPECT_EQ(red[0],
            (LineOp{LineMode::OutlineBox, {2955.0f, 10455.0f}, {3045.0f, 10545.0f}, 0xFF0000}));
  EXPECT_NEAR(red[1].from.x + 45.0f, 3666.667f, 0.001f);  // 3000 + 6000 / 9
  EXPECT_EQ(red[9].from.x + 45.0f, 9000.0f);
  const std::vector<LineOp> lines = Lines(ops);
  EXPECT_NE(
      std::find(lines.begin(), lines.end(),
                LineOp{LineMode::FilledBox, {2970.0f, 10470.0f}, {3030.0f, 10530.0f}, 0x00FF00}),
      lines.end());

  recorded::ExpectPrintedOnceAt(
      ops, {{"Ideal:", {3700.0f, 300.0f}},
            {"Nearest 5%:", {5700.0f, 300.0f}},
            {"Nearest 1%:", {8600.0f, 300.0f}},
            {"Position", {5500.0f, 13100.0f}},
            {"Less atten", {1200.0f, 8400.0f}},
            {"More atten", {1200.0f, 12400.0f}},
            {"Kestrix from www.kestrix.example  - 1.2.2025", {2000.0f, 13500.0f}}});
}

// The dB axis: 11 lines from -1 dB at the top to 1 dB at the bottom, 2000
// units per dB, labelled 100 units above each; only the middle one says dB.
TEST(Report, DrawsElevenAxisLinesAndLabels) {
  design::DesignState state = Designed(10000.0f, 11, 2.0f);
  const surface::OpList ops = Report(state);
  std::vector<float> ys;
  for (const LineOp& line : Lines(ops)) {
    if (line.from.x == 3000.0f && line.to.x == 9000.0f && line.from.y == line.to.y)
      ys.push_back(line.from.y);
  }
  ASSERT_EQ(ys.size(), 12u);  // the zero line, then the 11 grid lines
  EXPECT_EQ(ys[0], 10500.0f);
  const std::vector<TextOp> labels = Texts(ops, 2500.0f);
  EXPECT_EQ(Strings(labels),
            (std::vector<std::string>{"-1 ", "-0.8 ", "-0.6 ", "-0.4 ", "-0.2 ", "0  dB", "0.2 ",
                                      "0.4 ", "0.6 ", "0.8 ", "1 "}));
  for (int i = 0; i < 11; ++i) {
    EXPECT_NEAR(ys[i + 1], 8500.0f + 400.0f * static_cast<float>(i), 0.01f) << "line " << i;
    EXPECT_NEAR(labels[i].at.y, ys[i + 1] - 100.0f, 0.01f);
  }
}

TEST(Report, PageIsTheSameWhicheverSetTheWindowShows) {
  design::DesignState five = Designed(4700.0f, 12, 1.5f);
  design::DesignState one = five;
  design::DesignState ideal = five;
  one.TolType = 1;
  ideal.TolType = 0;
  const surface::OpList expected = Report(five);
  EXPECT_EQ(Report(one), expected);
  EXPECT_EQ(Report(ideal), expected);
}

// Markers are not clipped: 1.5 dB too little attenuation plots 3000 units
// up, above the frame's top at 8500; 1.25 dB too much plots below 12500. A
// deviation that is not a number is left out rather than drawn nowhere.
TEST(Report, PlotsLargeDeviationsOutsideTheFrame) {
  design::DesignState state = Designed(10000.0f, 11, 2.0f);
  state.Atten5Pct[3] = 6.0f - 1.5f;
  state.Atten1Pct[4] = 8.0f + 1.25f;
  state.Atten1Pct[5] = std::nanf("");
  const surface::OpList ops = Report(state);
  const std::vector<LineOp> lines = Lines(ops);
  const float x3 = 3000.0f + 6000.0f * 3.0f / 9.0f;
  const float x4 = 3000.0f + 6000.0f * 4.0f / 9.0f;
  EXPECT_NE(
      std::find(
          lines.begin(), lines.end(),
          LineOp{LineMode::OutlineBox, {x3 - 45.0f, 7455.0f}, {x3 + 45.0f, 7545.0f}, 0xFF0000}),
      lines.end());
  EXPECT_NE(
      std::find(
          lines.begin(), lines.end(),
          LineOp{LineMode::FilledBox, {x4 - 30.0f, 12970.0f}, {x4 + 30.0f, 13030.0f}, 0x00FF00}),
      lines.end());
  const auto green = std::count_if(lines.begin(), lines.end(),
                                   [](const LineOp& l) { return l.color == 0x00FF00; });
  EXPECT_EQ(green, 9);
  for (const LineOp& line : lines) EXPECT_TRUE(Finite(line.from) && Finite(line.to));
}

// The report stores TargetAtten and IdealR again by the design run's rules:
// the design must come out bit for bit as it went in, including entries
// past N - 1 that an earlier, larger design left.
TEST(Report, LeavesTheDesignAsItWas) {
  struct Case {
    float ohms;
    int16_t n;
    float step;
  };
  const Case cases[] = {{10000.0f, 11, 2.0f}, {4700.0f, 12, 1.5f}, {1e6f, 5, 20.0f},
                        {100.0f, 25, 4.0f},   {10000.0f, 2, 2.0f}, {2.2e3f, 25, 0.01f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.ohms << " ohms, " << c.n << " positions, " << c.step << " dB");
    design::DesignState state = Designed(c.ohms, 25, 3.7f);
    state.NumPositions = c.n;
    state.TotalOhms = c.ohms;
    state.StepSize = c.step;
    design::CalculateLadder(state);
    const design::DesignState before = state;
    Report(state);
    ExpectSameDesign(state, before);
    EXPECT_EQ(state.Spacing, design::ColumnSpacing(c.n));
    EXPECT_EQ(state.PenX, 2500.0f);
  }
}

// The Print button of the design window, with the printer dialog answered
// by a seam: a PDF file, a cancel, or a printer that cannot be opened.
class PrintButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    design::modMain() = {};
    ui::AppSeams() = {};
    ui::AppSeams().pageRecorder = &page_;
    ui::AppSeams().windowRecorder = &windowDrawing_;
    ui::AppSeams().showMessage = [this](const std::string& message) {
      messages_.push_back(message);
    };
    ASSERT_TRUE(folder_.isValid());
    window_ = std::make_unique<ui::frmDesign>();
  }
  void TearDown() override {
    window_.reset();
    ui::AppSeams() = {};
    design::modMain() = {};
  }

  // Answers the dialog with a PDF file at `path`, left in `orientation`.
  void answer(const QString& path, bool accept,
              QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    ui::AppSeams().choosePrinter = [this, path, accept, orientation](QPrinter& printer) {
      ++dialogs_;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      printer.setPageOrientation(orientation);
      return accept;
    };
  }
  void print() { QTest::mouseClick(window_->cmdPrint, Qt::LeftButton); }

  QTemporaryDir folder_;
  surface::RecordingSurface page_;
  surface::RecordingSurface windowDrawing_;
  std::vector<std::string> messages_;
  int dialogs_ = 0;
  std::unique_ptr<ui::frmDesign> window_;
};

std::string RunTool(const char* program, const QStringList& arguments) {
  QProcess process;
  process.start(QString::fromLatin1(program), arguments);
  process.waitForFinished();
  return process.readAllStandardOutput().toStdString();
}

// Height in points of the first word `word` in pdftotext's box listing.
double WordHeight(const std::string& boxes, const std::string& word) {
  const std::regex box("yMin=\"([0-9.]+)\"[^>]*yMax=\"([0-9.]+)\">" + word + "<");
  std::smatch found;
  if (!std::regex_search(boxes, found, box)) return 0.0;
  return std::stod(found[2]) - std::stod(found[1]);
}

TEST_F(PrintButtonTest, PrintsTheLastDesignOnOnePortraitPage) {
  const QString path = folder_.filePath(QStringLiteral("report.pdf"));
  window_->Text2->setText(QStringLiteral("25"));  // typed, not displayed: not printed
  answer(path, true, QPageLayout::Landscape);
  const design::DesignState before = design::modMain();
  const std::size_t windowOps = windowDrawing_.ops().size();
  print();

  EXPECT_EQ(dialogs_, 1);
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(QFile::exists(path));
  ExpectSameDesign(design::modMain(), before);
  EXPECT_EQ(windowDrawing_.ops().size(), windowOps) << "the page went to the window";
  EXPECT_EQ(Texts(page_.ops(), 3040.0f).size(), 10u);
  std::size_t symbols = 0;
  for (const LineOp& line : Lines(page_.ops())) {
    symbols += line.mode == LineMode::Line && line.from.x == 2500.0f && line.to.x == 2500.0f;
  }
  EXPECT_EQ(symbols, 10u) << "PrintResistor draws the symbols on the page";
  ExpectPagePens(page_.ops(), 11);
  const std::vector<TextOp> footer = Texts(page_.ops(), 2000.0f);
  ASSERT_EQ(footer.size(), 1u);
  EXPECT_EQ(footer[0].text, "Kestrix from www.kestrix.example  - " + ui::ReportDate());

  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
    GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
  }
  const std::string info = RunTool("pdfinfo", {path});
  EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +1\n"))) << info;
  std::smatch size;
  ASSERT_TRUE(std::regex_search(info, size, std::regex("Page size: +([0-9.]+) x ([0-9.]+) pts")))
      << info;
  EXPECT_LT(std::stod(size[1]), std::stod(size[2])) << "portrait";

  const std::string text = RunTool("pdftotext", {path, QStringLiteral("-")});
  for (const char* expected :
       {"Ideal:", "Nearest 5%:", "Nearest 1%:", "10k ohms total", "2.057k ohms", "Position",
        "Less atten", "More atten", "Kestrix from www.kestrix.example"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
  }
  EXPECT_NE(text.find(ui::ReportDate()), std::string::npos);

  // True point sizes: a line of 8-point text is 8 points and a little more
  // (ascent plus descent), the 6-point footer in proportion.
  const std::string boxes =
      RunTool("pdftotext", {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  const double body = WordHeight(boxes, "Position");
  const double small = WordHeight(boxes, "Kestrix");
  EXPECT_GT(body, 8.0);
  EXPECT_LT(body, 8.0 * 1.25);
  EXPECT_NEAR(small / body, 6.0 / 8.0, 0.01);
}

TEST_F(PrintButtonTest, CancelOrAFailedPrinterPrintsNothing) {
  struct Case {
    const char* name;
    const char* file;
    bool accept;
    int16_t positions;  // 0: no design in the state
  };
  const Case cases[] = {{"dialog cancelled", "cancelled.pdf", false, 11},
                        {"printer cannot be opened", "no such folder/report.pdf", true, 11},
                        {"no design to print", "empty.pdf", true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = folder_.filePath(QString::fromLatin1(c.file));
    answer(path, c.accept);
    design::modMain().NumPositions = c.positions;
    const design::DesignState before = design::modMain();
    const std::size_t windowOps = windowDrawing_.ops().size();
    dialogs_ = 0;
    print();
    EXPECT_EQ(dialogs_, 1);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(page_.ops().empty());
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(windowDrawing_.ops().size(), windowOps);
    ExpectSameDesign(design::modMain(), before);
  }
}

}  // namespace
