// frmAsBuilt driven by its keys: typing, Enter and Tab, paste, the best
// change, undo and redo, the copied table, the rows and their marks, the
// room it uses, and the question before the program ends.
#include <functional>
#include <optional>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"
#include "tests/support/window_test.h"
#include "ui/desktop/message_box.h"
#include "ui/desktop/seams.h"
#include "ui/desktop/window_palette.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_window.h"
#include "ui/windows/design_window.h"
#include "ui/windows/deviation_window.h"
#include "ui/windows/in_circuit_window.h"
#include "ui/windows/navigation.h"

namespace {

// A string of `n` 1k parts (E24, 1%) into no load from no source, as the
// as-built session's surroundings.
void StartString(int n) {
  circuit::CircuitAnalysis circuit;
  circuit.N = n;
  circuit.Target = circuit::EqualSteps(n, 6.0);
  circuit.Inputs = {0.0, 0.0, 0.0, 1.0};
  circuit.Sets.resize(1);
  circuit.Sets[0].RoundedIn = &design::kE24;
  circuit.Sets[0].Parts.Ohms.assign(static_cast<std::size_t>(n), 1000.0);
  ui::StartAsBuilt(circuit);
}

TEST(AsBuiltWindow, TypesPastesChangesAndCopies) {
  ui::KeptAsBuilt() = {};
  StartString(3);
  std::vector<std::string> messages;
  ui::AppSeams().showMessage = [&](const std::string& m) { messages.push_back(m); };

  ui::frmAsBuilt window;
  window.show();
  QApplication::setActiveWindow(&window);
  QTableView* grid = window.findChild<QTableView*>("grdFitted");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->currentIndex().row(), 1);  // left R1, below position 0
  EXPECT_EQ(grid->currentIndex().column(), 1);
  // Right R1 typed 1k1 (Tab from left R1), then Enter moves down.
  QTest::keyClick(grid, Qt::Key_Tab);
  for (const char key : std::string("1k1")) QTest::keyClicks(QApplication::focusWidget(), QString(key));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  // The table recomputes once the editor has closed, from the event loop.
  ASSERT_TRUE(
      QTest::qWaitFor([&window] { return window.analysis().WorstDifference.Db > 0.0; }, 5000));
  EXPECT_EQ(ui::KeptAsBuilt().Fitted[1][1], 1100.0);
  EXPECT_EQ(grid->currentIndex().row(), 2);
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

class AsBuiltWindowTest : public testing_support::WindowTest {
 public:
  // The as-built window on StartString(n) after `change` to its values,
  // shown as the hand-over shows it, and active.
  QWidget& openOn(int n, const std::function<void(circuit::FittedStrings&)>& change = {}) {
    StartString(n);
    if (change) change(ui::KeptAsBuilt().Fitted);
    auto* window = new ui::frmAsBuilt;
    ui::ShowOwnWindow(window);
    return open(window, true);
  }
  QTableView* grid() const { return control<QTableView>("grdFitted"); }
  QModelIndex at(int row, int column) const { return grid()->model()->index(row, column); }
  // Types `text` key by key into the focus, as a user does, then `end`.
  static void typeKeys(const char* text, Qt::Key end = Qt::Key_Return) {
    for (const char* key = text; *key; ++key) {
      QTest::keyClicks(QApplication::focusWidget(), QString(QLatin1Char(*key)));
    }
    QTest::keyClick(QApplication::focusWidget(), end);
    QApplication::processEvents();  // the queued recompute
  }
  static void ctrl(Qt::Key key, Qt::KeyboardModifiers more = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier | more);
  }
  static const circuit::FittedStrings& fitted() { return ui::KeptAsBuilt().Fitted; }
};

