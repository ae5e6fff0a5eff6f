// A monkey at the keyboard and mouse: random typing, clicks on every button
// and option, moves between the windows and prints, repeatable by seed. After
// every action the program must still be whole: one window, normalised boxes
// after a design run or an in-circuit recompute, no "nan" or "inf" in the
// in-circuit and as-built tables, and nothing drawn at a non-finite coordinate.
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "app/opening_window.h"
#include "circuit_text/circuit_inputs.h"
#include "design/design_state.h"
#include "design/normalise.h"
#include "notation/eng_notation.h"
#include "tests/support/open_windows.h"
#include "ui/desktop/seams.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_window.h"
#include "ui/windows/circuit_session.h"
#include "ui/windows/in_circuit_window.h"
#include "ui/windows/navigation.h"

namespace {

using surface::Op;

// Pieces the monkey types from: the notation's own characters, signs, both
// decimal separators, suffixes of every case, non-ASCII letters and digits,
// and control characters.
const char* const kPieces[] = {
    "0",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    ".",
    ",",
    "-",
    "+",
    "e",
    "E",
    "k",
    "K",
    "m",
    "M",
    "G",
    "g",
    "u",
    "p",
    " ",
    "  ",
    "1e38",
    "1e-45",
    "9999999999",
    "\xC2\xB5",          // micro sign
    "\xCE\xA9",          // ohm (omega)
    "\xD9\xA3",          // Arabic-Indic digit three
    "\xEF\xBC\x95",      // fullwidth digit five
    "\xF0\x9F\x8E\x9B",  // a knob, outside the basic plane
    "\t",
    "\x01",
    "\x7F",
    "\n",
    "\xC3\xA9",
};

bool Finite(const surface::PointF& point) {
  return std::isfinite(point.x) && std::isfinite(point.y);
}

// Whether every coordinate and size in `op` is a finite number.
bool FiniteOp(const Op& op) {
  if (const auto* line = std::get_if<surface::LineOp>(&op)) {
    return Finite(line->from) && Finite(line->to);
  }
  if (const auto* text = std::get_if<surface::TextOp>(&op)) return Finite(text->at);
  if (const auto* at = std::get_if<surface::TextPositionOp>(&op)) return Finite(at->at);
  if (const auto* pen = std::get_if<surface::PenWidthOp>(&op)) return std::isfinite(pen->width);
  if (const auto* font = std::get_if<surface::FontSizeOp>(&op)) {
    return std::isfinite(font->points);
  }
  if (const auto* scale = std::get_if<surface::ScaleOp>(&op)) {
    return std::isfinite(scale->scale.left) && std::isfinite(scale->scale.top) &&
           std::isfinite(scale->scale.width) && std::isfinite(scale->scale.height);
  }
  return true;
}

class Monkey {
 public:
  explicit Monkey(uint32_t seed) : random_(seed) {
    ui::Seams& seams = ui::AppSeams();
    seams.showMessage = [this](const std::string& message) { lastMessage_ = message; };
    // Asked whether to drop typed as-built values on Exit: either answer.
    seams.askQuestion = [this](const std::string&) { return pick(2) == 0; };
    seams.choosePrinter = [this](QPrinter& printer) {
      // Every third print is cancelled in the dialog.
      if (pick(3) == 0) return false;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pages_.filePath(QStringLiteral("page.pdf")));
      return true;
    };
    seams.windowRecorder = &windowDrawing_;
    seams.pageRecorder = &pageDrawing_;
    design::modMain() = {};
    ui::KeptCircuitSession() = {};
    ui::KeptAsBuilt() = {};
    ui::ShowOwnWindow(new app::frmOpening);
  }
  ~Monkey() {
    for (QWidget* window : windows()) delete window;
    ui::AppSeams() = {};
    design::modMain() = {};
    ui::KeptCircuitSession() = {};
    ui::KeptAsBuilt() = {};
  }

