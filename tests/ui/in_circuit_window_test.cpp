// The in-circuit window driven through its keys and controls: its boxes, the
// table and what the Copy key puts on the clipboard, the chart, the printed
// page and the way back to the design window.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "circuit_text/build_list.h"
#include "circuit_text/circuit_inputs.h"
#include "circuit_text/kind_table.h"
#include "circuit_text/parts_list.h"
#include "circuit_text/string_table.h"
#include "design/design_state.h"
#include "design/ladder.h"
#include "design/series.h"
#include "notation/builder_value.h"
#include "notation/eng_notation.h"
#include "tests/support/designed.h"
#include "tests/support/open_windows.h"
#include "ui/desktop/seams.h"
#include "ui/pictures/in_circuit_chart.h"
#include "ui/pictures/kind_page.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/circuit_session.h"
#include "ui/windows/in_circuit_window.h"
#include "ui/windows/navigation.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::Op;
using surface::TextOp;

void Design(float total, int16_t positions, float step) {
  testing_support::DesignInProgram(total, positions, step);
}

bool Finite(const Op& op) {
  if (const auto* line = std::get_if<LineOp>(&op)) {
    return std::isfinite(line->from.x) && std::isfinite(line->from.y) &&
           std::isfinite(line->to.x) && std::isfinite(line->to.y);
  }
  if (const auto* text = std::get_if<TextOp>(&op)) {
    return std::isfinite(text->at.x) && std::isfinite(text->at.y);
  }
  return true;
}

// Cells of tab-separated text, line by line.
std::vector<std::vector<std::string>> Cells(const QString& text) {
  std::vector<std::vector<std::string>> rows;
  QStringList lines = text.split(QLatin1Char('\n'));
  EXPECT_TRUE(lines.last().isEmpty()) << "every line ends with a line feed";
  lines.removeLast();
  for (const QString& line : lines) {
    std::vector<std::string> cells;
    for (const QString& cell : line.split(QLatin1Char('\t'))) cells.push_back(cell.toStdString());
    rows.push_back(cells);
  }
  return rows;
}

class InCircuitWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    Design(10000.0f, 11, 2.0f);
    ui::KeptCircuitSession() = {};
    ui::Seams& seams = ui::AppSeams();
    seams.showMessage = [this](const std::string& message) { messages_.push_back(message); };
    seams.windowRecorder = &window_;
    seams.pageRecorder = &page_;
    seams.choosePrinter = [this](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf());
      return true;
    };
  }
  void TearDown() override {
    for (QWidget* window : windows()) delete window;
    ui::AppSeams() = {};
    design::modMain() = {};
    ui::KeptCircuitSession() = {};
    notation::SetDecimalSeparator('.');
  }

  QString pdf() const { return folder_.filePath(QStringLiteral("in-circuit.pdf")); }

  static std::vector<QWidget*> windows() { return testing_support::OpenWindows(); }
  static QWidget* onlyWindow() {
    const std::vector<QWidget*> open = windows();
    EXPECT_EQ(open.size(), 1u);
    return open.size() == 1 ? open.front() : nullptr;
  }

  // Opens the window as the design window's button does, shown and active.
  ui::frmInCircuit& open() {
    auto* window = new ui::frmInCircuit;
    ui::ShowOwnWindow(window);
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return *window;
  }
  ui::frmInCircuit& window() { return *static_cast<ui::frmInCircuit*>(onlyWindow()); }

  QLineEdit* box(const char* name) {
    return window().findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  std::string text(const char* name) { return box(name)->text().toStdString(); }
  void typeAndEnter(const char* name, const char* typed) {
    QLineEdit* edit = box(name);
    edit->setFocus();
    edit->clear();
    const QString characters = QString::fromUtf8(typed);
    // The test keyboard has ASCII keys only; other characters are pasted.
    bool ascii = true;
    for (const QChar c : characters) ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
      QTest::keyClicks(edit, characters);
    } else {
      edit->insert(characters);
    }
    QTest::keyClick(edit, Qt::Key_Return);
  }
  // The table as the window shows it: the display text of every cell.
  std::vector<std::vector<std::string>> shownTable() {
    const QAbstractItemModel* model = window().grdPositions->model();
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header;
    for (int c = 0; c < model->columnCount(); ++c)
      header.push_back(circuit_text::ColumnName(
          circuit_text::kCircuitColumns[static_cast<std::size_t>(c)], window().analysis()));
    rows.push_back(header);
    for (int r = 0; r < model->rowCount(); ++r) {
      std::vector<std::string> cells;
      for (int c = 0; c < model->columnCount(); ++c) {
        cells.push_back(model->index(r, c).data().toString().toStdString());
      }
      rows.push_back(cells);
    }
    return rows;
  }
  // Every text and coordinate recorded since the last clear is finite and
  // free of "nan" and "inf".
  void expectCleanDrawing(const surface::RecordingSurface& recorder) {
    for (const Op& op : recorder.ops()) {
      EXPECT_TRUE(Finite(op)) << op;
      if (const auto* printed = std::get_if<TextOp>(&op)) {
        const QString words = QString::fromStdString(printed->text).toLower();
        EXPECT_FALSE(words.contains(QStringLiteral("nan")) || words.contains(QStringLiteral("inf")))
            << printed->text;
      }
    }
  }

  QTemporaryDir folder_;
  surface::RecordingSurface window_;
  surface::RecordingSurface page_;
  std::vector<std::string> messages_;
};

