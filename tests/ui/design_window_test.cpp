// The design window driven through its controls, checked on the box texts,
// the design state and the recorded drawing.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "design/design_state.h"
#include "design/normalise.h"
#include "notation/eng_notation.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/seams.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/design_window.h"

#include "tests/support/window_layout.h"

namespace {

using surface::LineMode;
using surface::LineOp;
using surface::TextOp;

constexpr float kColumnX = 6300.0f;

// What the last display drew: everything after the last clear.
struct Drawing {
  std::vector<LineOp> lines;
  std::vector<TextOp> texts;
  std::vector<surface::Op> ops;

  std::vector<TextOp> column(float x) const {
    std::vector<TextOp> found;
    for (const TextOp& text : texts) {
      if (text.at.x == x) found.push_back(text);
    }
    return found;
  }
};

class DesignWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    design::modMain() = {};
    ui::AppSeams().showMessage = [this](const std::string& message) {
      messages_.push_back(message);
      // What the boxes show behind the message.
      boxesAtMessage_ = text("Text1") + "|" + text("Text2") + "|" + text("Text3");
    };
    ui::AppSeams().windowRecorder = &recorder_;
  }
  void TearDown() override {
    window_.reset();
    ui::AppSeams() = {};
    design::modMain() = {};
  }

  ui::frmDesign& open() {
    window_ = std::make_unique<ui::frmDesign>();
    return *window_;
  }

  template <class T>
  T* control(const char* name) const {
    T* found = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  std::string text(const char* box) const { return control<QLineEdit>(box)->text().toStdString(); }
  void type(const char* box, const char* typed) {
    QLineEdit* edit = control<QLineEdit>(box);
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(typed));
  }
  void click(const char* name) {
    QAbstractButton* button = control<QAbstractButton>(name);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }
  void design(const char* ohms, const char* positions, const char* step) {
    type("Text1", ohms);
    type("Text2", positions);
    type("Text3", step);
    click("cmdDisplay");
  }

  Drawing drawing() const {
    Drawing found;
    for (const surface::Op& op : recorder_.ops()) {
      if (std::holds_alternative<surface::ClearOp>(op)) found = Drawing{};
      found.ops.push_back(op);
      if (const auto* line = std::get_if<LineOp>(&op)) found.lines.push_back(*line);
      if (const auto* printed = std::get_if<TextOp>(&op)) found.texts.push_back(*printed);
    }
    return found;
  }

  surface::RecordingSurface recorder_;
  std::vector<std::string> messages_;
  std::string boxesAtMessage_;
  std::unique_ptr<ui::frmDesign> window_;
};

std::string Eng(float value) { return notation::FormatEng(value); }

std::vector<std::string> Texts(const std::vector<TextOp>& ops) {
  std::vector<std::string> texts;
  for (const TextOp& op : ops) texts.push_back(op.text);
  return texts;
}

bool IsFinite(const surface::PointF& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The resistor bodies: runs of strokes that start with a line straight down
// the column and go on with continued lines. Returns the junctions from the
// top, checking that each body starts where the one above it ends.
std::vector<float> Junctions(const Drawing& d) {
  std::vector<float> junctions;
  const std::vector<LineOp>& lines = d.lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LineOp& first = lines[i];
    const bool bodyStart = first.mode == LineMode::Line && first.from.x == kColumnX &&
                           first.to.x == kColumnX && first.to.y > first.from.y;
    if (!bodyStart) continue;
    if (junctions.empty()) junctions.push_back(first.from.y);
    EXPECT_EQ(first.from.y, junctions.back()) << "body " << junctions.size() << " is detached";
    std::size_t j = i + 1;
    while (j < lines.size() && lines[j].mode == LineMode::Continued) ++j;
    EXPECT_EQ(j - i, 9u) << "a body is one lead, seven continued strokes and a lead";
    EXPECT_EQ(lines[j - 1].to.x, kColumnX);
    junctions.push_back(lines[j - 1].to.y);
    i = j - 1;
  }
  return junctions;
}

