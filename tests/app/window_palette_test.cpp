// Every text on every window stays readable whatever palette the desktop
// theme hands the application: at least 4.5:1 against what lies behind it,
// measured from the palettes the controls really draw with.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include "app/opening_window.h"
#include "design/design_state.h"
#include "ui/desktop/window_palette.h"
#include "ui/windows/design_window.h"
#include "ui/windows/deviation_window.h"
#include "ui/windows/in_circuit_window.h"

namespace {

constexpr double kLeast = 4.5;  // normal text, by the accessibility guideline

// A dark desktop theme, as GTK's Adwaita dark hands it to Qt.
QPalette DarkTheme() {
  QPalette dark(QColor(53, 53, 53), QColor(36, 36, 36));
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    dark.setColor(group, QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(group, QPalette::Text, QColor(238, 238, 236));
    dark.setColor(group, QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(group, QPalette::Base, QColor(45, 45, 45));
    dark.setColor(group, QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(group, QPalette::HighlightedText, Qt::white);
  }
  return dark;
}

// A light theme with a light text colour for its few dark surfaces: the mix
// a theme may hand a program that paints its own backgrounds.
QPalette LightTheme() { return QApplication::style()->standardPalette(); }

struct Theme {
  const char* name;
  std::function<QPalette()> palette;
  bool whileOpen;  // the theme changes while the windows are open
};
void PrintTo(const Theme& theme, std::ostream* out) { *out << theme.name; }

// What a text is drawn in, and on.
struct Pair {
  std::string what;
  QColor text;
  QColor behind;
};

// The colour pairs of every text a control of `window` shows, taken from the
// control's own palette. Controls without a background of their own show the
// window's `backgrounds` behind them. A button adds its caption as it would
// be disabled and its focus frame, which is drawn on the window.
std::vector<Pair> TextPairs(QWidget* window, const std::vector<QColor>& backgrounds) {
  std::vector<Pair> pairs;
  const auto onWindow = [&](QWidget* control, QPalette::ColorRole role, const char* part) {
    for (const QColor& behind : backgrounds) {
      pairs.push_back({control->objectName().toStdString() + " " + part,
                       control->palette().color(role), behind});
    }
  };
  const auto own = [&](QWidget* control, QPalette::ColorRole text, QPalette::ColorRole behind,
                       const char* part) {
    pairs.push_back({control->objectName().toStdString() + " " + part,
                     control->palette().color(text), control->palette().color(behind)});
  };
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisible() || control->objectName().isEmpty()) continue;
    if (qobject_cast<QLabel*>(control)) onWindow(control, control->foregroundRole(), "text");
    if (qobject_cast<QGroupBox*>(control)) onWindow(control, QPalette::WindowText, "title");
    if (qobject_cast<QRadioButton*>(control)) {
      onWindow(control, control->foregroundRole(), "caption");
      own(control, QPalette::Text, QPalette::Base, "circle");
    }
    if (qobject_cast<QPushButton*>(control)) {
      own(control, control->foregroundRole(), control->backgroundRole(), "caption");
      pairs.push_back({control->objectName().toStdString() + " caption when disabled",
                       control->palette().color(QPalette::Disabled, control->foregroundRole()),
                       control->palette().color(QPalette::Disabled, control->backgroundRole())});
      onWindow(control, QPalette::Highlight, "focus frame");
    }
    if (qobject_cast<QLineEdit*>(control)) {
      own(control, control->foregroundRole(), control->backgroundRole(), "text");
      own(control, QPalette::HighlightedText, QPalette::Highlight, "selection");
    }
  }
  return pairs;
}

struct Window {
  const char* name;
  std::function<QWidget*()> open;
  std::vector<QColor> backgrounds;  // what the window paints behind its controls
  std::vector<std::string> keyed;   // legend labels keep the chart's colours
};

class WindowPaletteTest : public testing::TestWithParam<Theme> {
 protected:
  void SetUp() override {
    design::modMain() = {};
    saved_ = QApplication::palette();
  }
  void TearDown() override {
    QApplication::setPalette(saved_);
    design::modMain() = {};
  }
  QPalette saved_;
};

TEST_P(WindowPaletteTest, EveryTextKeepsItsContrast) {
  const Theme& theme = GetParam();
  // The opening window's gradient runs from near black to full blue. The
  // design window, opened before the deviation and in-circuit windows, leaves
  // them the default design to show.
  const Window windows[] = {
      {"opening", [] { return new app::frmOpening; }, {QColor(1, 1, 1), QColor(1, 1, 255)}, {}},
      {"design", [] { return new ui::frmDesign; }, {Qt::white}, {}},
      {"deviation", [] { return new ui::frmExamine; }, {Qt::white}, {"Label2", "Label3"}},
      {"in circuit", [] { return new ui::frmInCircuit; }, {Qt::white}, {}},
  };
  for (const Window& spec : windows) {
    SCOPED_TRACE(spec.name);
    if (!theme.whileOpen) QApplication::setPalette(theme.palette());
    std::unique_ptr<QWidget> window(spec.open());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    if (theme.whileOpen) QApplication::setPalette(theme.palette());
    QCoreApplication::processEvents();

    std::size_t measured = 0;
    for (const Pair& pair : TextPairs(window.get(), spec.backgrounds)) {
      const std::string control = pair.what.substr(0, pair.what.find(' '));
      if (std::find(spec.keyed.begin(), spec.keyed.end(), control) != spec.keyed.end()) continue;
      ++measured;
      EXPECT_GE(ui::ContrastRatio(pair.text, pair.behind), kLeast)
          << pair.what << ": " << pair.text.name().toStdString() << " on "
          << pair.behind.name().toStdString();
    }
    EXPECT_GE(measured, 2u);
    QApplication::setPalette(saved_);
  }
}

// The legend names the chart's marker colours, so its two labels keep red and
// green under every theme.
TEST_P(WindowPaletteTest, DeviationLegendKeepsTheChartColours) {
  QApplication::setPalette(GetParam().palette());
  ui::frmExamine window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const auto colour = [&](const char* label) {
    return window.findChild<QLabel*>(QString::fromLatin1(label))
        ->palette()
        .color(QPalette::WindowText);
  };
  EXPECT_EQ(colour("Label2"), QColor(255, 0, 0));
  EXPECT_EQ(colour("Label3"), QColor(0, 192, 0));
}

INSTANTIATE_TEST_SUITE_P(Themes, WindowPaletteTest,
                         testing::Values(Theme{"dark", DarkTheme, false},
                                         Theme{"darkWhileOpen", DarkTheme, true},
                                         Theme{"light", LightTheme, false}),
                         [](const testing::TestParamInfo<Theme>& info) { return info.param.name; });

// Worked values of the guideline's formula.
TEST(ContrastRatio, MatchesTheGuidelinesExamples) {
  struct Row {
    QColor a;
    QColor b;
    double ratio;
  };
  const Row rows[] = {{Qt::black, Qt::white, 21.0},
                      {Qt::white, Qt::white, 1.0},
                      {QColor(118, 118, 118), Qt::white, 4.54},  // the lightest grey that passes
                      {QColor(255, 0, 0), Qt::white, 4.0},
                      {QColor(0, 0, 255), Qt::black, 2.44}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.a.name().toStdString() + " " + row.b.name().toStdString());
    EXPECT_NEAR(ui::ContrastRatio(row.a, row.b), row.ratio, 0.01);
    EXPECT_NEAR(ui::ContrastRatio(row.b, row.a), row.ratio, 0.01);
  }
}

}  // namespace