TEST_F(InCircuitWindowTest, OpensWithTheDefaultsAndTheFocusInTheLoadBox) {
  ui::frmInCircuit& w = open();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Kestrix - In circuit"));
  EXPECT_EQ(text("txtLoad"), "47k");
  EXPECT_EQ(text("txtSource"), "0");
  EXPECT_EQ(text("txtCable"), "100p");
  EXPECT_EQ(text("txtTolerance"), "1");
  EXPECT_EQ(QApplication::focusWidget(), w.txtLoad);
  EXPECT_EQ(w.lblDesign->text(), QStringLiteral("Design: 10k ohms, 11 positions, 2 dB per step"));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(w.grdPositions->model()->rowCount(), 11);
  EXPECT_EQ(w.analysis().Inputs.LoadOhms, 47000.0);
  // The output impedance peaks at position 3 (2.5k of the 10k string), and so the noise.
  EXPECT_TRUE(w.lblSummary->text().contains(QStringLiteral("Largest output noise 0")));
  EXPECT_TRUE(w.lblSummary->text().contains(QStringLiteral("dBu) at position 3.")));
}

// A dark desktop theme leaves the window dark text on a light ground.
TEST_F(InCircuitWindowTest, KeepsItsLightColoursUnderADarkTheme) {
  const QPalette before = QApplication::palette();
  QPalette dark = before;
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    dark.setColor(role, QColor(30, 30, 30));
  }
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(role, QColor(230, 230, 230));
  }
  QApplication::setPalette(dark);
  ui::frmInCircuit& w = open();
  QWidget* const controls[] = {w.txtLoad, w.grdPositions, w.lblSummary, w.cmdPrint};
  for (QWidget* control : controls) {
    SCOPED_TRACE(control->objectName().toStdString());
    const QPalette& colours = control->palette();
    EXPECT_LT(colours.color(QPalette::Text).lightness(), 60);
    EXPECT_LT(colours.color(QPalette::WindowText).lightness(), 60);
    EXPECT_LT(colours.color(QPalette::ButtonText).lightness(), 60);
    EXPECT_GT(colours.color(QPalette::Base).lightness(), 200);
    EXPECT_GT(colours.color(QPalette::Window).lightness(), 200);
  }
  QApplication::setPalette(before);
}

TEST_F(InCircuitWindowTest, TabVisitsTheBoxesInOrderThenTheButtonsAndTable) {
  open();
  const char* const order[] = {
      "txtSource",   "txtCable",     "txtTolerance", "txtTotal",     "txtPositions",
      "txtSteps",    "cboFirstSeries", "cboSecondSeries", "chkBalanced", "cboKind", "cmdRecompute",
      "grdPositions", "txtParts",    "cmdPrint",     "cmdReturn",    "cmdAsBuilt", "txtLoad"};
  for (const char* name : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
  }
}

TEST_F(InCircuitWindowTest, EnterInAnyBoxRecomputesWithItsValue) {
  struct Row {
    const char* box;
    const char* typed;
    double circuit::CircuitInputs::*field;
    double value;
  } const rows[] = {
      {"txtLoad", "10k", &circuit::CircuitInputs::LoadOhms, 10e3},
      {"txtSource", "600", &circuit::CircuitInputs::SourceOhms, 600},
      {"txtCable", "1n", &circuit::CircuitInputs::CableFarads, 1e-9},
      {"txtTolerance", "5", &circuit::CircuitInputs::TolerancePercent, 5},
  };
  open();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.box);
    window_.forget();
    const std::vector<std::vector<std::string>> before = shownTable();
    typeAndEnter(row.box, row.typed);
    EXPECT_NEAR(window().analysis().Inputs.*row.field, row.value, row.value * 1e-6);
    EXPECT_NE(shownTable(), before);
    ASSERT_FALSE(window_.ops().empty());
    EXPECT_TRUE(std::holds_alternative<surface::ClearOp>(window_.ops().front()))
        << "the chart is drawn afresh";
  }
  EXPECT_TRUE(messages_.empty());
}