bool HasLine(const Drawing& d, LineMode mode, surface::PointF from, surface::PointF to) {
  for (const LineOp& line : d.lines) {
    if (line.mode == mode && line.from == from && line.to == to) return true;
  }
  return false;
}

// Everything a drawn design must show, whatever its inputs.
void ExpectCompleteDesign(const Drawing& d, int16_t tolType) {
  const design::DesignState& state = design::modMain();
  const int n = state.NumPositions;
  const float s = state.Spacing;

  for (const surface::Op& op : d.ops) {
    if (const auto* line = std::get_if<LineOp>(&op)) {
      EXPECT_TRUE(IsFinite(line->from) && IsFinite(line->to)) << op;
    }
    if (const auto* printed = std::get_if<TextOp>(&op)) {
      EXPECT_TRUE(IsFinite(printed->at)) << op;
    }
  }

  // The column: the input lead, N - 1 bodies joined end to end, a tap and a
  // contact at every junction, the ground line at the bottom.
  const std::vector<float> junctions = Junctions(d);
  ASSERT_EQ(junctions.size(), static_cast<std::size_t>(n));
  EXPECT_EQ(junctions.front(), 800.0f);
  EXPECT_TRUE(HasLine(d, LineMode::Line, {5800.0f, 800.0f}, {kColumnX, 800.0f}));
  for (float y : junctions) {
    SCOPED_TRACE(testing::Message() << "junction at y = " << y);
    EXPECT_TRUE(HasLine(d, LineMode::Line, {kColumnX, y}, {6600.0f, y}));
    EXPECT_TRUE(HasLine(d, LineMode::FilledBox, {6570.0f, y - 30.0f}, {6630.0f, y + 30.0f}));
  }
  EXPECT_TRUE(HasLine(d, LineMode::Line, {5800.0f, junctions.back()}, {6600.0f, junctions.back()}));

  // Target column: beside positions 0 .. N - 2, 105 units above each.
  const std::vector<TextOp> targets = d.column(6840.0f);
  ASSERT_EQ(targets.size(), static_cast<std::size_t>(n - 1));
  for (int p = 0; p <= n - 2; ++p) {
    EXPECT_EQ(targets[p].text, Eng(static_cast<float>(p) * state.StepSize) + "dB");
    EXPECT_NEAR(targets[p].at.y, junctions[p] - 105.0f, 0.01f);
  }

  // Ideal column: the heading, one row beside each resistor, the total.
  const std::vector<TextOp> ideal = d.column(7700.0f);
  ASSERT_EQ(ideal.size(), static_cast<std::size_t>(n + 1));
  EXPECT_EQ(ideal[0].text, "Ideal:");
  EXPECT_EQ(ideal[0].at.y, 300.0f);
  for (int k = 1; k <= n - 1; ++k) {
    SCOPED_TRACE(testing::Message() << "resistor " << k);
    EXPECT_EQ(ideal[k].text, Eng(state.IdealR[k]) + " ohms");
    EXPECT_NEAR(ideal[k].at.y, 750.0f + 250.0f * s + (k - 1) * 720.0f * s, 0.01f);
    EXPECT_GT(ideal[k].at.y, junctions[k - 1]);
    EXPECT_LT(ideal[k].at.y, junctions[k]);
  }
  EXPECT_EQ(ideal[n].text, Eng(state.TotalOhms) + " ohms total");
  EXPECT_GT(ideal[n].at.y, junctions.back());

  const std::vector<TextOp> nearest = d.column(9200.0f);
  const std::vector<TextOp> realised = d.column(10300.0f);
  if (tolType == 0) {
    EXPECT_TRUE(nearest.empty());
    EXPECT_TRUE(realised.empty());
    return;
  }
  const bool five = tolType == 5;
  ASSERT_EQ(nearest.size(), static_cast<std::size_t>(n + 1));
  EXPECT_EQ(nearest[0].text, five ? "Nearest 5%:" : "Nearest 1%:");
  for (int k = 1; k <= n - 1; ++k) {
    EXPECT_EQ(nearest[k].text, Eng(five ? state.R5Pct[k] : state.R1Pct[k]) + " ohms");
    EXPECT_EQ(nearest[k].at.y, ideal[k].at.y);
  }
  EXPECT_EQ(nearest[n].text, Eng(five ? state.Total5Pct : state.Total1Pct) + " ohms total");
  ASSERT_EQ(realised.size(), static_cast<std::size_t>(n - 1));
  EXPECT_EQ(realised[0].text, "0   dB");
  for (int p = 0; p <= n - 2; ++p) {
    EXPECT_EQ(realised[p].text, Eng(five ? state.Atten5Pct[p] : state.Atten1Pct[p]) + " dB");
    EXPECT_EQ(realised[p].at.y, targets[p].at.y);
  }
}

