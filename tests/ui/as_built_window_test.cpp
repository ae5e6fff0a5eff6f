// frmAsBuilt driven by its keys: typing, Enter and Tab, paste, the best
// change, undo and redo, the copied table, the rows and their marks, the
// room it uses, and the question before the program ends.
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
#include "ui/desktop/window_palette.h"
#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_window.h"
#include "ui/windows/deviation_window.h"
#include "ui/windows/design_window.h"
#include "ui/windows/in_circuit_window.h"
#include "ui/windows/navigation.h"

namespace {

class AsBuiltWindowTest : public testing_support::WindowTest {
 public:
  // A string of `n` positions, every resistor `ohms` (an E24 value), into
  // no load from no source, kept as the as-built session's surroundings.
  static void Start(int n, double ohms = 1000.0) {
    design::CircuitAnalysis circuit;
    circuit.N = n;
    circuit.Target = design::EqualSteps(n, 6.0);
    circuit.Inputs.LoadOhms = 0.0;
    circuit.Inputs.SourceOhms = 0.0;
    circuit.Inputs.TolerancePercent = 1.0;
    circuit.Sets.resize(1);
    circuit.Sets[0].RoundedIn = &design::kE24;
    circuit.Sets[0].Parts.Ohms.assign(static_cast<std::size_t>(n), ohms);
    circuit.Sets[0].Parts.Ohms[0] = 0.0;
    ui::StartAsBuilt(circuit);
  }

  // The as-built window, shown and active as the hand-over leaves it.
  ui::frmAsBuilt& openWindow() {
    auto* window = new ui::frmAsBuilt;
    ui::ShowOwnWindow(window);
    return open(window, true);
  }
  QTableView* grid() const { return control<QTableView>("grdFitted"); }
  QString cell(int row, int column, int role = Qt::DisplayRole) const {
    return grid()->model()->index(row, column).data(role).toString();
  }
  void goTo(int row, int column) const {
    grid()->setFocus();
    grid()->setCurrentIndex(grid()->model()->index(row, column));
  }
  // Types `text` key by key into whatever has the focus, as a user does,
  // then presses `end`, and lets the queued recompute run.
  static void typeKeys(const char* text, Qt::Key end) {
    for (const char* key = text; *key; ++key) {
      QTest::keyClicks(QApplication::focusWidget(), QString(QLatin1Char(*key)));
    }
    QTest::keyClick(QApplication::focusWidget(), end);
    QApplication::processEvents();
  }
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : grid(), key,
                    modifiers);
  }
  static const design::FittedStrings& fitted() { return ui::KeptAsBuilt().Fitted; }
};

TEST_F(AsBuiltWindowTest, TypesPastesChangesCopiesAndPrints) {
  Start(3);
  ui::frmAsBuilt& window = openWindow();
  // The window opens on left R1, the first editable cell.
  EXPECT_EQ(grid()->currentIndex().row(), 1);
  EXPECT_EQ(grid()->currentIndex().column(), 1);
  // Right R1 typed 1k1 (Tab from left R1), then Enter moves down.
  QTest::keyClick(grid(), Qt::Key_Tab);
  typeKeys("1k1", Qt::Key_Return);
  ASSERT_TRUE(
      QTest::qWaitFor([&window] { return window.analysis().WorstDifference.Db > 0.0; }, 5000));
  EXPECT_EQ(fitted()[1][1], 1100.0);
  EXPECT_EQ(grid()->currentIndex().row(), 2);
  // 1k over 1k against 1.1k over 1k: 20 log10(2.1 / 2) = 0.424 dB apart.
  EXPECT_NEAR(window.analysis().WorstDifference.Db, 0.4238, 1e-4);

  QApplication::clipboard()->setText(QStringLiteral("abc\n"));
  key(Qt::Key_V);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find("R2 right"), std::string::npos);
  EXPECT_EQ(fitted()[1][2], 1000.0);

  click("cmdMakeChange");
  EXPECT_EQ(window.analysis().WorstDifference.Db, 0.0);
  key(Qt::Key_C);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
      QStringLiteral("position\ttarget_dB\tleft_ohm\tright_ohm\t")));

  // Ctrl+P prints the page the recorder sees.
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("as_built.pdf"));
  ui::AppSeams().choosePrinter = [&pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  key(Qt::Key_P);
  EXPECT_TRUE(QFile::exists(pdf));
  const std::vector<surface::TextOp> texts = recorded::Texts(page_.ops());
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].text, "Kestrix - As built");
}