// A series typed into its choice, Space on Balanced and a new law each take
// effect at once, and name what they changed.
TEST_F(InCircuitWindowTest, ChoicesAndTheLawRecomputeAtOnce) {
  ui::frmInCircuit& w = open();
  QTest::keyClicks(w.cboFirstSeries, QStringLiteral("E1"));
  EXPECT_EQ(w.analysis().Sets[0].RoundedIn, &design::kE192);
  EXPECT_EQ(Cells(w.tableText())[0][5], "compensated_e192_ohm");
  const QAbstractItemModel* model = w.grdPositions->model();  // spoken: its set's and the band's
  for (const QVariant& spoken : {model->index(1, 5).data(Qt::AccessibleTextRole),
                                 model->headerData(9, Qt::Horizontal, Qt::ToolTipRole)}) {
    EXPECT_TRUE(spoken.toString().contains("compensated E192")) << spoken.toString().toStdString();
  }

  w.chkBalanced->setFocus();
  QTest::keyClick(w.chkBalanced, Qt::Key_Space);
  ASSERT_TRUE(w.analysis().Balanced);
  // Ten distinct E192 values in the 11-position string: four of each.
  const std::vector<std::vector<std::string>> parts = Cells(w.partsText());
  for (std::size_t r = 1; r <= 10; ++r) EXPECT_EQ(parts[r][2], "4") << parts[r][1];

  typeAndEnter("txtPositions", "24");
  typeAndEnter("txtSteps", "11x2 3");
  const circuit::CircuitAnalysis& a = w.analysis();
  ASSERT_EQ(a.N, 24);
  EXPECT_EQ(text("txtSteps"), "11x2 3");
  EXPECT_DOUBLE_EQ(a.Target[12], 25.0);  // eleven 2 dB steps, then 3 dB
  EXPECT_DOUBLE_EQ(a.Target[22], 55.0);
  EXPECT_TRUE(a.Designed.empty()) << "not the design's string";
  EXPECT_EQ(Cells(w.tableText())[1][2], "");
  EXPECT_EQ(w.lblDesign->text(), QStringLiteral("String: 10k, 24 positions, law 11x2 3"));
}

// Returning keeps what was typed and the focus where it was; a new design
// restarts the string from it.
TEST_F(InCircuitWindowTest, KeepsTheStringAndFocusUntilTheDesignChanges) {
  open();
  typeAndEnter("txtPositions", "32");
  box("txtSteps")->setFocus();
  QTest::keyClick(box("txtSteps"), Qt::Key_Escape);
  ui::ShowInCircuitWindow(onlyWindow());
  EXPECT_EQ(text("txtPositions"), "32");
  EXPECT_EQ(window().focusWidget(), box("txtSteps"));
  delete onlyWindow();

  Design(4700.0f, 12, 1.5f);
  open();
  EXPECT_EQ(text("txtPositions"), "12");
  EXPECT_EQ(text("txtTotal"), "4.7k");
  EXPECT_EQ(text("txtSteps"), "1.5");
}

TEST_F(InCircuitWindowTest, EscapeOrReturnGoesBackToAFreshDesignWindow) {
  for (const bool escape : {true, false}) {
    SCOPED_TRACE(escape ? "Escape" : "Return");
    open();
    typeAndEnter("txtLoad", "22k");
    if (escape) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
      window().cmdReturn->click();
    }
    QWidget* design = onlyWindow();
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->objectName(), QStringLiteral("frmDesign"));
    // The values last used stay for the next visit.
    static_cast<QPushButton*>(design->findChild<QPushButton*>(QStringLiteral("cmdInCircuit")))
        ->click();
    ASSERT_EQ(onlyWindow()->objectName(), QStringLiteral("frmInCircuit"));
    EXPECT_EQ(text("txtLoad"), "22k");
    delete onlyWindow();
  }
}

TEST_F(InCircuitWindowTest, DesignWindowOpensItByButtonAndByCtrlL) {
  for (const bool key : {true, false}) {
    SCOPED_TRACE(key ? "Ctrl+L" : "button");
    ui::ShowDesignWindow(new QWidget);
    QWidget* design = onlyWindow();
    ASSERT_NE(design, nullptr);
    QApplication::setActiveWindow(design);
    ASSERT_TRUE(QTest::qWaitForWindowActive(design));
    if (key) {
      QTest::keyClick(design, Qt::Key_L, Qt::ControlModifier);
    } else {
      design->findChild<QPushButton*>(QStringLiteral("cmdInCircuit"))->click();
    }
    ASSERT_NE(onlyWindow(), nullptr);
    EXPECT_EQ(onlyWindow()->objectName(), QStringLiteral("frmInCircuit"));
    delete onlyWindow();
  }
}