TEST_F(DesignWindowTest, FirstOpeningShowsTheDefaultDesign) {
  ui::frmDesign& window = open();
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrix - Design");
  EXPECT_EQ(text("Text1"), "10k");
  EXPECT_EQ(text("Text2"), "11 ");
  EXPECT_EQ(text("Text3"), "2 ");
  EXPECT_EQ(control<QLabel>("Label3")->text().toStdString(), "dB per step: ");
  EXPECT_TRUE(control<QRadioButton>("opt5")->isChecked());
  EXPECT_TRUE(control<QRadioButton>("optLog")->isChecked());
  EXPECT_EQ(window.focusWidget(), control<QPushButton>("cmdExit"));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(design::modMain().TolType, 5);

  const Drawing d = drawing();
  ASSERT_NO_FATAL_FAILURE(ExpectCompleteDesign(d, 5));
  // Worked example of the default design: 2.057k down to 1.259k.
  const std::vector<std::string> ideal = Texts(d.column(7700.0f));
  EXPECT_EQ(ideal[1], "2.057k ohms");
  EXPECT_EQ(ideal[10], "1.259k ohms");
  EXPECT_EQ(ideal[11], "10k ohms total");
  EXPECT_EQ(Texts(d.column(6840.0f))[9], "18 dB");
}

TEST_F(DesignWindowTest, ReopeningShowsTheKeptInputsWithFivePercentAndLog) {
  design::DesignState& state = design::modMain();
  state.TotalOhms = 4700.0f;
  state.NumPositions = 12;
  state.StepSize = 1.5f;
  state.TolType = 1;
  open();
  EXPECT_EQ(text("Text1"), "4.7k");
  EXPECT_EQ(text("Text2"), "12 ");
  EXPECT_EQ(text("Text3"), "1.5 ");
  EXPECT_EQ(state.TolType, 5);
  ExpectCompleteDesign(drawing(), 5);
}

TEST_F(DesignWindowTest, ControlsCarryTheirCaptions) {
  open();
  struct Caption {
    const char* name;
    const char* text;
  };
  const Caption labels[] = {{"Label1", "Total resistance (ohms): "},
                            {"Label2", "Number of switch positions: "}};
  for (const Caption& c : labels) EXPECT_EQ(control<QLabel>(c.name)->text().toStdString(), c.text);
  const Caption frames[] = {{"fraLinLog", "Curve type"}, {"fraToleranceType", "Tolerances"}};
  for (const Caption& c : frames) {
    EXPECT_EQ(control<QGroupBox>(c.name)->title().toStdString(), c.text);
  }
  const Caption buttons[] = {{"optLinear", "Linear"},
                             {"optLog", "Log"},
                             {"opt0", "Ideal only"},
                             {"opt1", "1%"},
                             {"opt5", "5%"},
                             {"cmdDisplay", "Display"},
                             {"cmdExamine", "Deviation"},
                             {"cmdPrint", "Print"},
                             {"cmdExit", "Exit"}};
  for (const Caption& c : buttons) {
    EXPECT_EQ(control<QAbstractButton>(c.name)->text().toStdString(), c.text);
  }
  const char* options[] = {"optLinear", "optLog"};
  for (const char* name : options) {
    EXPECT_EQ(control<QRadioButton>(name)->parentWidget(), control<QGroupBox>("fraLinLog"));
  }
}

