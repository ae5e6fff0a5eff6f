// The design and deviation windows as desktop users expect them: copying the
// design for a spreadsheet, the keyboard, and what a screen reader hears.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include "design/design_state.h"
#include "notation/eng_notation.h"
#include "ui/windows/design_table.h"
#include "ui/windows/design_window.h"
#include "ui/windows/deviation_window.h"

#include "tests/support/designed.h"
#include "tests/support/recorded_ops.h"
#include "tests/support/tab_separated.h"
#include "tests/support/window_test.h"

namespace {

// Runs of spaces as one, none at the ends: how the texts read aloud.
std::string Collapsed(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string AccessibleText(QObject* object, QAccessible::Text kind) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  EXPECT_NE(accessible, nullptr);
  return accessible ? accessible->text(kind).toStdString() : std::string();
}

class DesktopTest : public testing_support::WindowTest {
 public:
  // The design window, shown and active, so its keys reach it as a user's do.
  ui::frmDesign& openDesign() { return open(new ui::frmDesign, true); }
  void design(const char* ohms, const char* positions, const char* step) {
    type("Text1", ohms);
    type("Text2", positions);
    type("Text3", step);
    control<QPushButton>("cmdDisplay")->click();
  }
  static std::string clipboard() { return QApplication::clipboard()->text().toStdString(); }
};

// One copied cell read back as a single; it must use `separator` and no point.
uint32_t CellBits(const std::string& cell, char separator) {
  std::string dotted = cell;
  if (separator != '.') {
    EXPECT_EQ(cell.find('.'), std::string::npos) << cell;
  }
  for (char& c : dotted) {
    if (c == separator) c = '.';
  }
  float value = std::nanf("");
  const auto [end, error] = std::from_chars(dotted.data(), dotted.data() + dotted.size(), value);
  EXPECT_TRUE(error == std::errc() && end == dotted.data() + dotted.size()) << '"' << cell << '"';
  return std::bit_cast<uint32_t>(value);
}

void ExpectCell(const std::string& cell, float value, char separator) {
  EXPECT_EQ(CellBits(cell, separator), std::bit_cast<uint32_t>(value))
      << '"' << cell << "\" should read back as " << value;
}

TEST_F(DesktopTest, CopiedDesignReadsBackBitForBit) {
  struct Row {
    const char* ohms;
    const char* positions;
    const char* step;
    char separator;
  };
  const Row rows[] = {{"10k", "2", "3", ','},
                      {"10k", "11", "2", ','},
                      {"4.7k", "25", "1.5", ','},
                      {"100k", "25", "4", ','},
                      {"22k", "11", "1.7", '.'}};
  openDesign();
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.positions << " positions, '" << row.separator << "'");
    notation::SetDecimalSeparator(row.separator);
    design(row.ohms, row.positions, row.step);
    control<QPushButton>("cmdExit")->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);

    const design::DesignState& state = design::modMain();
    const int n = state.NumPositions;
    const std::vector<std::vector<std::string>> lines = testing_support::Cells(clipboard());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(n + 2));
    EXPECT_EQ(lines[0], (std::vector<std::string>{"position", "target_dB", "ideal_ohm", "e96_ohm",
                                                  "e24_ohm", "e96_dB", "e24_dB"}));
    for (int p = 0; p <= n - 1; ++p) {
      SCOPED_TRACE(testing::Message() << "line of position " << p);
      const std::vector<std::string>& cells = lines[p + 1];
      ASSERT_EQ(cells.size(), 7u);
      EXPECT_EQ(cells[0], std::to_string(p));
      if (p == 0) {
        for (int c = 2; c <= 4; ++c) EXPECT_EQ(cells[c], "");
        EXPECT_EQ(cells[5], "0");
        EXPECT_EQ(cells[6], "0");
      } else {
        ExpectCell(cells[2], state.IdealR[p], row.separator);
        ExpectCell(cells[3], state.R1Pct[p], row.separator);
        ExpectCell(cells[4], state.R5Pct[p], row.separator);
      }
      if (p == n - 1) {
        EXPECT_EQ(cells[1], "");
        EXPECT_EQ(cells[5], "");
        EXPECT_EQ(cells[6], "");
      } else {
        ExpectCell(cells[1], state.TargetAtten[p], row.separator);
        ExpectCell(cells[5], state.Atten1Pct[p], row.separator);
        ExpectCell(cells[6], state.Atten5Pct[p], row.separator);
      }
    }
    const std::vector<std::string>& total = lines[n + 1];
    ASSERT_EQ(total.size(), 7u);
    EXPECT_EQ(total[0], "total");
    EXPECT_EQ(total[1] + total[5] + total[6], "");
    ExpectCell(total[2], state.TotalOhms, row.separator);
    ExpectCell(total[3], state.Total1Pct, row.separator);
    ExpectCell(total[4], state.Total5Pct, row.separator);
  }
  EXPECT_TRUE(messages_.empty());
}