TEST_F(InCircuitWindowTest, BadInputsAreNamedAndNeverReachTheScreenAsNaN) {
  struct Row {
    const char* box;
    const char* typed;
    const char* shown;
    const char* message;  // a part of it; nullptr: no message
  } const rows[] = {
      {"txtLoad", "-5", "47k", "Load: \"-5\" is negative; the box keeps 47k ohms."},
      {"txtLoad", "", "0", nullptr},
      {"txtLoad", "1e-30", "100u", "Load: \"1e-30\" is below 100u ohms (0 means no load)"},
      {"txtLoad", "0.00001", "100u", "Load: \"0.00001\" is below"},
      {"txtLoad", "1meg", "1M", nullptr},
      {"txtLoad", "4k7", "4.7k", nullptr},
      {"txtLoad", "100 ohms", "100", nullptr},
      {"txtLoad", "abc", "100",
       "Load: \"abc\" is not a value: it does not start with a number; the box keeps 100 ohms."},
      {"txtSource", "9e99", "1e12", "Source impedance: \"9e99\" is above 1e12 ohms"},
      {"txtSource", "-1", "1e12", "Source impedance: \"-1\" is negative; the box keeps 1e12"},
      {"txtCable", "5", "100p", "Cable capacitance: \"5\" is above 1uF"},
      {"txtCable", "zzz", "100p", "Cable capacitance: \"zzz\" is not a value"},
      {"txtTolerance", "0", "0.01", "Part tolerance: \"0\" is outside 0.01 to 20 %; 0.01 %"},
      {"txtTolerance", "99", "20", "Part tolerance: \"99\" is outside"},
      {"txtTolerance", "\xe2\x88\x9e", "20", "Part tolerance: \"\xe2\x88\x9e\" is not a value"},
      {"txtTolerance", "0.5%", "0.5", nullptr},
      {"txtPositions", "48", "48", nullptr},
      {"txtSteps", "-5", "2", "Steps (dB): \"-5\" would take 48 positions to 230 dB, past "
       "120 dB; 26 positions of that law fit; the box keeps \"2\"."},
  };
  open();
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.box) + " [" + row.typed + "]");
    messages_.clear();
    window_.forget();
    const std::vector<std::vector<std::string>> before = shownTable();
    typeAndEnter(row.box, row.typed);
    EXPECT_EQ(text(row.box), row.shown);
    if (row.message) {
      ASSERT_EQ(messages_.size(), 1u);
      EXPECT_NE(messages_[0].find(row.message), std::string::npos) << messages_[0];
      if (messages_[0].find("the box keeps") != std::string::npos) {
        EXPECT_EQ(shownTable(), before) << "a refused box leaves the analysis as it was";
      }
    } else {
      EXPECT_TRUE(messages_.empty()) << messages_.front();
    }
    expectCleanDrawing(window_);
    const QString copied = window().tableText().toLower();
    EXPECT_FALSE(copied.contains(QStringLiteral("nan")) || copied.contains(QStringLiteral("inf")));
    for (const std::vector<std::string>& cells : shownTable()) {
      for (const std::string& cell : cells) {
        EXPECT_EQ(cell.find("nan"), std::string::npos);
        EXPECT_EQ(cell.find("inf"), std::string::npos);
      }
    }
  }
}

// Ctrl+C copies the whole table from anywhere in the window, in the user's
// decimal separator, the numbers shown in builder's notation rounded from the
// copied ones; a box's own selection stays its own.
TEST_F(InCircuitWindowTest, CopiedTextParsesBackToTheNumbersShown) {
  notation::SetDecimalSeparator(',');
  ui::frmInCircuit& w = open();
  const std::vector<std::vector<std::string>> shown = shownTable();
  std::vector<std::vector<std::string>> copied;
  for (QWidget* focus : std::initializer_list<QWidget*>{w.txtLoad, w.grdPositions, w.cmdPrint}) {
    SCOPED_TRACE(focus->objectName().toStdString());
    QApplication::clipboard()->clear();
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    const std::vector<std::vector<std::string>> now = Cells(QApplication::clipboard()->text());
    if (copied.empty()) copied = now;
    EXPECT_EQ(now, copied);
  }
  ASSERT_EQ(shown.size(), 12u);
  ASSERT_EQ(copied.size(), shown.size());
  EXPECT_EQ(copied[0], shown[0]);
  const auto read = [](std::string text) {
    for (const char* unit : {" Hz", "Hz"}) {
      if (const auto at = text.find(unit); at != std::string::npos) text.erase(at);
    }
    return notation::ReadBuilderValue(text, ',', notation::BuilderUnit::None);
  };
  for (std::size_t r = 1; r < shown.size(); ++r) {
    for (std::size_t c = 0; c < shown[r].size(); ++c) {
      SCOPED_TRACE(copied[r][c] + " shown as " + shown[r][c]);
      ASSERT_EQ(copied[r][c].empty(), shown[r][c].empty());
      if (copied[r][c].empty()) continue;
      const auto exact = read(copied[r][c]), rounded = read(shown[r][c]);
      ASSERT_TRUE(exact && rounded);
      EXPECT_NEAR(*rounded, *exact, std::max(0.0005, std::fabs(*exact) * 0.005));
    }
  }
  const circuit::CircuitAnalysis& a = w.analysis();
  for (int p = 1; p <= 9; ++p) {
    const std::string& cell = copied[static_cast<std::size_t>(p) + 1][7];
    EXPECT_NE(cell.find(','), std::string::npos) << cell;
    const auto value = read(cell);
    ASSERT_TRUE(value);
    EXPECT_NEAR(*value, a.Sets[0].Db[static_cast<std::size_t>(p)],
                a.Sets[0].Db[static_cast<std::size_t>(p)] * 5e-6);  // six digits
  }

  w.txtLoad->setFocus();
  w.txtLoad->selectAll();
  QTest::keyClick(w.txtLoad, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("47k"));

  QApplication::clipboard()->clear();
  const QList<QAction*> menu = w.grdPositions->actions();
  ASSERT_EQ(menu.size(), 3);
  EXPECT_EQ(menu.front()->text(), QStringLiteral("Copy table"));
  menu.front()->trigger();
  EXPECT_EQ(Cells(QApplication::clipboard()->text()), copied);
  EXPECT_EQ(menu.back()->text(), QStringLiteral("Copy build list"));
  menu.back()->trigger();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
            circuit_text::BuildListText(w.analysis(), ','));

  // Ctrl+Shift+C and the menu's second entry copy the parts list instead.
  for (const bool key : {true, false}) {
    QApplication::clipboard()->clear();
    if (key) {
      QTest::keyClick(w.grdPositions, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
      menu[1]->trigger();
    }
    const std::vector<std::vector<std::string>> parts = Cells(QApplication::clipboard()->text());
    ASSERT_FALSE(parts.empty());
    EXPECT_EQ(parts[0], (std::vector<std::string>{"series", "value_ohm", "quantity", "resistors"}));
  }
}