// Tab from Exit through the inputs, the buttons and the tolerances to Print,
// then the in-circuit button added after it, and round to Exit again.
TEST_F(DesignWindowTest, TabOrderRunsFromExitThroughTheInputs) {
  ui::frmDesign& window = open();
  const char* expected[] = {"cmdExit", "Text1",      "Text2",        "optLinear", "optLog",
                            "Text3",   "cmdDisplay", "cmdExamine",   "opt0",      "opt1",
                            "opt5",    "cmdPrint",   "cmdInCircuit", "cmdExit"};
  QWidget* widget = control<QWidget>(expected[0]);
  std::vector<std::string> order{expected[0]};
  for (std::size_t i = 1; i < std::size(expected); ++i) {
    do {
      widget = widget->nextInFocusChain();
    } while (widget == &window || !(widget->focusPolicy() & Qt::TabFocus));
    order.push_back(widget->objectName().toStdString());
  }
  EXPECT_EQ(order, std::vector<std::string>(std::begin(expected), std::end(expected)));
}

// A tolerance button only chooses; the next Display shows the last choice.
TEST_F(DesignWindowTest, DisplayShowsTheLastToleranceChosen) {
  struct Row {
    std::vector<const char*> clicks;
    int16_t shown;
  };
  const Row rows[] = {
      {{"opt1", "cmdDisplay"}, 1},
      {{"opt1", "opt5", "cmdDisplay"}, 5},
      {{"opt1", "cmdDisplay", "opt5", "cmdDisplay"}, 5},
      {{"opt5", "opt0", "cmdDisplay"}, 0},
      {{"opt0", "cmdDisplay", "opt1", "cmdDisplay"}, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.clicks.size() << " clicks, showing " << row.shown);
    open();
    for (const char* name : row.clicks) {
      const std::size_t before = recorder_.ops().size();
      click(name);
      if (std::string(name) != "cmdDisplay") {
        EXPECT_EQ(recorder_.ops().size(), before) << "choosing " << name << " draws nothing";
      }
    }
    EXPECT_EQ(design::modMain().TolType, row.shown);
    ExpectCompleteDesign(drawing(), row.shown);
  }
}

TEST_F(DesignWindowTest, IdealOnlyShowsTargetAndIdealColumns) {
  open();
  click("opt0");
  click("cmdDisplay");
  const Drawing d = drawing();
  ExpectCompleteDesign(d, 0);
  for (const TextOp& printed : d.texts) EXPECT_LT(printed.at.x, 9200.0f) << printed.text;
}

TEST_F(DesignWindowTest, LinearChangesThePromptButNotTheNumbers) {
  open();
  const std::vector<std::string> logTexts = Texts(drawing().texts);
  click("optLinear");
  EXPECT_EQ(control<QLabel>("Label3")->text().toStdString(), "% per step: ");
  EXPECT_EQ(Texts(drawing().texts), logTexts);
  ExpectCompleteDesign(drawing(), 5);
  click("optLog");
  EXPECT_EQ(control<QLabel>("Label3")->text().toStdString(), "dB per step: ");
  EXPECT_EQ(Texts(drawing().texts), logTexts);
}

TEST_F(DesignWindowTest, TypedTextWaitsForDisplay) {
  open();
  const std::size_t before = recorder_.ops().size();
  type("Text2", "5");
  EXPECT_EQ(recorder_.ops().size(), before);
  EXPECT_EQ(design::modMain().NumPositions, 11);
}

struct PositionsCase {
  const char* typed;
  int16_t positions;
  float spacing;
  float bottom;  // y of the last junction
};

