// The design window driven through its controls, checked on the box texts,
// the design state and the recorded drawing.
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
#include "ui/desktop/fonts.h"
#include "ui/desktop/seams.h"
#include "ui/pictures/schematic.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/design_window.h"

#include "tests/support/recorded_ops.h"
#include "tests/support/window_layout.h"
#include "tests/support/window_test.h"

namespace {

constexpr float kTargetX = 6840.0f;
constexpr float kIdealX = 7700.0f;

class DesignWindowTest : public testing_support::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ui::AppSeams().showMessage = [this](const std::string& message) {
      messages_.push_back(message);
      // What the boxes show behind the message.
      boxesAtMessage_ = text("Text1") + "|" + text("Text2") + "|" + text("Text3");
    };
  }

  ui::frmDesign& open() { return WindowTest::open(new ui::frmDesign); }
  void design(const char* ohms, const char* positions, const char* step) {
    type("Text1", ohms);
    type("Text2", positions);
    type("Text3", step);
    click("cmdDisplay");
  }

  // The last display shows the schematic of the program's design with the
  // columns of the set `tolType` selects, drawn afresh.
  void expectShowsDesign(int16_t tolType) const {
    EXPECT_EQ(design::modMain().TolType, tolType);
    design::DesignState state = design::modMain();
    surface::RecordingSurface expected;
    expected.clear();
    ui::DrawSchematicWithColumns(expected, state, ui::DesignWindowSchematic(tolType),
                                 [&](const float& X, const float& Y) {
                                   ui::DrawResistorSymbol(expected, X, Y, state.Spacing, state.DrawColor);
                                 });
    EXPECT_EQ(lastDrawing(), expected.ops());
  }
  // The texts of the last display's column at `x`.
  std::vector<std::string> column(float x) const {
    return recorded::Strings(recorded::TextsAt(lastDrawing(), x));
  }
  // The target of the last position the display printed; empty if none.
  std::string lastTarget() const {
    const std::vector<std::string> targets = column(kTargetX);
    return targets.empty() ? std::string() : targets.back();
  }

  std::string boxesAtMessage_;
};

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

  expectShowsDesign(5);
  // Worked example of the default design: 2.057k down to 1.259k.
  const std::vector<std::string> ideal = column(kIdealX);
  ASSERT_EQ(ideal.size(), 12u);
  EXPECT_EQ(ideal[1], "2.057k ohms");
  EXPECT_EQ(ideal[10], "1.259k ohms");
  EXPECT_EQ(ideal[11], "10k ohms total");
  EXPECT_EQ(lastTarget(), "18 dB");
  const std::vector<std::string> nearest = column(9200.0f);
  ASSERT_FALSE(nearest.empty());
  EXPECT_EQ(nearest.front(), "Nearest 5%:");
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
  expectShowsDesign(5);
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
      const std::size_t before = drawing_.ops().size();
      click(name);
      if (std::string(name) != "cmdDisplay") {
        EXPECT_EQ(drawing_.ops().size(), before) << "choosing " << name << " draws nothing";
      }
    }
    expectShowsDesign(row.shown);
  }
}

// The ladder is worked out in dB only: the curve type is greyed out with Log
// selected, a click on Linear does nothing, and Tab from the positions goes
// straight to the step, where Enter displays.
TEST_F(DesignWindowTest, CurveTypeIsGreyedOutWithLogAndTabPassesIt) {
  WindowTest::open(new ui::frmDesign, true);
  const surface::OpList logDrawing = lastDrawing();
  EXPECT_FALSE(control<QGroupBox>("fraLinLog")->isEnabled());
  click("optLinear");
  EXPECT_TRUE(control<QRadioButton>("optLog")->isChecked());
  control<QLineEdit>("Text2")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), control<QWidget>("Text3"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(control<QLabel>("Label3")->text().toStdString(), "dB per step: ");
  EXPECT_TRUE(control<QRadioButton>("optLog")->isChecked());
  EXPECT_EQ(lastDrawing(), logDrawing);
}

TEST_F(DesignWindowTest, TypedTextWaitsForDisplay) {
  open();
  const std::size_t before = drawing_.ops().size();
  type("Text2", "5");
  EXPECT_EQ(drawing_.ops().size(), before);
  EXPECT_EQ(design::modMain().NumPositions, 11);
}

// Typed position counts outside 2 .. 25 are brought inside; the window then
// shows the whole string for each set.
TEST_F(DesignWindowTest, StringLengthFollowsThePositionsForEveryTolerance) {
  const struct {
    const char* typed;
    int16_t positions;
  } cases[] = {{"2", 2}, {"7", 7}, {"8", 8}, {"25", 25}, {"30", 25}, {"1", 2}};
  const struct {
    const char* button;
    int16_t tolType;
  } tolerances[] = {{"opt0", 0}, {"opt1", 1}, {"opt5", 5}};
  open();
  for (const auto& c : cases) {
    for (const auto& tolerance : tolerances) {
      SCOPED_TRACE(testing::Message() << c.typed << " positions, " << tolerance.button);
      click(tolerance.button);
      design("10k", c.typed, "2");
      EXPECT_EQ(design::modMain().NumPositions, c.positions);
      expectShowsDesign(tolerance.tolType);
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
  expectShowsDesign(5);
  EXPECT_EQ(lastTarget(), "9 dB");
}

TEST_F(DesignWindowTest, ExactlyOneHundredDecibelsIsAccepted) {
  open();
  design("10k", "25", "4");
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(text("Text3"), "4 ");
  expectShowsDesign(5);
  EXPECT_EQ(lastTarget(), "92 dB");

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
    expectShowsDesign(5);
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

}  // namespace