// Tab out of a typed cell and typing goes on into the next one, replacing
// it, as after Enter.
TEST_F(AsBuiltWindowTest, TypingAfterTabReplacesTheNextCell) {
  Start(3);
  openWindow();
  typeKeys("1k1", Qt::Key_Tab);
  typeKeys("1k2", Qt::Key_Tab);
  typeKeys("1k3", Qt::Key_Return);
  EXPECT_EQ(fitted()[0][1], 1100.0);
  EXPECT_EQ(fitted()[1][1], 1200.0);
  EXPECT_TRUE(messages_.empty());
  // Past Right, Tab went on through the result columns of R1's row.
  EXPECT_EQ(fitted()[0][2], 1000.0);
  EXPECT_EQ(fitted()[1][2], 1000.0);
}

// Each row holds position p beside resistor p, the part just above its tap:
// R2 of the left string fitted as 10k instead of 1k shows its jump on its
// own row. 1k + 10k + 1k: position 1 is 20 log10(12 / 11) = 0.756 dB down,
// position 2 is 20 log10(12 / 1) = 21.584 dB; the right string of 1k parts
// is 20 log10(3 / 2) = 3.522 and 20 log10(3) = 9.542 dB down.
TEST_F(AsBuiltWindowTest, EachResistorSitsOnTheRowOfThePositionBelowIt) {
  Start(4);
  ui::KeptAsBuilt().Fitted[0][2] = 10000.0;
  openWindow();
  struct Row {
    const char* resistor;
    const char* left;
    const char* position;
    const char* leftDb;
    const char* rightDb;
    bool editable;
  };
  const Row rows[] = {{"", "", "0", "0.000", "0.000", false},
                      {"R1", "1k", "1", "0.756", "3.522", true},
                      {"R2", "10k", "2", "21.584", "9.542", true},
                      {"R3", "1k", "3", "", "", true}};  // ground: no attenuation
  ASSERT_EQ(grid()->model()->rowCount(), 4);
  for (int row = 0; row < 4; ++row) {
    SCOPED_TRACE(row);
    const Row& want = rows[row];
    EXPECT_EQ(cell(row, 0).toStdString(), want.resistor);
    EXPECT_EQ(cell(row, 1).toStdString(), want.left);
    EXPECT_EQ(cell(row, 3).toStdString(), want.position);
    EXPECT_EQ(cell(row, 5).toStdString(), want.leftDb);
    EXPECT_EQ(cell(row, 6).toStdString(), want.rightDb);
    EXPECT_EQ(bool(grid()->model()->index(row, 1).flags() & Qt::ItemIsEditable), want.editable);
  }
}

