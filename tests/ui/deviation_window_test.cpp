// The deviation window: the chart it draws at load, its controls, and the
// design it leaves as it found it.
#include <string>

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "design/design_state.h"
#include "ui/pictures/deviation_chart.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/deviation_window.h"

#include "tests/support/designed.h"
#include "tests/support/window_layout.h"
#include "tests/support/window_test.h"

namespace {

class DeviationWindowTest : public testing_support::WindowTest {
 protected:
  // Opens the window on a design of `positions` positions.
  ui::frmExamine& open(int16_t positions = 11) {
    testing_support::DesignInProgram(10000.0f, positions, 2.0f);
    return WindowTest::open(new ui::frmExamine);
  }
};

// The load draws, on the window's 12000 x 9000 units, the chart of the
// program's design at the window's layout and nothing else.
TEST_F(DeviationWindowTest, DrawsTheChartOfTheDesignAtLoad) {
  for (int16_t positions : {2, 11, 25}) {
    SCOPED_TRACE(positions);
    drawing_.forget();
    open(positions);
    design::DesignState state = design::modMain();
    surface::RecordingSurface expected;
    expected.setScale({0.0f, 0.0f, 12000.0f, 9000.0f});
    ui::DrawDeviationChart(expected, state, ui::kDeviationWindowChart);
    EXPECT_EQ(drawing_.ops(), expected.ops());
  }
}

TEST_F(DeviationWindowTest, PutsItsControlsInTheirPlacesAndLeavesTheDesign) {
  testing_support::DesignInProgram(4700.0f, 12, 1.5f);
  const design::DesignState before = design::modMain();
  ui::frmExamine& window = WindowTest::open(new ui::frmExamine);
  testing_support::ExpectSameDesign(before, design::modMain());
  const struct {
    const char* name;
    QRectF units;
  } places[] = {{"cmdExit", {850, 7120, 1500, 340}},
                {"Label1", {30, 255, 11700, 615}},
                {"Label2", {4240, 7120, 1935, 375}},
                {"Label3", {6300, 7120, 1935, 375}}};
  for (const auto& place : places) ExpectPlacedAt(window, control(place.name), place.units);
}

TEST_F(DeviationWindowTest, ShowsReturnAndTheLegendsOnEveryScreen) {
  ui::frmExamine& window = open();
  window.show();
  for (const QSize size : {QSize(400, 300), QSize(1600, 900), QSize(1900, 1400)}) {
    SCOPED_TRACE(size.width());
    window.resize(size);
    QApplication::processEvents();
    for (const char* name : {"cmdExit", "Label2", "Label3"}) {
      const QWidget* shown = control(name);
      ASSERT_NE(shown, nullptr);
      EXPECT_TRUE(window.rect().contains(shown->geometry())) << name;
    }
  }
}

}  // namespace
