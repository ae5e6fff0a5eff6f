// The program's windows handing over to one another: only one exists at any
// moment, and the design carries over.
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/opening_window.h"
#include "app/version.h"
#include "design/design_state.h"
#include "ui/windows/navigation.h"

#include "tests/support/window_test.h"

namespace {

class WindowFlowTest : public testing_support::WindowTest {
 protected:
  // Starts the program as main does.
  void startUp() { ui::ShowOwnWindow(new app::frmOpening); }

  // The windows on the screen. Once the main loop has ended, as in the tests
  // that end the program, Qt no longer destroys closed windows; these tests
  // look at what is shown instead.
  static std::vector<QWidget*> shownWindows() {
    std::vector<QWidget*> found;
    for (QWidget* widget : testing_support::OpenWindows()) {
      if (widget->isVisible()) found.push_back(widget);
    }
    return found;
  }
  static QWidget* onlyShownWindow() {
    const std::vector<QWidget*> shown = shownWindows();
    EXPECT_EQ(shown.size(), 1u);
    return shown.size() == 1 ? shown.front() : nullptr;
  }
  // Runs the event loop until something ends it; `action` runs inside it.
  static int runUntilQuit(const std::function<void()>& action) {
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, action);
    // A safety net so a fault fails the test instead of hanging it; it dies
    // with this call, so it never fires into a later test.
    QTimer safetyNet;
    safetyNet.setSingleShot(true);
    QObject::connect(&safetyNet, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    start.start(0);
    safetyNet.start(5000);
    return QApplication::exec();
  }
};

TEST_F(WindowFlowTest, StartsAtTheOpeningWindowAlone) {
  startUp();
  QWidget* opening = onlyWindow();
  EXPECT_EQ(name(opening), "frmOpening");
  EXPECT_EQ(opening->windowTitle(), QStringLiteral("Kestrix"));
  EXPECT_EQ(control<QLabel>(opening, "Label1")->text(), QStringLiteral("Kestrix"));
  EXPECT_EQ(control<QLabel>(opening, "Label2")->text(),
            QStringLiteral("a stepped volume control design routine"));
  EXPECT_EQ(control<QLabel>(opening, "Label5")->text(),
            QStringLiteral("Version ") + QString::fromLatin1(app::kVersion));
  EXPECT_EQ(control<QPushButton>(opening, "cmdStart")->text(), QStringLiteral("Start"));
  EXPECT_EQ(control<QPushButton>(opening, "cmdExit")->text(), QStringLiteral("Exit"));
}

TEST_F(WindowFlowTest, EachButtonLeavesExactlyTheNextWindow) {
  startUp();
  struct Step {
    const char* button;
    const char* next;
  };
  const Step tour[] = {{"cmdStart", "frmDesign"},
                       {"cmdExamine", "frmExamine"},
                       {"cmdExit", "frmDesign"},  // Return
                       {"cmdExamine", "frmExamine"},
                       {"cmdExit", "frmDesign"}};
  for (const Step& step : tour) {
    SCOPED_TRACE(step.button);
    click(onlyWindow(), step.button);
    QWidget* now = onlyWindow();
    EXPECT_EQ(name(now), step.next);
    EXPECT_TRUE(now && now->isVisible());
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(WindowFlowTest, ReturnReloadsTheDesignWithFivePercentLogAndTheLastInputs) {
  startUp();
  click(onlyWindow(), "cmdStart");
  QWidget* design = onlyWindow();
  type(design, "Text1", "4k7");
  type(design, "Text2", "12");
  type(design, "Text3", "1.5");
  click(design, "cmdDisplay");
  click(design, "opt1");
  click(design, "optLinear");
  click(design, "cmdExamine");
  click(onlyWindow(), "cmdExit");

  QWidget* again = onlyWindow();
  ASSERT_EQ(name(again), "frmDesign");
  EXPECT_TRUE(control<QRadioButton>(again, "opt5")->isChecked());
  EXPECT_TRUE(control<QRadioButton>(again, "optLog")->isChecked());
  EXPECT_EQ(control<QLineEdit>(again, "Text1")->text(), QStringLiteral("4k"));
  EXPECT_EQ(control<QLineEdit>(again, "Text2")->text(), QStringLiteral("12 "));
  EXPECT_EQ(control<QLineEdit>(again, "Text3")->text(), QStringLiteral("1.5 "));
  EXPECT_EQ(design::modMain().TolType, 5);
  EXPECT_EQ(design::modMain().NumPositions, 12);
}

TEST_F(WindowFlowTest, ExitEndsTheProgramFromEitherEnd) {
  struct Row {
    const char* from;
    std::vector<const char*> before;  // buttons that lead to the window
  };
  const Row rows[] = {{"the opening window", {}}, {"the design window", {"cmdStart"}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.from);
    startUp();
    for (const char* button : row.before) click(onlyShownWindow(), button);
    const int code = runUntilQuit([] { click(onlyShownWindow(), "cmdExit"); });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(shownWindows().empty());
  }
}

TEST_F(WindowFlowTest, ClosingTheLastWindowThroughItsFrameEndsTheProgram) {
  const char* const routes[][2] = {{"cmdStart", nullptr}, {"cmdStart", "cmdExamine"}};
  for (const auto& route : routes) {
    SCOPED_TRACE(route[1] ? route[1] : route[0]);
    startUp();
    for (const char* button : route) {
      if (button) click(onlyShownWindow(), button);
    }
    const int code = runUntilQuit([] { onlyShownWindow()->close(); });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(shownWindows().empty());
  }
}

// Shows `window` as the active window, so its keys reach it.
void Activate(QWidget* window) {
  ASSERT_NE(window, nullptr);
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST_F(WindowFlowTest, EnterAndEscapeHandOverAsTheirButtonsDo) {
  struct Step {
    const char* focus;  // the control the key goes to; empty: the window
    Qt::Key key;
    const char* next;
  };
  const Step tour[] = {{"cmdStart", Qt::Key_Return, "frmDesign"},
                       {"cmdExamine", Qt::Key_Enter, "frmExamine"},
                       {nullptr, Qt::Key_Escape, "frmDesign"},
                       {"cmdExamine", Qt::Key_Return, "frmExamine"},
                       {"cmdExit", Qt::Key_Return, "frmDesign"}};  // Return
  startUp();
  for (const Step& step : tour) {
    SCOPED_TRACE(testing::Message()
                 << step.key << " on " << (step.focus ? step.focus : "the window"));
    QWidget* window = onlyWindow();
    Activate(window);
    QWidget* target = step.focus ? control<QWidget>(window, step.focus) : window;
    if (!target) return;
    target->setFocus();
    QTest::keyClick(target, step.key,
                    step.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(name(onlyWindow()), step.next);
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(WindowFlowTest, CtrlQEndsTheProgramFromEveryWindow) {
  const std::vector<const char*> routes[] = {{}, {"cmdStart"}, {"cmdStart", "cmdExamine"}};
  for (const auto& route : routes) {
    SCOPED_TRACE(route.empty() ? "opening" : route.back());
    startUp();
    for (const char* button : route) click(onlyShownWindow(), button);
    Activate(onlyShownWindow());
    const int code = runUntilQuit([] {
      QWidget* window = onlyShownWindow();
      if (window) QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(shownWindows().empty());
  }
}

// A moved and resized window, and a maximised one, come back as they were
// after Deviation and Return.
TEST_F(WindowFlowTest, HandOverKeepsPlaceSizeAndMaximisedState) {
  startUp();
  QWidget* opening = onlyWindow();
  const QRect openingPlace = opening->geometry();
  click(opening, "cmdStart");
  QWidget* design = onlyWindow();
  EXPECT_EQ(design->geometry(), openingPlace);

  const QRect moved(QPoint(37, 41), QSize(700, 520));
  design->setGeometry(moved);
  const QRect place = design->geometry();
  const char* const tour[] = {"cmdExamine", "cmdExit", "cmdExamine"};
  for (const char* button : tour) {
    SCOPED_TRACE(button);
    click(onlyWindow(), button);
    EXPECT_EQ(onlyWindow()->geometry(), place);
    EXPECT_FALSE(onlyWindow()->isMaximized());
  }
  onlyWindow()->showMaximized();
  ASSERT_TRUE(onlyWindow()->isMaximized());
  click(onlyWindow(), "cmdExit");  // Return
  QWidget* back = onlyWindow();
  EXPECT_TRUE(back->isMaximized());
  back->showNormal();
  EXPECT_EQ(back->geometry(), place);
}

}  // namespace