// Every change to the values is one step back and forth.
TEST_F(AsBuiltWindowTest, UndoAndRedoWalkTypingPasteChangeAndDesignedValues) {
  Start(3);
  openWindow();
  std::vector<design::FittedStrings> states{fitted()};
  const std::function<void()> steps[] = {
      [&] {  // type 1k1 over left R1
        goTo(1, 1);
        typeKeys("1k1", Qt::Key_Return);
      },
      [&] {  // paste 2k and 3k over right R1 and R2
        QApplication::clipboard()->setText(QStringLiteral("2k\n3k\n"));
        goTo(1, 2);
        key(Qt::Key_V);
      },
      [&] { click("cmdMakeChange"); },
      [&] { click("cmdDesigned"); }};
  for (const auto& step : steps) {
    step();
    states.push_back(fitted());
  }
  EXPECT_EQ(states[1][0][1], 1100.0);
  EXPECT_EQ(states[2][1][1], 2000.0);
  EXPECT_EQ(states[2][1][2], 3000.0);
  EXPECT_NE(states[3], states[2]);
  EXPECT_EQ(states[4][1][2], 1000.0);
  // Back to the start one step at a time, then forward with both redo keys.
  for (int at = 3; at >= 0; --at) {
    SCOPED_TRACE(at);
    key(Qt::Key_Z);
    EXPECT_EQ(fitted(), states[static_cast<std::size_t>(at)]);
  }
  key(Qt::Key_Z);  // nothing further back
  EXPECT_EQ(fitted(), states[0]);
  for (int at = 1; at <= 4; ++at) {
    SCOPED_TRACE(at);
    if (at % 2 == 1) {
      key(Qt::Key_Y);
    } else {
      key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    EXPECT_EQ(fitted(), states[static_cast<std::size_t>(at)]);
  }
  EXPECT_TRUE(messages_.empty());
}

// Ctrl+Q from every window that can follow the as-built window asks first
// while typed values are not copied; answered No, the window stays.
TEST_F(AsBuiltWindowTest, CtrlQAsksFromEveryWindowWhileValuesAreNotCopied) {
  testing_support::DesignInProgram(10000.0f, 11, 2.0f);
  Start(3);
  ui::KeptAsBuilt().Fitted[0][1] = 1100.0;
  const std::function<QWidget*()> windows[] = {
      [] { return new ui::frmAsBuilt; }, [] { return new ui::frmInCircuit; },
      [] { return new ui::frmDesign; }, [] { return new ui::frmExamine; }};
  for (const auto& make : windows) {
    QWidget* window = make();
    SCOPED_TRACE(name(window));
    questions_.clear();
    ui::ShowOwnWindow(window);
    open(window, true);
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0], ui::kDiscardFittedQuestion);
    EXPECT_TRUE(window->isVisible());
  }
}

// The question's answers, through the program's own Yes/No box: only Yes
// ends the program; after a copy nothing is asked.
TEST_F(AsBuiltWindowTest, EndingTheProgramAsksBeforeDiscardingTypedValues) {
  const auto press = [](Qt::Key key) {
    return [key](QMessageBox& box) { QTest::keyClick(&box, key); };
  };
  const auto button = [](QMessageBox::StandardButton which) {
    return [which](QMessageBox& box) { box.button(which)->click(); };
  };
  struct Row {
    const char* what;
    std::function<void(QMessageBox&)> answer;
    bool copyFirst;
    std::size_t questions;
    bool ends;
  };
  const Row rows[] = {{"No", button(QMessageBox::No), false, 1, false},
                      {"Escape", press(Qt::Key_Escape), false, 1, false},
                      {"Enter", press(Qt::Key_Return), false, 1, false},
                      {"Yes", button(QMessageBox::Yes), false, 1, true},
                      {"after a copy", button(QMessageBox::No), true, 0, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ui::KeptAsBuilt() = {};
    Start(3);
    questions_.clear();
    ui::AppSeams().askQuestion = [&](const std::string& question) {
      questions_.push_back(question);
      QMessageBox box;
      ui::SetUpQuestion(box, question);
      box.show();
      row.answer(box);
      return box.clickedButton() == box.button(QMessageBox::Yes);
    };
    QWidget& window = openWindow();
    goTo(1, 1);
    typeKeys("1k1", Qt::Key_Return);
    if (row.copyFirst) key(Qt::Key_C);
    // Exit code 7: Ctrl+Q left the program running.
    const int code = runUntilQuit([&window] {
      QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
      if (window.isVisible()) QCoreApplication::exit(7);
    });
    EXPECT_EQ(questions_.size(), row.questions);
    EXPECT_EQ(code, row.ends ? 0 : 7);
    EXPECT_EQ(window.isVisible(), !row.ends);
  }
}

// Opened in the place of a large window, the table's headings and cells
// fit in their columns, at the text size the window opens with.
TEST_F(AsBuiltWindowTest, HeadingsFitTheirColumnsAtOpening) {
  Start(12);
  auto* large = new QWidget;
  large->setGeometry(20, 20, 1400, 1000);
  ui::ShowOwnWindow(large);
  ui::ShowAsBuiltWindow(large, ui::KeptAsBuilt().Circuit);
  QWidget* window = onlyWindow();
  ASSERT_EQ(name(window), "frmAsBuilt");
  window_ = window;
  QHeaderView* heading = grid()->horizontalHeader();
  const int margins = 2 * heading->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, heading);
  for (int column = 0; column < heading->count(); ++column) {
    const QString text = grid()->model()->headerData(column, Qt::Horizontal).toString();
    SCOPED_TRACE(text.toStdString());
    EXPECT_GE(heading->sectionSize(column), heading->fontMetrics().horizontalAdvance(text) + margins);
    EXPECT_GE(heading->sectionSize(column), static_cast<QAbstractItemView*>(grid())->sizeHintForColumn(column));
  }
}