// Left R2 fitted as 10k instead of 1k shows its jump on its own row. Left,
// 1k + 10k + 1k: position 1 is 20 log10(12 / 11) = 0.756 dB down, position 2
// 20 log10(12) = 21.584 dB; right, 1k each: 20 log10(1.5) = 3.522 and
// 20 log10(3) = 9.542 dB. Ground has no attenuation.
TEST_F(AsBuiltWindowTest, EachRowHoldsAPositionAndTheResistorJustAboveIt) {
  openOn(4, [](circuit::FittedStrings& fitted) { fitted[0][2] = 10000.0; });
  const int columns[] = {0, 1, 3, 5, 6};  // resistor, left, position, left dB, right dB
  const char* const rows[][5] = {{"", "", "0", "0.000", "0.000"},
                                 {"R1", "1k", "1", "0.756", "3.522"},
                                 {"R2", "10k", "2", "21.584", "9.542"},
                                 {"R3", "1k", "3", "", ""}};
  ASSERT_EQ(grid()->model()->rowCount(), 4);
  for (int row = 0; row < 4; ++row) {
    SCOPED_TRACE(row);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(at(row, columns[i]).data().toString(), rows[row][i]);
    EXPECT_EQ(bool(at(row, 1).flags() & Qt::ItemIsEditable), row > 0);
  }
}

// Typing after Tab replaces the next cell; each change is one step back
// with Ctrl+Z and forward with Ctrl+Y or Ctrl+Shift+Z.
TEST_F(AsBuiltWindowTest, TypingAfterTabAndUndoRedoOfEveryChange) {
  QWidget& window = openOn(3);
  const std::function<void()> steps[] = {
      [] { typeKeys("1k1", Qt::Key_Tab); },  // left R1, then on to right R1
      [] { typeKeys("1k2"); },
      [this] {  // right R1 and R2
        QApplication::clipboard()->setText(QStringLiteral("2k\n3k\n"));
        grid()->setCurrentIndex(at(1, 2));
        ctrl(Qt::Key_V);
      },
      [&window] { click(&window, "cmdMakeChange"); },
      [&window] { click(&window, "cmdDesigned"); }};
  std::vector<circuit::FittedStrings> states{fitted()};
  for (const auto& step : steps) {
    step();
    states.push_back(fitted());
  }
  EXPECT_EQ(states[1][0][1], 1100.0);
  EXPECT_EQ(states[2][1][1], 1200.0);
  EXPECT_EQ(states[3][1][2], 3000.0);
  EXPECT_NE(states[4], states[3]);
  EXPECT_EQ(states[5], states[0]);
  EXPECT_TRUE(messages_.empty());
  for (int step = 4; step >= -1; --step) {  // one more than there is: nothing happens
    ctrl(Qt::Key_Z);
    EXPECT_EQ(fitted(), states[std::max(step, 0)]) << step;
  }
  for (int step = 1; step <= 5; ++step) {
    step % 2 ? ctrl(Qt::Key_Y) : ctrl(Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(fitted(), states[step]) << step;
  }
}

// Ctrl+Q in any window while typed values are not copied asks first, in
// the program's own box: only Yes ends the program. After a copy nothing
// is asked.
TEST_F(AsBuiltWindowTest, CtrlQFromEveryWindowAsksBeforeDiscardingTypedValues) {
  testing_support::DesignInProgram(10000.0f, 11, 2.0f);
  const std::function<QWidget*()> asBuilt = [] { return new ui::frmAsBuilt; };
  const struct {
    std::function<QWidget*()> window;
    const char* answer;  // the button clicked, or the key pressed
    Qt::Key key;
    bool copied;
    bool ends;
  } rows[] = {{asBuilt, "&No", {}, false, false},
              {asBuilt, "Escape", Qt::Key_Escape, false, false},
              {asBuilt, "Enter", Qt::Key_Return, false, false},
              {asBuilt, "&Yes", {}, false, true},
              {asBuilt, "copied", {}, true, true},
              {[] { return new ui::frmInCircuit; }, "&No", {}, false, false},
              {[] { return new ui::frmDesign; }, "&No", {}, false, false},
              {[] { return new ui::frmExamine; }, "&No", {}, false, false}};
  for (const auto& row : rows) {
    ui::KeptAsBuilt() = {};
    StartString(3);
    ui::KeptAsBuilt().Fitted[0][1] = 1100.0;
    QWidget* window = row.window();
    SCOPED_TRACE(name(window) + " " + row.answer);
    ui::ShowOwnWindow(window);
    open(window, true);
    if (row.copied) ctrl(Qt::Key_C);
    questions_.clear();
    ui::AppSeams().askQuestion = [this, &row](const std::string& question) {
      questions_.push_back(question);
      QMessageBox box;
      ui::SetUpQuestion(box, question);
      box.show();
      if (row.key) QTest::keyClick(&box, row.key);
      for (QAbstractButton* button : box.buttons()) {
        if (button->text() == QString::fromLatin1(row.answer)) button->click();
      }
      return box.clickedButton() == box.button(QMessageBox::Yes);
    };
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(questions_.size(), row.copied ? 0u : 1u);
    EXPECT_NE(window->isVisible(), row.ends);
  }
}

// Opened in the place of a large window, every heading fits its column;
// grown further, the table shows more rows in the same text.
TEST_F(AsBuiltWindowTest, UsesItsRoomForMoreRowsNotLargerText) {
  StartString(64);
  auto* large = new QWidget;
  large->resize(1400, 1000);
  ui::ShowOwnWindow(large);
  ui::ShowAsBuiltWindow(large, ui::KeptAsBuilt().Circuit);
  window_ = onlyWindow();
  QHeaderView* heading = grid()->horizontalHeader();
  const int margins = 2 * heading->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, heading);
  for (int column = 0; column < heading->count(); ++column) {
    const QString text = grid()->model()->headerData(column, Qt::Horizontal).toString();
    EXPECT_GE(heading->sectionSize(column),
              heading->fontMetrics().horizontalAdvance(text) + margins)
        << text.toStdString();
    EXPECT_GE(heading->sectionSize(column),
              static_cast<QAbstractItemView*>(grid())->sizeHintForColumn(column));
  }
  const auto shownRows = [this] { return grid()->rowAt(grid()->viewport()->height() - 1); };
  const double points = grid()->font().pointSizeF();
  const int rows = shownRows();
  window_->resize(window_->size() * 3 / 2);
  QApplication::processEvents();
  EXPECT_EQ(grid()->font().pointSizeF(), points);
  EXPECT_GE(shownRows(), rows * 3 / 2 - 1);
}