TEST_F(DesignWindowTest, StringLengthFollowsThePositionsForEveryTolerance) {
  const PositionsCase cases[] = {
      {"2", 2, 1.5f, 1880.0f},        {"6", 6, 1.5f, 6200.0f},   {"7", 7, 1.5f, 7280.0f},
      {"8", 8, 9.0f / 7.0f, 7280.0f}, {"11", 11, 0.9f, 7280.0f}, {"25", 25, 0.375f, 7280.0f},
      {"30", 25, 0.375f, 7280.0f},    {"1", 2, 1.5f, 1880.0f},
  };
  const struct {
    const char* button;
    int16_t tolType;
  } tolerances[] = {{"opt0", 0}, {"opt1", 1}, {"opt5", 5}};
  open();
  for (const PositionsCase& c : cases) {
    for (const auto& tolerance : tolerances) {
      SCOPED_TRACE(testing::Message() << c.typed << " positions, " << tolerance.button);
      click(tolerance.button);
      design("10k", c.typed, "2");
      EXPECT_EQ(design::modMain().NumPositions, c.positions);
      EXPECT_FLOAT_EQ(design::modMain().Spacing, c.spacing);
      const Drawing d = drawing();
      ExpectCompleteDesign(d, tolerance.tolType);
      const std::vector<float> junctions = Junctions(d);
      ASSERT_EQ(junctions.size(), static_cast<std::size_t>(c.positions));
      EXPECT_NEAR(junctions.back(), c.bottom, 0.003f);
      if (c.positions <= 7) {
        for (std::size_t k = 1; k < junctions.size(); ++k) {
          EXPECT_EQ(junctions[k] - junctions[k - 1], 1080.0f);
        }
      }
    }
  }
}

TEST_F(DesignWindowTest, TooMuchAttenuationFallsBackToOneDecibel) {
  open();
  design("10k", "11", "10");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], design::kAttenuationLimitMessage);
  EXPECT_EQ(boxesAtMessage_, "10k|11 |10 ");
  EXPECT_EQ(text("Text3"), "1");
  EXPECT_EQ(design::modMain().StepSize, 1.0f);
  EXPECT_EQ(window_->focusWidget(), control<QLineEdit>("Text3"));
  const Drawing d = drawing();
  ASSERT_NO_FATAL_FAILURE(ExpectCompleteDesign(d, 5));
  EXPECT_EQ(Texts(d.column(6840.0f))[9], "9 dB");
}

TEST_F(DesignWindowTest, ExactlyOneHundredDecibelsIsAccepted) {
  open();
  design("10k", "25", "4");
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(text("Text3"), "4 ");
  const Drawing d = drawing();
  ASSERT_NO_FATAL_FAILURE(ExpectCompleteDesign(d, 5));
  EXPECT_EQ(Texts(d.column(6840.0f)).back(), "92 dB");

  design("10k", "25", "4.01");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(design::modMain().NumPositions, 25);
  EXPECT_EQ(design::modMain().StepSize, 1.0f);
}

TEST_F(DesignWindowTest, UnusableTotalIsRefusedWithTheDefault) {
  const char* totals[] = {"", "0", "-4.7k"};
  open();
  for (const char* typed : totals) {
    SCOPED_TRACE(typed);
    messages_.clear();
    design(typed, "11", "2");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], design::kTotalRefusedMessage);
    EXPECT_EQ(text("Text1"), "10k");
    ExpectCompleteDesign(drawing(), 5);
  }
}

TEST_F(DesignWindowTest, ExitClosesTheWindow) {
  ui::frmDesign& window = open();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  click("cmdExit");
  EXPECT_FALSE(window.isVisible());
}