// Enlarged, the window shows more rows in the same text size.
TEST_F(AsBuiltWindowTest, GrowingShowsMoreRowsNotLargerText) {
  Start(64);
  ui::frmAsBuilt& window = openWindow();
  const auto shownRows = [this] {
    return grid()->rowAt(grid()->viewport()->height() - 1) - grid()->rowAt(0);
  };
  const double points = grid()->font().pointSizeF();
  const int rows = shownRows();
  window.resize(window.size() * 3 / 2);
  QApplication::processEvents();
  EXPECT_EQ(grid()->font().pointSizeF(), points);
  EXPECT_GE(shownRows(), rows * 3 / 2 - 1);
}

// A fitted value beyond the 1% tolerance is marked amber, one more than
// three times off red; each says why to a screen reader and in its tooltip.
TEST_F(AsBuiltWindowTest, MarksPartsBeyondToleranceAndLikelyWrongParts) {
  Start(7);
  struct Row {
    double ohms;
    std::optional<QColor> colour;
    const char* description;
  };
  const Row rows[] = {{1000.0, std::nullopt, ""},
                      {1009.0, std::nullopt, ""},
                      {1020.0, ui::kBeyondToleranceCell, "Beyond the 1% tolerance of the designed 1k"},
                      {985.0, ui::kBeyondToleranceCell, "Beyond the 1% tolerance of the designed 1k"},
                      {3010.0, ui::kMisfitCell, "Likely a wrong part: more than 3 times off the designed 1k"},
                      {330.0, ui::kMisfitCell, "Likely a wrong part: more than 3 times off the designed 1k"}};
  for (int k = 1; k <= 6; ++k) ui::KeptAsBuilt().Fitted[1][k] = rows[k - 1].ohms;
  openWindow();
  QAccessibleTableInterface* table =
      QAccessible::queryAccessibleInterface(grid())->tableInterface();
  ASSERT_NE(table, nullptr);
  for (int k = 1; k <= 6; ++k) {
    const Row& row = rows[k - 1];
    SCOPED_TRACE(row.ohms);
    const QVariant background = grid()->model()->index(k, 2).data(Qt::BackgroundRole);
    EXPECT_EQ(background.isValid(), row.colour.has_value());
    if (row.colour) {
      EXPECT_EQ(background.value<QBrush>().color(), *row.colour);
    }
    EXPECT_EQ(table->cellAt(k, 2)->text(QAccessible::Description).toStdString(), row.description);
    EXPECT_EQ(cell(k, 2, Qt::ToolTipRole).toStdString(), row.description);
    EXPECT_FALSE(grid()->model()->index(k, 1).data(Qt::BackgroundRole).isValid());  // left: 1k
  }
  // Black table text stays readable on both marks, which differ plainly.
  for (const QColor& mark : {ui::kMisfitCell, ui::kBeyondToleranceCell}) {
    EXPECT_GE(ui::ContrastRatio(Qt::black, mark), 7.0);
  }
  EXPECT_GE(ui::ContrastRatio(ui::kMisfitCell, ui::kBeyondToleranceCell), 1.3);
}

}  // namespace