TEST_F(InCircuitWindowTest, CtrlPPrintsInputsTableAndChartThenTheParts) {
  ui::frmInCircuit& w = open();
  QTest::keyClick(w.txtLoad, Qt::Key_P, Qt::ControlModifier);
  EXPECT_GT(QFileInfo(pdf()).size(), 1000);
  expectCleanDrawing(page_);
  std::vector<std::string> texts;
  for (const Op& op : page_.ops()) {
    if (const auto* printed = std::get_if<TextOp>(&op)) texts.push_back(printed->text);
  }
  const auto printed = [&texts](const std::string& wanted) {
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
  };
  EXPECT_TRUE(printed("Design: 10k ohms, 11 positions, 2 dB per step"));
  EXPECT_TRUE(printed("Load 47k ohms, source impedance 0 ohms, cable 100pF, parts \u00b11 %"));
  // Every cell of the table, as the window shows it.
  const QAbstractItemModel& shown = *w.grdPositions->model();
  for (int r = 0; r < shown.rowCount(); ++r) {
    for (int c = 1; c < shown.columnCount(); ++c) {
      const std::string cell = shown.index(r, c).data().toString().toStdString();
      EXPECT_TRUE(cell.empty() || printed(cell)) << cell;
    }
  }
  EXPECT_TRUE(printed("Position"));
  EXPECT_EQ(
      std::count_if(page_.ops().begin(), page_.ops().end(),
                    [](const Op& op) { return std::holds_alternative<surface::ScaleOp>(op); }),
      2)
      << "the analysis on one page, the parts on the next";
  EXPECT_TRUE(printed("  R1  lugs 1-2  1.82k"));  // the design's first E96 resistor
}

TEST_F(InCircuitWindowTest, NeverWritesTheDesign) {
  const design::DesignState before = design::modMain();
  open();
  typeAndEnter("txtLoad", "10k");
  window().cmdPrint->click();
  const design::DesignState& after = design::modMain();
  testing_support::ExpectSameDesign(before, after);
  EXPECT_EQ(after.FmtText, before.FmtText);
}

TEST_F(InCircuitWindowTest, EveryControlStaysInsideTheWindowAtEverySize) {
  ui::frmInCircuit& w = open();
  for (const QSize size : {QSize(911, 651), QSize(1304, 932), QSize(1900, 1050)}) {
    SCOPED_TRACE(size.width());
    w.resize(size);
    QApplication::processEvents();
    for (QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!control->isVisible()) continue;
      EXPECT_TRUE(w.rect().contains(control->geometry())) << control->objectName().toStdString();
    }
    // The Kind choice's field holds its longest kind, left of the chart.
    QStyleOptionComboBox kind;
    kind.initFrom(w.cboKind);
    const QRect field = w.cboKind->style()->subControlRect(QStyle::CC_ComboBox, &kind,
                                                           QStyle::SC_ComboBoxEditField, w.cboKind);
    for (int i = 0; i < w.cboKind->count(); ++i) {
      EXPECT_GE(field.width(), w.cboKind->fontMetrics().horizontalAdvance(w.cboKind->itemText(i)));
    }
    EXPECT_LT(w.cboKind->geometry().right(),
              w.contentRect().left() + w.contentRect().width() * 6500 / 12000);
  }
}