// Against the designed 1k at 1%: within it no mark, beyond it amber, more
// than three times off red; screen readers and the tooltip hear why.
TEST_F(AsBuiltWindowTest, MarksPartsBeyondToleranceAndLikelyWrongParts) {
  const char* const beyond = "Beyond the 1% tolerance of the designed 1k";
  const char* const wrong = "Likely a wrong part: more than 3 times off the designed 1k";
  const struct {
    double ohms;
    std::optional<QColor> colour;
    const char* description;
  } rows[] = {{1000.0, {}, ""},
              {1009.0, {}, ""},
              {1020.0, ui::kBeyondToleranceCell, beyond},
              {985.0, ui::kBeyondToleranceCell, beyond},
              {3010.0, ui::kMisfitCell, wrong},
              {330.0, ui::kMisfitCell, wrong}};
  openOn(7, [&rows](circuit::FittedStrings& fitted) {
    for (int k = 1; k <= 6; ++k) fitted[1][k] = rows[k - 1].ohms;
  });
  QAccessibleTableInterface* table =
      QAccessible::queryAccessibleInterface(grid())->tableInterface();
  for (int k = 1; k <= 6; ++k) {
    SCOPED_TRACE(rows[k - 1].ohms);
    const QVariant background = at(k, 2).data(Qt::BackgroundRole);
    EXPECT_EQ(
        background.isValid() ? std::optional(background.value<QBrush>().color()) : std::nullopt,
        rows[k - 1].colour);
    EXPECT_EQ(table->cellAt(k, 2)->text(QAccessible::Description), rows[k - 1].description);
    EXPECT_EQ(at(k, 2).data(Qt::ToolTipRole).toString(), rows[k - 1].description);
  }
  // Black table text stays readable on both marks, which differ plainly.
  EXPECT_GE(ui::ContrastRatio(Qt::black, ui::kMisfitCell), 7.0);
  EXPECT_GE(ui::ContrastRatio(Qt::black, ui::kBeyondToleranceCell), 7.0);
  EXPECT_GE(ui::ContrastRatio(ui::kMisfitCell, ui::kBeyondToleranceCell), 1.3);
}

}  // namespace