  // One random action, then the checks. Returns false when a check failed.
  bool step() {
    QWidget* window = onlyWindow();
    if (!window) return false;
    const std::string name = window->objectName().toStdString();
    bool designRan = false;
    if (name == "frmOpening") {
      click(window, pick(20) == 0 ? "cmdExit" : "cmdStart");
      designRan = true;
    } else if (name == "frmExamine") {
      click(window, "cmdExit");
      designRan = true;
    } else if (name == "frmInCircuit") {
      if (actOnInCircuit(window) && !checkCircuitBoxes()) return false;
      designRan = onlyWindow() && onlyWindow()->objectName() == QStringLiteral("frmDesign");
    } else if (name == "frmAsBuilt") {
      actOnAsBuilt(window);
      QApplication::processEvents();  // the table recomputes after an edit
      auto* asBuilt = qobject_cast<ui::frmAsBuilt*>(onlyWindow());
      if (asBuilt && !Clean(asBuilt->tableText())) return false;
    } else {
      designRan = actOnDesign(window);
    }
    if (windows().empty()) {  // Exit: the program would end; start it again
      ui::ShowOwnWindow(new app::frmOpening);
      return checkDrawing();
    }
    return checkWindows() && checkDrawing() && (!designRan || checkBoxes());
  }

 private:
  std::size_t pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
  }

  QString randomText() {
    std::string text;
    const std::size_t pieces = pick(10) == 0 ? 1000 + pick(4000) : pick(12);
    for (std::size_t i = 0; i < pieces; ++i) text += kPieces[pick(std::size(kPieces))];
    return QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.size()));
  }

  // Types, clicks an option or a button. Returns whether a design run ended
  // the action.
  bool actOnDesign(QWidget* window) {
    const char* const boxes[] = {"Text1", "Text2", "Text3"};
    const char* const options[] = {"opt0", "opt1", "opt5"};
    switch (pick(21)) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4:
      case 5:
      case 6: {
        auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(boxes[pick(3)]));
        const QString text = randomText();
        if (text.size() > 40) {
          box->setText(text);  // pasted
        } else {
          box->clear();
          typeInto(box, text);
        }
        return false;
      }
      case 7:
      case 8:
      case 9:
      case 10:
      case 11:
      case 12:
        click(window, "cmdDisplay");  // the curve type is greyed out
        return true;
      case 13:
      case 14:
      case 15:
        click(window, options[pick(3)]);
        return false;
      case 16:
      case 17:
        click(window, "cmdExamine");
        return false;
      case 18:
        click(window, "cmdPrint");
        return false;
      case 19:
        if (pick(2) == 0) {
          click(window, "cmdInCircuit");
        } else {
          press(window, Qt::Key_L, Qt::ControlModifier);
        }
        return false;
      default:
        if (pick(10) == 0) click(window, "cmdExit");
        return false;
    }
  }

  // Types into the in-circuit boxes (now and then a value chosen to be
  // awkward), recomputes, copies, prints or goes back. Returns whether the
  // window recomputed and is still open.
  bool actOnInCircuit(QWidget* window) {
    static const char* const kAwkward[] = {"-47k", "",   "1e99",  "1e-30", "1e-50", "-0",
                                           "0",    "25", "0.001", "abc",   "5",     "-1m",
                                           "64",   "11x2 3", "0x2 2x", "65x1", "20 20 20 20 20 20 20"};
    const char* const boxes[] = {"txtLoad",  "txtSource",    "txtCable", "txtTolerance",
                                 "txtTotal", "txtPositions", "txtSteps"};
    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(boxes[pick(std::size(boxes))]));
    switch (pick(15)) {
      case 12: {
        const char* const choices[] = {"cboFirstSeries", "cboSecondSeries"};
        auto* choice = window->findChild<QWidget*>(QString::fromLatin1(choices[pick(2)]));
        choice->setFocus();
        const char* const typed[] = {"E1", "E4", "E9", "E24", "x"};
        QTest::keyClicks(choice, QString::fromLatin1(typed[pick(std::size(typed))]));
        return false;  // only a change of series recomputes
      }
      case 13: {
        QWidget* balanced = window->findChild<QWidget*>(QStringLiteral("chkBalanced"));
        balanced->setFocus();
        press(balanced, Qt::Key_Space);
        return true;
      }
      case 0:
      case 1:
      case 2:
      case 3: {
        const QString text =
            pick(3) == 0 ? QString::fromLatin1(kAwkward[pick(std::size(kAwkward))]) : randomText();
        if (text.size() > 40) {
          box->setText(text);  // pasted
        } else {
          box->clear();
          typeInto(box, text);
        }
        return false;
      }
      case 4:
      case 5:
        press(box, Qt::Key_Return);
        return true;
      case 6:
        click(window, "cmdRecompute");
        return true;
      case 7:
        press(window, Qt::Key_C, Qt::ControlModifier);
        return false;
      case 8:
        if (pick(2) == 0) {
          click(window, "cmdPrint");
        } else {
          press(box, Qt::Key_P, Qt::ControlModifier);
        }
        return false;
      case 9:
        press(box, Qt::Key_Escape);
        return false;
      case 10:
        click(window, "cmdReturn");
        return false;
      case 11:
        press(box, Qt::Key_B, Qt::ControlModifier);
        return false;
      default:
        box->setText(QString());
        return false;
    }
  }

  // Types into a cell, pastes garbage or far more than the table holds, makes
  // the best change, puts the designed values back, copies, prints or leaves.
  void actOnAsBuilt(QWidget* window) {
    auto* grid = window->findChild<QTableView*>(QStringLiteral("grdFitted"));
    const auto rows = static_cast<std::size_t>(grid->model()->rowCount());
    if (rows > 0) grid->setCurrentIndex(grid->model()->index(int(pick(rows)), 1 + int(pick(2))));
    const char* const buttons[] = {"cmdMakeChange", "cmdDesigned"};
    const QString text = randomText().left(30);
    const QString block = QStringLiteral("1k62\t1,5k\t2M\t1e-7\t9\n").repeated(300);
    switch (pick(6)) {
      case 0:
      case 1:  // the first key opens the cell's editor, the rest go into it
        QApplication::setActiveWindow(window);
        typeInto(grid, text.left(1));
        if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
          typeInto(editor, text.mid(1));
          press(editor, pick(2) == 0 ? Qt::Key_Return : Qt::Key_Tab);
        }
        return;
      case 2:
        QApplication::clipboard()->setText(pick(2) == 0 ? text : block);
        return press(grid, Qt::Key_V, Qt::ControlModifier);
      case 3:
        return click(window, buttons[pick(2)]);
      default:
        const Qt::Key keys[] = {Qt::Key_C, Qt::Key_P, Qt::Key_Escape};
        const Qt::Key key = keys[pick(3)];
        return press(grid, key, key == Qt::Key_Escape ? Qt::NoModifier : Qt::ControlModifier);
    }
  }

  // A copied table holds no text that is not a number.
  static bool Clean(const QString& copied) {
    const QString table = copied.toLower();
    const bool clean =
        !table.contains(QStringLiteral("nan")) && !table.contains(QStringLiteral("inf"));
    EXPECT_TRUE(clean) << table.toStdString();
    return clean;
  }

  // A key pressed in the active window, as its shortcuts hear it.
  static void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QApplication::setActiveWindow(target->window());
    QTest::keyClick(target, key, modifiers);
  }

  // After a recompute the boxes show the values the analysis used, and the
  // table holds no text that is not a number.
  bool checkCircuitBoxes() {
    auto* window = qobject_cast<ui::frmInCircuit*>(onlyWindow());
    if (!window) return true;
    circuit_text::CircuitBoxes expected;
    const ui::CircuitSession& session = ui::KeptCircuitSession();
    circuit_text::WriteCircuitBoxes(session.Inputs, session.String, notation::DecimalSeparator(),
                                    expected);
    const auto shown = [window](const char* box) {
      return window->findChild<QLineEdit*>(QString::fromLatin1(box))->text().toStdString();
    };
    const std::string boxes = shown("txtLoad") + "|" + shown("txtSource") + "|" +
                              shown("txtCable") + "|" + shown("txtTolerance") + "|" +
                              shown("txtTotal") + "|" + shown("txtPositions") + "|" +
                              shown("txtSteps");
    const std::string used = expected.Load + "|" + expected.Source + "|" + expected.Cable + "|" +
                             expected.Tolerance + "|" + expected.Total + "|" +
                             expected.Positions + "|" + expected.Steps;
    EXPECT_EQ(boxes, used);
    const bool clean = Clean(window->tableText());
    EXPECT_EQ(window->analysis().N, session.String.Positions);
    return boxes == used && clean && window->analysis().N == session.String.Positions;
  }

  // Key presses carrying each character, as a keyboard with any layout sends
  // them.
  static void typeInto(QWidget* box, const QString& text) {
    for (const QChar character : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
      QApplication::sendEvent(box, &press);
      QApplication::sendEvent(box, &release);
    }
  }

  static void click(QWidget* window, const char* name) {
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }

  static std::vector<QWidget*> windows() { return testing_support::OpenWindows(); }
  static QWidget* onlyWindow() {
    const std::vector<QWidget*> open = windows();
    return open.size() == 1 ? open.front() : nullptr;
  }

  bool checkWindows() const {
    const std::vector<QWidget*> open = windows();
    EXPECT_EQ(open.size(), 1u);
    return open.size() == 1 && open.front()->isVisible();
  }

  bool checkDrawing() {
    bool finite = true;
    for (const surface::RecordingSurface* drawing : {&windowDrawing_, &pageDrawing_}) {
      for (const Op& op : drawing->ops()) {
        EXPECT_TRUE(FiniteOp(op)) << op;
        finite = finite && FiniteOp(op);
      }
    }
    windowDrawing_.forget();
    pageDrawing_.forget();
    return finite;
  }

  // After a design run the boxes show the values the design used.
  bool checkBoxes() {
    QWidget* window = onlyWindow();
    if (!window || window->objectName() != QStringLiteral("frmDesign")) return true;
    const design::DesignState& state = design::modMain();
    const auto shown = [window](const char* box) {
      return window->findChild<QLineEdit*>(QString::fromLatin1(box))->text().toStdString();
    };
    const bool stepLimited = lastMessage_ == design::kAttenuationLimitMessage;
    lastMessage_.clear();
    const std::string step = stepLimited ? "1" : notation::FormatEng(state.StepSize);
    EXPECT_EQ(shown("Text1"), notation::FormatEng(state.TotalOhms));
    EXPECT_EQ(shown("Text2"), notation::FormatEng(static_cast<float>(state.NumPositions)));
    EXPECT_EQ(shown("Text3"), step);
    EXPECT_TRUE(state.NumPositions >= 2 && state.NumPositions <= 25) << state.NumPositions;
    EXPECT_TRUE(std::isfinite(state.TotalOhms) && state.TotalOhms > 0.0f) << state.TotalOhms;
    return shown("Text1") == notation::FormatEng(state.TotalOhms) &&
           shown("Text2") == notation::FormatEng(static_cast<float>(state.NumPositions)) &&
           shown("Text3") == step;
  }

  std::mt19937 random_;
  QTemporaryDir pages_;
  surface::RecordingSurface windowDrawing_;
  surface::RecordingSurface pageDrawing_;
  std::string lastMessage_;
};

constexpr int kActionsPerSeed = 2500;

class MonkeyTest : public testing::TestWithParam<uint32_t> {};

TEST_P(MonkeyTest, KeepsTheProgramWholeThroughRandomActions) {
  Monkey monkey(GetParam());
  for (int action = 0; action < kActionsPerSeed; ++action) {
    SCOPED_TRACE(testing::Message() << "seed " << GetParam() << ", action " << action);
    ASSERT_TRUE(monkey.step());
  }
}

// Four seeds of 2500 actions: 10,000 in all.
INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, testing::Values(1u, 2u, 3u, 2026u));

}  // namespace