// Escape on an open series list closes the list and nothing else.
TEST_F(InCircuitWindowTest, EscapeClosesAnOpenSeriesListOnly) {
  ui::frmInCircuit& w = open();
  w.cboSecondSeries->showPopup();
  QWidget* list = w.cboSecondSeries->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  QTest::keyClick(list->window()->windowHandle(), Qt::Key_Escape);
  EXPECT_EQ(onlyWindow(), &w);
  EXPECT_FALSE(list->isVisible());
}

// More room shows more rows, not larger text; columns and parts fit their text.
TEST_F(InCircuitWindowTest, GrowingShowsMoreRowsNotLargerText) {
  ui::frmInCircuit& w = open();
  typeAndEnter("txtPositions", "48");
  QTableView* table = w.grdPositions;
  const auto rowsShown = [&w, table](QSize size) {
    w.resize(size);
    QApplication::processEvents();
    return table->rowAt(table->viewport()->height() - 1) - table->rowAt(0);
  };
  const int rows = rowsShown(QSize(1000, 715));
  const double points = table->font().pointSizeF();
  EXPECT_GT(rowsShown(QSize(1900, 1050)), rows + rows / 3);
  EXPECT_EQ(table->font().pointSizeF(), points);
  const QHeaderView* header = table->horizontalHeader();
  EXPECT_EQ(header->sectionSize(13),
            std::max(static_cast<QAbstractItemView*>(table)->sizeHintForColumn(13),
                     header->sectionSizeHint(13)));
  EXPECT_GT(w.txtParts->width(), QFontMetrics(w.txtParts->font())
                                     .horizontalAdvance(QStringLiteral("  Lug 48 to ground.")));
}

// Moving the table lays out every cell of every column again: Recompute
// leaves it and the parts box where they are when their place stays.
TEST_F(InCircuitWindowTest, RecomputeLeavesTheTableWhereItIs) {
  ui::frmInCircuit& w = open();
  typeAndEnter("txtPositions", "48");
  struct Moves : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      count += event->type() == QEvent::Resize || event->type() == QEvent::Move;
      return false;
    }
  } moves;
  w.grdPositions->installEventFilter(&moves);
  w.txtParts->installEventFilter(&moves);
  const QRect table = w.grdPositions->geometry();
  w.recompute();
  EXPECT_EQ(moves.count, 0);
  EXPECT_EQ(w.grdPositions->geometry(), table);
}

// The dB scale holds every point: 1 dB while it can, then the next round
// value, and every marker falls inside the frame.
// The kinds as the Kind choice lists them.
enum KindRow { kString, kLadder, kShunt, kRelay };

void ChooseKind(ui::frmInCircuit& w, int index) {
  w.cboKind->setCurrentIndex(index);
  emit w.cboKind->activated(index);
}

// Each kind's captions and greyed choices; a kind chosen the first time
// starts from the string's boxes (the relay ladder: 6 relays of 1 dB), and
// each keeps what was typed into it while the others are shown.
TEST_F(InCircuitWindowTest, EachKindHasItsCaptionsAndKeepsItsOwnBoxes) {
  struct Row {
    int kind;
    const char* box;  // typed into after the check, or none
    const char* typed;
    const char* total;
    const char* totalCaption;
    const char* positions;
    const char* positionsCaption;
    const char* steps;
  } const rows[] = {
      {kLadder, "txtTotal", "22k", "10k", "&Input (ohms):", "11", "&Positions:", "2"},
      {kShunt, "txtPositions", "5", "10k", "Se&ries (ohms):", "11", "&Positions:", "2"},
      {kRelay, "txtPositions", "3", "10k", "Sta&ge (ohms):", "6", "Rela&ys:", "1"},
      {kLadder, nullptr, "", "22k", "&Input (ohms):", "11", "&Positions:", "2"},
      {kShunt, nullptr, "", "10k", "Se&ries (ohms):", "5", "&Positions:", "2"},
      {kRelay, nullptr, "", "10k", "Sta&ge (ohms):", "3", "Rela&ys:", "1"},
      {kString, nullptr, "", "10k", "T&otal (ohms):", "11", "&Positions:", "2"},
  };
  ui::frmInCircuit& w = open();
  const QString stringTable = w.tableText();
  QTest::keyClick(w.txtLoad, Qt::Key_K, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), w.cboKind);
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.kind << " " << row.total);
    ChooseKind(w, row.kind);
    EXPECT_EQ(text("txtTotal"), row.total);
    EXPECT_EQ(text("txtPositions"), row.positions);
    EXPECT_EQ(text("txtSteps"), row.steps);
    EXPECT_EQ(w.lblTotal->text().toStdString(), row.totalCaption);
    EXPECT_EQ(w.lblPositions->text().toStdString(), row.positionsCaption);
    const bool string = row.kind == kString;
    for (QWidget* choice : {static_cast<QWidget*>(w.chkBalanced), static_cast<QWidget*>(w.cmdAsBuilt)}) {
      EXPECT_EQ(choice->isEnabled(), string);
      EXPECT_EQ(choice->toolTip().contains(QStringLiteral("series-string choice")), !string);
    }
    if (!string) {
      EXPECT_EQ(static_cast<int>(w.kindAnalysis().What), row.kind);
    }
    if (row.box) typeAndEnter(row.box, row.typed);
  }
  EXPECT_EQ(w.tableText(), stringTable) << "the string comes back as it was";
  EXPECT_TRUE(messages_.empty());
}