// Shortest texts by hand: the single nearest 0.1 prints as 0.1, not as the
// 0.100000001490116 it is; a whole number keeps no point.
TEST(ShortestText, WritesTheFewestDigitsThatReadBack) {
  struct Row {
    float value;
    char separator;
    const char* text;
  };
  const Row rows[] = {{0.1f, '.', "0.1"},
                      {0.1f, ',', "0,1"},
                      {2057.6f, ',', "2057,6"},
                      {10000.0f, '.', "10000"},
                      {1e10f, '.', "1e+10"},
                      {0.0f, ',', "0"},
                      {16777217.0f, '.', "16777216"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ui::ShortestText(row.value, row.separator), row.text);
  }
}

// Ctrl+C copies the design wherever the focus is, except that a box with
// selected text copies its selection; the drawing's menu copies it too.
TEST_F(DesktopTest, EveryCopyGestureCopiesTheDesignUnlessABoxHasASelection) {
  struct Row {
    const char* how;
    std::function<void(DesktopTest&)> gesture;
    bool wholeDesign;
  };
  const auto ctrlC = [](DesktopTest& t, const char* focus, bool select) {
    auto* widget = t.control<QWidget>(focus);
    widget->setFocus();
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && select) box->selectAll();
    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
  };
  const Row rows[] = {
      {"Ctrl+C on Exit", [&](DesktopTest& t) { ctrlC(t, "cmdExit", false); }, true},
      {"Ctrl+C on an option", [&](DesktopTest& t) { ctrlC(t, "opt1", false); }, true},
      {"Ctrl+C in a box with nothing selected", [&](DesktopTest& t) { ctrlC(t, "Text2", false); },
       true},
      {"Ctrl+C in a box with its text selected", [&](DesktopTest& t) { ctrlC(t, "Text1", true); },
       false},
      {"the drawing's menu",
       [](DesktopTest& t) {
         EXPECT_EQ(t.window_->contextMenuPolicy(), Qt::ActionsContextMenu);
         for (QAction* action : t.window_->actions()) {
           if (action->objectName() == QLatin1String("actCopyDesign")) action->trigger();
         }
       },
       true},
  };
  openDesign();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.how);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    row.gesture(*this);
    if (row.wholeDesign) {
      EXPECT_EQ(clipboard(), ui::DesignTable(design::modMain(), notation::DecimalSeparator()));
    } else {
      EXPECT_EQ(clipboard(), "10k");
    }
  }
}