// Every control stays inside the window (an option button inside its frame)
// and clear of the others, and keeps its proportions, whatever size the
// window is given.
TEST_F(DesignWindowTest, ControlsScaleWithTheWindow) {
  ui::frmDesign& window = open();
  const QSize sizes[] = {{792, 566}, {1584, 1132}, {600, 430}, {2400, 900}, {900, 1400}};
  const std::vector<const char*> topLevel = {
      "Label1",           "Text1",      "Label2",     "Text2",    "Label3", "Text3", "fraLinLog",
      "fraToleranceType", "cmdDisplay", "cmdExamine", "cmdPrint", "cmdExit"};
  const QLineEdit* box = control<QLineEdit>("Text1");
  for (const QSize& size : sizes) {
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
    window.resize(size);
    QResizeEvent event(window.size(), QSize());
    QCoreApplication::sendEvent(&window, &event);
    const auto apart = [this](QWidget* within, const std::vector<const char*>& names) {
      for (const char* name : names) {
        const QRect where = control<QWidget>(name)->geometry();
        EXPECT_TRUE(within->rect().contains(where)) << name;
        for (const char* other : names) {
          if (other == name) continue;
          EXPECT_FALSE(where.intersects(control<QWidget>(other)->geometry()))
              << name << " " << other;
        }
      }
    };
    apart(&window, topLevel);
    apart(control<QWidget>("fraLinLog"), {"optLinear", "optLog"});
    apart(control<QWidget>("fraToleranceType"), {"opt0", "opt1", "opt5"});
    const double zoom = std::min(window.width() / 792.0, window.height() / 566.0);
    EXPECT_NEAR(box->width(), 1455 * 0.99 / 15 * zoom, 1.0);
    EXPECT_NEAR(QFontMetricsF(box->font()).height() / box->height(),
                QFontMetricsF(ui::WindowFont()).height() / 25.0, 0.08);
  }
}

// At three times the laid-out size a unit is a quarter of a pixel, so a
// control twenty units out of place is five pixels off.
TEST_F(DesignWindowTest, PlacesTheBoxesAndButtonsAsLaidOut) {
  ui::frmDesign& window = open();
  window.resize(QSize(3 * 792, 3 * 566));
  QResizeEvent event(window.size(), QSize());
  QCoreApplication::sendEvent(&window, &event);
  const struct {
    const char* name;
    QRectF units;
  } places[] = {
      {"Text1", {4320, 1440, 1455, 375}},     {"Text2", {4320, 1920, 1455, 375}},
      {"Text3", {4320, 2400, 1455, 375}},     {"cmdDisplay", {840, 5040, 1500, 340}},
      {"cmdExamine", {840, 5520, 1500, 340}}, {"cmdExit", {840, 7200, 1500, 340}},
  };
  for (const auto& place : places) {
    ExpectPlacedAt(window, control<QWidget>(place.name), place.units);
  }
}

TEST_F(DesignWindowTest, OpensInsideTheScreen) {
  ui::frmDesign& window = open();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QRect available = window.screen()->availableGeometry();
  EXPECT_TRUE(available.contains(window.geometry()));
}

// The 6-point columns are 540 to 1500 units apart; their longest texts must
// fit before the next column starts, at the laid-out size.
TEST(ValueColumns, LongestTextsFitBetweenColumns) {
  struct Row {
    const char* text;
    double room;  // units to the next column
  };
  const Row rows[] = {
      {"18 dB", 7700 - 6840},
      {"99.99 dB", 7700 - 6840},
      {"2.057k ohms", 9200 - 7700},
      {"999.99  ohms", 9200 - 7700},
      {"99.999k ohms total", 9200 - 7700},
      {"Nearest 5%:", 10300 - 9200},
      {"1.05k ohms", 10300 - 9200},
      {"9.76k ohms", 10300 - 9200},
  };
  QFont font = ui::WindowFont();
  font.setPixelSize(8);  // 6 points at 96 dpi
  const QFontMetricsF metrics(font);
  const double pixelsPerUnit = 792.0 / 12000.0;
  for (const Row& row : rows) {
    EXPECT_LT(metrics.horizontalAdvance(QString::fromLatin1(row.text)) / pixelsPerUnit, row.room)
        << row.text;
  }
}

}  // namespace