// A kind's boxes refuse and correct by the string's rules, naming the box
// by its kind's caption; the relay ladder takes one step and no law.
TEST_F(InCircuitWindowTest, KindBoxesAreNamedAndTheRelayLadderTakesOneStep) {
  struct Row {
    int kind;
    const char* box;
    const char* typed;
    const char* shown;
    const char* message;  // empty: none
  } const rows[] = {
      {kLadder, "txtTotal", "-5", "10k", "Input (ohms): \"-5\" is negative; the box keeps 10k ohms."},
      {kShunt, "txtTotal", "0", "10k",
       "Series (ohms): \"0\" is below 100u ohms, the least total designed; the box keeps 10k ohms."},
      {kRelay, "txtSteps", "1 2", "1",
       "Steps (dB): \"1 2\" is more than one step (a relay ladder takes one, 0.01 to 20 dB); the "
       "box keeps \"1\"."},
      {kRelay, "txtSteps", "2x1", "1",
       "Steps (dB): \"2x1\" is more than one step (a relay ladder takes one, 0.01 to 20 dB); the "
       "box keeps \"1\"."},
      {kRelay, "txtSteps", "25", "1",
       "Steps (dB): \"25\" is outside 0.01 to 20 dB; the box keeps \"1\"."},
      {kRelay, "txtSteps", "0.5", "0.5", ""},
      {kRelay, "txtPositions", "9", "8", "Relays: \"9\" is above 8; 8 is used instead."},
      {kRelay, "txtPositions", "x", "8", "Relays: \"x\" is not a value"},
  };
  ui::frmInCircuit& w = open();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    ChooseKind(w, row.kind);
    messages_.clear();
    typeAndEnter(row.box, row.typed);
    EXPECT_EQ(text(row.box), row.shown);
    if (*row.message == '\0') {
      EXPECT_TRUE(messages_.empty());
    } else {
      ASSERT_EQ(messages_.size(), 1u);
      EXPECT_EQ(messages_[0].rfind(row.message, 0), 0u) << messages_[0];
    }
  }
  EXPECT_EQ(w.kindAnalysis().Stages, 8);
  EXPECT_EQ(w.kindAnalysis().StepDb, 0.5);
  EXPECT_EQ(w.kindAnalysis().Positions, 256);
}

