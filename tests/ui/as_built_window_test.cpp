// frmAsBuilt driven by its keys: typing, Enter and Tab, paste, the best
// change and the copied table.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/recorded_ops.h"
#include "ui/desktop/seams.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_window.h"

namespace {

TEST(AsBuiltWindow, TypesPastesChangesAndCopies) {
  design::CircuitAnalysis circuit;
  circuit.N = 3;
  circuit.Target = design::EqualSteps(3, 6.0);
  circuit.Inputs.LoadOhms = 0.0;
  circuit.Inputs.SourceOhms = 0.0;
  circuit.Sets.resize(1);
  circuit.Sets[0].RoundedIn = &design::kE24;
  circuit.Sets[0].Parts.Ohms = {0, 1000, 1000};
  ui::StartAsBuilt(circuit);
  std::vector<std::string> messages;
  ui::AppSeams().showMessage = [&](const std::string& m) { messages.push_back(m); };

  ui::frmAsBuilt window;
  window.show();
  QApplication::setActiveWindow(&window);
  QTableView* grid = window.findChild<QTableView*>("grdFitted");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->currentIndex().row(), 0);
  EXPECT_EQ(grid->currentIndex().column(), 1);
  // Right R1 typed 1k1 (Tab from left R1), then Enter moves down.
  QTest::keyClick(grid, Qt::Key_Tab);
  for (const char key : std::string("1k1")) QTest::keyClicks(QApplication::focusWidget(), QString(key));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  // The table recomputes once the editor has closed, from the event loop.
  ASSERT_TRUE(
      QTest::qWaitFor([&window] { return window.analysis().WorstDifference.Db > 0.0; }, 5000));
  EXPECT_EQ(ui::KeptAsBuilt().Fitted[1][1], 1100.0);
  EXPECT_EQ(grid->currentIndex().row(), 1);
  // 1k over 1k against 1.1k over 1k: 20 log10(2.1 / 2) = 0.424 dB apart.
  EXPECT_NEAR(window.analysis().WorstDifference.Db, 0.4238, 1e-4);

  QApplication::clipboard()->setText(QStringLiteral("abc\n"));
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("R2 right"), std::string::npos);
  EXPECT_EQ(ui::KeptAsBuilt().Fitted[1][2], 1000.0);

  window.findChild<QPushButton*>("cmdMakeChange")->click();
  EXPECT_EQ(window.analysis().WorstDifference.Db, 0.0);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
      QStringLiteral("position\ttarget_dB\tleft_ohm\tright_ohm\t")));

  // Ctrl+P prints the page the recorder sees.
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("as_built.pdf"));
  surface::RecordingSurface page;
  ui::AppSeams().pageRecorder = &page;
  ui::AppSeams().choosePrinter = [&pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  QTest::keyClick(grid, Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(QFile::exists(pdf));
  const std::vector<surface::TextOp> texts = recorded::Texts(page.ops());
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].text, "Kestrix - As built");
  ui::AppSeams() = {};
}

}  // namespace
