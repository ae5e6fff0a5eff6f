// The Print button of the design window end to end: the dialog answered by a
// seam, the page drawn through the window's PrintResistor, into a real PDF;
// each report's own file name in the dialog; text measured as it prints.
#include <regex>
#include <string>
#include <vector>

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "design/design_state.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/print_job.h"
#include "ui/desktop/seams.h"
#include "ui/surface/printer_surface.h"
#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_window.h"
#include "ui/windows/design_window.h"
#include "ui/windows/in_circuit_window.h"

#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"
#include "tests/support/window_test.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using testing_support::ExpectSameDesign;

// A PDF file, a cancel, or a printer that cannot be opened.
class PrintButtonTest : public testing_support::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(folder_.isValid());
    design_ = &open(new ui::frmDesign);
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
  void print() { click("cmdPrint"); }

  QTemporaryDir folder_;
  int dialogs_ = 0;
  ui::frmDesign* design_ = nullptr;
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
  design_->Text2->setText(QStringLiteral("25"));  // typed, not displayed: not printed
  answer(path, true, QPageLayout::Landscape);
  const design::DesignState before = design::modMain();
  const std::size_t windowOps = drawing_.ops().size();
  print();

  EXPECT_EQ(dialogs_, 1);
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(QFile::exists(path));
  ExpectSameDesign(before, design::modMain());
  EXPECT_EQ(drawing_.ops().size(), windowOps) << "the page went to the window";
  EXPECT_EQ(recorded::TextsAt(page_.ops(), 3040.0f).size(), 10u);
  std::size_t symbols = 0;
  for (const LineOp& line : recorded::Lines(page_.ops())) {
    symbols += line.mode == LineMode::Line && line.from.x == 2500.0f && line.to.x == 2500.0f;
  }
  EXPECT_EQ(symbols, 10u) << "PrintResistor draws the symbols on the page";
  const std::vector<surface::TextOp> footer = recorded::TextsAt(page_.ops(), 2000.0f);
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
    const std::size_t windowOps = drawing_.ops().size();
    dialogs_ = 0;
    print();
    EXPECT_EQ(dialogs_, 1);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(page_.ops().empty());
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(drawing_.ops().size(), windowOps);
    ExpectSameDesign(before, design::modMain());
  }
}

// Each dialog offers a file name of its report's own, not to overwrite another.
TEST_F(PrintButtonTest, OffersEachReportUnderAFileNameOfItsOwn) {
  std::vector<std::string> offered;
  ui::AppSeams().choosePrinter = [&offered](QPrinter& printer) {
    offered.push_back(printer.docName().toStdString());  // and, with no printer, the file:
    EXPECT_TRUE(printer.outputFormat() != QPrinter::PdfFormat ||
                printer.outputFileName().endsWith(QLatin1Char('/') + printer.docName()));
    return false;
  };
  print();
  const ui::frmInCircuit& inCircuit = open(new ui::frmInCircuit);
  click("cmdPrint");
  ui::StartAsBuilt(inCircuit.analysis());
  open(new ui::frmAsBuilt);
  click("cmdPrint");
  EXPECT_EQ(offered, (std::vector<std::string>{"Kestrix design 10k 11x2dB.pdf",
                                               "Kestrix in circuit 10k 11 positions 2 dB.pdf",
                                               "Kestrix as built 10k 11 positions E96.pdf"}));
}

// A page measures its texts, before the job opens, as the printer sets them.
TEST_F(PrintButtonTest, MeasuresTextAsThePrinterSetsIt) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(folder_.filePath(QStringLiteral("measured.pdf")));
  const surface::Scale scale{0.0f, 0.0f, 12000.0f, 16000.0f};
  const std::pair<const char*, float> words[] = {{"iiiiiiii", 7.0f}, {"WWWWWWWW", 12.0f}};
  surface::PrinterSurface page(printer, ui::PageFont());
  page.setScale(scale);
  for (const auto& [word, points] : words) {
    page.setFontSize(points);
    page.printAt({1000.0f, points * 500.0f}, word);
  }
  ASSERT_TRUE(page.finish());
  const std::string boxes = RunTool("pdftotext", {"-bbox", printer.outputFileName(), "-"});
  const double unitsPerPoint = 12000.0 / printer.pageRect(QPrinter::Point).width();
  for (const auto& [word, points] : words) {  // each word's printed width
    std::smatch box;
    ASSERT_TRUE(std::regex_search(
        boxes, box,
        std::regex(R"re(xMin="([\d.]+)"[^>]*xMax="([\d.]+)"[^>]*>)re" + std::string(word))));
    const double printed = (std::stod(box[2]) - std::stod(box[1])) * unitsPerPoint;
    EXPECT_NEAR(surface::PrinterTextMeasure(printer, ui::PageFont())(word, points, scale) / printed,
                1.0, 0.03)
        << word;
  }
}

}  // namespace