// Each kind's table, copies, parts box and printed pages are its own texts:
// on screen and on the page the string's notation and words, in the copy
// plain decimals and names. By hand, 10k at 2 dB a step into 47k: a =
// 10^(-0.1); the ladder's S1 = 10k (1 - a) = 2056.72, the shunt's Y1 =
// 10k a 47k / ((1 - a) 57k) = 31845.5; the relay ladder's code 1 is 1 dB.
TEST_F(InCircuitWindowTest, EachKindCopiesAndPrintsItsOwnTexts) {
  struct Row {
    int kind;
    int rows;  // ladder and shunt: positions; relay ladder: 2^6 codes
    const char* firstColumn;
    const char* partInBox;
    int column;  // a cell of position 1
    const char* shown;
    const char* copied;
    const char* spoken;
    int headed;  // a column's heading
    const char* heading;
  } const rows[] = {
      {kLadder, 11, "position", "S1  lug 2 to output", 2, "2.06k", "2056.72",
       "ideal series part of this position, input to output: 2.06k ohm", 8,
       "Atten.\nE96 dB\ninto load"},
      {kShunt, 11, "position", "Y1  lug 2 to ground", 2, "31.8k", "31845.5",
       "ideal shunt part of this position, output to ground: 31.8k ohm", 3, "Shunt\nE96 ohm"},
      {kRelay, 64, "code", "Stage 3: 4 dB (S3, H3)", 1, "1.000", "1.00000", "target attenuation: 1.000 dB",
       0, "Code\n"}};
  ui::frmInCircuit& w = open();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    ChooseKind(w, row.kind);
    const circuit::KindAnalysis& a = w.kindAnalysis();
    ASSERT_EQ(a.Positions, row.rows);
    const QAbstractItemModel& shown = *w.grdPositions->model();
    EXPECT_EQ(shown.rowCount(), row.rows);
    EXPECT_EQ(shown.index(1, row.column).data().toString().toStdString(), row.shown);
    EXPECT_EQ(shown.index(1, row.column).data(Qt::AccessibleTextRole).toString().toStdString(),
              row.spoken);
    EXPECT_EQ(shown.headerData(row.headed, Qt::Horizontal).toString().toStdString(), row.heading);
    EXPECT_EQ(Cells(w.tableText())[2][static_cast<std::size_t>(row.column)], row.copied);
    EXPECT_TRUE(w.txtParts->toPlainText().contains(QString::fromLatin1(row.partInBox)));
    EXPECT_FALSE(w.txtParts->toPlainText().contains('_')) << "the box is in words, not copy names";

    QTest::keyClick(w.grdPositions, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), circuit_text::KindTableText(a, '.'));
    EXPECT_EQ(Cells(w.tableText())[0][0], row.firstColumn);
    QTest::keyClick(w.grdPositions, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), circuit_text::PartsListText(a, '.'));
    w.grdPositions->actions().back()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), circuit_text::BuildListText(a, '.'));

    page_.forget();
    QTest::keyClick(w.txtLoad, Qt::Key_P, Qt::ControlModifier);
    std::vector<std::string> texts;
    for (const Op& op : page_.ops()) {
      if (const auto* printed = std::get_if<TextOp>(&op)) texts.push_back(printed->text);
    }
    const auto printed = [&texts](const std::string& wanted) {
      return std::find(texts.begin(), texts.end(), wanted) != texts.end();
    };
    const int pages = ui::KindPageCount(a, '.');
    EXPECT_EQ(std::count_if(page_.ops().begin(), page_.ops().end(),
                            [](const Op& op) { return std::holds_alternative<surface::ScaleOp>(op); }),
              pages);
    EXPECT_TRUE(printed(w.lblDesign->text().toStdString()));
    EXPECT_TRUE(printed(a.Design.Net.Names.front())) << "the schematic names its parts";
    for (int c = 0; c < shown.columnCount(); ++c) {
      const std::string cell = shown.index(row.rows - 1, c).data().toString().toStdString();
      EXPECT_TRUE(cell.empty() || printed(cell)) << cell;
    }
    EXPECT_TRUE(printed(row.shown) && printed("Target")) << "the window's cells and words";
    const std::string foot = " - Page 1 of " + std::to_string(pages);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [&foot](const std::string& t) {
                              return t.size() > foot.size() &&
                                     t.compare(t.size() - foot.size(), foot.size(), foot) == 0;
                            }),
              1);
    expectCleanDrawing(page_);
    expectCleanDrawing(window_);
  }
}

TEST(InCircuitChart, ScaleWidensToARoundValueThatHoldsEveryPoint) {
  // The design's string is worst near -6 dB (position 3), where its two
  // halves divide into the load: 10k into 47k is 0.45 dB off, 25k 1.08 dB,
  // 50k 2.05 dB, and 100k into 10k 10.9 dB.
  struct Row {
    float total;
    double load;
    double halfRange;
  } const rows[] = {{10e3f, 47e3, 1.0},
                    {25e3f, 47e3, 2.0},
                    {50e3f, 47e3, 5.0},
                    {100e3f, 10e3, 20.0},
                    {10e3f, 0, 1.0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.total << " into " << row.load);
    Design(row.total, 11, 2.0f);
    circuit::CircuitAnalysis a;
    ASSERT_TRUE(circuit::AnalyseInCircuit(design::modMain(),
                                          circuit::CircuitInputs{row.load, 0, 100e-12, 1}, a));
    EXPECT_EQ(ui::ChartHalfRangeDb(a), row.halfRange);

    surface::RecordingSurface chart;
    ui::CircuitChartLayout layout;
    layout.left = 1000;
    layout.right = 7000;
    layout.top = 1000;
    layout.bottom = 4000;
    ui::DrawInCircuitChart(chart, a, layout);
    int markers = 0;
    for (const Op& op : chart.ops()) {
      const auto* line = std::get_if<LineOp>(&op);
      if (!line || line->mode == LineMode::Line || line->mode == LineMode::Continued) continue;
      if (line->color != ui::kDesignedColour && line->color != ui::kCompensatedColour) continue;
      if (line->from.y > 4000.0f + 2.0f * layout.marker) continue;  // the legend's samples
      ++markers;
      const float centre = (line->from.y + line->to.y) / 2.0f;
      EXPECT_GE(centre, 1000.0f);
      EXPECT_LE(centre, 4000.0f);
    }
    EXPECT_EQ(markers, 2 * 10);
  }
  design::modMain() = {};
}

}  // namespace