TEST_F(DesktopTest, KeysRunDisplayPrintAndPressTheFocusedControl) {
  struct Row {
    const char* what;
    const char* box;  // typed into first, if any
    const char* typed;
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::function<void(const DesktopTest&)> expect;
  };
  const auto total = [](float ohms) {
    return [ohms](const DesktopTest&) { EXPECT_EQ(design::modMain().TotalOhms, ohms); };
  };
  const Row rows[] = {
      {"Enter in the total box", "Text1", "4.7k", "Text1", Qt::Key_Return, {}, total(4700.0f)},
      {"keypad Enter in the positions box", "Text2", "5", "Text2", Qt::Key_Enter,
       Qt::KeypadModifier,
       [](const DesktopTest&) { EXPECT_EQ(design::modMain().NumPositions, 5); }},
      {"Enter in the step box",
       "Text3",
       "1.5",
       "Text3",
       Qt::Key_Return,
       {},
       [](const DesktopTest&) { EXPECT_EQ(design::modMain().StepSize, 1.5f); }},
      {"F5 with the focus on Exit", "Text1", "2.2k", "cmdExit", Qt::Key_F5, {}, total(2200.0f)},
      {"Enter on Display", "Text1", "1k", "cmdDisplay", Qt::Key_Return, {}, total(1000.0f)},
      {"keypad Enter on Display", "Text1", "3.3k", "cmdDisplay", Qt::Key_Enter, Qt::KeypadModifier,
       total(3300.0f)},
      {"Ctrl+Enter on Display runs nothing", "Text1", "3.3k", "cmdDisplay", Qt::Key_Return,
       Qt::ControlModifier, total(10000.0f)},
      {"Enter on the 1% option",
       nullptr,
       nullptr,
       "opt1",
       Qt::Key_Return,
       {},
       [](const DesktopTest& t) {
         EXPECT_TRUE(t.control<QRadioButton>("opt1")->isChecked());
         EXPECT_EQ(design::modMain().TolType, 1);
       }},
      {"Ctrl+P in a box", nullptr, nullptr, "Text2", Qt::Key_P, Qt::ControlModifier,
       [](const DesktopTest& t) { EXPECT_EQ(t.printDialogs_, 1); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    design::modMain() = {};
    printDialogs_ = 0;
    openDesign();
    if (row.box) type(row.box, row.typed);
    QWidget* focus = control<QWidget>(row.focus);
    focus->setFocus();
    QTest::keyClick(focus, row.key, row.modifiers);
    row.expect(*this);
    EXPECT_TRUE(window_->isVisible());
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(DesktopTest, FocusFrameShowsOnExitFromTheFirstFrame) {
  ui::frmDesign& window = openDesign();
  QPushButton* exit = control<QPushButton>("cmdExit");
  EXPECT_EQ(window.focusWidget(), exit);
  QStyleOptionButton option;
  option.initFrom(exit);
  EXPECT_TRUE(option.state & QStyle::State_HasFocus);
  EXPECT_TRUE(option.state & QStyle::State_KeyboardFocusChange)
      << "the style draws no focus frame before the first Tab";
}

TEST_F(DesktopTest, BoxesAreNamedByTheirPromptsAndControlsByTheirCaptions) {
  openDesign();
  const std::pair<const char*, const char*> boxes[] = {{"Text1", "Total resistance (ohms): "},
                                                       {"Text2", "Number of switch positions: "},
                                                       {"Text3", "dB per step: "}};
  for (const auto& [box, prompt] : boxes) {
    SCOPED_TRACE(box);
    EXPECT_EQ(AccessibleText(control<QLineEdit>(box), QAccessible::Name), prompt);
    EXPECT_FALSE(control<QLineEdit>(box)->toolTip().isEmpty());
  }
  EXPECT_NE(control<QLineEdit>("Text1")->toolTip().indexOf(QStringLiteral("4k7 reads as 4k")), -1);

  for (QAbstractButton* button : window_->findChildren<QAbstractButton*>()) {
    SCOPED_TRACE(button->objectName().toStdString());
    EXPECT_EQ(AccessibleText(button, QAccessible::Name), button->text().toStdString());
  }
  for (QGroupBox* frame : window_->findChildren<QGroupBox*>()) {
    EXPECT_EQ(AccessibleText(frame, QAccessible::Name), frame->title().toStdString());
  }
}

// The description holds every value the drawing prints, on one line per
// position and per resistor, plus the totals.
TEST_F(DesktopTest, DrawingDescribesEveryValueItShows) {
  struct Row {
    const char* positions;
    const char* option;
  };
  const Row rows[] = {{"2", "opt5"}, {"11", "opt1"}, {"11", "opt0"}, {"25", "opt5"}};
  ui::frmDesign& window = openDesign();
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.positions << " positions, " << row.option);
    control<QRadioButton>(row.option)->click();
    design("10k", row.positions, "2");
    const std::string description = AccessibleText(&window, QAccessible::Description);
    const int n = design::modMain().NumPositions;
    EXPECT_EQ(testing_support::Split(description, '\n').size(), static_cast<std::size_t>(2 * n + 1));
    for (std::string text : recorded::Strings(recorded::Texts(lastDrawing()))) {
      if (text.back() == ':') continue;  // a column heading
      const std::string total = " ohms total";
      if (text.size() > total.size() && text.ends_with(total)) text.resize(text.size() - 6);
      EXPECT_NE(description.find(Collapsed(text)), std::string::npos) << text;
    }
    EXPECT_EQ(description.find("nearest") != std::string::npos, row.option != std::string("opt0"));
  }
}

// The default design's 5% set falls short of its target by about 0.305 dB at
// position 10 (17.695 dB for 18), 0.303 dB at 8 (13.697 for 14) and 0.27 dB
// at 9 (15.73 for 16); every other position strays less.
TEST_F(DesktopTest, DeviationChartNamesThePositionsStrayingMost) {
  testing_support::DesignInProgram(10000.0f, 11, 2.0f);
  const std::vector<std::string> lines = testing_support::Split(
      AccessibleText(&open(new ui::frmExamine), QAccessible::Description), '\n');
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0].starts_with("5% resistors stray most at position 10, 0.30")) << lines[0];
  const std::size_t eight = lines[0].find("position 8, 0.30");
  const std::size_t nine = lines[0].find("position 9, 0.26");
  EXPECT_TRUE(eight != std::string::npos && nine != std::string::npos && eight < nine) << lines[0];
  EXPECT_NE(lines[0].find("dB less attenuation"), std::string::npos);
  EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ';'), 2) << lines[0];  // three named
  EXPECT_TRUE(lines[1].starts_with("1% resistors")) << lines[1];
}

}  // namespace
